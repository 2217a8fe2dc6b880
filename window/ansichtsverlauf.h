// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "host.h"
#include "spuren.h"

#include <QString>

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>

class QLineEdit;

namespace view {
class Anzeige;
}

// What the window showed beside the board before each step the search can
// take back, which the board and the counts do not tell: the verdict on
// the queen moved last, the counters as written (a run keeps the last
// run's step count until its first step, and no solution count until its
// first solution), and the marks on the board (a hand move's, before the
// first step).
class Ansichtsverlauf
{
public:
    Ansichtsverlauf(view::Anzeige &anzeige, view::Spuren &spuren, QLineEdit &urteil, QLineEdit &loesungen,
                    QLineEdit &schritte);

    // A step begins.
    void vorDemSchritt();
    // It has ended, as the last of the `schritte` steps the search keeps.
    void nachDemSchritt(const board::Schritt &schritt, std::size_t schritte);
    // `schritt` was taken back: the window shows again the verdict and the
    // counters it showed before it. Returns the marks shown then. Should
    // this history ever not end with that step, it is dropped, and the
    // window keeps what it shows.
    view::Spuren::Anlass zurueck(const board::Schritt &schritt);

private:
    struct Ansicht
    {
        std::int64_t schritt = 0;
        std::array<QString, 3> texte;
        view::Spuren::Anlass marken;
    };

    view::Anzeige &m_anzeige;
    view::Spuren &m_spuren;
    std::array<QLineEdit *, 3> m_felder;
    Ansicht m_vorDemSchritt;
    std::deque<Ansicht> m_verlauf;
};
