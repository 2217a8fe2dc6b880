// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ansichtsverlauf.h"

#include "anzeige.h"

Ansichtsverlauf::Ansichtsverlauf(view::Anzeige &anzeige, view::Spuren &spuren, QLineEdit &urteil,
                                 QLineEdit &loesungen, QLineEdit &schritte)
    : m_anzeige(anzeige)
    , m_spuren(spuren)
    , m_felder{&urteil, &loesungen, &schritte}
{
}

void Ansichtsverlauf::vorDemSchritt()
{
    for (std::size_t i = 0; i < m_felder.size(); ++i)
        m_vorDemSchritt.texte[i] = m_anzeige.text(*m_felder[i]);
    m_vorDemSchritt.marken = m_spuren.soll();
}

void Ansichtsverlauf::nachDemSchritt(const board::Schritt &schritt, std::size_t schritte)
{
    m_vorDemSchritt.schritt = schritt.nummer;
    // The search's history and this one end with the same step; where the
    // search began anew or dropped its oldest, so does this one.
    m_verlauf.push_back(m_vorDemSchritt);
    while (m_verlauf.size() > schritte)
        m_verlauf.pop_front();
}

view::Spuren::Anlass Ansichtsverlauf::zurueck(const board::Schritt &schritt)
{
    if (m_verlauf.empty() || m_verlauf.back().schritt != schritt.nummer) {
        m_verlauf.clear();
        return {};
    }
    const Ansicht davor = m_verlauf.back();
    m_verlauf.pop_back();
    for (std::size_t i = 0; i < m_felder.size(); ++i)
        m_anzeige.text(*m_felder[i], davor.texte[i]);
    return davor.marken;
}
