// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form1.h"

#include "accessibility.h"
#include "ansage.h"
#include "ansichtsverlauf.h"
#include "application.h"
#include "damenregler.h"
#include "durchlaufmenue.h"
#include "eingabesperre.h"
#include "rahmen.h"
#include "schriften.h"
#include "spaltenansicht.h"
#include "spuren.h"
#include "stellung.h"
#include "textfeld.h"
#include "twips.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>

#include <algorithm>
#include <utility>

using view::twipsRect;

namespace {

// The window's caption and the title of the "fertig" box.
const QString Titel = QStringLiteral("Acht Damen");
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

// Buttons in German whether or not Qt's own translation is installed.
void beschrifte(QMessageBox &box, QMessageBox::StandardButton knopf, const QString &text)
{
    box.button(knopf)->setText(text);
}

// A window manager puts a box's title beside its own buttons, where Qt,
// sizing the box by its text, leaves room for a title alone: "fertig" got
// "A… n". Wide enough for the title in bold and four buttons.
void titelPasst(QMessageBox &box)
{
    QFont fett = box.font();
    fett.setBold(true);
    const QFontMetrics metrik(fett);
    const int knopf = 2 * metrik.height();
    const int breite = metrik.horizontalAdvance(box.windowTitle()) + 4 * knopf;
    auto *gitter = qobject_cast<QGridLayout *>(box.layout());
    if (gitter)
        gitter->addItem(new QSpacerItem(breite, 0), gitter->rowCount(), 0, 1, gitter->columnCount());
}

} // namespace

Form1::Form1(QWidget *parent)
    : QWidget(parent)
{
    installAccessibility();

    setWindowTitle(Titel);
    setFixedSize(view::pixel(12225), view::pixel(8190));

    erzeugeSteuerelemente();
    setzeFokusfolge();
    // The keyboard starts where the focus order starts, not on the control
    // created first (the cover's slider).
    m_picFeld->setFocus();

    m_spaltenansicht = std::make_unique<view::Spaltenansicht>(m_feld, m_anzeige, m_txtFeld, m_text2, *m_text3);
    m_feld.setListener([this](int index) { Feld_SpalteGeaendert(index); });
    // Sees the user's input, shown at once during a search, and every
    // repaint of the window, which must show what is held.
    qApp->installEventFilter(this);

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
    // The cells are made in the size the board gives them at start-up: a
    // design size of their own would load a font only to drop it.
    const QFont zellSchrift = serif(24);
    for (int c = 0; c < 8; ++c) {
        for (int r = 0; r < 8; ++r) {
            const int index = board::zellIndexAufSchirm(c, r);
            auto *zelle = textFeld(m_picFeld, QStringLiteral("txtFeld_%1").arg(index),
                                   twipsRect(720 * c, 720 * r, 720, 720), Qt::AlignHCenter);
            zelle->setFont(zellSchrift);
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
        connect(m_vScroll2[n], &DamenRegler::wertGeaendert, this, [this, i](int wert) {
            m_feld.setzeWert(i, static_cast<std::int16_t>(wert));
            const QString von = bedroher(m_feld, i);
            if (m_spurenAn && !von.isEmpty())
                m_spuren->zeigeHandzug(m_feld, i);
            aktualisiereZurueck();
            // The user's own move shows whole, also in the middle of a run,
            // and the screen reader says what became of the queen.
            m_anzeige.zeigen();
            QString was = wert == 0 ? QStringLiteral("keine Dame")
                                    : QStringLiteral("Reihe %1, %2").arg(wert).arg(m_text3->text());
            if (!von.isEmpty())
                was += QStringLiteral(", bedroht von ") + von;
            m_ansage->sage(was);
        });
    }

    m_command1 = erzeuge<QPushButton>(this, QStringLiteral("Command1"), twipsRect(960, 7260, 5655, 315));
    m_command1->setText(QStringLiteral("Null"));
    connect(m_command1, &QPushButton::clicked, this, [this] {
        // During a run "Null" ends it first.
        const bool lief = m_suche.runInProgress();
        befehl([this] { m_suche.Null(); });
        if (lief)
            m_ansage->sage(QStringLiteral("Durchlauf beendet"));
    });

    m_label2 = beschriftet<QLabel>(this, QStringLiteral("Label2"), twipsRect(1020, 7680, 12075, 435),
                                   QStringLiteral("Mit Hilfe der Schieberegler können die Damen per Hand bewegt werden"),
                                   sansSerif(13.5));

    m_frame1 = erzeuge<Rahmen>(this, QStringLiteral("Frame1"), twipsRect(6900, 300, 4755, 4935));
    m_frame1->setTitle(QStringLiteral("Automatischer Backtracker"));
    m_frame1->setFont(sansSerif(12));

    m_command2 = beschriftet<QPushButton>(m_frame1, QStringLiteral("Command2"), twipsRect(300, 660, 2052, 492),
                                          QStringLiteral("Einzelschritt"), sansSerif(13.5));
    // Screen readers read a tooltip as a description, with its colons and
    // quotation marks spoken out: plain sentences.
    m_command2->setToolTip(tooltip(QStringLiteral(
        "Macht einen Schritt der Suche. Mit der rechten Maustaste wählen Sie das Tempo, gehen einen Schritt "
        "zurück oder lassen Versuche und Bedrohungen zeigen.")));
    connect(m_command2, &QPushButton::clicked, this, [this] { befehl([this] { m_suche.Einzelschritt(); }); });

    m_command3 = beschriftet<QPushButton>(m_frame1, QStringLiteral("Command3"), twipsRect(2460, 660, 2052, 492),
                                          QStringLiteral("Durchlauf"), sansSerif(13.5));
    m_command3->setToolTip(tooltip(QStringLiteral("Sucht alle Lösungen. Ein Klick während des Durchlaufs hält ihn "
                                                  "an und setzt ihn fort, ebenso Esc. Mit der rechten Maustaste "
                                                  "wählen Sie das Tempo.")));
    connect(m_command3, &QPushButton::clicked, this, [this] {
        // The button starts, pauses and goes on, as in any player.
        if (m_suche.runInProgress())
            anhaltenOderFortsetzen();
        else
            befehl([this] { m_suche.Durchlauf(); });
    });

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
    // The verdict and the counters stay empty until the user acts, and an
    // empty field shows nothing of its type: their three sizes, three of the
    // seven faces the window loads, follow once its first frame is up.
    nachErstemBild(*this, [this] {
        m_text4->setFont(serif(21.75));
        m_text5->setFont(sansSerif(18));
        m_text3->setFont(serif(48));
    });

    m_picture1->raise();
    m_ansage = new Ansage(this);

    m_picFeld->setToolTip(tooltip(QStringLiteral(
        "Mit der rechten Maustaste wählen Sie das Tempo, gehen einen Schritt zurück oder lassen Versuche und "
        "Bedrohungen zeigen. Ein Klick auf Durchlauf oder Esc hält einen Durchlauf an.")));
    m_spuren = std::make_unique<view::Spuren>(m_anzeige, m_txtFeld);
    m_ansichten = std::make_unique<Ansichtsverlauf>(m_anzeige, *m_spuren, *m_text3, *m_text4, *m_text5);

    m_menue = new DurchlaufMenue(*this);
    connect(m_menue, &DurchlaufMenue::tempoGewaehlt, this, &Form1::waehleTempo);
    connect(m_menue, &DurchlaufMenue::spurenGezeigt, this, &Form1::spurenZeigen);
    connect(m_menue, &DurchlaufMenue::schrittZurueck, this, &Form1::schrittZurueck);
    connect(m_menue, &DurchlaufMenue::anhaltenOderFortsetzen, this, &Form1::anhaltenOderFortsetzen);
    connect(m_menue, &DurchlaufMenue::beenden, this, &Form1::durchlaufBeenden);
    // Esc is the window's only during a run, and a box over it takes it first.
    m_esc = new QAction(this);
    m_esc->setShortcut(Qt::Key_Escape);
    m_esc->setEnabled(false);
    addAction(m_esc);
    connect(m_esc, &QAction::triggered, this, &Form1::anhaltenOderFortsetzen);
    // The keyboard's way to the context menu of whatever has the focus.
    auto *menuetaste = new QAction(this);
    menuetaste->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10));
    addAction(menuetaste);
    connect(menuetaste, &QAction::triggered, this, [this] {
        QWidget *ziel = focusWidget() ? focusWidget() : this;
        const QPoint mitte = ziel->rect().center();
        QContextMenuEvent menue(QContextMenuEvent::Keyboard, mitte, ziel->mapToGlobal(mitte));
        QCoreApplication::sendEvent(ziel, &menue);
    });
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

template<typename Command>
void Form1::befehl(Command command)
{
    // A press through accessibility fires a moment later, perhaps after the
    // window has been closed.
    if (!isVisible())
        return;
    m_anzeige.festhalten();
    command();
    m_anzeige.freigeben();
    aktualisiereZurueck();
    // A paused run shows no further frame of its own.
    if (m_haelt)
        zeigeBild();
}

void Form1::Feld_SpalteGeaendert(int index)
{
    m_anzeige.position(*m_vScroll2[static_cast<std::size_t>(index)], DamenRegler::position(m_feld.wert(index)));
    m_spaltenansicht->spalteGeaendert(index);
    // Marks tell of the board they were made on.
    if (m_spurenAn)
        m_spuren->leeren();
}

void Form1::VScroll1_Change(int wert)
{
    m_picture1->setGeometry(twipsRect(AbdeckungLinks, 0, AbdeckungBreite, 2 * wert));
}

void Form1::closeEvent(QCloseEvent *event)
{
    // A run in progress must not outlive the window, nor keep a box open;
    // the window shows where it stopped, at the step it was making.
    m_suche.requestEnd();
    zeigeZaehler();
    m_anzeige.zeigen();
    if (m_offeneBox)
        m_offeneBox->reject();
    QWidget::closeEvent(event);
}

bool Form1::stopAtSolutions()
{
    return m_check1->isChecked();
}

void Form1::showSteps(std::int64_t schritte)
{
    // Shown with the rows the step probes, after its event processing: a
    // frame there still shows the step before, and its count.
    m_gezaehlt = schritte;
}

void Form1::showSolutions(std::int64_t loesungen)
{
    m_anzeige.text(*m_text4, QString::number(loesungen));
}

void Form1::clearSolutions()
{
    m_anzeige.text(*m_text4, QString());
}

bool Form1::askContinue()
{
    QMessageBox box(QMessageBox::Warning, QStringLiteral("hurra!"), QStringLiteral("weitersuchen?"),
                    QMessageBox::Yes | QMessageBox::No, this);
    box.setDefaultButton(QMessageBox::Yes);
    beschrifte(box, QMessageBox::Yes, QStringLiteral("&Ja"));
    beschrifte(box, QMessageBox::No, QStringLiteral("&Nein"));
    nebenDasBrett(box);
    // Escape and closing the box count as No.
    m_antwort = zeigeBox(box) == QMessageBox::Yes;
    return *m_antwort;
}

void Form1::announceEnd()
{
    QMessageBox box(QMessageBox::NoIcon, Titel, QStringLiteral("fertig"), QMessageBox::Ok, this);
    beschrifte(box, QMessageBox::Ok, QStringLiteral("OK"));
    titelPasst(box);
    zeigeBox(box);
}

void Form1::nebenDasBrett(QMessageBox &box) const
{
    // The question is about the solution on the board, so it must not hide
    // it: over the backtracker's panel, and fully on screen. Wayland places
    // dialogs itself.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return;
    box.adjustSize();
    QRect rahmen(QPoint(), box.frameGeometry().size());
    rahmen.moveCenter(m_frame1->mapToGlobal(m_frame1->rect().center()));
    if (const QScreen *schirm = screen()) {
        const QRect frei = schirm->availableGeometry();
        rahmen.moveLeft(std::clamp(rahmen.left(), frei.left(), std::max(frei.left(), frei.right() - rahmen.width())));
        rahmen.moveTop(std::clamp(rahmen.top(), frei.top(), std::max(frei.top(), frei.bottom() - rahmen.height())));
    }
    box.move(rahmen.topLeft());
}

int Form1::zeigeBox(QMessageBox &box)
{
    m_offeneBox = &box;
    // The window shows where the search stands, and holds still under the
    // box: it takes no input from any source until the box is answered.
    zeigeBild();
    const Eingabesperre sperre(*this);
    return box.exec();
}

void Form1::zeigeZaehler()
{
    if (m_gezaehlt)
        m_anzeige.text(*m_text5, QString::number(*std::exchange(m_gezaehlt, std::nullopt)));
}

void Form1::zeigeBild()
{
    m_anzeige.zeigen();
    m_takt.gezeigt();
}

void Form1::processEvents()
{
    // At a pace, every step of a run is shown and waits for its due time.
    const bool getaktet = m_tempo.getaktet() && m_suche.runInProgress() && !m_haelt;
    // Input is handled at every step; the screen changes once per frame,
    // painted by this same event processing.
    if (getaktet || m_takt.faellig()) {
        if (const QScreen *schirm = screen())
            m_takt.setzeFrequenz(schirm->refreshRate());
        zeigeBild();
    }
    m_eingabe = false;
    QCoreApplication::processEvents();
    if (getaktet)
        m_tempo.warten([this] { return m_anhalten || !m_suche.runGoesOn(); });
    // cppcheck-suppress knownConditionTrueFalse ; eventFilter() sets it while events run
    if (m_eingabe) {
        zeigeBild();
        QCoreApplication::sendPostedEvents(this, QEvent::UpdateRequest);
    }
    zeigeZaehler();
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::UpdateRequest:
        // Whatever makes the window repaint, the frame shows what is held:
        // one moment of the search, never half of one.
        if (watched == this)
            zeigeBild();
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        m_zweiterKlick = event->type() == QEvent::MouseButtonDblClick && watched == m_command3;
        m_eingabe = true;
        break;
    case QEvent::MouseButtonRelease:
        m_eingabe = true;
        // A double click, as many people give any button, counts once on
        // "Durchlauf": the release that ends it lets go without a click.
        if (watched == m_command3 && std::exchange(m_zweiterKlick, false)) {
            loslassen(*m_command3);
            return true;
        }
        break;
    case QEvent::MouseMove:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Wheel:
        m_eingabe = true;
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void Form1::stepBegins()
{
    m_ansichten->vorDemSchritt();
}

void Form1::stepTaken(const board::Schritt &schritt)
{
    // In the frame of the step, and under the question or "fertig" too.
    zeigeSpuren(&schritt);
}

void Form1::stepDone(const board::Schritt &schritt)
{
    m_ansichten->nachDemSchritt(m_suche.verlaufsLaenge());
    // The count after a question; after a No, also which solution stands.
    QString loesung;
    if (schritt.loesung > 0) {
        loesung = QStringLiteral("Lösung %1").arg(schritt.loesung);
        if (m_antwort && !*m_antwort)
            loesung += QStringLiteral(" steht auf dem Brett, ") + stellung(m_feld);
    }
    const bool gefragt = std::exchange(m_antwort, std::nullopt).has_value();
    // What a single step did, for those who cannot see the board; a full
    // run would flood them, and says only what was asked.
    if (m_suche.runInProgress() && !m_haelt) {
        if (gefragt)
            m_ansage->sage(loesung);
        return;
    }
    m_ansage->sage(schrittGesagt(schritt, loesung, m_spurenAn));
}

void Form1::stepUndone(const board::Schritt &schritt)
{
    const view::Spuren::Marken davor = m_ansichten->zurueck();
    // The marks of the step before, or, back before the first step the
    // search keeps, those shown then (a hand move's).
    if (const board::Schritt *letzter = m_suche.letzterSchritt())
        zeigeSpuren(letzter);
    else if (m_spurenAn)
        m_spuren->zeige(davor);
    m_ansage->sage(zurueckGesagt(schritt));
}

void Form1::spurenZeigen(bool an)
{
    m_spurenAn = an;
    m_anzeige.festhalten();
    zeigeSpuren(m_suche.letzterSchritt());
    m_anzeige.freigeben();
    m_ansage->sage(an ? QStringLiteral("Versuche und Bedrohungen werden gezeigt")
                      : QStringLiteral("Versuche und Bedrohungen werden nicht mehr gezeigt"));
}

void Form1::zeigeSpuren(const board::Schritt *schritt)
{
    if (m_spurenAn && schritt)
        m_spuren->zeigeSchritt(*schritt, m_feld, m_suche.spalte());
    else
        m_spuren->leeren();
}

bool Form1::zurueckMoeglich() const
{
    // The search allows it between two steps of a run; the window only
    // while the run is held there, not as it goes on.
    return m_suche.kannZurueck() && (m_haelt || !m_suche.runInProgress());
}

void Form1::aktualisiereZurueck()
{
    m_menue->setzeZurueckMoeglich(zurueckMoeglich());
}

void Form1::schrittZurueck()
{
    if (zurueckMoeglich())
        befehl([this] { m_suche.SchrittZurueck(); });
    else
        m_ansage->sage(QStringLiteral("Kein Schritt zurück möglich"));
}

void Form1::runningChanged(bool running)
{
    if (running) {
        m_fokusVorLauf = focusWidget();
        m_tempo.vonJetztAn();
    }
    m_anhalten = false;
    if (!running) {
        m_stille.ende();
        // A run ends on column a, where the next step begins, or on the
        // empty board "Null" left.
        zeigeSpuren(m_suche.letzterSchritt());
    }
    m_esc->setEnabled(running);
    m_command2->setEnabled(!running);
    aktualisiereZurueck();
    if (running) {
        // Where Qt moved the focus away from the disabled button.
        m_fokusWaehrendLauf = focusWidget();
    } else if (m_fokusVorLauf && focusWidget() == m_fokusWaehrendLauf) {
        // Unless the user has moved it since, the focus goes back, so that
        // Space on "Durchlauf" starts another run.
        m_fokusVorLauf->setFocus(Qt::OtherFocusReason);
    }
}

void Form1::betweenSteps()
{
    if (!m_anhalten)
        return;
    m_haelt = true;
    m_command2->setEnabled(true);
    setWindowTitle(TitelAngehalten);
    aktualisiereZurueck();
    zeigeBild();
    m_stille.ende();
    m_ansage->sage(QStringLiteral("Durchlauf angehalten, Schritt %1, %2 %3, Stellung %4")
                       .arg(m_suche.schritte())
                       .arg(m_suche.loesungen())
                       .arg(m_suche.loesungen() == 1 ? QStringLiteral("Lösung") : QStringLiteral("Lösungen"))
                       .arg(stellung(m_feld)));
    // Input only, and asleep otherwise, until the user goes on, ends the run,
    // steps it to its end or closes the window.
    while (m_anhalten && m_suche.runGoesOn())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    m_haelt = false;
    m_anhalten = false;
    setWindowTitle(Titel);
    aktualisiereZurueck();
    if (!m_suche.runGoesOn())
        return;
    if (m_command2->hasFocus())
        m_command3->setFocus(Qt::OtherFocusReason);
    m_command2->setEnabled(false);
    m_tempo.vonJetztAn();
    m_ansage->sage(QStringLiteral("Durchlauf fortgesetzt"));
}

void Form1::anhaltenOderFortsetzen()
{
    if (m_suche.runInProgress())
        m_anhalten = !m_anhalten;
}

void Form1::waehleTempo(Tempo::Stufe stufe)
{
    m_tempo.setzeStufe(stufe);
    m_ansage->sage(Tempo::ansage(stufe));
}

void Form1::durchlaufBeenden()
{
    if (m_haelt && m_suche.DurchlaufBeenden())
        m_ansage->sage(QStringLiteral("Durchlauf beendet"));
}

void Form1::contextMenuEvent(QContextMenuEvent *event)
{
    QPoint wo = event->globalPos();
    if (event->reason() != QContextMenuEvent::Mouse) {
        const QWidget *ziel = focusWidget() ? focusWidget() : this;
        wo = ziel->mapToGlobal(ziel->rect().center());
    }
    m_menue->zeigen(wo, m_suche.runInProgress(), m_haelt);
}
