// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "feld.h"
#include "host.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

namespace board {

// The column-by-column backtracker and the three commands that drive it.
//
// Steps never nest: the host's event processing inside a step may deliver
// further commands, which are queued (single steps, or a full run asked for
// during a single step) or refused (step or run requests during a full run).
// Clearing the board is always allowed and works under the running search.
class Suche
{
public:
    Suche(Feld &feld, Host &host);

    // "Null": empties every column, leaves the pointer and counters alone.
    // During a full run it ends the run first, as DurchlaufBeenden does;
    // a paused run leaves an empty board at once.
    void Null();
    // "Einzelschritt": one step. Returns false if refused during a full run,
    // except between two of its steps (Host::betweenSteps), where it makes
    // the step the run would make next, or, once that run has been asked
    // to end, the first step after it, on the board it leaves.
    bool Einzelschritt();
    // "Durchlauf": clears the board and searches until the end or until the
    // user declines to go on. Returns false if refused during a full run.
    bool Durchlauf();

    // "Von vorn": the search as it starts, with an empty board, no steps,
    // no solutions, the pointer on column 0 and nothing to take back. A
    // command under way (a step, a run, held or not) ends first, where it
    // stands, as requestEnd ends it; the search begins anew once it has.
    void VonVorn();
    // Ends a running full run (and drops queued commands) without showing
    // any further box; used when the host goes away.
    void requestEnd();
    // Ends a full run as a No at a solution does: board and counters stay,
    // the pointer goes back to column 0. Returns false without a run.
    bool DurchlaufBeenden();
    // Takes the last step back: board, pointer and counters as before it.
    // Possible back to the first step since the board was last changed
    // otherwise (by hand, by "Null", by a run's start), for the last
    // Verlaufsgrenze steps, and never while a step or an unpaused run is
    // under way, nor in a run asked to end. Returns false where it is not
    // possible.
    bool SchrittZurueck();
    bool kannZurueck() const;
    // How many steps can be taken back, one after another.
    std::size_t verlaufsLaenge() const { return letzterSchritt() ? m_verlauf.size() : 0; }
    // The last step, as long as nothing else has changed the board since.
    const Schritt *letzterSchritt() const;
    // The steps that can be taken back, oldest first.
    const std::deque<Schritt> &verlauf() const;

    static constexpr std::size_t Verlaufsgrenze = 10000;

    // The steps the search makes from `feld` with its next step in column
    // `spalte` (-1: finished, so that the next step begins anew) to its
    // end, made on a copy of the board without asking anything; numbered
    // and counting solutions on from `schritte` and `loesungen`.
    static std::vector<Schritt> Vorschau(const Feld &feld, int spalte, std::int64_t schritte, std::int64_t loesungen);
    // The number of the search's last step, as it goes on from here: the
    // count, where it has finished (by a step, or by a run, which leaves the
    // pointer on column 0), or where a further step would begin anew.
    std::int64_t letzteNummer() const;

    bool runInProgress() const { return m_durchlaufAktiv; }
    // Whether a full run will make a further step.
    bool runGoesOn() const { return m_durchlaufAktiv && m_spalte != -1 && !m_abbruch && !m_endeVerlangt; }
    // The column the next step works on, 0 to 7, or -1 once the search has
    // finished.
    int spalte() const { return m_spalte; }
    std::int64_t schritte() const { return m_schritte; }
    std::int64_t loesungen() const { return m_loesungen; }
    bool abbruch() const { return m_abbruch; }

private:
    enum class Befehl { Schritt, Durchlauf };

    bool anfordern(Befehl befehl);
    void ausfuehren(Befehl befehl);
    void durchlaufen();
    void Suchschritt();
    // Empties the board; what went before cannot be taken back.
    void leeren();
    void anfangen();
    void merken(const Schritt &schritt);

    Feld &m_feld;
    Host &m_host;

    int m_spalte = 0;
    std::int64_t m_schritte = 0;
    std::int64_t m_loesungen = 0;
    bool m_abbruch = false;

    bool m_beschaeftigt = false;
    bool m_durchlaufAktiv = false;
    bool m_zwischenSchritten = false;
    // A step of a paused run is running, and further ones asked for meanwhile.
    bool m_schrittImHalt = false;
    int m_weitereSchritte = 0;
    bool m_endeVerlangt = false;
    // "Null" during a step of a running run, which empties the board once
    // the run has ended.
    bool m_nullNachLauf = false;
    std::deque<Befehl> m_warteschlange;
    // "Von vorn" came during a command, which ends first.
    bool m_vonVorn = false;

    // The steps that can be taken back, and the board's count of changes
    // after the last of them.
    std::deque<Schritt> m_verlauf;
    std::uint64_t m_stand = 0;
};

} // namespace board
