// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "feld.h"
#include "host.h"
#include "namen.h"
#include "suche.h"

#include <QString>

// What a screen reader is told of the board, where a sighted user looks.

// "a1, b5, d8": the queens on the board in column order.
QString stellung(const board::Feld &feld);
// "c3 und e4": the queens that attack the one in column `spalte`.
QString bedroher(const board::Feld &feld, int spalte);
using view::spaltenName;
// "Schritt 12, Spalte c, Reihe 4, in Ordnung": what a step did, on the
// board it left, and the solution it found. Where `versuche` is set, also
// each row it found attacked and by whom ("Reihe 1 bedroht von a1 und d2,
// Reihe 2 von d2"), and where it emptied its column, where the search goes
// back to ("Spalte f geräumt, zurück zu e").
QString schrittGesagt(const board::Schritt &schritt, const board::Feld &feld, bool versuche);
// "Lösung 3", and after a Nein at the question, which solution stands:
// "Lösung 1 steht auf dem Brett, a1, b5, …". Empty without a solution.
QString loesungGesagt(const board::Schritt &schritt, const board::Feld &feld);
// "Schritt 12 zurückgenommen, Spalte c, Reihe 3": a step taken back, and
// its column as the board shows it now.
QString zurueckGesagt(const board::Schritt &schritt);
// "Reihe 3, geht nicht, bedroht von c3": the queen in `spalte`, just
// moved by hand, judged on the board.
QString handzugGesagt(const board::Feld &feld, int spalte);
// "Durchlauf angehalten, Schritt 100, 1 Lösung, Stellung a1, …".
QString angehaltenGesagt(const board::Suche &suche, const board::Feld &feld);
QString spurenGesagt(bool an);
// A line of the protocol that "Schritt zurück" cannot reach.
QString zuWeitZurueckGesagt(std::int64_t schritt);

namespace gesagt {
extern const QString DurchlaufBeendet;
extern const QString DurchlaufFortgesetzt;
extern const QString KeinSchrittZurueck;
}
