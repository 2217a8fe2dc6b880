// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

namespace board {

// What one step did: the column it worked on and the row it placed there, or
// 0 where it cleared the column; at a solution, the solution's count.
struct Schritt
{
    std::int64_t nummer = 0;
    int spalte = 0;
    int reihe = 0;
    std::int64_t loesung = 0;
    bool ende = false;
};

// What the search needs from whoever shows it: the window, a test, a
// benchmark. The search reaches its host only through these calls.
class Host
{
public:
    virtual ~Host() = default;

    virtual bool stopAtSolutions() = 0;
    virtual void showSteps(std::int64_t schritte) = 0;
    virtual void showSolutions(std::int64_t loesungen) = 0;
    virtual void clearSolutions() = 0;
    // "weitersuchen?": true only for an explicit Yes.
    virtual bool askContinue() = 0;
    // "fertig": the search has tried every placement.
    virtual void announceEnd() = 0;
    // Handles pending input and repaints once; user actions may call back
    // into the search from here.
    virtual void processEvents() = 0;
    // A full run started or ended; lets the host lock what may not nest.
    virtual void runningChanged(bool running) { (void)running; }
    // Reported at the end of every step, as it happens, so that steps run
    // from a queue or nested inside another are each told apart.
    virtual void stepDone(const Schritt &schritt) { (void)schritt; }
    // Between two steps of a full run, where no step is half done: a host
    // may hold a paused run here, handling input, and step it or end it
    // through the search meanwhile.
    virtual void betweenSteps() {}
};

} // namespace board
