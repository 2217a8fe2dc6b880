// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>

namespace view {

// The eight columns' values, as views keep a board they show.
using Brett = std::array<std::int16_t, 8>;

// "c": a column's name on the board.
inline QString spaltenName(int spalte)
{
    return QString(QChar(u'a' + spalte));
}

// "c3": a square's name, column and row from the bottom.
inline QString feldName(int spalte, int zeile)
{
    return spaltenName(spalte) + QString::number(zeile);
}

// "b3", "e4": the queens of the columns in `spalten` (bit k for column k),
// left to right.
inline QStringList damenNamen(std::uint8_t spalten, const Brett &brett)
{
    QStringList namen;
    for (int k = 0; k < 8; ++k) {
        if (spalten & (1U << k))
            namen << feldName(k, brett[std::size_t(k)]);
    }
    return namen;
}

} // namespace view
