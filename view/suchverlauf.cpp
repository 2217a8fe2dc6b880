// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "suchverlauf.h"

#include "feld.h"

#include <algorithm>

namespace view {

Suchverlauf::Suchverlauf(QObject *parent)
    : QObject(parent)
{
}

int Suchverlauf::versuchteReihen(const board::Schritt &schritt)
{
    int reihen = schritt.reihe > 0 ? 1 : 0;
    for (int zeile = 1; zeile <= board::Feld::HoechsteReihe; ++zeile)
        reihen += schritt.abgelehnt(zeile) ? 1 : 0;
    return reihen;
}

void Suchverlauf::schrittBeginnt()
{
    if (m_ansicht)
        m_davor = m_ansicht();
}

void Suchverlauf::schritt(const board::Schritt &schritt, const board::Feld &feld, int naechste)
{
    m_summen.schritte = schritt.nummer;
    m_summen.versuchteReihen += versuchteReihen(schritt);
    m_summen.sackgassen += schritt.reihe == 0 ? 1 : 0;
    m_summen.loesungen = std::max(m_summen.loesungen, schritt.loesung);
    Eintrag eintrag{Eintrag::Art::Schritt, 0, schritt, {}, schritt.spalte, naechste, m_davor};
    anfuegen(std::move(eintrag), &feld);
}

void Suchverlauf::schrittFertig(const board::Schritt &schritt)
{
    // The question's answer completes the entry made as the queen was set.
    if (m_eintraege.empty() || m_eintraege.back().art != Eintrag::Art::Schritt
        || m_eintraege.back().schritt.nummer != schritt.nummer)
        return;
    m_eintraege.back().schritt = schritt;
    emit schrittBeendet(m_eintraege.back());
}

void Suchverlauf::zurueck(const board::Schritt &schritt)
{
    if (m_eintraege.empty() || m_eintraege.back().art != Eintrag::Art::Schritt || m_eintraege.back().schritt != schritt)
        return;
    const Eintrag eintrag = m_eintraege.back();
    m_eintraege.pop_back();
    m_summen.schritte = schritt.nummer - 1;
    m_summen.versuchteReihen -= versuchteReihen(schritt);
    m_summen.sackgassen -= schritt.reihe == 0 ? 1 : 0;
    if (schritt.loesung > 0)
        m_summen.loesungen = schritt.loesung - 1;
    m_brett[std::size_t(schritt.spalte)] = schritt.vorher;
    m_naechste = schritt.zeigerVorher;
    emit zurueckgenommen(eintrag);
}

void Suchverlauf::handzug(const board::Feld &feld, int spalte, int naechste)
{
    anfuegen(Eintrag{Eintrag::Art::Handzug, 0, {}, {}, spalte, naechste, {}}, &feld);
}

void Suchverlauf::null(const board::Feld &feld, int naechste)
{
    anfuegen(Eintrag{Eintrag::Art::Null, 0, {}, {}, 0, naechste, {}}, &feld);
}

void Suchverlauf::durchlauf()
{
    m_summen = {};
    anfuegen(Eintrag{Eintrag::Art::Durchlauf, 0, {}, {}, 0, 0, {}}, nullptr);
}

void Suchverlauf::vonVorn()
{
    // The ids go on counting: an id names one entry, ever.
    m_eintraege.clear();
    m_brett = {};
    m_naechste = 0;
    m_summen = {};
    m_davor = {};
    emit begonnen();
}

void Suchverlauf::laufEndet(int naechste)
{
    if (std::exchange(m_naechste, naechste) != naechste)
        emit naechsteGeaendert(naechste);
}

std::deque<Suchverlauf::Eintrag>::const_iterator Suchverlauf::stelle(std::uint64_t id) const
{
    // The ids rise from the oldest entry to the newest.
    const auto gefunden = std::lower_bound(m_eintraege.begin(), m_eintraege.end(), id,
                                           [](const Eintrag &eintrag, std::uint64_t gesucht) { return eintrag.id < gesucht; });
    return gefunden != m_eintraege.end() && gefunden->id == id ? gefunden : m_eintraege.end();
}

const Suchverlauf::Eintrag *Suchverlauf::finde(std::uint64_t id) const
{
    const auto gefunden = stelle(id);
    return gefunden != m_eintraege.end() ? &*gefunden : nullptr;
}

int Suchverlauf::schritteNach(std::uint64_t id) const
{
    const auto eintrag = stelle(id);
    if (eintrag == m_eintraege.end())
        return -1;
    const auto danach = std::next(eintrag);
    const bool nurSchritte = std::all_of(danach, m_eintraege.end(),
                                         [](const Eintrag &e) { return e.art == Eintrag::Art::Schritt; });
    return nurSchritte ? int(m_eintraege.end() - danach) : -1;
}

void Suchverlauf::anfuegen(Eintrag eintrag, const board::Feld *feld)
{
    eintrag.id = ++m_ids;
    for (int k = 0; feld && k < board::Feld::Spalten; ++k)
        eintrag.brett[std::size_t(k)] = feld->wert(k);
    m_brett = eintrag.brett;
    m_naechste = eintrag.naechste;
    m_eintraege.push_back(std::move(eintrag));
    if (m_eintraege.size() > Grenze)
        m_eintraege.pop_front();
    emit angefuegt(m_eintraege.back());
}

} // namespace view
