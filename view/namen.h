// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

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

} // namespace view
