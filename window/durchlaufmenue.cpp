// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "durchlaufmenue.h"

#include <QActionGroup>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>

DurchlaufMenue::DurchlaufMenue(QWidget &fenster)
    : QObject(&fenster)
    , m_fenster(fenster)
    , m_menue(new QMenu(&fenster))
{
    m_menue->setObjectName(QStringLiteral("Kontextmenue"));
    QMenu *tempo = m_menue->addMenu(QStringLiteral("Tempo des Durchlaufs"));
    tempo->setObjectName(QStringLiteral("Tempomenue"));
    auto *gruppe = new QActionGroup(tempo);
    gruppe->setExclusive(true);
    for (const Tempo::Stufe stufe : Tempo::Stufen) {
        QAction *wahl = tempo->addAction(Tempo::menuetext(stufe));
        wahl->setCheckable(true);
        wahl->setChecked(stufe == Tempo::Stufe::Sofort);
        gruppe->addAction(wahl);
        connect(wahl, &QAction::triggered, this, [this, stufe] { emit tempoGewaehlt(stufe); });
    }

    m_spuren = m_menue->addAction(QStringLiteral("Versuche und Bedrohungen zeigen"));
    m_spuren->setObjectName(QStringLiteral("Spuren"));
    m_spuren->setCheckable(true);
    connect(m_spuren, &QAction::toggled, this, &DurchlaufMenue::spurenGezeigt);
    for (const Ueberblick::Teil teil : Ueberblick::Teile) {
        QAction *wahl = m_menue->addAction(Ueberblick::name(teil));
        wahl->setObjectName(teil == Ueberblick::Teil::Protokoll ? QStringLiteral("Protokoll") : Ueberblick::name(teil));
        wahl->setCheckable(true);
        connect(wahl, &QAction::triggered, this, [this, teil](bool an) { emit teilGezeigt(teil, an); });
        m_teile[std::size_t(teil)] = wahl;
    }
    m_vorhersage = m_menue->addAction(QStringLiteral("Vorhersage üben"));
    m_vorhersage->setObjectName(QStringLiteral("Vorhersage"));
    m_vorhersage->setCheckable(true);
    connect(m_vorhersage, &QAction::triggered, this, &DurchlaufMenue::vorhersageGeuebt);
    // Alt+Left, "back" as in a browser, which no field takes. The key is
    // the window's own and live also where nothing can be taken back: a
    // slider with the focus would take it as Left.
    const QKeySequence zurueck(Qt::ALT | Qt::Key_Left);
    m_zurueck = m_menue->addAction(QStringLiteral("Schritt zurück\t") + zurueck.toString(QKeySequence::NativeText));
    m_zurueck->setObjectName(QStringLiteral("Zurueck"));
    m_zurueck->setEnabled(false);
    connect(m_zurueck, &QAction::triggered, this, &DurchlaufMenue::schrittZurueck);
    // The keyboard's way to the context menu of whatever has the focus.
    auto *menuetaste = new QAction(&fenster);
    menuetaste->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10));
    fenster.addAction(menuetaste);
    connect(menuetaste, &QAction::triggered, this, [this] {
        QWidget *ziel = m_fenster.focusWidget() ? m_fenster.focusWidget() : &m_fenster;
        const QPoint mitte = ziel->rect().center();
        QContextMenuEvent menue(QContextMenuEvent::Keyboard, mitte, ziel->mapToGlobal(mitte));
        QCoreApplication::sendEvent(ziel, &menue);
    });
    auto *taste = new QAction(&fenster);
    taste->setObjectName(QStringLiteral("ZurueckTaste"));
    taste->setShortcut(zurueck);
    fenster.addAction(taste);
    connect(taste, &QAction::triggered, this, &DurchlaufMenue::schrittZurueck);
    // Also the window's own, so that their keys work without the menu.
    m_geheZu = m_menue->addAction(QStringLiteral("Gehe zu Schritt …"));
    m_geheZu->setObjectName(QStringLiteral("GeheZu"));
    m_geheZu->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
    fenster.addAction(m_geheZu);
    connect(m_geheZu, &QAction::triggered, this, &DurchlaufMenue::geheZu);
    QAction *anfang = m_menue->addAction(QStringLiteral("Von vorn"));
    anfang->setObjectName(QStringLiteral("VonVorn"));
    anfang->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    fenster.addAction(anfang);
    connect(anfang, &QAction::triggered, this, &DurchlaufMenue::vonVorn);
    m_menue->addSeparator();

    m_anhalten = m_menue->addAction(QString());
    connect(m_anhalten, &QAction::triggered, this, &DurchlaufMenue::anhaltenOderFortsetzen);
    m_beenden = m_menue->addAction(QStringLiteral("Durchlauf beenden"));
    connect(m_beenden, &QAction::triggered, this, &DurchlaufMenue::beenden);
    m_menue->addSeparator();
    connect(m_menue->addAction(QStringLiteral("Über Acht Damen")), &QAction::triggered, this,
            [this] { ueber(m_fenster); });
}

void DurchlaufMenue::zeigen(const QPoint &wo, bool laeuft, bool angehalten)
{
    // The key is shown only: Esc is the window's own, live without the menu,
    // and in the open menu it closes the menu.
    m_anhalten->setText(angehalten ? QStringLiteral("Durchlauf fortsetzen\tEsc")
                                   : QStringLiteral("Durchlauf anhalten\tEsc"));
    m_anhalten->setVisible(laeuft);
    m_beenden->setVisible(angehalten);
    m_menue->popup(wo);
}

void DurchlaufMenue::setzeZurueckMoeglich(bool moeglich)
{
    m_zurueck->setEnabled(moeglich);
}

void DurchlaufMenue::setzeTeilOffen(Ueberblick::Teil teil, bool offen)
{
    if (teil == Ueberblick::Teil::Vorhersage)
        m_vorhersage->setChecked(offen);
    else
        m_teile[std::size_t(teil)]->setChecked(offen);
}

void DurchlaufMenue::setzeLauf(bool laeuftWeiter)
{
    m_geheZu->setEnabled(!laeuftWeiter);
}

void DurchlaufMenue::ueber(QWidget &fenster)
{
    auto *box = new QMessageBox(QMessageBox::Information, QStringLiteral("Über Acht Damen"),
                                QStringLiteral("Acht Damen %1").arg(QStringLiteral(ACHT_DAMEN_VERSION)),
                                QMessageBox::Ok, &fenster);
    box->setObjectName(QStringLiteral("Ueber"));
    box->button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
    box->setInformativeText(QStringLiteral(
        "Acht Damen auf dem Schachbrett, von Hand gesetzt oder von einem Backtracker gesucht.\n\n"
        "Copyright 2026 Das Acht-Damen-Team\n\n"
        "Dieses Programm ist freie Software: Sie können es unter den Bedingungen der GNU General Public "
        "License, wie von der Free Software Foundation veröffentlicht, weitergeben und/oder modifizieren, "
        "entweder gemäß Version 3 der Lizenz oder (nach Ihrer Wahl) jeder neueren Version.\n\n"
        "Dieses Programm wird in der Hoffnung bereitgestellt, dass es nützlich ist, aber OHNE JEDE "
        "GEWÄHRLEISTUNG; sogar ohne die implizite Gewährleistung der MARKTFÄHIGKEIT oder EIGNUNG FÜR "
        "EINEN BESTIMMTEN ZWECK. Siehe die GNU General Public License für weitere Einzelheiten."));
    box->setAttribute(Qt::WA_DeleteOnClose);
    // A window beside the program's, not over it: a run goes on behind it,
    // and the window takes input as before, from the mouse and the keyboard
    // as from assistive technology, which no modality would hold back.
    box->setWindowModality(Qt::NonModal);
    box->show();
}
