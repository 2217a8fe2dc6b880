// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "feldaufbauen.h"

#include <QString>

#include <array>
#include <utility>
#include <vector>

class QLineEdit;

namespace board {
class Feld;
}

namespace view {

// Shows one column of the board after it changed: its value, its queen as
// "X" and the verdict on that queen.
class Spaltenansicht
{
public:
    Spaltenansicht(board::Feld &feld, const Zellen &txtFeld, const std::array<QLineEdit *, 8> &text2,
                   QLineEdit &text3);

    void spalteGeaendert(int index);

    // While held, the texts are only noted and written on release. The
    // screen shows the board only when events are processed, so a search
    // step holds the view between two such points: the rows it probes on
    // the way then cost no widget updates, and the user sees the same.
    void festhalten();
    void freigeben();

private:
    void zeige(QLineEdit &feld, const QString &text);

    board::Feld &m_feld;
    const Zellen &m_txtFeld;
    const std::array<QLineEdit *, 8> &m_text2;
    QLineEdit &m_text3;

    bool m_festgehalten = false;
    std::vector<std::pair<QLineEdit *, QString>> m_vorgemerkt;
};

} // namespace view
