// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "feld.h"

#include "contract.h"

#include <cstdlib>
#include <utility>

namespace board {

void Feld::setzeWert(int spalte, std::int16_t wert)
{
    BOARD_REQUIRE(gueltigeSpalte(spalte));
    BOARD_REQUIRE(wert >= 0 && wert <= HoechsteReihe);
    auto &stored = m_werte[static_cast<std::size_t>(spalte)];
    if (stored == wert)
        return;
    stored = wert;
    ++m_stand;
    if (m_listener)
        m_listener(spalte);
}

void Feld::setListener(Listener listener)
{
    m_listener = std::move(listener);
}

std::uint8_t Angreifer(const Feld &feld, std::int16_t y, int c)
{
    BOARD_REQUIRE(y >= 1);
    BOARD_REQUIRE(Feld::gueltigeSpalte(c));
    std::uint8_t spalten = 0;
    for (int k = 0; k < Feld::Spalten; ++k) {
        const int v = feld.wert(k);
        if (v != 0 && k != c && (v == y || std::abs(v - y) == std::abs(k - c)))
            spalten |= static_cast<std::uint8_t>(1U << k);
    }
    return spalten;
}

bool DamePasst(Feld &feld, std::int16_t y, int c, std::uint8_t *angreifer)
{
    BOARD_REQUIRE(y >= 1);
    BOARD_REQUIRE(Feld::gueltigeSpalte(c));
    if (y <= Feld::HoechsteReihe)
        feld.setzeWert(c, y);
    const std::uint8_t spalten = Angreifer(feld, y, c);
    if (angreifer)
        *angreifer = spalten;
    return spalten == 0;
}

std::vector<int> Bedroher(const Feld &feld, int c)
{
    std::vector<int> spalten;
    const std::int16_t y = feld.wert(c);
    if (y == 0)
        return spalten;
    const std::uint8_t angreifer = Angreifer(feld, y, c);
    for (int k = 0; k < Feld::Spalten; ++k) {
        if (angreifer & (1U << k))
            spalten.push_back(k);
    }
    return spalten;
}

bool IstLoesung(const Feld &feld)
{
    for (int c = 0; c < Feld::Spalten; ++c) {
        const std::int16_t y = feld.wert(c);
        if (y == 0 || Angreifer(feld, y, c) != 0)
            return false;
    }
    return true;
}

} // namespace board
