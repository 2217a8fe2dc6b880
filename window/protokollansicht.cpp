// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "protokollansicht.h"

#include "aussehen.h"
#include "bildzeilen.h"
#include "spuren.h"
#include "suchprotokoll.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QListView>
#include <QPainter>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The protocol's lines, as wide as their text: a line too long for the
// list scrolls.
class Zeilenmaler : public Bildzeilen
{
public:
    explicit Zeilenmaler(QObject *parent)
        : Bildzeilen(parent, 3, 12 << 20)
    {
    }

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        return {option.fontMetrics.horizontalAdvance(index.data().toString()) + 6, option.fontMetrics.height() + 2};
    }
};

// A mark as the board draws it, on a light square.
QLabel *muster(std::uint16_t marken, const QString &namen = {})
{
    // A little taller than a line of the legend's text.
    const int seite = QFontMetrics(QGuiApplication::font()).height() * 5 / 4;
    const qreal dpr = qApp->devicePixelRatio();
    QPixmap bild(QSize(seite, seite) * dpr);
    bild.setDevicePixelRatio(dpr);
    bild.fill(view::FarbeHell);
    QPainter painter(&bild);
    view::Spuren::zeichne(painter, QRectF(0, 0, seite, seite), marken, namen);
    painter.end();
    auto *label = new QLabel;
    label->setPixmap(bild);
    return label;
}

} // namespace

Protokollansicht::Protokollansicht(const view::Suchverlauf &verlauf, QWidget *parent)
    : QWidget(parent)
    , m_verlauf(verlauf)
    , m_protokoll(new view::Suchprotokoll(verlauf, this))
{
    setObjectName(QStringLiteral("Suchprotokoll"));
    auto *spalten = new QVBoxLayout(this);
    spalten->setContentsMargins(0, 0, 0, 0);

    using view::Spuren;
    const std::pair<std::uint16_t, QString> legende[] = {
        {Spuren::Spalte, QStringLiteral("Spalte des Schritts")},
        {Spuren::Gesetzt, QStringLiteral("gesetzte Dame")},
        {Spuren::Naechste | Spuren::Pfeil, QStringLiteral("Spalte des nächsten Schritts")},
        {Spuren::Loesung, QStringLiteral("Dame der Lösung")},
        {Spuren::Versuch | Spuren::Spalte, QStringLiteral("versucht, bedroht von a1")},
        {Spuren::Bedroher, QStringLiteral("Dame, die angreift")},
        {Spuren::Vorher | Spuren::Weg, QStringLiteral("stand vorher hier, ihr Weg")},
        {Spuren::Zurueck, QStringLiteral("keine Reihe frei, zurück")},
        {Spuren::Bedroht, QStringLiteral("von Hand gesetzt, bedroht")},
    };
    // Two columns of marks and meanings, a line each, to leave the lines
    // the room; the longer meanings on the left, so that both columns fit
    // the window's width on a screen 1280 pixels wide.
    auto *gitter = new QGridLayout;
    gitter->setVerticalSpacing(0);
    int eintrag = 0;
    for (const auto &[marken, bedeutung] : legende) {
        const int zeile = eintrag / 2;
        const int spalte = 2 * (eintrag++ % 2);
        gitter->addWidget(muster(marken, (marken & Spuren::Versuch) ? QStringLiteral("a1") : QString()), zeile, spalte);
        gitter->addWidget(new QLabel(bedeutung), zeile, spalte + 1);
    }
    gitter->setColumnStretch(1, 1);
    gitter->setColumnStretch(3, 1);
    spalten->addLayout(gitter);

    m_liste = new QListView(this);
    m_liste->setObjectName(QStringLiteral("Protokollzeilen"));
    m_liste->setAccessibleName(QStringLiteral("Suchprotokoll"));
    // One line each, all of one height: a full run's lines are laid out
    // without measuring each (wrapped, they would cost the run seconds).
    // A line too long for the window scrolls, and shows whole as its tooltip.
    m_liste->setUniformItemSizes(true);
    m_liste->setItemDelegate(new Zeilenmaler(m_liste));
    m_liste->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_liste->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_liste->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_liste->setContextMenuPolicy(Qt::ActionsContextMenu);
    spalten->addWidget(m_liste, 1);
    m_summen = new Zeilen(2, this, true);
    m_summen->setObjectName(QStringLiteral("Summen"));
    spalten->addWidget(m_summen);
    m_meldung = new Zeilen(1, this, true);
    m_meldung->setObjectName(QStringLiteral("Meldung"));
    spalten->addWidget(m_meldung);

    auto *auswahlKopieren = new QAction(QStringLiteral("Kopieren"), m_liste);
    auswahlKopieren->setShortcut(QKeySequence::Copy);
    auswahlKopieren->setShortcutContext(Qt::WidgetShortcut);
    connect(auswahlKopieren, &QAction::triggered, this, [this] { kopieren(false); });
    auto *allesKopieren = new QAction(QStringLiteral("Alles kopieren"), m_liste);
    connect(allesKopieren, &QAction::triggered, this, [this] { this->kopieren(true); });
    m_liste->addActions({auswahlKopieren, allesKopieren});

    connect(m_liste, &QListView::activated, this, [this](const QModelIndex &index) {
        m_meldung->setzeZeilen({});
        emit zurueckZu(m_protokoll->id(index.row()));
    });
    // A refusal tells of the board it was given on: it goes with the next
    // change, yet stays two seconds to be read, also in a run.
    m_vergessen.setSingleShot(true);
    connect(&m_vergessen, &QTimer::timeout, m_meldung, [this] { m_meldung->setzeZeilen({}); });
    const auto vergessen = [this] {
        if (!m_meldung->zeilen().isEmpty() && !m_vergessen.isActive())
            m_vergessen.start(int(std::max<qint64>(0, 2000 - m_gemeldet.elapsed())));
    };
    connect(&verlauf, &view::Suchverlauf::angefuegt, m_meldung, vergessen);
    connect(&verlauf, &view::Suchverlauf::zurueckgenommen, m_meldung, vergessen);
    connect(&verlauf, &view::Suchverlauf::begonnen, m_meldung, [this] { m_meldung->setzeZeilen({}); });
    // The keyboard's way to the list's menu, as in the main window.
    auto *menuetaste = new QAction(this);
    menuetaste->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10));
    addAction(menuetaste);
    connect(menuetaste, &QAction::triggered, this, [this] {
        const QPoint wo = m_liste->visualRect(m_liste->currentIndex()).center();
        QContextMenuEvent menue(QContextMenuEvent::Keyboard, wo, m_liste->viewport()->mapToGlobal(wo));
        QCoreApplication::sendEvent(m_liste, &menue);
    });
    connect(m_protokoll, &view::Suchprotokoll::geaendert, this, [this] {
        if (!isVisible())
            return;
        zeigeSummen();
        m_liste->scrollToBottom();
    });
    zeigeSummen();
}

void Protokollansicht::zumNeuesten()
{
    m_liste->setCurrentIndex(m_protokoll->index(m_protokoll->rowCount() - 1));
    m_liste->setFocus();
    m_liste->scrollToBottom();
}

void Protokollansicht::setzeTempo(const QString &tempo)
{
    m_tempo = tempo;
    zeigeSummen();
}

void Protokollansicht::melde(const QString &text)
{
    m_vergessen.stop();
    m_gemeldet.start();
    m_meldung->setzeZeilen({text});
}

void Protokollansicht::showEvent(QShowEvent *event)
{
    m_liste->setModel(m_protokoll);
    zeigeSummen();
    QWidget::showEvent(event);
}

void Protokollansicht::hideEvent(QHideEvent *event)
{
    // Closed, the list hears nothing of the protocol, nor tells screen
    // readers of it.
    m_liste->setModel(nullptr);
    QWidget::hideEvent(event);
}

void Protokollansicht::kopieren(bool alles)
{
    QStringList zeilen;
    QModelIndexList auswahl = alles ? QModelIndexList() : m_liste->selectionModel()->selectedRows();
    // Nothing selected: the line with the keyboard, or nothing at all.
    if (!alles && auswahl.isEmpty() && m_liste->currentIndex().isValid())
        auswahl << m_liste->currentIndex();
    if (!alles && auswahl.isEmpty())
        return;
    if (alles) {
        for (int zeile = 0; zeile < m_protokoll->rowCount(); ++zeile)
            auswahl << m_protokoll->index(zeile);
    }
    std::sort(auswahl.begin(), auswahl.end());
    for (const QModelIndex &index : auswahl)
        zeilen << index.data().toString();
    QGuiApplication::clipboard()->setText(zeilen.join(u'\n') + u'\n');
}

void Protokollansicht::zeigeSummen()
{
    const view::Suchverlauf::Summen &summen = m_verlauf.summen();
    m_summen->setzeZeilen({QStringLiteral("Schritte %1, versuchte Reihen %2, Sackgassen %3, Lösungen %4, Tempo %5")
                          .arg(summen.schritte)
                          .arg(summen.versuchteReihen)
                          .arg(summen.sackgassen)
                          .arg(summen.loesungen)
                          .arg(m_tempo)});
}
