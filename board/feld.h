// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

namespace board {

// The eight columns of the board. A value is the queen's row counted from
// the bottom (1 to 8), or 0 for an empty column.
class Feld
{
public:
    static constexpr int Spalten = 8;
    static constexpr std::int16_t HoechsteReihe = 8;

    using Listener = std::function<void(int spalte)>;

    std::int16_t wert(int spalte) const;

    // Stores the value and, only if it differs from the stored one, tells
    // the listener before returning.
    void setzeWert(int spalte, std::int16_t wert);

    // The one listener; an empty function removes it.
    void setListener(Listener listener);

private:
    std::array<std::int16_t, Spalten> m_werte{};
    Listener m_listener;
};

// Places the queen under test at row y of column c (for y up to 8) and tells
// whether no other queen attacks it. Rows above 8 are probed but never placed.
bool DamePasst(Feld &feld, std::int16_t y, int c);

// The columns, left to right, whose queens attack the queen in column c;
// none where c is empty. The board is left as it is.
std::vector<int> Bedroher(const Feld &feld, int c);

// Board cells are numbered column + 9 * screen row, screen row 0 at the top.
constexpr int zellIndexAufSchirm(int spalte, int schirmReihe)
{
    return spalte + 9 * schirmReihe;
}

// Index of the board cell showing row `wert` (1 to 8) of column `spalte`.
constexpr int zellIndex(int spalte, int wert)
{
    return zellIndexAufSchirm(spalte, Feld::HoechsteReihe - wert);
}

} // namespace board
