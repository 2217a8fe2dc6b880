// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "suche.h"

#include "host.h"

namespace board {

Suche::Suche(Feld &feld, Host &host)
    : m_feld(feld)
    , m_host(host)
{
}

void Suche::Null()
{
    feldLeeren();
}

bool Suche::Einzelschritt()
{
    return anfordern(Befehl::Schritt);
}

bool Suche::Durchlauf()
{
    return anfordern(Befehl::Durchlauf);
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
            m_weitereSchritte = 0;
            m_schrittImHalt = false;
            m_zwischenSchritten = true;
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
    feldLeeren();
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
    m_host.runningChanged(false);
}

void Suche::Suchschritt()
{
    // After the search has finished, a further step starts it again.
    if (m_spalte < 0)
        m_spalte = 0;

    auto y = m_feld.wert(m_spalte);
    ++m_schritte;
    m_host.showSteps(m_schritte);

    // The only point besides the question at which an end request can
    // arrive: the rest of the step processes no events.
    m_host.processEvents();
    if (m_endeVerlangt)
        return;

    // Every candidate up to row 8 passes through the board, so it is shown.
    do {
        ++y;
    } while (!DamePasst(m_feld, y, m_spalte));

    Schritt schritt{m_schritte, m_spalte, 0, 0, false};
    if (y <= Feld::HoechsteReihe) {
        m_feld.setzeWert(m_spalte, y);
        schritt.reihe = y;
        // The eighth queen fills the board. The pointer stays on the last
        // column, where the next step goes on: it never leaves the board
        // while the host, asked whether to go on, handles events.
        if (m_spalte + 1 < Feld::Spalten) {
            ++m_spalte;
        } else {
            if (m_host.stopAtSolutions() && !m_host.askContinue())
                m_abbruch = true;
            ++m_loesungen;
            m_host.showSolutions(m_loesungen);
            schritt.loesung = m_loesungen;
        }
    } else {
        m_feld.setzeWert(m_spalte, 0);
        --m_spalte;
        schritt.ende = m_spalte == -1;
        if (schritt.ende)
            m_host.announceEnd();
    }
    // cppcheck-suppress knownConditionTrueFalse ; the host's question and box may ask for the end
    if (!m_endeVerlangt)
        m_host.stepDone(schritt);
}

void Suche::feldLeeren()
{
    for (int index = 0; index < Feld::Spalten; ++index)
        m_feld.setzeWert(index, 0);
}

} // namespace board
