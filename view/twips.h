// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>
#include <QtMath>

namespace view {

// Geometry is designed in twips; at 96 dpi 15 twips make one logical pixel.
constexpr double TwipsProPixel = 15.0;

inline int pixel(int twips)
{
    return qRound(twips / TwipsProPixel);
}

// Rounds the edges rather than the sizes, so neighbours stay aligned.
inline QRect twipsRect(int left, int top, int width, int height)
{
    const int x = pixel(left);
    const int y = pixel(top);
    return QRect(x, y, pixel(left + width) - x, pixel(top + height) - y);
}

} // namespace view
