// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>

namespace board {

// What one step did, enough to show it and to take it back: the column it
// worked on, where that column's queen stood before, the rows it probed
// there and rejected, each with the columns whose queens ruled it out (bit
// k for column k) as it was probed, and the row it kept, or 0 where it
// cleared the column; at a solution, the solution's count, known as soon as
// the queen is set, before the question.
struct Schritt
{
    std::int64_t nummer = 0;
    int spalte = 0;
    std::int16_t vorher = 0;
    // Rows 1 to 8 at 0 to 7; only rejected rows have attackers.
    std::array<std::uint8_t, 8> bedroher{};
    int reihe = 0;
    std::int64_t loesung = 0;
    bool ende = false;
    // The pointer before the step (-1 where the step began the search
    // anew) and the stop request, which the step may set.
    int zeigerVorher = 0;
    bool abbruchVorher = false;
    // At a solution: whether "weitersuchen?" was asked, and the answer.
    enum class Frage : std::uint8_t { Keine, Ja, Nein };
    Frage frage = Frage::Keine;

    bool operator==(const Schritt &) const = default;

    bool abgelehnt(int zeile) const { return bedroher[static_cast<std::size_t>(zeile - 1)] != 0; }
    // The last row the step rejected, or 0 where it rejected none.
    int letzteAbgelehnte() const
    {
        for (int zeile = 8; zeile >= 1; --zeile) {
            if (abgelehnt(zeile))
                return zeile;
        }
        return 0;
    }
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
    // A step begins: nothing of it has happened yet.
    virtual void stepBegins() {}
    // The step has set its queen or cleared its column, and the pointer has
    // moved; a question or the end may follow, then stepDone.
    virtual void stepTaken(const Schritt &schritt) { (void)schritt; }
    // Reported at the end of every step, as it happens, so that steps run
    // from a queue or nested inside another are each told apart.
    virtual void stepDone(const Schritt &schritt) { (void)schritt; }
    // "Null" has emptied the board: at once, or, where a run was going on,
    // as the run ends.
    virtual void cleared() {}
    // "Von vorn": board, pointer and counters are as at the start, and
    // nothing can be taken back.
    virtual void begunAnew() {}
    // A step was taken back: board, pointer and counters are as before it.
    virtual void stepUndone(const Schritt &schritt) { (void)schritt; }
    // Between two steps of a full run, where no step is half done: a host
    // may hold a paused run here, handling input, and step it or end it
    // through the search meanwhile.
    virtual void betweenSteps() {}
};

} // namespace board
