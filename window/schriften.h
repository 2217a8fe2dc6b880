// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>

// The window's faces at a size in points: MS Sans Serif and Times New Roman
// where they are installed, otherwise the nearest free ones.
QFont sansSerif(qreal punkte);
QFont serif(qreal punkte);

// The window's default font, which the "Null" button uses: the sans-serif
// face at the size of the window's smaller captions.
QFont standardSchrift();

// A tooltip's text in lines no wider than a comfortable 380 pixels: Qt
// shows a plain tooltip on one line, however long.
QString tooltip(const QString &text);
