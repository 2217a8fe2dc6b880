// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "damenregler.h"

#include <QAccessible>
#include <QApplication>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOptionComplex>

#include <algorithm>

namespace {

// Drawn in fixed colours on a fixed base style, so that the thumb stands
// out from track and arrows and the focus shows, whatever the desktop's
// style and palette. The fills are opaque, too: Qt hands a gradient as tall
// as Fusion's track on the cover's slider to worker threads, and the
// window's start waited for them.
class ReglerStil : public QProxyStyle
{
public:
    ReglerStil()
        : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
    {
    }

    int pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override
    {
        // A queen's slider is barely taller than its two arrows; shorter
        // arrows and a smaller least thumb keep the thumb visible and
        // draggable in its track.
        if (!qobject_cast<const DamenRegler *>(widget))
            return QProxyStyle::pixelMetric(metric, option, widget);
        switch (metric) {
        case PM_ScrollBarExtent:
            return 13;
        case PM_ScrollBarSliderMin:
            return 9;
        default:
            return QProxyStyle::pixelMetric(metric, option, widget);
        }
    }

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                            const QWidget *widget) const override
    {
        if (control != CC_ScrollBar) {
            QProxyStyle::drawComplexControl(control, option, painter, widget);
            return;
        }
        const auto teil = [&](SubControl sub) { return subControlRect(control, option, sub, widget); };
        const auto gedrueckt = [&](SubControl sub) {
            return (option->activeSubControls & sub) && (option->state & State_Sunken);
        };

        painter->save();
        painter->fillRect(option->rect, Rinne);
        zeichnePfeil(*painter, teil(SC_ScrollBarSubLine), -1, gedrueckt(SC_ScrollBarSubLine));
        zeichnePfeil(*painter, teil(SC_ScrollBarAddLine), +1, gedrueckt(SC_ScrollBarAddLine));
        painter->fillRect(teil(SC_ScrollBarSlider), gedrueckt(SC_ScrollBarSlider) ? DaumenGedrueckt : Daumen);
        if (option->state & State_HasFocus) {
            // Two pixels wide at scale 1, inside the slider's own colours:
            // the pen's middle runs one pixel inside the edge.
            painter->setPen(QPen(Fokus, 2));
            painter->setBrush(Qt::NoBrush);
            painter->drawRect(QRectF(option->rect).adjusted(1, 1, -1, -1));
        }
        painter->restore();
    }

private:
    static inline const QColor Rinne{232, 232, 232};
    static inline const QColor Knopf{196, 196, 196};
    static inline const QColor KnopfGedrueckt{160, 160, 160};
    static inline const QColor KnopfRand{112, 112, 112};
    static inline const QColor Pfeil{32, 32, 32};
    static inline const QColor Daumen{28, 28, 140};
    static inline const QColor DaumenGedrueckt{48, 48, 176};
    static inline const QColor Fokus{0, 0, 0};

    // An arrow button; richtung -1 points up, +1 down.
    static void zeichnePfeil(QPainter &painter, const QRect &knopf, int richtung, bool gedrueckt)
    {
        painter.fillRect(knopf, gedrueckt ? KnopfGedrueckt : Knopf);
        painter.setPen(KnopfRand);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(knopf).adjusted(0.5, 0.5, -0.5, -0.5));

        const QPointF mitte = QRectF(knopf).center();
        const qreal halb = std::min(knopf.width() / 4.0, knopf.height() / 2.5);
        const qreal spitze = richtung * halb * 0.6;
        const QPointF ecken[] = {{mitte.x() - halb, mitte.y() - spitze},
                                 {mitte.x() + halb, mitte.y() - spitze},
                                 {mitte.x(), mitte.y() + spitze}};
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Pfeil);
        painter.drawPolygon(ecken, 3);
        painter.setRenderHint(QPainter::Antialiasing, false);
    }
};

} // namespace

QStyle *reglerStil()
{
    static QPointer<QStyle> stil;
    if (!stil) {
        stil = new ReglerStil;
        stil->setParent(qApp);
    }
    return stil.data();
}

DamenRegler::DamenRegler(QWidget *parent)
    : QScrollBar(Qt::Vertical, parent)
{
    setRange(0, Oben);
    setSingleStep(1);
    setPageStep(1);
    setValue(Oben);
    setFocusPolicy(Qt::StrongFocus);
    setStyle(reglerStil());
    // Tracking is on, so every position of a drag is reported.
    connect(this, &QScrollBar::valueChanged, this, [this] { emit wertGeaendert(wert()); });
}

int DamenRegler::wert() const
{
    return position(value());
}

void DamenRegler::setzeWert(int wert)
{
    setValue(position(wert));
}

void DamenRegler::sliderChange(SliderChange change)
{
    if (change != SliderValueChange) {
        QScrollBar::sliderChange(change);
        return;
    }
    // The base class would announce the inverted position.
    QAccessibleValueChangeEvent event(this, wert());
    QAccessible::updateAccessibility(&event);
    update();
}
