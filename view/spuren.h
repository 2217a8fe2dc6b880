// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "feldaufbauen.h"

#include <QObject>

#include <array>
#include <cstdint>

class QPainter;

namespace board {
class Feld;
struct Schritt;
}

namespace view {

class Anzeige;

// Marks in the board's cells that show what the search did and why: the
// column a step worked on, each row it tried there and found attacked, the
// queen it kept, the queens that ruled out the last row it tried, and the
// column the next step works on; after a hand move that is attacked, the
// moved queen and its attackers. They are drawn over the cells in fixed
// colours that stand out from both greys by at least 3:1, beside the "X",
// which keeps its contrast. Like everything the search shows, they change
// with the frame of the step they belong to.
class Spuren : public QObject
{
public:
    enum Marke : std::uint8_t {
        Spalte = 1,    // the column a step worked on
        Versuch = 2,   // a row tried there and found attacked
        Gesetzt = 4,   // the queen the step kept
        Bedroher = 8,  // a queen that attacks the row or queen in question
        Bedroht = 16,  // the queen moved by hand, attacked
        Naechste = 32, // the column the next step works on
        Pfeil = 64,    // its top cell, with an arrow into it
    };
    using Marken = std::array<std::uint8_t, ZellIndizes>;

    Spuren(Anzeige &anzeige, const Zellen &txtFeld);

    // What `schritt` did, on the board it left; `naechsteSpalte` is -1
    // once the search has finished.
    void zeigeSchritt(const board::Schritt &schritt, const board::Feld &feld, int naechsteSpalte);
    // The queen in `spalte`, moved by hand, and the queens that attack it.
    void zeigeHandzug(const board::Feld &feld, int spalte);
    void leeren();
    // Marks as they were shown once.
    void zeige(const Marken &marken);

    // The marks as the cells show them now, and as the next frame will.
    const Marken &gezeigt() const { return m_gezeigt; }
    const Marken &soll() const { return m_soll; }

    static void zeichne(QPainter &painter, const QRectF &zelle, std::uint8_t marken);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void anwenden(const Marken &marken);

    Anzeige &m_anzeige;
    const Zellen &m_txtFeld;
    Marken m_soll{};
    Marken m_gezeigt{};
};

} // namespace view
