// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ablauf.h"

#include "feld.h"
#include "stellung.h"

namespace view {

const QStringList &Ablauf::zeilen()
{
    static const QStringList listing{
        QStringLiteral("Schritt in Spalte s (nach dem Ende: in a)"),
        QStringLiteral("  y: Reihe ihrer Dame, 0 ohne Dame"),
        QStringLiteral("  für jede Reihe r von y + 1 bis 8:"),
        QStringLiteral("    r bedroht? dann die nächste Reihe"),
        QStringLiteral("    sonst setze die Dame auf r, weiter in s + 1"),
        QStringLiteral("    war s die Spalte h? Lösung, s bleibt h"),
        QStringLiteral("  keine Reihe frei: räume s, zurück zu s − 1"),
        QStringLiteral("  war s die Spalte a? Suche beendet"),
    };
    return listing;
}

std::vector<Ablauf::Zeile> Ablauf::gelaufen(const board::Schritt &schritt)
{
    std::vector<Zeile> liste{Kopf, Dame, Schleife};
    if (schritt.letzteAbgelehnte() > 0)
        liste.push_back(Bedroht);
    if (schritt.reihe > 0) {
        liste.push_back(Setze);
        if (schritt.loesung > 0)
            liste.push_back(Loesung);
    } else {
        liste.push_back(Zurueck);
        if (schritt.ende)
            liste.push_back(Ende);
    }
    return liste;
}

std::vector<Ablauf::Moment> Ablauf::momente(const board::Schritt &schritt, const Brett &brett)
{
    std::vector<Moment> momente;
    for (int zeile = schritt.vorher + 1; zeile <= board::Feld::HoechsteReihe; ++zeile) {
        if (!schritt.abgelehnt(zeile))
            break;
        momente.push_back({Bedroht, feldName(schritt.spalte, zeile) + QStringLiteral("? ")
                                        + bedrohung(schritt.bedroher[std::size_t(zeile - 1)], brett)});
    }
    if (schritt.reihe > 0) {
        momente.push_back({Setze, feldName(schritt.spalte, schritt.reihe) + QStringLiteral("? frei: gesetzt")});
        if (schritt.loesung > 0)
            momente.push_back({Loesung, QStringLiteral("Lösung %1").arg(schritt.loesung)});
    } else {
        momente.push_back({Zurueck, ausgang(schritt)});
        if (schritt.ende)
            momente.push_back({Ende, QStringLiteral("Suche beendet")});
    }
    return momente;
}

} // namespace view
