// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

// Says a short message to screen readers, which present an object of the
// role notification as it is shown (Qt 6.4 has no announcement of its
// own). It has no size, so nothing of it can be seen or clicked, and it
// takes no focus; one object serves every message.
class Ansage : public QWidget
{
    Q_OBJECT

public:
    explicit Ansage(QWidget *parent);

    void sage(const QString &text);
};
