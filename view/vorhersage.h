// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "host.h"
#include "namen.h"

#include <QString>

namespace view {

// Practice at predicting the search: before a step the learner guesses
// the row it sets its column's queen on, or that it finds none and goes
// back; the step, once made, tells whether the guess was right, and why.
// Counts the guesses and those that were right.
class Vorhersage
{
public:
    // The guess that the step finds no row and goes back.
    static constexpr int Zurueck = 0;

    struct Urteil
    {
        bool richtig = false;
        QString text;
    };

    // "Wohin setzt der nächste Schritt die Dame in Spalte f?"
    static QString frage(int spalte);
    // "f3", or "keine Reihe frei, zurück" for Zurueck.
    static QString tippName(int spalte, int tipp);
    // `tipp`: a row 1 to 8, or Zurueck; `schritt` as it was made, `brett`
    // the board it left. "Richtig: f7 ist die erste Reihe über f3 ohne
    // Bedrohung"; "Nicht ganz: f2 ist bedroht von d2 (Diagonale); der
    // Schritt setzt auf f7".
    static Urteil urteil(int tipp, const board::Schritt &schritt, const Brett &brett);

    void zaehle(bool richtig);
    void zuruecksetzen() { *this = {}; }
    int richtige() const { return m_richtige; }
    int gefragt() const { return m_gefragt; }
    // "5 von 7 richtig".
    QString stand() const;

private:
    int m_richtige = 0;
    int m_gefragt = 0;
};

} // namespace view
