// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "feld.h"

#include "contract.h"

#include <cstdlib>
#include <utility>

namespace board {

namespace {

bool gueltigeSpalte(int spalte)
{
    return spalte >= 0 && spalte < Feld::Spalten;
}

} // namespace

std::int16_t Feld::wert(int spalte) const
{
    BOARD_REQUIRE(gueltigeSpalte(spalte));
    return m_werte[static_cast<std::size_t>(spalte)];
}

void Feld::setzeWert(int spalte, std::int16_t wert)
{
    BOARD_REQUIRE(gueltigeSpalte(spalte));
    BOARD_REQUIRE(wert >= 0 && wert <= HoechsteReihe);
    auto &stored = m_werte[static_cast<std::size_t>(spalte)];
    if (stored == wert)
        return;
    stored = wert;
    if (m_listener)
        m_listener(spalte);
}

void Feld::setListener(Listener listener)
{
    m_listener = std::move(listener);
}

bool DamePasst(Feld &feld, std::int16_t y, int c)
{
    BOARD_REQUIRE(y >= 1);
    BOARD_REQUIRE(gueltigeSpalte(c));
    if (y <= Feld::HoechsteReihe)
        feld.setzeWert(c, y);

    // Both tests look at every other column, left and right of c: a queen
    // set by hand anywhere is an obstacle.
    bool konflikt = false;
    for (int k = 0; k < Feld::Spalten; ++k) {
        if (k != c && feld.wert(k) == y)
            konflikt = true;
    }
    for (int k = 0; k < Feld::Spalten; ++k) {
        const int v = feld.wert(k);
        if (v != 0 && k != c && std::abs(v - y) == std::abs(k - c))
            konflikt = true;
    }
    return !konflikt;
}

std::vector<int> Bedroher(const Feld &feld, int c)
{
    std::vector<int> spalten;
    const int y = feld.wert(c);
    if (y == 0)
        return spalten;
    for (int k = 0; k < Feld::Spalten; ++k) {
        const int v = feld.wert(k);
        if (v != 0 && k != c && (v == y || std::abs(v - y) == std::abs(k - c)))
            spalten.push_back(k);
    }
    return spalten;
}

} // namespace board
