// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "suchbaumbild.h"

#include "namen.h"
#include "suchbaum.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>

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
const QColor Arbeit{255, 200, 0, 60};

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
    setMinimumSize(320, 200);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Suchbaumbild::neu(const Suchbaum &baum, int schritt)
{
    m_baum = &baum;
    m_schritt = schritt;
    for (auto &spalte : m_spalten)
        spalte.clear();
    for (std::size_t i = 1; i < baum.knoten().size(); ++i)
        m_spalten[std::size_t(baum.knoten()[i].spalte)].push_back(int(i));
    malen();
    update();
}

void Suchbaumbild::weiter(int schritt)
{
    if (std::exchange(m_schritt, schritt) != schritt)
        update();
}

QRectF Suchbaumbild::spalte(int spalte) const
{
    const double kopf = fontMetrics().height() * 1.3;
    const double breite = width() / 8.0;
    return QRectF(spalte * breite, kopf, breite, height() - kopf);
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
        QPixmap pixmap(size() * dpr);
        pixmap.setDevicePixelRatio(dpr);
        pixmap.fill(Grund);
        if (!m_baum)
            return pixmap;
        QPainter painter(&pixmap);
        const QFont schrift = kleineSchrift(font());
        painter.setFont(schrift);
        const double zeile = QFontMetricsF(schrift).height();
        for (std::size_t i = 1; i < m_baum->knoten().size(); ++i) {
            const Suchbaum::Knoten &k = m_baum->knoten()[i];
            const QRectF r = rechteck(int(i));
            painter.fillRect(r, erreicht ? Voll : Blass);
            if (r.height() >= 3) {
                painter.setPen(QPen(erreicht ? VollRand : BlassRand, 0));
                painter.drawLine(r.topLeft(), r.topRight());
            }
            if (k.loesung > 0) {
                const QRectF strich(r.left(), r.top(), r.width(), std::max(2.0, r.height()));
                painter.fillRect(strich, erreicht ? Loesung : LoesungBlass);
            }
            if (r.height() >= zeile) {
                painter.setPen(Schrift);
                painter.drawText(r, Qt::AlignCenter, m_baum->name(int(i)));
            }
        }
        // Each step that found no free row, where it found none.
        for (int s = 1; s <= m_baum->ende(); ++s) {
            const board::Schritt &schritt = m_baum->schritte()[std::size_t(s - 1)];
            if (schritt.reihe > 0)
                continue;
            const QRectF band = spalte(schritt.spalte);
            painter.fillRect(QRectF(band.left() + 1, y(s), band.width() * 0.22, std::max(1.0, y(s + 1) - y(s))),
                             erreicht ? Sackgasse : SackgasseBlass);
        }
        return pixmap;
    };
    m_blass = bild(false);
    m_voll = bild(true);
}

void Suchbaumbild::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_blass);
    if (!m_baum)
        return;
    // Reached: everything above the next step, and the path, which reaches
    // down into what lies ahead.
    const double jetzt = y(m_schritt + 1);
    painter.save();
    painter.setClipRect(QRectF(0, 0, width(), jetzt));
    painter.drawPixmap(0, 0, m_voll);
    painter.restore();

    const int arbeit = m_schritt < m_baum->ende() ? m_baum->schritte()[std::size_t(m_schritt)].spalte : -1;
    if (arbeit >= 0)
        painter.fillRect(spalte(arbeit), Arbeit);

    const QFont schrift = kleineSchrift(font());
    painter.setFont(schrift);
    const QFontMetricsF metrik(schrift);
    for (const int i : m_baum->pfad(m_schritt)) {
        const QRectF r = rechteck(i);
        painter.fillRect(r, Weg);
        painter.setPen(QPen(WegRand, 2));
        painter.drawRect(r.adjusted(1, 0, -1, 0));
        // Named in a box of its own where the band is thinner than a line.
        const QString name = m_baum->name(i);
        QRectF schild(0, 0, metrik.horizontalAdvance(name) + 8, metrik.height() + 2);
        schild.moveCenter(QPointF(r.center().x(), std::clamp(r.center().y(), spalte(0).top() + schild.height() / 2,
                                                              height() - schild.height() / 2)));
        painter.fillRect(schild, Weg);
        painter.setPen(QPen(WegRand, 1));
        painter.drawRect(schild);
        painter.setPen(Qt::white);
        painter.drawText(schild, Qt::AlignCenter, name);
    }
    // The line between what was done and what lies ahead.
    painter.setPen(QPen(WegRand, 1, Qt::DashLine));
    painter.drawLine(QPointF(0, jetzt), QPointF(width(), jetzt));

    // The columns' names, that of the next step's column set off.
    painter.setFont(font());
    const double kopf = spalte(0).top();
    painter.fillRect(QRectF(0, 0, width(), kopf), Grund);
    for (int c = 0; c < 8; ++c) {
        const QRectF zelle(spalte(c).left(), 0, spalte(c).width(), kopf);
        if (c == arbeit) {
            painter.fillRect(zelle.adjusted(1, 1, -1, -1), Weg);
            painter.setPen(Qt::white);
        } else {
            painter.setPen(Schrift);
        }
        painter.drawText(zelle, Qt::AlignCenter, spaltenName(c));
    }
}

void Suchbaumbild::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
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
