// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "host.h"
#include "namen.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace view {

// The search step as lines of plain German, and what a step ran of them,
// read from its report: the lines it passed, and its moments one by one,
// each tried row with the queens that ruled it out, then what it did.
class Ablauf
{
public:
    enum Zeile {
        Kopf,
        Dame,
        Schleife,
        Bedroht,
        Setze,
        Loesung,
        Zurueck,
        Ende,
    };

    // One moment of a step: the line it runs, and what it says there.
    struct Moment
    {
        Zeile zeile;
        QString notiz;
        bool operator==(const Moment &) const = default;
    };

    static const QStringList &zeilen();
    // The lines a step ran, in the order of the listing.
    static std::vector<Zeile> gelaufen(const board::Schritt &schritt);
    // Its moments: "f1? bedroht von a1", …, "f3 frei: gesetzt".
    static std::vector<Moment> momente(const board::Schritt &schritt, const Brett &brett);
};

} // namespace view
