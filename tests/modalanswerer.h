// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAccessible>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <functional>

// Answers the modal message boxes the code under test opens, and records
// what each one showed.
class ModalAnswerer : public QObject
{
public:
    struct Box
    {
        QString title;
        QString text;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
        QMessageBox::StandardButton defaultButton;
        QStringList buttonTexts;
        QRect frame; // on screen, as shown
        QString description; // for assistive technology
    };

    // Decides how to answer a box; the box is shown and modal when called.
    using Policy = std::function<void(QMessageBox &box)>;

    explicit ModalAnswerer(Policy policy = click(QMessageBox::Yes))
        : m_policy(std::move(policy))
    {
        connect(&m_timer, &QTimer::timeout, this, &ModalAnswerer::poll);
        m_timer.start(1);
    }

    static Policy click(QMessageBox::StandardButton button)
    {
        return [button](QMessageBox &box) {
            if (QAbstractButton *target = box.button(button))
                QTest::mouseClick(target, Qt::LeftButton);
            else
                QTest::keyClick(&box, Qt::Key_Return); // "fertig" has only OK
        };
    }

    QList<Box> boxes;

private:
    void poll()
    {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || box->property("answered").toBool())
            return;
        box->setProperty("answered", true);

        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(box);
        Box seen{box->windowTitle(), box->text(), box->icon(), box->standardButtons(), QMessageBox::NoButton, {},
                 box->frameGeometry(), iface ? iface->text(QAccessible::Description) : QString()};
        for (QAbstractButton *button : box->buttons()) {
            seen.buttonTexts << button->text();
            if (button == box->defaultButton())
                seen.defaultButton = box->standardButton(button);
        }
        boxes << seen;
        m_policy(*box);
    }

    Policy m_policy;
    QTimer m_timer;
};
