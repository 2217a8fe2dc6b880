// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QGroupBox>

// A group box that, under Fusion, draws Fusion's frame in plain colours.
// Fusion paints it from a translucent picture: reading that makes Qt load
// every image format plug-in, and stretching it over the box's height is
// handed to worker threads, which the window's start would wait for.
// Where the running Qt's Fusion has no such picture, the style draws.
class Rahmen : public QGroupBox
{
    Q_OBJECT

public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent *event) override;
};
