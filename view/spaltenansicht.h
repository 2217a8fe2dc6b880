// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "feldaufbauen.h"

#include <array>

class QLineEdit;

namespace board {
class Feld;
}

namespace view {

class Anzeige;

// Shows one column of the board after it changed: its value, its queen as
// "X" and the verdict on that queen.
class Spaltenansicht
{
public:
    Spaltenansicht(board::Feld &feld, Anzeige &anzeige, const Zellen &txtFeld,
                   const std::array<QLineEdit *, 8> &text2, QLineEdit &text3);

    void spalteGeaendert(int index);

private:
    board::Feld &m_feld;
    Anzeige &m_anzeige;
    const Zellen &m_txtFeld;
    const std::array<QLineEdit *, 8> &m_text2;
    QLineEdit &m_text3;
};

} // namespace view
