// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "accessibility.h"

#include "damenregler.h"
#include "textfeld.h"
#include "textfeldaccessible.h"

#include <QAccessibleWidget>
#include <QMessageBox>

namespace {

// Screen readers get the queen's row, not the scroll bar's inverted
// position; from Qt 6.8 on also in words ("Reihe 3", "keine Dame") as the
// "valuetext" attribute, which Orca 48 speaks in place of the number. Qt 6.4
// passes no object attributes on.
class DamenReglerAccessible : public QAccessibleWidget,
                              public QAccessibleValueInterface
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    , public QAccessibleAttributesInterface
#endif
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
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
        if (type == QAccessible::AttributesInterface)
            return static_cast<QAccessibleAttributesInterface *>(this);
#endif
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

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QList<QAccessible::Attribute> attributeKeys() const override { return {QAccessible::Attribute::Custom}; }
    QVariant attributeValue(QAccessible::Attribute key) const override
    {
        if (key != QAccessible::Attribute::Custom)
            return {};
        const int wert = regler()->wert();
        const QString text = wert == 0 ? QStringLiteral("keine Dame") : QStringLiteral("Reihe %1").arg(wert);
        return QVariant::fromValue(QHash<QString, QString>{{QStringLiteral("valuetext"), text}});
    }
#endif

private:
    DamenRegler *regler() const { return static_cast<DamenRegler *>(object()); }
};

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
// A message box as Qt presents it, with its text also as its description:
// Orca 48 (Debian 13, beside Qt 6.8) reads an alert's text from there, and
// the labels under it only from three words up ("fertig" is one). Orca 43
// (Debian 12, beside Qt 6.4) reads the label, and would say it twice.
class MeldungAccessible : public QAccessibleWidget
{
public:
    explicit MeldungAccessible(QMessageBox *box)
        : QAccessibleWidget(box, QAccessible::AlertMessage)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        switch (t) {
        case QAccessible::Name: {
            const QString titel = QAccessibleWidget::text(t);
            return titel.isEmpty() ? box()->text() : titel;
        }
        case QAccessible::Description:
            return box()->accessibleDescription().isEmpty() ? box()->text() : box()->accessibleDescription();
        case QAccessible::Value:
            return box()->text();
        case QAccessible::Help:
            return box()->informativeText();
        default:
            return QAccessibleWidget::text(t);
        }
    }

private:
    QMessageBox *box() const { return static_cast<QMessageBox *>(widget()); }
};
#endif

// The sheet that draws the marked cells over them: the cells beneath are
// what screen readers read, the sheet would be a nameless "filler".
class VerborgenAccessible : public QAccessibleWidget
{
public:
    using QAccessibleWidget::QAccessibleWidget;

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.invisible = true;
        return s;
    }
};

QAccessibleInterface *accessibleFactory(const QString &className, QObject *object)
{
    if (!object->isWidgetType())
        return nullptr;
    auto *widget = static_cast<QWidget *>(object);
    if (widget->objectName() == QLatin1String("Spurenblatt"))
        return new VerborgenAccessible(widget);
    if (className == QLatin1String("DamenRegler"))
        return new DamenReglerAccessible(static_cast<DamenRegler *>(widget));
    // A top-level widget would be a mere "filler" to screen readers.
    if (className == QLatin1String("Form1"))
        return new QAccessibleWidget(widget, QAccessible::Window);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    if (className == QLatin1String("QMessageBox"))
        return new MeldungAccessible(static_cast<QMessageBox *>(widget));
#endif
    if (className == QLatin1String("Textfeld"))
        return new TextfeldAccessible(static_cast<Textfeld *>(widget));
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
