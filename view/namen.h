// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>

namespace view {

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
// left to right; `wert(k)` gives the row of column k's queen.
template<typename Wert>
QStringList damenNamen(std::uint8_t spalten, Wert wert)
{
    QStringList namen;
    for (int k = 0; k < 8; ++k) {
        if (spalten & (1U << k))
            namen << feldName(k, wert(k));
    }
    return namen;
}

} // namespace view
