// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "host.h"
#include "namen.h"
#include "suche.h"

#include <QObject>
#include <QString>

#include <array>
#include <cstdint>
#include <deque>
#include <functional>

namespace board {
class Feld;
}

namespace view {

// How the board came to be, the one story every view of the search reads:
// each step once, with its report, the board it left and what the window
// showed beside the board before it; each queen moved by hand, each "Null"
// and the start of each full run. The newest entry is last; the oldest go
// where more than the search can take back would be kept. Whoever drives
// the search writes it; views follow its signals, and a view made later
// reads what came before from it.
class Suchverlauf : public QObject
{
    Q_OBJECT

public:
    using Brett = view::Brett;
    // The verdict, the solution count and the step count as the window
    // showed them: a run keeps the last run's step count until its first
    // step, and shows no solution count until its first solution.
    using Ansicht = std::array<QString, 3>;

    struct Eintrag
    {
        enum class Art : std::uint8_t { Schritt, Handzug, Null, Durchlauf };
        Art art = Art::Schritt;
        // Counts every entry ever made, never twice: it names an entry
        // whatever has been dropped or taken back since.
        std::uint64_t id = 0;
        board::Schritt schritt;
        Brett brett{};
        // The column moved by hand.
        int spalte = 0;
        // The column the next step works on, -1 once the search has finished.
        int naechste = 0;
        Ansicht davor;
    };

    // Counted since the start of the last full run.
    struct Summen
    {
        std::int64_t schritte = 0;
        std::int64_t versuchteReihen = 0;
        std::int64_t sackgassen = 0;
        std::int64_t loesungen = 0;
        bool operator==(const Summen &) const = default;
    };

    static constexpr std::size_t Grenze = board::Suche::Verlaufsgrenze;

    explicit Suchverlauf(QObject *parent = nullptr);

    // Reads what the window shows beside the board, as a step begins.
    void setzeAnsicht(std::function<Ansicht()> lesen) { m_ansicht = std::move(lesen); }

    // A step begins; it has set its queen or cleared its column; it has
    // ended, its question answered.
    void schrittBeginnt();
    void schritt(const board::Schritt &schritt, const board::Feld &feld, int naechste);
    void schrittFertig(const board::Schritt &schritt);
    // `schritt` was taken back; the pointer stands at `naechste` again.
    void zurueck(const board::Schritt &schritt);
    void handzug(const board::Feld &feld, int spalte, int naechste);
    void null(const board::Feld &feld, int naechste);
    void durchlauf();
    // "Von vorn": the story begins anew, on an empty board, as at the start.
    void vonVorn();
    // A full run has ended; the next step works on `naechste`.
    void laufEndet(int naechste);
    // Views that hold back what they show are to show it now: a box opens
    // over the window.
    void jetztZeigen() { emit jetzt(); }

    const std::deque<Eintrag> &eintraege() const { return m_eintraege; }
    const Eintrag *letzter() const { return m_eintraege.empty() ? nullptr : &m_eintraege.back(); }
    const Eintrag *finde(std::uint64_t id) const;
    // How many entries follow the entry `id`, all of them steps; -1 where it
    // is no longer kept or anything else follows it.
    int schritteNach(std::uint64_t id) const;
    // Where the story stands: the board, and the column of the next step.
    const Brett &brett() const { return m_brett; }
    int naechste() const { return m_naechste; }
    const Summen &summen() const { return m_summen; }

    // The rows a step tried on the board, that kept included.
    static int versuchteReihen(const board::Schritt &schritt);

signals:
    // An entry was made; a step's entry as soon as its queen is set.
    void angefuegt(const view::Suchverlauf::Eintrag &eintrag);
    // A step has ended, its question answered.
    void schrittBeendet(const view::Suchverlauf::Eintrag &eintrag);
    // A step's entry went, taken back.
    void zurueckgenommen(const view::Suchverlauf::Eintrag &eintrag);
    // Every entry went: the story begins anew.
    void begonnen();
    // The column of the next step changed without an entry: a run ended.
    void naechsteGeaendert(int naechste);
    void jetzt();

private:
    void anfuegen(Eintrag eintrag, const board::Feld *feld);
    std::deque<Eintrag>::const_iterator stelle(std::uint64_t id) const;

    std::function<Ansicht()> m_ansicht;
    Ansicht m_davor;
    std::deque<Eintrag> m_eintraege;
    std::uint64_t m_ids = 0;
    Brett m_brett{};
    int m_naechste = 0;
    Summen m_summen;
};

} // namespace view
