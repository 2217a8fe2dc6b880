// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "stellung.h"

#include <QStringList>

namespace {

QString dame(const board::Feld &feld, int spalte)
{
    return view::feldName(spalte, feld.wert(spalte));
}

// "a1, c3 und e4".
QString aufgezaehlt(QStringList teile)
{
    if (teile.size() < 2)
        return teile.join(QString());
    const QString letzte = teile.takeLast();
    return teile.join(QStringLiteral(", ")) + QStringLiteral(" und ") + letzte;
}

// "Reihe 1 bedroht von a1 und d2, Reihe 2 von d2": each row a step found
// attacked, with the queens that rule it out; empty where there were none.
QString bedrohteReihen(const board::Schritt &schritt, const board::Feld &feld)
{
    QStringList reihen;
    for (int zeile = 1; zeile <= board::Feld::HoechsteReihe; ++zeile) {
        if (!schritt.abgelehnt(zeile))
            continue;
        const QStringList wer = view::damenNamen(schritt.bedroher[static_cast<std::size_t>(zeile - 1)],
                                                 [&feld](int k) { return feld.wert(k); });
        reihen << QStringLiteral("Reihe %1 ").arg(zeile) + (reihen.isEmpty() ? QStringLiteral("bedroht von ")
                                                                               : QStringLiteral("von "))
                      + aufgezaehlt(wer);
    }
    return reihen.join(QStringLiteral(", "));
}

} // namespace

QString stellung(const board::Feld &feld)
{
    QStringList damen;
    for (int spalte = 0; spalte < board::Feld::Spalten; ++spalte) {
        if (feld.wert(spalte) != 0)
            damen << dame(feld, spalte);
    }
    return damen.isEmpty() ? QStringLiteral("keine Dame") : damen.join(QStringLiteral(", "));
}

QString bedroher(const board::Feld &feld, int spalte)
{
    QStringList damen;
    for (const int k : board::Bedroher(feld, spalte))
        damen << dame(feld, k);
    return aufgezaehlt(damen);
}

QString schrittGesagt(const board::Schritt &schritt, const board::Feld &feld, bool versuche)
{
    // Commas, not colons: Orca reads a colon out as a word.
    QStringList teile{QStringLiteral("Schritt %1").arg(schritt.nummer),
                      QStringLiteral("Spalte ") + spaltenName(schritt.spalte)};
    if (const QString bedroht = bedrohteReihen(schritt, feld); versuche && !bedroht.isEmpty())
        teile << bedroht;
    if (schritt.reihe == 0 && versuche) {
        teile << QStringLiteral("Spalte ") + spaltenName(schritt.spalte) + QStringLiteral(" geräumt")
              << (schritt.ende ? QStringLiteral("Suche beendet")
                               : QStringLiteral("zurück zu ") + spaltenName(schritt.spalte - 1));
    } else if (schritt.reihe == 0) {
        teile.last() += QStringLiteral(" geräumt");
        if (schritt.ende)
            teile << QStringLiteral("Suche beendet");
    } else {
        // The row a step keeps is one that fits.
        teile << QStringLiteral("Reihe %1").arg(schritt.reihe)
              << (schritt.loesung > 0 ? loesungGesagt(schritt, feld) : QStringLiteral("in Ordnung"));
    }
    return teile.join(QStringLiteral(", "));
}

QString zurueckGesagt(const board::Schritt &schritt)
{
    const QString spalte = QStringLiteral("Schritt %1 zurückgenommen, Spalte ").arg(schritt.nummer)
                           + spaltenName(schritt.spalte);
    return schritt.vorher == 0 ? spalte + QStringLiteral(" leer")
                               : spalte + QStringLiteral(", Reihe %1").arg(schritt.vorher);
}

QString loesungGesagt(const board::Schritt &schritt, const board::Feld &feld)
{
    if (schritt.loesung == 0)
        return {};
    const QString loesung = QStringLiteral("Lösung %1").arg(schritt.loesung);
    return schritt.frage == board::Schritt::Frage::Nein ? loesung + QStringLiteral(" steht auf dem Brett, ")
                                                               + stellung(feld)
                                                         : loesung;
}

QString handzugGesagt(const board::Feld &feld, int spalte)
{
    const int wert = feld.wert(spalte);
    if (wert == 0)
        return QStringLiteral("keine Dame");
    const QString von = bedroher(feld, spalte);
    return von.isEmpty() ? QStringLiteral("Reihe %1, in Ordnung").arg(wert)
                         : QStringLiteral("Reihe %1, geht nicht, bedroht von ").arg(wert) + von;
}

QString angehaltenGesagt(const board::Suche &suche, const board::Feld &feld)
{
    return QStringLiteral("Durchlauf angehalten, Schritt %1, %2 %3, Stellung %4")
        .arg(suche.schritte())
        .arg(suche.loesungen())
        .arg(suche.loesungen() == 1 ? QStringLiteral("Lösung") : QStringLiteral("Lösungen"))
        .arg(stellung(feld));
}

QString spurenGesagt(bool an)
{
    return an ? QStringLiteral("Versuche und Bedrohungen werden gezeigt")
              : QStringLiteral("Versuche und Bedrohungen werden nicht mehr gezeigt");
}

QString zuWeitZurueckGesagt(std::int64_t schritt)
{
    return schritt > 0 ? QStringLiteral("Bis Schritt %1 geht es nicht zurück").arg(schritt)
                       : QStringLiteral("Nur bis zu einem Schritt geht es zurück");
}

namespace gesagt {
const QString DurchlaufBeendet = QStringLiteral("Durchlauf beendet");
const QString DurchlaufFortgesetzt = QStringLiteral("Durchlauf fortgesetzt");
const QString KeinSchrittZurueck = QStringLiteral("Kein Schritt zurück möglich");
}
