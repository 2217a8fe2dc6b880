// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form1.h"

#include "accessibility.h"
#include "application.h"
#include "aussehen.h"
#include "damenregler.h"
#include "durchlaufmenue.h"
#include "eingabesperre.h"
#include "rueckfragen.h"
#include "schrittwahl.h"
#include "spaltenansicht.h"
#include "spuren.h"
#include "stellung.h"
#include "ueberblick.h"
#include "textfeld.h"
#include "twips.h"
#include "vorhersagen.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

#include <utility>

using view::spaltenName;
using view::twipsRect;

namespace {

const QString TitelAngehalten = QStringLiteral("Acht Damen – angehalten");

// The cover panel: only its height ever changes.
constexpr int AbdeckungLinks = 900;
constexpr int AbdeckungBreite = 5595;
constexpr int AbdeckungStartHoehe = 135;

template<typename Widget>
Widget *erzeuge(QWidget *parent, const QString &name, const QRect &geometrie)
{
    auto *widget = new Widget(parent);
    widget->setObjectName(name);
    widget->setGeometry(geometrie);
    return widget;
}

// Buttons, the check box and labels: a caption in a font of its own.
template<typename Widget>
Widget *beschriftet(QWidget *parent, const QString &name, const QRect &geometrie, const QString &text,
                    const QFont &font)
{
    auto *widget = erzeuge<Widget>(parent, name, geometrie);
    widget->setText(text);
    widget->setFont(font);
    return widget;
}

QLineEdit *textFeld(QWidget *parent, const QString &name, const QRect &geometrie,
                    Qt::Alignment ausrichtung = Qt::AlignLeft)
{
    auto *feld = erzeuge<Textfeld>(parent, name, geometrie);
    feld->setAlignment(ausrichtung | Qt::AlignVCenter);
    // The fields are for display: a right click on one opens the window's
    // menu, where the first look for how to watch the search goes.
    feld->setContextMenuPolicy(Qt::NoContextMenu);
    return feld;
}

void setzeFarbe(QWidget *widget, QPalette::ColorRole rolle, const QColor &farbe)
{
    QPalette palette = widget->palette();
    palette.setColor(rolle, farbe);
    widget->setPalette(palette);
}

} // namespace

Form1::Form1(QWidget *parent)
    : QWidget(parent)
{
    installAccessibility();

    setWindowTitle(Rueckfragen::Titel);
    setFixedSize(view::pixel(12225), view::pixel(8190));

    erzeugeSteuerelemente();
    setzeFokusfolge();
    // The keyboard starts where the focus order starts, not on the control
    // created first (the cover's slider).
    m_picFeld->setFocus();

    m_spaltenansicht = std::make_unique<view::Spaltenansicht>(m_feld, m_anzeige, m_txtFeld, m_text2, *m_text3);
    m_feld.setListener([this](int index) { Feld_SpalteGeaendert(index); });
    m_fragen = new Rueckfragen(*this, *m_frame1);
    m_spuren = std::make_unique<view::Spuren>(m_anzeige, m_txtFeld, m_verlauf);
    m_nebenanzeige = std::make_unique<view::Nebenanzeige>(m_anzeige, *m_text3, *m_text4, *m_text5, m_verlauf);
    m_lauf = std::make_unique<Laufsteuerung>(m_feld, m_anzeige, m_verlauf, *m_fragen, *m_check1, *this);
    m_vorhersagen = std::make_unique<Vorhersagen>(*m_lauf, m_verlauf, m_txtFeld, *this);
    verbinde();

    Form_Load();
}

Form1::~Form1()
{
    m_feld.setListener({});
}

void Form1::erzeugeSteuerelemente()
{
    m_vScroll1 = erzeuge<QScrollBar>(this, QStringLiteral("VScroll1"), twipsRect(540, 60, 315, 5955));
    m_vScroll1->setOrientation(Qt::Vertical);
    m_vScroll1->setRange(0, 3000);
    m_vScroll1->setSingleStep(1);
    m_vScroll1->setPageStep(1);
    m_vScroll1->setFocusPolicy(Qt::StrongFocus);
    m_vScroll1->setStyle(reglerStil());
    m_vScroll1->setAccessibleName(QStringLiteral("Abdeckung herunterziehen"));
    connect(m_vScroll1, &QScrollBar::valueChanged, this, &Form1::VScroll1_Change);

    m_picFeld = erzeuge<QWidget>(this, QStringLiteral("picFeld"), twipsRect(900, 180, 5850, 5820));
    m_picFeld->setFocusPolicy(Qt::TabFocus);
    m_picFeld->setAccessibleName(QStringLiteral("Schachbrett"));
    for (int c = 0; c < 8; ++c) {
        for (int r = 0; r < 8; ++r) {
            const int index = board::zellIndexAufSchirm(c, r);
            auto *zelle = textFeld(m_picFeld, QStringLiteral("txtFeld_%1").arg(index),
                                   twipsRect(720 * c, 720 * r, 720, 720), Qt::AlignHCenter);
            // A screen reader reads the square and whether a queen stands there.
            const QString quadrat = spaltenName(c) + QString::number(8 - r);
            zelle->setAccessibleName(quadrat + QStringLiteral(", leer"));
            connect(zelle, &QLineEdit::textChanged, zelle, [zelle, quadrat](const QString &text) {
                zelle->setAccessibleName(quadrat + QStringLiteral(", ")
                                         + (text.isEmpty() ? QStringLiteral("leer")
                                            : text == QLatin1String("X") ? QStringLiteral("Dame")
                                                                          : text));
            });
            m_txtFeld[static_cast<std::size_t>(index)] = zelle;
        }
    }

    // The panel hangs in front of the board.
    m_picture1 = erzeuge<QWidget>(this, QStringLiteral("Picture1"),
                                  twipsRect(AbdeckungLinks, 0, AbdeckungBreite, AbdeckungStartHoehe));
    m_picture1->setAutoFillBackground(true);
    setzeFarbe(m_picture1, QPalette::Window, QColor(0, 0, 192));
    m_picture1->setFocusPolicy(Qt::TabFocus);
    m_picture1->setAccessibleName(QStringLiteral("Abdeckung"));

    for (int i = 0; i < 8; ++i) {
        const auto n = static_cast<std::size_t>(i);
        m_text2[n] = textFeld(this, QStringLiteral("Text2_%1").arg(i), twipsRect(960 + 720 * i, 6060, 612, 600),
                              Qt::AlignHCenter);
        m_text2[n]->setFont(sansSerif(13.5));
        m_text2[n]->setText(QStringLiteral("0"));
        m_text2[n]->setAccessibleName(QStringLiteral("Reihe der Dame in Spalte %1").arg(spaltenName(i)));
        setzeFarbe(m_text2[n], QPalette::Base, QColor(255, 255, 128));
        // Dark text on the light yellow, whatever the desktop's palette.
        setzeFarbe(m_text2[n], QPalette::Text, Qt::black);

        // In front of the lower part of its value box.
        m_vScroll2[n] = erzeuge<DamenRegler>(this, QStringLiteral("VScroll2_%1").arg(i),
                                             twipsRect(960 + 720 * i, 6480, 612, 735));
        m_vScroll2[n]->setAccessibleName(QStringLiteral("Dame in Spalte %1").arg(spaltenName(i)));
        m_vScroll2[n]->setAccessibleDescription(QStringLiteral("Reihe von unten, 0 heißt keine Dame"));
        connect(m_vScroll2[n], &DamenRegler::wertGeaendert, this, [this, i](int wert) { VScroll2_Change(i, wert); });
    }

    m_command1 = erzeuge<QPushButton>(this, QStringLiteral("Command1"), twipsRect(960, 7260, 5655, 315));
    m_command1->setText(QStringLiteral("Null"));

    m_label2 = beschriftet<QLabel>(this, QStringLiteral("Label2"), twipsRect(1020, 7680, 12075, 435),
                                   QStringLiteral("Mit Hilfe der Schieberegler können die Damen per Hand bewegt werden"),
                                   sansSerif(13.5));

    m_frame1 = erzeuge<Rahmen>(this, QStringLiteral("Frame1"), twipsRect(6900, 300, 4755, 4935));
    m_frame1->setTitle(QStringLiteral("Automatischer Backtracker"));
    m_frame1->setFont(sansSerif(12));

    m_command2 = beschriftet<QPushButton>(m_frame1, QStringLiteral("Command2"), twipsRect(300, 660, 2052, 492),
                                          QStringLiteral("Einzelschritt"), sansSerif(13.5));

    // It starts, pauses and goes on, as in any player: a double click must
    // not undo what its first click did.
    m_command3 = beschriftet<EinmalKnopf>(m_frame1, QStringLiteral("Command3"), twipsRect(2460, 660, 2052, 492),
                                          QStringLiteral("Durchlauf"), sansSerif(13.5));

    m_check1 = beschriftet<QCheckBox>(m_frame1, QStringLiteral("Check1"), twipsRect(2520, 1200, 2175, 612),
                                      QStringLiteral("Stop bei Lösung"), sansSerif(12));

    m_label1 = beschriftet<QLabel>(m_frame1, QStringLiteral("Label1"), twipsRect(420, 1920, 1755, 375),
                                   QStringLiteral("Lösungszähler"), sansSerif(12));
    m_text4 = textFeld(m_frame1, QStringLiteral("Text4"), twipsRect(420, 2280, 2052, 525));
    m_text4->setAccessibleName(m_label1->text());
    m_label1->setBuddy(m_text4);

    m_label4 = beschriftet<QLabel>(m_frame1, QStringLiteral("Label4"), twipsRect(360, 3480, 4335, 375),
                                   QStringLiteral("Such- bzw. Rechenschritte"), sansSerif(13.5));
    m_text5 = textFeld(m_frame1, QStringLiteral("Text5"), twipsRect(360, 3960, 2115, 495));
    m_text5->setAccessibleName(m_label4->text());
    m_label4->setBuddy(m_text5);

    m_text3 = textFeld(this, QStringLiteral("Text3"), twipsRect(6900, 5640, 4875, 1695), Qt::AlignHCenter);
    m_text3->setAccessibleName(QStringLiteral("Urteil über die zuletzt gesetzte Dame"));
    // The cells, the verdict and the counters stay empty until the user
    // acts, and an empty field shows nothing of its type: their four sizes,
    // four of the seven faces the window loads, follow once its first frame
    // is up. The cells take theirs in the size the board gives them.
    nachErstemBild(*this, [this] {
        const QFont zellSchrift = serif(view::ZellSchrift);
        for (QLineEdit *zelle : m_txtFeld) {
            if (zelle)
                zelle->setFont(zellSchrift);
        }
        m_text4->setFont(serif(21.75));
        m_text5->setFont(sansSerif(18));
        m_text3->setFont(serif(48));
        // So do the tooltips, whose lines are measured in the tooltips' font.
        // Screen readers read a tooltip as a description, with its colons
        // and quotation marks spoken out: plain sentences.
        m_command2->setToolTip(tooltip(QStringLiteral(
            "Macht einen Schritt der Suche. Mit der rechten Maustaste wählen Sie das Tempo, gehen einen Schritt "
            "zurück oder lassen Versuche und Bedrohungen zeigen.")));
        m_command3->setToolTip(tooltip(QStringLiteral("Sucht alle Lösungen. Ein Klick während des Durchlaufs hält "
                                                      "ihn an und setzt ihn fort, ebenso Esc. Mit der rechten "
                                                      "Maustaste wählen Sie das Tempo.")));
        m_picFeld->setToolTip(tooltip(QStringLiteral(
            "Mit der rechten Maustaste wählen Sie das Tempo, gehen einen Schritt zurück oder lassen Versuche und "
            "Bedrohungen zeigen. Ein Klick auf Durchlauf oder Esc hält einen Durchlauf an.")));
    });

    m_picture1->raise();
    m_ansage = new Ansage(this);

    m_menue = new DurchlaufMenue(*this);
    // Esc is the window's only during a run, and a box over it takes it first.
    m_esc = new QAction(this);
    m_esc->setShortcut(Qt::Key_Escape);
    m_esc->setEnabled(false);
    addAction(m_esc);
}

void Form1::setzeFokusfolge()
{
    QList<QWidget *> folge{m_picFeld};
    for (std::size_t index = 0; index < m_txtFeld.size(); ++index) {
        if (m_txtFeld[index] && index != 34)
            folge << m_txtFeld[index];
    }
    folge << m_txtFeld[34];
    folge.append(QList<QWidget *>(m_text2.begin(), m_text2.end()));
    folge.append(QList<QWidget *>(m_vScroll2.begin(), m_vScroll2.end()));
    folge << m_text3 << m_command3 << m_command2 << m_check1 << m_text4 << m_text5 << m_command1 << m_picture1
          << m_vScroll1;
    for (qsizetype i = 1; i < folge.size(); ++i)
        setTabOrder(folge[i - 1], folge[i]);
}

void Form1::Form_Load()
{
    view::FeldAufbauen(*m_picFeld, m_txtFeld);
}

void Form1::Feld_SpalteGeaendert(int index)
{
    m_anzeige.position(*m_vScroll2[static_cast<std::size_t>(index)], DamenRegler::position(m_feld.wert(index)));
    m_spaltenansicht->spalteGeaendert(index);
}

void Form1::VScroll1_Change(int wert)
{
    m_picture1->setGeometry(twipsRect(AbdeckungLinks, 0, AbdeckungBreite, 2 * wert));
}

void Form1::verbinde()
{
    Laufsteuerung *lauf = m_lauf.get();
    connect(m_command1, &QPushButton::clicked, lauf, &Laufsteuerung::null);
    connect(m_command2, &QPushButton::clicked, m_vorhersagen.get(), &Vorhersagen::einzelschritt);
    connect(m_command3, &QPushButton::clicked, lauf, [lauf] {
        if (lauf->zustand() == Laufsteuerung::Zustand::Ruht)
            lauf->durchlauf();
        else
            lauf->anhaltenOderFortsetzen();
    });
    connect(m_esc, &QAction::triggered, lauf, &Laufsteuerung::anhaltenOderFortsetzen);
    connect(m_menue, &DurchlaufMenue::tempoGewaehlt, lauf, &Laufsteuerung::setzeTempo);
    connect(m_menue, &DurchlaufMenue::spurenGezeigt, this, [this](bool an) {
        m_spuren->setzeAn(an);
        m_ansage->sage(view::spurenGesagt(an));
    });
    connect(m_menue, &DurchlaufMenue::teilGezeigt, this,
            [this](Ueberblick::Teil teil, bool an) { zeigeTeil(int(teil), an); });
    connect(m_menue, &DurchlaufMenue::schrittZurueck, lauf, &Laufsteuerung::schrittZurueck);
    connect(m_menue, &DurchlaufMenue::anhaltenOderFortsetzen, lauf, &Laufsteuerung::anhaltenOderFortsetzen);
    connect(m_menue, &DurchlaufMenue::beenden, lauf, &Laufsteuerung::beenden);
    connect(m_menue, &DurchlaufMenue::vonVorn, lauf, &Laufsteuerung::vonVorn);
    connect(m_menue, &DurchlaufMenue::geheZu, this, &Form1::geheZuSchritt);
    connect(m_menue, &DurchlaufMenue::vorhersageGeuebt, this, [this](bool an) {
        m_vorhersagen->setzeAn(an);
        zeigeTeil(int(Ueberblick::Teil::Vorhersage), an);
    });
    connect(m_vorhersagen.get(), &Vorhersagen::gefragt, this, [this](int spalte) { m_spuren->setzeFrage(spalte); });
    connect(m_vorhersagen.get(), &Vorhersagen::ansage, m_ansage, &Ansage::sage);

    connect(lauf, &Laufsteuerung::zustandGeaendert, this, &Form1::zeigeZustand);
    connect(lauf, &Laufsteuerung::zurueckMoeglichGeaendert, m_menue, &DurchlaufMenue::setzeZurueckMoeglich);
    connect(lauf, &Laufsteuerung::schritteZeigen, m_nebenanzeige.get(), &view::Nebenanzeige::schritte);
    connect(lauf, &Laufsteuerung::loesungenZeigen, m_nebenanzeige.get(), &view::Nebenanzeige::loesungen);
    connect(lauf, &Laufsteuerung::ansage, m_ansage, &Ansage::sage);
    m_ansage->erzaehle(m_verlauf, [lauf] { return lauf->stumm(); }, [this] { return m_spuren->an(); });
}

void Form1::VScroll2_Change(int index, int wert)
{
    m_lauf->vonHand(index, wert);
}

void Form1::closeEvent(QCloseEvent *event)
{
    m_lauf->schliessen();
    QWidget::closeEvent(event);
}

void Form1::zeigeZustand(Laufsteuerung::Zustand alt, Laufsteuerung::Zustand neu)
{
    using Zustand = Laufsteuerung::Zustand;
    // Going on takes the focus from "Einzelschritt", which goes off.
    if (alt == Zustand::Angehalten && neu != Zustand::Ruht && m_command2->hasFocus())
        m_command3->setFocus(Qt::OtherFocusReason);
    // Held or ended, the run lets screen readers hear what it held back,
    // and the marks explain again.
    if (!Laufsteuerung::laeuftWeiter(neu))
        m_stille.ende();
    m_spuren->erklaeren(!Laufsteuerung::laeuftWeiter(neu));
    m_esc->setEnabled(neu != Zustand::Ruht);
    m_menue->setzeLauf(Laufsteuerung::laeuftWeiter(neu));
    m_command2->setEnabled(neu == Zustand::Ruht || neu == Zustand::Angehalten);
    setWindowTitle(neu == Zustand::Angehalten ? TitelAngehalten : Rueckfragen::Titel);
}

void Form1::zeigeTeil(int teil, bool an)
{
    if (!m_ueberblick) {
        if (!an)
            return;
        Laufsteuerung *lauf = m_lauf.get();
        m_ueberblick = new Ueberblick(m_verlauf, m_anzeige, *m_vorhersagen, *this, *m_picFeld);
        m_ueberblick->setzeTempo(lauf->tempo());
        m_ueberblick->setzeLauf(lauf->laeuftWeiter());
        connect(lauf, &Laufsteuerung::tempoGeaendert, m_ueberblick, &Ueberblick::setzeTempo);
        connect(lauf, &Laufsteuerung::zustandGeaendert, m_ueberblick,
                [this](Laufsteuerung::Zustand, Laufsteuerung::Zustand neu) {
                    m_ueberblick->setzeLauf(Laufsteuerung::laeuftWeiter(neu));
                });
        connect(m_ueberblick, &Ueberblick::geschlossen, m_menue, [this](Ueberblick::Teil t) {
            m_menue->setzeTeilOffen(t, false);
            if (t == Ueberblick::Teil::Vorhersage)
                m_vorhersagen->setzeAn(false);
        });
        connect(m_ueberblick, &Ueberblick::zurueckZu, lauf, &Laufsteuerung::zurueckZu);
        connect(m_ueberblick, &Ueberblick::geheZu, lauf, &Laufsteuerung::geheZu);
        connect(m_ueberblick, &Ueberblick::abgelehnt, m_ansage, &Ansage::sage);
        connect(lauf, &Laufsteuerung::abgelehnt, m_ueberblick, &Ueberblick::melde);
    }
    m_ueberblick->zeige(Ueberblick::Teil(teil), an);
}

void Form1::geheZuSchritt()
{
    Laufsteuerung *lauf = m_lauf.get();
    auto *wahl = new Schrittwahl(*this, lauf->suche().schritte(), lauf->suche().letzteNummer(),
                                 [lauf](std::int64_t schritt) { return lauf->geheZuNicht(schritt); });
    wahl->setAttribute(Qt::WA_DeleteOnClose);
    connect(wahl, &Schrittwahl::gemeldet, m_ansage, &Ansage::sage);
    // Once the dialog is gone: the walk handles events, the dialog's end among them.
    connect(wahl, &Schrittwahl::gewaehlt, lauf, &Laufsteuerung::geheZu, Qt::QueuedConnection);
    wahl->open();
}

void Form1::contextMenuEvent(QContextMenuEvent *event)
{
    QPoint wo = event->globalPos();
    if (event->reason() != QContextMenuEvent::Mouse) {
        const QWidget *ziel = focusWidget() ? focusWidget() : this;
        wo = ziel->mapToGlobal(ziel->rect().center());
    }
    m_menue->zeigen(wo, m_lauf->zustand() != Laufsteuerung::Zustand::Ruht,
                    m_lauf->zustand() == Laufsteuerung::Zustand::Angehalten);
}
