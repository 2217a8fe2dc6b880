// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ueberblick.h"

#include "ablaufansicht.h"
#include "protokollansicht.h"
#include "suchbaumansicht.h"
#include "vorhersageansicht.h"
#include "vorhersagen.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QScreen>
#include <QScrollArea>
#include <QSplitter>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int Abstand = 8;
constexpr int Wunschbreite = 540;
constexpr int Mindestbreite = 380;

// The panes scrolled up and down where the screen is too short for them,
// and as wide as they need, as the window is without it.
class Rolle : public QScrollArea
{
public:
    using QScrollArea::QScrollArea;

    QSize minimumSizeHint() const override
    {
        return {widget() ? widget()->minimumSizeHint().width() + 2 * frameWidth() : 0,
                QScrollArea::minimumSizeHint().height()};
    }

protected:
    bool viewportEvent(QEvent *event) override
    {
        // The panes' least width changed with a pane shown or hidden.
        if (event->type() == QEvent::LayoutRequest)
            updateGeometry();
        return QScrollArea::viewportEvent(event);
    }
};

} // namespace

QString Ueberblick::name(Teil teil)
{
    switch (teil) {
    case Teil::Suchbaum:
        return QStringLiteral("Suchbaum");
    case Teil::Ablauf:
        return QStringLiteral("Ablauf");
    case Teil::Vorhersage:
        return QStringLiteral("Vorhersage");
    case Teil::Protokoll:
        break;
    }
    return QStringLiteral("Suchprotokoll");
}

Ueberblick::Ueberblick(const view::Suchverlauf &verlauf, view::Anzeige &anzeige, Vorhersagen &vorhersagen,
                       QWidget &hauptfenster, const QWidget &brett)
    : QWidget(&hauptfenster, Qt::Window)
    , m_verlauf(verlauf)
    , m_anzeige(anzeige)
    , m_vorhersagen(vorhersagen)
    , m_hauptfenster(hauptfenster)
    , m_brett(brett)
{
    setObjectName(QStringLiteral("Ueberblick"));
    setWindowTitle(QStringLiteral("Suche im Überblick – Acht Damen"));
    // Opened from the main window's menu, it leaves the keyboard there.
    setAttribute(Qt::WA_ShowWithoutActivating);
    m_teilung = new QSplitter(Qt::Vertical);
    m_teilung->setChildrenCollapsible(false);
    // On a screen shorter than the panes' least heights together they
    // scroll, where the window would reach off the screen.
    auto *rollen = new Rolle(this);
    rollen->setObjectName(QStringLiteral("Ueberblicksrolle"));
    rollen->setFrameShape(QFrame::NoFrame);
    rollen->setFocusPolicy(Qt::NoFocus);
    rollen->setWidgetResizable(true);
    rollen->setWidget(m_teilung);
    auto *rahmen = new QVBoxLayout(this);
    rahmen->addWidget(rollen);
    // What the program says while this window is active.
    new Ansage(this);

    // Esc closes the pane the keyboard is in.
    auto *schliessen = new QAction(this);
    schliessen->setShortcut(Qt::Key_Escape);
    addAction(schliessen);
    connect(schliessen, &QAction::triggered, this, [this] {
        const QWidget *fokus = QApplication::focusWidget();
        // A question open is skipped first, in every pane as in the main
        // window, as the question says.
        if (m_vorhersagen.spalte() >= 0) {
            m_vorhersagen.ueberspringen();
            return;
        }
        for (const Teil t : AlleTeile) {
            QWidget *w = m_teile[std::size_t(t)];
            if (w && !w->isHidden() && (w == fokus || w->isAncestorOf(fokus))) {
                zeige(t, false);
                emit geschlossen(t);
                return;
            }
        }
        close();
    });
}

QWidget *Ueberblick::teil(Teil t)
{
    QWidget *&w = m_teile[std::size_t(t)];
    if (w)
        return w;
    switch (t) {
    case Teil::Suchbaum:
        m_baum = new Suchbaumansicht(m_verlauf, m_anzeige);
        m_baum->setzeLauf(m_laeuft);
        connect(m_baum, &Suchbaumansicht::geheZu, this, &Ueberblick::geheZu);
        connect(m_baum, &Suchbaumansicht::abgelehnt, this, &Ueberblick::abgelehnt);
        // Under the protocol's lines, as the walk's refusals are.
        connect(m_baum, &Suchbaumansicht::abgelehnt, this, &Ueberblick::melde);
        w = m_baum;
        break;
    case Teil::Ablauf:
        m_ablauf = new Ablaufansicht(m_verlauf, m_anzeige);
        m_ablauf->setzeLauf(m_laeuft);
        m_ablauf->setzeTakt(Tempo::intervall(m_tempo));
        w = m_ablauf;
        break;
    case Teil::Protokoll:
        m_protokoll = new Protokollansicht(m_verlauf);
        m_protokoll->setzeTempo(Tempo::menuetext(m_tempo));
        connect(m_protokoll, &Protokollansicht::zurueckZu, this, &Ueberblick::zurueckZu);
        w = m_protokoll;
        break;
    case Teil::Vorhersage:
        w = new Vorhersageansicht(m_vorhersagen);
        break;
    }
    // In the order of the menu, whichever is made first; the practice's
    // pane above them all.
    int stelle = 0;
    for (std::size_t i = 0; t != Teil::Vorhersage && i < std::size_t(t); ++i)
        stelle += m_teile[i] ? 1 : 0;
    // The keys answer a question in every pane as in the main window.
    m_vorhersagen.beobachte(*w);
    m_teilung->insertWidget(stelle, w);
    m_teilung->setStretchFactor(m_teilung->indexOf(w), t == Teil::Ablauf || t == Teil::Vorhersage ? 0 : 4);
    m_neu = true;
    return w;
}

void Ueberblick::zeige(Teil t, bool an)
{
    if (!an) {
        if (QWidget *w = m_teile[std::size_t(t)])
            w->hide();
        if (std::none_of(AlleTeile.begin(), AlleTeile.end(), [this](Teil u) { return zeigt(u); }))
            hide();
        return;
    }
    teil(t)->show();
    // Also where the user had minimized it: a pane asked for shows.
    if (isMinimized())
        setWindowState(windowState() & ~Qt::WindowMinimized);
    if (!isVisible()) {
        // Where it was last may be over the main window, moved meanwhile.
        if (!std::exchange(m_platziert, true))
            platzieren(false);
        else if (frameGeometry().intersects(m_hauptfenster.frameGeometry()))
            platzieren(true);
        show();
    }
    if (std::exchange(m_neu, false))
        verteilen();
    raise();
    if (t == Teil::Protokoll)
        m_protokoll->zumNeuesten();
}

void Ueberblick::verteilen()
{
    // The practice's pane and the algorithm's lines get what they need,
    // the tree and the protocol share the rest, the tree's picture and
    // outline a little more.
    layout()->activate();
    const auto fest = [this](Teil t) {
        const QWidget *w = zeigt(t) ? m_teile[std::size_t(t)] : nullptr;
        // Wrapped text is as tall as the window's width makes it.
        return !w ? 0 : w->hasHeightForWidth() ? w->heightForWidth(m_teilung->width()) : w->sizeHint().height();
    };
    const int baum = zeigt(Teil::Suchbaum) ? 5 : 0;
    const int protokoll = zeigt(Teil::Protokoll) ? 4 : 0;
    const int rest = std::max(0, m_teilung->height() - fest(Teil::Ablauf) - fest(Teil::Vorhersage));
    QList<int> hoehen;
    for (int i = 0; i < m_teilung->count(); ++i) {
        const QWidget *w = m_teilung->widget(i);
        const Teil t = Teil(std::find(m_teile.begin(), m_teile.end(), w) - m_teile.begin());
        const int anteil = t == Teil::Suchbaum ? baum : t == Teil::Protokoll ? protokoll : 0;
        hoehen << (anteil > 0 ? rest * anteil / (baum + protokoll) : fest(t));
    }
    m_teilung->setSizes(hoehen);
}

bool Ueberblick::zeigt(Teil t) const
{
    const QWidget *w = m_teile[std::size_t(t)];
    return w && !w->isHidden();
}

void Ueberblick::setzeLauf(bool laeuft)
{
    if (std::exchange(m_laeuft, laeuft) == laeuft)
        return;
    if (m_baum)
        m_baum->setzeLauf(laeuft);
    if (m_ablauf)
        m_ablauf->setzeLauf(laeuft);
    // Held or ended, screen readers hear what the panes held back.
    if (!laeuft)
        m_stille.ende();
}

void Ueberblick::setzeTempo(Tempo::Stufe stufe)
{
    m_tempo = stufe;
    if (m_ablauf)
        m_ablauf->setzeTakt(Tempo::intervall(stufe));
    if (m_protokoll)
        m_protokoll->setzeTempo(Tempo::menuetext(stufe));
}

void Ueberblick::melde(const QString &text)
{
    if (m_protokoll)
        m_protokoll->melde(text);
}

void Ueberblick::closeEvent(QCloseEvent *event)
{
    for (const Teil t : AlleTeile) {
        if (zeigt(t)) {
            m_teile[std::size_t(t)]->hide();
            emit geschlossen(t);
        }
    }
    QWidget::closeEvent(event);
}

void Ueberblick::platzieren(bool groesseBehalten)
{
    const QScreen *schirm = m_hauptfenster.screen();
    const QRect frei = schirm ? schirm->availableGeometry() : QRect(0, 0, 1280, 1024);
    QRect haupt = m_hauptfenster.frameGeometry();
    // This window's frame, before it has one: as the main window's.
    const int rahmenBreite = haupt.width() - m_hauptfenster.width();
    const int rahmenHoehe = haupt.height() - m_hauptfenster.height();
    const QPoint rand = m_hauptfenster.geometry().topLeft() - haupt.topLeft();
    const auto raumRechts = [&] { return frei.right() - haupt.right() - Abstand; };
    const auto raumLinks = [&] { return haupt.left() - frei.left() - Abstand; };
    // Where neither side has room, but one would with the main window at
    // the screen's edge, it moves there.
    if (std::max(raumRechts(), raumLinks()) < Mindestbreite && frei.width() - haupt.width() - Abstand >= Mindestbreite) {
        const int dx = frei.left() - haupt.left();
        m_hauptfenster.move(m_hauptfenster.pos() + QPoint(dx, 0));
        haupt.translate(dx, 0);
    }
    const int wunsch = groesseBehalten ? width() + rahmenBreite : Wunschbreite;
    int breite = 0;
    int x = 0;
    if (raumRechts() >= Mindestbreite && raumRechts() >= raumLinks()) {
        breite = std::min(wunsch, raumRechts());
        x = haupt.right() + Abstand + 1;
    } else if (raumLinks() >= Mindestbreite) {
        breite = std::min(wunsch, raumLinks());
        x = haupt.left() - Abstand - breite;
    } else {
        // Over the backtracker's panel, never over the board.
        const QRect brett(m_brett.mapToGlobal(QPoint()), m_brett.size());
        breite = std::min(wunsch, frei.right() - brett.right() - Abstand);
        x = std::max(frei.right() - breite + 1, brett.right() + Abstand);
    }
    const int hoehe = groesseBehalten ? std::min(height() + rahmenHoehe, frei.height()) : frei.height();
    // Placed by its inside, where the main window's frame has its inside:
    // a window without a frame yet, or one that lost it when hidden, would
    // otherwise have its inside placed where its frame was meant to go, and
    // its title bar above the screen.
    setGeometry(QRect(QPoint(x, frei.top()) + rand,
                      QSize(std::max(Mindestbreite, breite) - rahmenBreite, hoehe - rahmenHoehe)));
}
