// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "damenregler.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QProxyStyle>
#include <QPointer>
#include <QSignalBlocker>

namespace {

constexpr int Oben = 8;

// Screen readers get the queen's row, not the scroll bar's inverted position.
class DamenReglerAccessible : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit DamenReglerAccessible(DamenRegler *regler)
        : QAccessibleWidget(regler, QAccessible::Slider)
    {
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return QString::number(regler()->wert());
        return QAccessibleWidget::text(t);
    }

    QVariant currentValue() const override { return regler()->wert(); }
    void setCurrentValue(const QVariant &value) override { regler()->setzeWert(value.toInt()); }
    QVariant maximumValue() const override { return Oben; }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }

private:
    DamenRegler *regler() const { return static_cast<DamenRegler *>(object()); }
};

// The slider is barely taller than its two arrows; shorter arrows and a
// smaller least thumb keep the thumb visible and draggable in the track.
class ReglerStil : public QProxyStyle
{
public:
    int pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override
    {
        switch (metric) {
        case PM_ScrollBarExtent:
            return 13;
        case PM_ScrollBarSliderMin:
            return 9;
        default:
            return QProxyStyle::pixelMetric(metric, option, widget);
        }
    }
};

QStyle *reglerStil()
{
    static QPointer<QStyle> stil;
    if (!stil) {
        stil = new ReglerStil;
        stil->setParent(qApp);
    }
    return stil.data();
}

QAccessibleInterface *accessibleFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("DamenRegler") && object->isWidgetType())
        return new DamenReglerAccessible(static_cast<DamenRegler *>(object));
    return nullptr;
}

} // namespace

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
    return Oben - value();
}

void DamenRegler::zeigeWert(int wert)
{
    const QSignalBlocker blocker(this);
    setValue(Oben - wert);
}

void DamenRegler::setzeWert(int wert)
{
    setValue(Oben - wert);
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

void DamenRegler::installAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(accessibleFactory);
        return true;
    }();
    (void)installed;
}
