// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ablaufansicht.h"

#include "anzeige.h"
#include "aussehen.h"
#include "bildzeilen.h"
#include "namen.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPainter>
#include <QRegion>
#include <QVBoxLayout>

namespace {

// Fixed light tints with dark text, whatever the palette: lit lines, and
// the current one stronger, marked and followed by what the step said.
const QColor Erleuchtet{255, 241, 204};
const QColor Aktuell{255, 212, 110};
const QColor Dunkel{20, 20, 20};
const QColor Notiz{120, 20, 20};

class Leuchte : public Bildzeilen
{
public:
    Leuchte(const Ablaufansicht &ansicht, QObject *eltern)
        : Bildzeilen(eltern, 14)
        , m_ansicht(ansicht)
    {
    }

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        const int zeile = index.row();
        if (!m_ansicht.erleuchtet().count(zeile)) {
            Bildzeilen::paint(painter, option, index);
            return;
        }
        const QStyleOptionViewItem o = ausModell(option, index);
        const bool aktuell = zeile == m_ansicht.aktuell();
        painter->save();
        const QColor grund = aktuell ? Aktuell : Erleuchtet;
        painter->fillRect(o.rect, grund);
        QFont schrift = o.font;
        schrift.setBold(aktuell);
        painter->setFont(schrift);
        painter->setPen(Dunkel);
        const QRectF text = QRectF(o.rect).adjusted(14, 0, -4, 0);
        if (aktuell)
            m_text.zeichne(*painter, QRectF(o.rect).adjusted(2, 0, 0, 0), Qt::AlignLeft, QStringLiteral("►"), grund);
        m_text.zeichne(*painter, text, Qt::AlignLeft, o.text, grund);
        if (aktuell && !m_ansicht.notiz().isEmpty()) {
            const qreal breite = m_text.breite(*painter, o.text);
            painter->setPen(Notiz);
            m_text.zeichne(*painter, text.adjusted(breite, 0, 0, 0), Qt::AlignLeft,
                           QStringLiteral("  ← ") + m_ansicht.notiz(), grund, QRectF(o.rect));
        }
        painter->restore();
    }

private:
    const Ablaufansicht &m_ansicht;
};

} // namespace

Ablaufansicht::Ablaufansicht(const view::Suchverlauf &verlauf, view::Anzeige &anzeige, QWidget *parent)
    : QWidget(parent)
    , m_verlauf(verlauf)
    , m_anzeige(anzeige)
{
    setObjectName(QStringLiteral("Ablauf"));
    m_zeilen = new QListWidget(this);
    m_zeilen->setObjectName(QStringLiteral("Ablaufzeilen"));
    m_zeilen->setAccessibleName(QStringLiteral("Ablauf eines Schritts"));
    m_zeilen->addItems(view::Ablauf::zeilen());
    // The current line is the selected one, as screen readers ask for it.
    m_zeilen->setSelectionMode(QAbstractItemView::SingleSelection);
    m_zeilen->setItemDelegate(new Leuchte(*this, m_zeilen));
    m_zeilen->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_werte = new Zeilen(2, this);
    m_werte->setObjectName(QStringLiteral("Werte"));
    m_stapel = new Zeilen(8, this);
    m_stapel->setObjectName(QStringLiteral("Stapel"));
    // No wider than its widest entry, the lines get the rest.
    m_stapel->setFixedWidth(m_stapel->fontMetrics().horizontalAdvance(QStringLiteral("f –  ")));

    // The stack beside the lines, as deep as the search.
    auto *oben = new QHBoxLayout;
    oben->addWidget(m_zeilen, 1);
    oben->addWidget(m_stapel, 0, Qt::AlignTop);
    auto *spalten = new QVBoxLayout(this);
    spalten->setContentsMargins(0, 0, 0, 0);
    spalten->addLayout(oben, 1);
    spalten->addWidget(m_werte);
    // As tall as its lines, no taller.
    const int zeile = m_zeilen->sizeHintForRow(0);
    m_zeilen->setFixedHeight(zeile * int(view::Ablauf::zeilen().size()) + 2 * m_zeilen->frameWidth() + 2);

    m_naechster.setSingleShot(true);
    connect(&m_naechster, &QTimer::timeout, this, &Ablaufansicht::zeigeMoment);
    connect(&verlauf, &view::Suchverlauf::angefuegt, this, &Ablaufansicht::folgen);
    connect(&verlauf, &view::Suchverlauf::zurueckgenommen, this, &Ablaufansicht::folgen);
    connect(&verlauf, &view::Suchverlauf::naechsteGeaendert, this, &Ablaufansicht::folgen);
    connect(&verlauf, &view::Suchverlauf::begonnen, this, &Ablaufansicht::folgen);
    folgen();
}

void Ablaufansicht::setzeLauf(bool laeuft)
{
    if (std::exchange(m_laeuft, laeuft) == laeuft || laeuft)
        return;
    // Held or ended: the step whole, and its last line current.
    folgen();
}

void Ablaufansicht::folgen()
{
    m_naechster.stop();
    const view::Suchverlauf::Eintrag *letzter = m_verlauf.letzter();
    const bool schritt = letzter && letzter->art == view::Suchverlauf::Eintrag::Art::Schritt;
    m_momente = schritt ? view::Ablauf::momente(letzter->schritt, letzter->brett) : std::vector<view::Ablauf::Moment>{};
    m_gelaufen.clear();
    if (schritt) {
        for (const view::Ablauf::Zeile zeile : view::Ablauf::gelaufen(letzter->schritt))
            m_gelaufen.insert(zeile);
    }
    m_erleuchtet = m_gelaufen;
    // A slow run walks through the step, a moment at a time.
    constexpr std::chrono::milliseconds Langsam{200};
    if (m_laeuft && m_takt >= Langsam && m_momente.size() > 1) {
        m_moment = 0;
        zeigeMoment();
    } else {
        m_moment = m_momente.size();
        m_aktuell = m_momente.empty() ? -1 : m_momente.back().zeile;
        m_notiz = m_momente.empty() ? QString() : m_momente.back().notiz;
    }
    zeigeWerte();
}

void Ablaufansicht::zeigeMoment()
{
    const view::Ablauf::Moment &moment = m_momente[m_moment];
    m_erleuchtet = {view::Ablauf::Kopf, view::Ablauf::Dame, view::Ablauf::Schleife, moment.zeile};
    m_aktuell = moment.zeile;
    m_notiz = moment.notiz;
    ++m_moment;
    if (m_moment < m_momente.size()) {
        const auto dauer = m_takt * 4 / 5 / int(m_momente.size());
        m_naechster.start(std::chrono::duration_cast<std::chrono::milliseconds>(dauer));
    } else {
        m_erleuchtet.insert(m_gelaufen.begin(), m_gelaufen.end());
    }
    // Its own moments show at once, the run's frames or not.
    neuMalen();
    m_werte->setzeZeilen({m_werte->zeilen().value(0), m_notiz});
}

void Ablaufansicht::zeigeWerte()
{
    const view::Suchverlauf::Eintrag *letzter = m_verlauf.letzter();
    const view::Brett &brett = m_verlauf.brett();
    const bool schritt = letzter && letzter->art == view::Suchverlauf::Eintrag::Art::Schritt;
    const int spalte = schritt ? letzter->schritt.spalte : m_verlauf.naechste();
    QStringList werte;
    if (spalte >= 0)
        werte << QStringLiteral("Spalte ") + view::spaltenName(spalte);
    if (schritt)
        werte << (letzter->schritt.reihe > 0 ? QStringLiteral("Reihe %1").arg(letzter->schritt.reihe)
                                             : QStringLiteral("keine Reihe"));
    werte << QStringLiteral("Schritte %1").arg(m_verlauf.summen().schritte);
    const QString erste = werte.join(QStringLiteral(", "));
    // The queens from column a to the one in work: the depth of the search.
    QStringList stapel;
    for (int c = 0; c <= std::max(spalte, m_verlauf.naechste()) && c < 8; ++c) {
        const int wert = brett[std::size_t(c)];
        stapel << (wert > 0 ? view::feldName(c, wert) : view::spaltenName(c) + QStringLiteral(" –"));
    }
    const bool laeuft = m_laeuft;
    const int zeile = m_aktuell;
    m_anzeige.aenderung(this, [this, erste, stapel, laeuft, zeile] {
        // The note of the moment shown when the frame comes: a slow step's
        // moments go on between frames.
        m_werte->setzeZeilen({erste, m_notiz});
        m_stapel->setzeZeilen(stapel);
        neuMalen();
        // Without a step (at the start, after "Null", a hand move or "Von
        // vorn") no line is current.
        if (!laeuft)
            m_zeilen->setCurrentRow(zeile);
    });
}

void Ablaufansicht::neuMalen()
{
    // Only the lines whose light changed, as one region.
    QRegion geaendert;
    for (int zeile = 0; zeile < m_zeilen->count(); ++zeile) {
        const int jetzt = (m_erleuchtet.count(zeile) > 0 ? 1 : 0) + (zeile == m_aktuell ? 2 : 0);
        if (m_gemalt[std::size_t(zeile)] != jetzt || zeile == m_aktuell) {
            m_gemalt[std::size_t(zeile)] = jetzt;
            geaendert += m_zeilen->visualItemRect(m_zeilen->item(zeile));
        }
    }
    m_zeilen->viewport()->update(geaendert);
}
