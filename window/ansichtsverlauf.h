// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <array>
#include <cstddef>
#include <deque>

class QLineEdit;

namespace view {
class Anzeige;
}

// What the window showed beside the board before each step the search can
// take back, which the board and the counts do not tell: the verdict on
// the queen moved last, and the counters as written (a run keeps the last
// run's step count until its first step, and no solution count until its
// first solution).
class Ansichtsverlauf
{
public:
    Ansichtsverlauf(view::Anzeige &anzeige, QLineEdit &urteil, QLineEdit &loesungen, QLineEdit &schritte);

    // A step begins.
    void vorDemSchritt();
    // It has ended, as the last of the `schritte` steps the search keeps.
    void nachDemSchritt(std::size_t schritte);
    // The last step was taken back: the window shows again the verdict and
    // the counters it showed before it.
    void zurueck();

private:
    struct Ansicht
    {
        std::array<QString, 3> texte;
    };

    view::Anzeige &m_anzeige;
    std::array<QLineEdit *, 3> m_felder;
    Ansicht m_vorDemSchritt;
    std::deque<Ansicht> m_verlauf;
};
