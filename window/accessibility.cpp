// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "accessibility.h"

#include "damenregler.h"

#include <QAccessibleWidget>

namespace {

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
    QVariant maximumValue() const override { return DamenRegler::Oben; }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }

private:
    DamenRegler *regler() const { return static_cast<DamenRegler *>(object()); }
};

QAccessibleInterface *accessibleFactory(const QString &className, QObject *object)
{
    if (!object->isWidgetType())
        return nullptr;
    auto *widget = static_cast<QWidget *>(object);
    if (className == QLatin1String("DamenRegler"))
        return new DamenReglerAccessible(static_cast<DamenRegler *>(widget));
    // A top-level widget would be a mere "filler" to screen readers.
    if (className == QLatin1String("Form1"))
        return new QAccessibleWidget(widget, QAccessible::Window);
    if (className == QLatin1String("Ansage"))
        return new QAccessibleWidget(widget, QAccessible::Notification);
    return nullptr;
}

} // namespace

void installAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(accessibleFactory);
        return true;
    }();
    (void)installed;
}
