// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "contract.h"

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

    static constexpr bool gueltigeSpalte(int spalte) { return spalte >= 0 && spalte < Spalten; }

    // Inline: the search and its preview read the board some 300,000 times
    // a run, where a call cost more than the reading.
    std::int16_t wert(int spalte) const
    {
        BOARD_REQUIRE(gueltigeSpalte(spalte));
        return m_werte[static_cast<std::size_t>(spalte)];
    }

    // Stores the value and, only if it differs from the stored one, tells
    // the listener before returning.
    void setzeWert(int spalte, std::int16_t wert);

    // The one listener; an empty function removes it.
    void setListener(Listener listener);

    // How many changes the board has seen, so that whoever remembers a
    // board can tell whether anything has changed it since.
    std::uint64_t stand() const { return m_stand; }

private:
    std::array<std::int16_t, Spalten> m_werte{};
    Listener m_listener;
    std::uint64_t m_stand = 0;
};

// The attack rule: the columns (bit k for column k) whose queens attack a
// queen at row y of column c, in the same row or as many rows apart as
// columns. Every other column counts, left and right of c; y may lie above
// the board, where only a diagonal can reach it.
std::uint8_t Angreifer(const Feld &feld, std::int16_t y, int c);

// Places the queen under test at row y of column c (for y up to 8) and tells
// whether no other queen attacks it; `angreifer`, where given, receives the
// attacking columns. Rows above 8 are probed but never placed.
bool DamePasst(Feld &feld, std::int16_t y, int c, std::uint8_t *angreifer = nullptr);

// The columns, left to right, whose queens attack the queen in column c;
// none where c is empty. The board is left as it is.
std::vector<int> Bedroher(const Feld &feld, int c);

// Whether eight queens stand on the board and none attacks another.
bool IstLoesung(const Feld &feld);

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
