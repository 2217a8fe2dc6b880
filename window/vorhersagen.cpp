// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "vorhersagen.h"

#include "application.h"
#include "feld.h"
#include "laufsteuerung.h"
#include "spuren.h"
#include "stellung.h"
#include "suchverlauf.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QStyleHints>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <utility>

Vorhersagen::Vorhersagen(Laufsteuerung &lauf, const view::Suchverlauf &verlauf, const view::Zellen &zellen,
                         QWidget &fenster)
    : m_lauf(lauf)
    , m_verlauf(verlauf)
    , m_zellen(zellen)
{
    // The keys wherever the keyboard is in the window, the cells' clicks.
    beobachte(fenster);
    connect(&verlauf, &view::Suchverlauf::angefuegt, this, &Vorhersagen::zuruecknehmen);
    connect(&verlauf, &view::Suchverlauf::zurueckgenommen, this, &Vorhersagen::zuruecknehmen);
    connect(&verlauf, &view::Suchverlauf::begonnen, this, [this] {
        zuruecknehmen();
        m_stand.zuruecksetzen();
        emit standGeaendert();
    });
    connect(&lauf, &Laufsteuerung::zustandGeaendert, this, &Vorhersagen::zuruecknehmen);
}

void Vorhersagen::beobachte(QWidget &fenster)
{
    beobachteFenster(fenster, *this);
}

void Vorhersagen::setzeAn(bool an)
{
    m_an = an;
    if (!an)
        zuruecknehmen();
}

void Vorhersagen::einzelschritt()
{
    if (!fragen())
        m_lauf.einzelschritt();
}

bool Vorhersagen::fragen()
{
    if (!m_an || m_lauf.zustand() != Laufsteuerung::Zustand::Ruht || m_lauf.stumm())
        return false;
    // Asked for during the step answered: the next question follows it.
    if (m_schrittLaeuft) {
        m_nochmal = true;
        return true;
    }
    // Asked again, the question is said again.
    setzeSpalte(std::max(0, m_lauf.suche().spalte()));
    emit ansage(view::Vorhersage::frage(m_spalte)
                + QStringLiteral(" Tasten 1 bis 8, Rücktaste für keine Reihe frei, Escape überspringt"));
    return true;
}

void Vorhersagen::antworte(int tipp)
{
    if (m_spalte >= 0 && tipp >= 0 && tipp <= board::Feld::HoechsteReihe)
        schritt(tipp);
}

void Vorhersagen::ueberspringen()
{
    if (m_spalte >= 0)
        schritt(-1);
}

void Vorhersagen::sageStand()
{
    emit ansage(QStringLiteral("Vorhersage, ") + m_stand.stand());
}

void Vorhersagen::zuruecknehmen()
{
    if (m_spalte < 0 || m_schrittLaeuft)
        return;
    setzeSpalte(-1);
}

void Vorhersagen::setzeSpalte(int spalte)
{
    // A click on a cell of the column answers and leaves the keyboard where
    // it was, for the keys to answer the next question; Tab still reaches
    // the cells.
    for (int wert = 1; wert <= board::Feld::HoechsteReihe; ++wert) {
        if (m_spalte >= 0)
            m_zellen[std::size_t(board::zellIndex(m_spalte, wert))]->setFocusPolicy(Qt::StrongFocus);
        if (spalte >= 0)
            m_zellen[std::size_t(board::zellIndex(spalte, wert))]->setFocusPolicy(Qt::TabFocus);
    }
    m_spalte = spalte;
    emit gefragt(spalte);
}

void Vorhersagen::schritt(int tipp)
{
    setzeSpalte(-1);
    const view::Suchverlauf::Eintrag *vorher = m_verlauf.letzter();
    const std::uint64_t bisher = vorher ? vorher->id : 0;
    m_schrittLaeuft = true;
    m_nochmal = false;
    m_lauf.einzelschritt();
    m_schrittLaeuft = false;
    // Judged by the step as it was made, if it was.
    const view::Suchverlauf::Eintrag *neu = m_verlauf.letzter();
    if (tipp >= 0 && neu && neu->id > bisher && neu->art == view::Suchverlauf::Eintrag::Art::Schritt) {
        const view::Vorhersage::Urteil urteil = view::Vorhersage::urteil(tipp, neu->schritt, neu->brett);
        m_stand.zaehle(urteil.richtig);
        emit geurteilt(urteil.text);
        emit standGeaendert();
        emit ansage(view::gesprochen(urteil.text) + QStringLiteral(", ") + m_stand.stand());
    }
    if (std::exchange(m_nochmal, false))
        fragen();
}

bool Vorhersagen::restDesDoppelklicks(const QMouseEvent &maus) const
{
    return m_angeklickt && maus.timestamp() - m_klickzeit < quint64(QGuiApplication::styleHints()->mouseDoubleClickInterval())
           && m_angeklickt->rect().contains(m_angeklickt->mapFromGlobal(maus.globalPosition().toPoint()));
}

bool Vorhersagen::eventFilter(QObject *watched, QEvent *event)
{
    // Seen by the window before Qt gives a cell the keyboard for a press.
    if (watched->isWindowType()) {
        const bool druck = event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick;
        return druck && restDesDoppelklicks(*static_cast<const QMouseEvent *>(event));
    }
    if (m_spalte < 0)
        return false;
    // A menu takes its own keys, a text field its typing.
    if (qobject_cast<QMenu *>(watched))
        return false;
    if (const auto *feld = qobject_cast<QLineEdit *>(watched); feld && !feld->isReadOnly()
        && event->type() == QEvent::KeyPress)
        return false;
    if (event->type() == QEvent::KeyPress) {
        const auto *taste = static_cast<QKeyEvent *>(event);
        if (taste->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier))
            return false;
        if (taste->key() >= Qt::Key_1 && taste->key() <= Qt::Key_8)
            antworte(taste->key() - Qt::Key_0);
        else if (taste->key() == Qt::Key_Backspace)
            antworte(view::Vorhersage::Zurueck);
        else if (taste->key() == Qt::Key_Escape)
            ueberspringen();
        else
            return false;
        return true;
    }
    if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonDblClick)
        return false;
    const auto zelle = std::find(m_zellen.begin(), m_zellen.end(), watched);
    if (zelle == m_zellen.end() || !*zelle || static_cast<const QMouseEvent *>(event)->button() != Qt::LeftButton)
        return false;
    const int index = int(zelle - m_zellen.begin());
    const int zeile = board::Feld::HoechsteReihe - index / 9;
    if (index % 9 != m_spalte)
        return false;
    const QPointF wo = static_cast<const QMouseEvent *>(event)->position();
    const bool zurueck = zeile == board::Feld::HoechsteReihe
                         && view::Spuren::zurueckFeld(QRectF((*zelle)->rect())).contains(wo);
    m_angeklickt = *zelle;
    m_klickzeit = static_cast<const QMouseEvent *>(event)->timestamp();
    if (QWindow *fenster = (*zelle)->window()->windowHandle())
        fenster->installEventFilter(this);
    antworte(zurueck ? view::Vorhersage::Zurueck : zeile);
    return true;
}
