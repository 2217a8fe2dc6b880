// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

namespace board {

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
};

} // namespace board
