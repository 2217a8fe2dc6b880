// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "spaltenansicht.h"

#include "anzeige.h"
#include "feld.h"

namespace view {

Spaltenansicht::Spaltenansicht(board::Feld &feld, Anzeige &anzeige, const Zellen &txtFeld,
                               const std::array<QLineEdit *, 8> &text2, QLineEdit &text3)
    : m_feld(feld)
    , m_anzeige(anzeige)
    , m_txtFeld(txtFeld)
    , m_text2(text2)
    , m_text3(text3)
{
}

void Spaltenansicht::spalteGeaendert(int index)
{
    const auto v = m_feld.wert(index);
    m_anzeige.text(*m_text2[static_cast<std::size_t>(index)], QString::number(v));
    const int queenCell = v > 0 ? board::zellIndex(index, v) : -1;
    for (int r = 0; r < 8; ++r) {
        const int zelle = board::zellIndexAufSchirm(index, r);
        m_anzeige.text(*m_txtFeld[static_cast<std::size_t>(zelle)], zelle == queenCell ? QStringLiteral("X") : QString());
    }
    if (v == 0)
        return; // the verdict on the last queen stays
    // The column holds v already, so this judges without notifying again.
    const bool passt = board::DamePasst(m_feld, v, index);
    m_anzeige.text(m_text3, passt ? QStringLiteral("in Ordnung") : QStringLiteral("geht nicht"));
}

} // namespace view
