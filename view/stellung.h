// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "feld.h"
#include "host.h"
#include "namen.h"

#include <QString>
#include <QStringList>

// What the program says of the board and the search in words: each phrase
// made once, for the marks' tooltips, the protocol's lines and what screen
// readers are told.
namespace view {

// A board as the search's record keeps it.
board::Feld feldAus(const Brett &brett);
Brett brettVon(const board::Feld &feld);

// "a, b und c".
QString aufgezaehlt(const QStringList &teile);
// "a1, b5, d8": the queens on the board in column order.
QString stellung(const Brett &brett);
// "b3 und e4", the queens of the columns in `spalten`; where `zeile` is
// given, each with the way it attacks that row: "b3 (gleiche Reihe) und e4
// (Diagonale)".
QString angreifer(std::uint8_t spalten, const Brett &brett, int zeile = 0);
// "bedroht von b3 und e4": what rules a row out, as the marks' tooltips,
// the spoken steps and the practice's verdicts say it; with the row
// given, each queen with the way it attacks: "bedroht von b3 (gleiche
// Reihe) und e4 (Diagonale)".
QString bedrohung(std::uint8_t spalten, const Brett &brett, int zeile = 0);
// What a step did, as the marks' tooltips and the spoken steps say it:
// "e4 gesetzt", "von e4 nach e8", "keine Reihe frei, zurück zu e",
// "keine Reihe über e4 frei, zurück zu d", "e8 war die letzte Reihe,
// zurück zu d", "… Suche beendet"; `kurz`, as the protocol writes a move:
// "e4 → e8".
QString ausgang(const board::Schritt &schritt, bool kurz = false);
// "a1 b5 c8 d6 e3 f7 g2 h4": the queens in few letters.
QString kurzeStellung(const Brett &brett);

// What screen readers are told, where a sighted user looks.
//
// "Schritt 12, Spalte c, c4 gesetzt": what a step did, on the board it
// left, and the solution it found. Where `versuche` is set, also each row
// it found attacked and by whom.
QString schrittGesagt(const board::Schritt &schritt, const Brett &brett, bool versuche);
// "Lösung 3", and after a Nein at the question, which solution stands:
// "Lösung 1 steht auf dem Brett, a1, b5, …". Empty without a solution.
QString loesungGesagt(const board::Schritt &schritt, const Brett &brett);
// "Schritt 12 zurückgenommen, Spalte c, Reihe 3": a step taken back, and
// its column as the board shows it now.
QString zurueckGesagt(const board::Schritt &schritt);
// "Zurück bei Schritt 3, 40 Schritte zurückgenommen": several at once.
QString gangGesagt(const board::Schritt &letzter, int schritte);
// "Bei Schritt 37, Stellung a1, b3, …": after steps made at once.
QString gangVorGesagt(std::int64_t schritt, const Brett &brett);
// "Reihe 3, geht nicht, bedroht von c3": the queen in `spalte`, just
// moved by hand, judged on the board.
QString handzugGesagt(const Brett &brett, int spalte);
// "Durchlauf angehalten, Schritt 100, 1 Lösung, Stellung a1, …".
QString angehaltenGesagt(std::int64_t schritte, std::int64_t loesungen, const Brett &brett);
QString spurenGesagt(bool an);
// A step that "Schritt zurück" cannot reach.
QString zuWeitZurueckGesagt(std::int64_t schritt);
// A step number the search does not have; its steps are 1 to `letzter`.
QString keinSolcherSchritt(std::int64_t schritt, std::int64_t letzter);

// A text as shown, for screen readers: commas where it shows a colon, a
// semicolon or brackets, which Orca reads out as words.
QString gesprochen(QString text);

namespace gesagt {
extern const QString DurchlaufBeendet;
extern const QString DurchlaufFortgesetzt;
extern const QString KeinSchrittZurueck;
extern const QString ErstAnhalten;
extern const QString VonVorn;
}

} // namespace view
