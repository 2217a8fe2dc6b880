// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "spaltenansicht.h"

#include "feld.h"

#include <QLineEdit>

namespace view {

namespace {

// Rewriting a text that is already shown would only repaint its field.
void schreibe(QLineEdit &feld, const QString &text)
{
    if (feld.text() != text)
        feld.setText(text);
}

} // namespace

Spaltenansicht::Spaltenansicht(board::Feld &feld, const Zellen &txtFeld,
                               const std::array<QLineEdit *, 8> &text2, QLineEdit &text3)
    : m_feld(feld)
    , m_txtFeld(txtFeld)
    , m_text2(text2)
    , m_text3(text3)
{
}

void Spaltenansicht::spalteGeaendert(int index)
{
    const auto v = m_feld.wert(index);
    zeige(*m_text2[static_cast<std::size_t>(index)], QString::number(v));
    const int queenCell = v > 0 ? board::zellIndex(index, v) : -1;
    for (int r = 0; r < 8; ++r) {
        const int zelle = board::zellIndexAufSchirm(index, r);
        zeige(*m_txtFeld[static_cast<std::size_t>(zelle)], zelle == queenCell ? QStringLiteral("X") : QString());
    }
    if (v == 0)
        return; // the verdict on the last queen stays
    // The column holds v already, so this judges without notifying again.
    const bool passt = board::DamePasst(m_feld, v, index);
    zeige(m_text3, passt ? QStringLiteral("in Ordnung") : QStringLiteral("geht nicht"));
}

void Spaltenansicht::zeige(QLineEdit &feld, const QString &text)
{
    if (!m_festgehalten) {
        schreibe(feld, text);
        return;
    }
    for (auto &[vorgemerkt, neuerText] : m_vorgemerkt) {
        if (vorgemerkt == &feld) {
            neuerText = text;
            return;
        }
    }
    m_vorgemerkt.emplace_back(&feld, text);
}

void Spaltenansicht::festhalten()
{
    m_festgehalten = true;
}

void Spaltenansicht::freigeben()
{
    m_festgehalten = false;
    for (const auto &[feld, text] : m_vorgemerkt)
        schreibe(*feld, text);
    m_vorgemerkt.clear();
}

} // namespace view
