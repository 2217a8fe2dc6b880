// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "suchbaumbild.h"

#include "namen.h"
#include "stellung.h"
#include "suchbaum.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>
#include <cmath>

namespace view {

namespace {

// Fixed colours on a light ground: readable under any palette, and apart
// by shade as well as by hue.
const QColor Grund{251, 251, 248};
const QColor Blass{226, 228, 232};
const QColor BlassRand{200, 203, 210};
const QColor Voll{150, 176, 205};
const QColor VollRand{96, 122, 156};
const QColor Weg{40, 90, 160};
const QColor WegRand{8, 30, 70};
const QColor Sackgasse{190, 30, 30};
const QColor SackgasseBlass{238, 180, 180};
const QColor Loesung{20, 120, 40};
const QColor LoesungBlass{160, 210, 170};
const QColor Schrift{25, 25, 25};

// A frame of `dicke` inside `r`, filled: a stroked outline costs the
// raster engine many times more, at every step.
void rahmen(QPainter &painter, const QRectF &r, qreal dicke, const QColor &farbe)
{
    const qreal d = std::min({dicke, r.width() / 2, r.height() / 2});
    painter.fillRect(QRectF(r.left(), r.top(), r.width(), d), farbe);
    painter.fillRect(QRectF(r.left(), r.bottom() - d, r.width(), d), farbe);
    painter.fillRect(QRectF(r.left(), r.top() + d, d, r.height() - 2 * d), farbe);
    painter.fillRect(QRectF(r.right() - d, r.top() + d, d, r.height() - 2 * d), farbe);
}

QFont kleineSchrift(const QFont &grund)
{
    QFont schrift = grund;
    schrift.setPointSizeF(std::max(7.0, grund.pointSizeF() * 0.75));
    return schrift;
}

} // namespace

Suchbaumbild::Suchbaumbild(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Suchbaumbild"));
    setAccessibleName(QStringLiteral("Bild des ganzen Suchbaums"));
    setMinimumSize(320, 260);
    setAttribute(Qt::WA_OpaquePaintEvent);
    messen();
}

void Suchbaumbild::neu(const Suchbaum &baum, int schritt)
{
    m_baum = &baum;
    m_schritt = schritt;
    for (auto &knoten : m_spalten)
        knoten.clear();
    for (std::size_t i = 1; i < baum.knoten().size(); ++i)
        m_spalten[std::size_t(baum.knoten()[i].spalte)].push_back(int(i));
    malen();
    update();
}

void Suchbaumbild::weiter(int schritt)
{
    const int alt = std::exchange(m_schritt, schritt);
    if (alt == schritt || !m_baum)
        return;
    // Only what changed: the steps between, the nodes that joined or left
    // the path, the headings and the words below.
    const double von = y(std::min(alt, schritt) + 1);
    const double bis = y(std::max(alt, schritt) + 1);
    QRegion bereich(QRectF(0, von - 2, width(), bis - von + 4).toAlignedRect());
    const std::vector<int> vorher = m_baum->pfad(alt);
    const std::vector<int> jetzt = m_baum->pfad(schritt);
    const double schild = QFontMetricsF(kleineSchrift(font())).height() + 4;
    for (const std::vector<int> *pfad : {&vorher, &jetzt}) {
        const std::vector<int> &anderer = pfad == &vorher ? jetzt : vorher;
        for (const int knoten : *pfad) {
            if (std::find(anderer.begin(), anderer.end(), knoten) != anderer.end())
                continue;
            const QRectF r = rechteck(knoten);
            bereich += r.adjusted(-2, -2, 2, 2).toAlignedRect();
            bereich += QRectF(r.left(), r.center().y() - schild, r.width(), 2 * schild).toAlignedRect();
        }
    }
    // The headings and the words below are painted over all that reaches
    // into them: early and late in the search the steps lie at their edge.
    const int oben = int(m_kopf);
    bereich &= QRect(0, oben, width(), int(std::ceil(height() - m_fuss)) - oben);
    // A column's heading where the column in work changed.
    const auto arbeit = [this](int k) { return k < m_baum->ende() ? m_baum->schritte()[std::size_t(k)].spalte : -1; };
    const auto kopf = [&](int c) {
        if (c >= 0)
            bereich += QRectF(spalte(c).left(), 0, spalte(c).width(), m_kopf).toAlignedRect();
    };
    if (arbeit(alt) != arbeit(schritt)) {
        kopf(arbeit(alt));
        kopf(arbeit(schritt));
    }
    bereich += wegZeile().toAlignedRect();
    const Suchbaum::Ebenen zuvor = m_baum->ebenen(alt);
    const Suchbaum::Ebenen nun = m_baum->ebenen(schritt);
    for (int c = 0; c < 8; ++c) {
        if (zuvor[std::size_t(c)] != nun[std::size_t(c)])
            bereich += zaehler(c).toAlignedRect();
    }
    update(bereich);
}

QRectF Suchbaumbild::wegZeile() const
{
    return {2, height() - m_fuss + 2, width() - 4.0, double(fontMetrics().lineSpacing())};
}

QRectF Suchbaumbild::zaehler(int spalte) const
{
    const QRectF band = this->spalte(spalte);
    return {band.left(), wegZeile().bottom() + 2 + m_klein, band.width(), 2 * m_klein};
}

void Suchbaumbild::messen()
{
    m_kopf = fontMetrics().height() * 1.3;
    m_klein = QFontMetricsF(kleineSchrift(font())).lineSpacing();
    // The path, a caption and two rows of counts.
    m_fuss = m_klein * 3 + fontMetrics().lineSpacing() + 6;
}

QRectF Suchbaumbild::spalte(int spalte) const
{
    const double breite = width() / 8.0;
    return QRectF(spalte * breite, m_kopf, breite, height() - m_kopf - m_fuss);
}

double Suchbaumbild::y(double schritt) const
{
    const QRectF flaeche = spalte(0);
    const int ende = m_baum ? std::max(1, m_baum->ende()) : 1;
    return flaeche.top() + (schritt - 1) / ende * flaeche.height();
}

QRectF Suchbaumbild::rechteck(int knoten) const
{
    const Suchbaum::Knoten &k = m_baum->knoten()[std::size_t(knoten)];
    const QRectF band = spalte(k.spalte);
    const double oben = y(std::max(1, k.schritt));
    const double unten = std::max(oben + 1, y(k.ende + 1));
    return QRectF(band.left() + 1, oben, band.width() - 2, unten - oben);
}

int Suchbaumbild::knotenBei(const QPoint &punkt) const
{
    if (!m_baum)
        return -1;
    const int c = std::clamp(int(punkt.x() * 8 / std::max(1, width())), 0, 7);
    const std::vector<int> &knoten = m_spalten[std::size_t(c)];
    // The last node of the column that begins above the point.
    const auto danach = std::upper_bound(knoten.begin(), knoten.end(), punkt.y(), [this](int y0, int i) {
        return y0 < rechteck(i).top();
    });
    if (danach == knoten.begin())
        return -1;
    const int i = *std::prev(danach);
    return rechteck(i).contains(QPointF(punkt)) ? i : -1;
}

void Suchbaumbild::malen()
{
    const qreal dpr = devicePixelRatioF();
    const auto bild = [&](bool erreicht) {
        QImage image(size() * dpr, QImage::Format_RGB32);
        image.setDevicePixelRatio(dpr);
        image.fill(Grund);
        if (!m_baum)
            return image;
        // Thousands of bands: filled a scanline at a time, which costs a
        // moved queen, making the tree anew, no more than a frame.
        uchar *const punkte0 = image.bits();
        const qsizetype zeilenlaenge = image.bytesPerLine();
        const int breite = image.width();
        const int hoehe = image.height();
        const auto fuelle = [&](const QRectF &r, const QColor &farbe) {
            const int x0 = std::max(0, int(std::floor(r.left() * dpr)));
            const int x1 = std::min(breite, int(std::ceil(r.right() * dpr)));
            const int y0 = std::max(0, int(std::floor(r.top() * dpr)));
            const int y1 = std::min(hoehe, std::max(y0 + 1, int(std::ceil(r.bottom() * dpr))));
            const QRgb rgb = farbe.rgb();
            for (int zeile = y0; zeile < y1 && x0 < x1; ++zeile) {
                auto *punkte = reinterpret_cast<QRgb *>(punkte0 + zeile * zeilenlaenge);
                std::fill(punkte + x0, punkte + x1, rgb);
            }
        };
        const QFont schrift = kleineSchrift(font());
        const double zeile = QFontMetricsF(schrift).height();
        std::vector<int> benannt;
        for (std::size_t i = 1; i < m_baum->knoten().size(); ++i) {
            const Suchbaum::Knoten &k = m_baum->knoten()[i];
            const QRectF r = rechteck(int(i));
            fuelle(r, erreicht ? Voll : Blass);
            if (r.height() >= 3)
                fuelle(QRectF(r.left(), r.top(), r.width(), 1 / dpr), erreicht ? VollRand : BlassRand);
            if (k.loesung > 0)
                fuelle(QRectF(r.left(), r.top(), r.width(), std::max(2.0, r.height())), erreicht ? Loesung : LoesungBlass);
            if (r.height() >= zeile)
                benannt.push_back(int(i));
        }
        // Each step that found no free row, where it found none.
        for (int s = 1; s <= m_baum->ende(); ++s) {
            const board::Schritt &schritt = m_baum->schritte()[std::size_t(s - 1)];
            if (schritt.reihe > 0)
                continue;
            const QRectF band = spalte(schritt.spalte);
            fuelle(QRectF(band.left() + 1, y(s), band.width() * 0.22, std::max(1.0, y(s + 1) - y(s))),
                   erreicht ? Sackgasse : SackgasseBlass);
        }
        QPainter painter(&image);
        painter.setFont(schrift);
        painter.setPen(Schrift);
        for (const int i : benannt)
            painter.drawText(rechteck(i), Qt::AlignCenter, m_baum->name(i));
        return image;
    };
    m_blass = bild(false);
    m_voll = bild(true);
    m_strich = QPixmap(QSize(width(), 1) * dpr);
    m_strich.setDevicePixelRatio(dpr);
    m_strich.fill(Qt::transparent);
    QPainter strich(&m_strich);
    strich.setPen(QPen(WegRand, 1, Qt::DashLine));
    strich.drawLine(QPointF(0, 0.5), QPointF(width(), 0.5));
}

void Suchbaumbild::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.drawImage(0, 0, m_blass);
    if (!m_baum)
        return;
    // Reached: everything above the next step, and the path, which reaches
    // down into what lies ahead.
    const double jetzt = y(m_schritt + 1);
    painter.save();
    painter.setClipRect(QRectF(0, 0, width(), jetzt));
    painter.drawImage(0, 0, m_voll);
    painter.restore();

    const int arbeit = m_schritt < m_baum->ende() ? m_baum->schritte()[std::size_t(m_schritt)].spalte : -1;

    const QFont schrift = kleineSchrift(font());
    painter.setFont(schrift);
    const QFontMetricsF metrik(schrift);
    const QRegion &bereich = event->region();
    for (const int i : m_baum->pfad(m_schritt)) {
        const QRectF r = rechteck(i);
        // Named in a box of its own where the band is thinner than a line.
        const QString name = m_baum->name(i);
        QRectF schild(0, 0, m_text.breite(painter, name) + 8, metrik.height() + 2);
        schild.moveCenter(QPointF(r.center().x(), std::clamp(r.center().y(), spalte(0).top() + schild.height() / 2,
                                                              height() - schild.height() / 2)));
        if (!bereich.intersects(r.united(schild).toAlignedRect()))
            continue;
        painter.fillRect(r, Weg);
        rahmen(painter, r.adjusted(0, -1, 0, 1), 2, WegRand);
        painter.fillRect(schild, Weg);
        rahmen(painter, schild.adjusted(-0.5, -0.5, 0.5, 0.5), 1, WegRand);
        painter.setPen(Qt::white);
        m_text.zeichne(painter, schild.adjusted(1, 1, -1, -1), Qt::AlignHCenter, name, Weg);
    }
    // The line between what was done and what lies ahead.
    painter.drawPixmap(QPointF(0, std::round(jetzt)), m_strich);

    // The columns' names, that of the next step's column set off.
    painter.setFont(font());
    const double kopf = spalte(0).top();
    painter.fillRect(QRectF(0, 0, width(), kopf), Grund);
    for (int c = 0; c < 8; ++c) {
        const QRectF zelle(spalte(c).left(), 0, spalte(c).width(), kopf);
        // The row of pixels it shares with the tree holds none of its words.
        if (!bereich.intersects(QRectF(zelle.left(), 0, zelle.width(), std::floor(kopf)).toAlignedRect()))
            continue;
        if (c == arbeit) {
            painter.fillRect(zelle.adjusted(1, 1, -1, -1), Weg);
            painter.setPen(Qt::white);
        } else {
            painter.setPen(Schrift);
        }
        m_text.zeichne(painter, zelle.adjusted(2, 2, -2, -2), Qt::AlignHCenter, spaltenName(c), c == arbeit ? Weg : Grund);
    }

    // Under the tree: the path, and per column the queens set so far of
    // those of the whole search, and the steps that found no free row.
    // Only what the region to paint holds: a step changes a line or two.
    const double oben = height() - m_fuss;
    painter.fillRect(QRectF(0, oben, width(), m_fuss), Grund);
    painter.setPen(Schrift);
    if (bereich.intersects(wegZeile().toAlignedRect())) {
        QStringList weg;
        for (const int i : m_baum->pfad(m_schritt))
            weg << m_baum->name(i);
        m_text.zeichne(painter, wegZeile(), Qt::AlignLeft,
                       QStringLiteral("Weg: ") + (weg.isEmpty() ? QStringLiteral("noch keine Dame") : weg.join(u' ')),
                       Grund);
    }
    painter.setFont(schrift);
    const double klein = m_klein;
    const QRectF legende(2, wegZeile().bottom() + 2, width() - 4, klein);
    if (bereich.intersects(legende.toAlignedRect())) {
        painter.setPen(QColor(90, 90, 90));
        m_text.zeichne(painter, legende, Qt::AlignLeft, QStringLiteral("je Spalte: gesetzt von allen, Sackgassen"), Grund);
    }
    const Suchbaum::Ebenen bisher = m_baum->ebenen(m_schritt);
    const Suchbaum::Ebenen ganz = m_baum->ebenen(m_baum->ende());
    for (int c = 0; c < 8; ++c) {
        const QRectF feld = zaehler(c);
        if (!bereich.intersects(feld.toAlignedRect()))
            continue;
        const auto i = std::size_t(c);
        painter.setPen(Schrift);
        m_text.zeichne(painter, QRectF(feld.left(), feld.top(), feld.width(), klein), Qt::AlignHCenter,
                       QStringLiteral("%1/%2").arg(bisher[i].gesetzt).arg(ganz[i].gesetzt), Grund);
        painter.setPen(Sackgasse);
        m_text.zeichne(painter, QRectF(feld.left(), feld.top() + klein, feld.width(), klein), Qt::AlignHCenter,
                       QString::number(bisher[i].sackgassen), Grund);
    }
}

QString Suchbaumbild::inWorten() const
{
    if (!m_baum)
        return {};
    QStringList weg;
    for (const int i : m_baum->pfad(m_schritt))
        weg << m_baum->name(i);
    QStringList saetze{QStringLiteral("Weg: ") + (weg.isEmpty() ? QStringLiteral("noch keine Dame") : weg.join(u' '))};
    const Suchbaum::Ebenen bisher = m_baum->ebenen(m_schritt);
    const Suchbaum::Ebenen ganz = m_baum->ebenen(m_baum->ende());
    for (std::size_t c = 0; c < bisher.size(); ++c) {
        saetze << QStringLiteral("Spalte %1: %2 von %3 gesetzt, %4 %5")
                      .arg(spaltenName(int(c)))
                      .arg(bisher[c].gesetzt)
                      .arg(ganz[c].gesetzt)
                      .arg(bisher[c].sackgassen)
                      .arg(bisher[c].sackgassen == 1 ? QStringLiteral("Sackgasse") : QStringLiteral("Sackgassen"));
    }
    return saetze.join(QStringLiteral("; "));
}

void Suchbaumbild::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    messen();
    malen();
}

void Suchbaumbild::mousePressEvent(QMouseEvent *event)
{
    const int knoten = knotenBei(event->position().toPoint());
    if (event->button() == Qt::LeftButton && knoten > 0)
        emit gewaehlt(knoten);
    QWidget::mousePressEvent(event);
}

bool Suchbaumbild::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        auto *hilfe = static_cast<QHelpEvent *>(event);
        const int knoten = knotenBei(hilfe->pos());
        if (knoten > 0)
            QToolTip::showText(hilfe->globalPos(), m_baum->beschreibung(knoten), this);
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

} // namespace view
