// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "suche.h"

#include "host.h"

#include <utility>

namespace board {

Suche::Suche(Feld &feld, Host &host)
    : m_feld(feld)
    , m_host(host)
{
}

void Suche::Null()
{
    if (m_durchlaufAktiv) {
        m_abbruch = true;
        // A paused run, held between two steps or making one on demand,
        // makes no further step of its own: the board empties at once, as
        // outside a run, and whatever the user does next acts on it.
        if (!m_zwischenSchritten && !m_schrittImHalt) {
            m_nullNachLauf = true;
            return;
        }
    }
    leeren();
    m_host.cleared();
}

bool Suche::Einzelschritt()
{
    return anfordern(Befehl::Schritt);
}

bool Suche::Durchlauf()
{
    return anfordern(Befehl::Durchlauf);
}

void Suche::VonVorn()
{
    if (m_beschaeftigt) {
        m_vonVorn = true;
        requestEnd();
        return;
    }
    anfangen();
}

void Suche::anfangen()
{
    leeren();
    m_spalte = 0;
    m_schritte = 0;
    m_loesungen = 0;
    m_abbruch = false;
    m_host.begunAnew();
}

void Suche::requestEnd()
{
    if (!m_beschaeftigt)
        return;
    m_endeVerlangt = true;
    m_warteschlange.clear();
}

bool Suche::DurchlaufBeenden()
{
    if (!m_durchlaufAktiv)
        return false;
    m_abbruch = true;
    return true;
}

bool Suche::SchrittZurueck()
{
    if (!kannZurueck())
        return false;
    const Schritt schritt = m_verlauf.back();
    m_verlauf.pop_back();
    m_feld.setzeWert(schritt.spalte, schritt.vorher);
    m_spalte = schritt.zeigerVorher;
    m_schritte = schritt.nummer - 1;
    if (schritt.loesung > 0)
        m_loesungen = schritt.loesung - 1;
    m_abbruch = schritt.abbruchVorher;
    m_stand = m_feld.stand();
    m_host.stepUndone(schritt);
    return true;
}

bool Suche::kannZurueck() const
{
    // Once a run has been asked to end, nothing is taken back before it
    // has: the step would restore the stop request of its time.
    return (!m_beschaeftigt || (m_zwischenSchritten && runGoesOn())) && letzterSchritt();
}

const Schritt *Suche::letzterSchritt() const
{
    return m_verlauf.empty() || m_feld.stand() != m_stand ? nullptr : &m_verlauf.back();
}

const std::deque<Schritt> &Suche::verlauf() const
{
    static const std::deque<Schritt> keiner;
    return letzterSchritt() ? m_verlauf : keiner;
}

bool Suche::anfordern(Befehl befehl)
{
    if (m_beschaeftigt) {
        // A paused run steps on demand, never inside its own step: a step
        // asked for during one (a double click) follows it, still paused.
        if (befehl == Befehl::Schritt && m_schrittImHalt && runGoesOn()) {
            ++m_weitereSchritte;
            return true;
        }
        if (befehl == Befehl::Schritt && m_zwischenSchritten && runGoesOn()) {
            m_zwischenSchritten = false;
            m_schrittImHalt = true;
            Suchschritt();
            for (; m_weitereSchritte > 0 && runGoesOn(); --m_weitereSchritte)
                Suchschritt();
            // Those the run can no longer make follow its end, as they
            // would outside a run.
            for (; m_weitereSchritte > 0 && !m_endeVerlangt; --m_weitereSchritte)
                m_warteschlange.push_back(Befehl::Schritt);
            m_weitereSchritte = 0;
            m_schrittImHalt = false;
            m_zwischenSchritten = true;
            return true;
        }
        // A paused run asked to end makes no further step; one asked for
        // now follows its end, as it would after a run that had ended.
        if (befehl == Befehl::Schritt && (m_zwischenSchritten || m_schrittImHalt) && m_abbruch && !m_endeVerlangt) {
            m_warteschlange.push_back(befehl);
            return true;
        }
        // Arrived through the event processing of a running step.
        if (m_durchlaufAktiv || m_endeVerlangt)
            return false;
        m_warteschlange.push_back(befehl);
        return true;
    }

    m_beschaeftigt = true;
    ausfuehren(befehl);
    // An end request has emptied the queue and refuses further commands.
    while (!m_warteschlange.empty()) {
        const Befehl naechster = m_warteschlange.front();
        m_warteschlange.pop_front();
        ausfuehren(naechster);
    }
    m_endeVerlangt = false;
    m_beschaeftigt = false;
    if (std::exchange(m_vonVorn, false))
        anfangen();
    return true;
}

void Suche::ausfuehren(Befehl befehl)
{
    if (befehl == Befehl::Schritt)
        Suchschritt();
    else
        durchlaufen();
}

void Suche::durchlaufen()
{
    leeren();
    m_abbruch = false;
    m_schritte = 0;
    m_loesungen = 0;
    m_host.clearSolutions();
    m_spalte = 0;

    m_durchlaufAktiv = true;
    m_host.runningChanged(true);
    do {
        Suchschritt();
        if (runGoesOn()) {
            m_zwischenSchritten = true;
            m_host.betweenSteps();
            m_zwischenSchritten = false;
        }
    } while (runGoesOn());
    m_spalte = 0;
    m_durchlaufAktiv = false;
    if (std::exchange(m_nullNachLauf, false)) {
        leeren();
        m_host.cleared();
    }
    m_host.runningChanged(false);
}

void Suche::Suchschritt()
{
    m_host.stepBegins();
    Schritt schritt;
    schritt.zeigerVorher = m_spalte;
    schritt.abbruchVorher = m_abbruch;
    // After the search has finished, a further step starts it again.
    if (m_spalte < 0)
        m_spalte = 0;

    auto y = m_feld.wert(m_spalte);
    schritt.spalte = m_spalte;
    schritt.vorher = y;
    schritt.nummer = ++m_schritte;
    m_host.showSteps(m_schritte);

    // The only point besides the question at which an end request can
    // arrive: the rest of the step processes no events.
    const std::uint64_t standVorher = m_feld.stand();
    m_host.processEvents();
    if (m_endeVerlangt)
        return;
    // Changed since the last step by anything but the search (by hand, by
    // "Null"), the board begins a history of its own. Changed meanwhile,
    // it leaves this step, which took its row before, out of it too.
    if (m_feld.stand() != m_stand)
        m_verlauf.clear();
    const bool genau = m_feld.stand() == standVorher;

    // Every candidate up to row 8 passes through the board, so it is shown;
    // the report keeps who attacks each of them.
    std::uint8_t ueberDemBrett = 0;
    const auto angreifer = [&](int zeile) {
        return zeile <= Feld::HoechsteReihe ? &schritt.bedroher[static_cast<std::size_t>(zeile - 1)] : &ueberDemBrett;
    };
    do {
        ++y;
    } while (!DamePasst(m_feld, y, m_spalte, angreifer(y)));

    bool loesung = false;
    if (y <= Feld::HoechsteReihe) {
        m_feld.setzeWert(m_spalte, y);
        schritt.reihe = y;
        // The eighth queen fills the board. The pointer stays on the last
        // column, where the next step goes on: it never leaves the board
        // while the host, asked whether to go on, handles events. A board
        // filled around an empty column, or beside queens that attack each
        // other (set by hand, or left by "Null"), holds no solution: the
        // search goes on there without asking or counting.
        if (m_spalte + 1 < Feld::Spalten)
            ++m_spalte;
        else
            loesung = IstLoesung(m_feld);
        if (loesung)
            schritt.loesung = m_loesungen + 1;
    } else {
        m_feld.setzeWert(m_spalte, 0);
        --m_spalte;
        schritt.ende = m_spalte == -1;
    }
    m_host.stepTaken(schritt);
    if (loesung) {
        // A run that is ending ("Null" came during this step) asks nothing.
        const bool laufEndet = m_durchlaufAktiv && !runGoesOn();
        if (!laufEndet && m_host.stopAtSolutions()) {
            const bool weiter = m_host.askContinue();
            schritt.frage = weiter ? Schritt::Frage::Ja : Schritt::Frage::Nein;
            if (!weiter)
                m_abbruch = true;
        }
        ++m_loesungen;
        m_host.showSolutions(m_loesungen);
    }
    if (schritt.ende)
        m_host.announceEnd();
    // cppcheck-suppress knownConditionTrueFalse ; the host's question and box may ask for the end
    if (m_endeVerlangt)
        return;
    // cppcheck-suppress knownConditionTrueFalse ; the host's event processing may change the board
    if (genau)
        merken(schritt);
    m_host.stepDone(schritt);
}

std::vector<Schritt> Suche::Vorschau(const Feld &feld, int spalte, std::int64_t schritte, std::int64_t loesungen)
{
    // A host that shows nothing and asks nothing, and keeps each report.
    class Stumm : public Host
    {
    public:
        explicit Stumm(std::vector<Schritt> &schritte)
            : m_schritte(schritte)
        {
        }
        bool stopAtSolutions() override { return false; }
        void showSteps(std::int64_t) override {}
        void showSolutions(std::int64_t) override {}
        void clearSolutions() override {}
        bool askContinue() override { return true; }
        void announceEnd() override {}
        void processEvents() override {}
        void stepDone(const Schritt &schritt) override { m_schritte.push_back(schritt); }

    private:
        std::vector<Schritt> &m_schritte;
    };

    std::vector<Schritt> berichte;
    Stumm host(berichte);
    Feld kopie;
    for (int k = 0; k < Feld::Spalten; ++k)
        kopie.setzeWert(k, feld.wert(k));
    Suche suche(kopie, host);
    suche.m_spalte = spalte;
    suche.m_schritte = schritte;
    suche.m_loesungen = loesungen;
    do
        suche.Suchschritt();
    while (suche.m_spalte != -1);
    return berichte;
}

std::int64_t Suche::letzteNummer() const
{
    const Schritt *letzter = letzterSchritt();
    if (m_spalte < 0 || (letzter && letzter->ende))
        return m_schritte;
    const std::vector<Schritt> rest = Vorschau(m_feld, m_spalte, m_schritte, m_loesungen);
    return rest.empty() ? m_schritte : rest.back().nummer;
}

void Suche::merken(const Schritt &schritt)
{
    m_verlauf.push_back(schritt);
    if (m_verlauf.size() > Verlaufsgrenze)
        m_verlauf.pop_front();
    m_stand = m_feld.stand();
}

void Suche::leeren()
{
    for (int index = 0; index < Feld::Spalten; ++index)
        m_feld.setzeWert(index, 0);
    m_verlauf.clear();
}

} // namespace board
