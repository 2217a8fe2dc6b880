// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "stellung.h"

namespace view {

board::Feld feldAus(const Brett &brett)
{
    board::Feld feld;
    for (int k = 0; k < board::Feld::Spalten; ++k)
        feld.setzeWert(k, brett[std::size_t(k)]);
    return feld;
}

Brett brettVon(const board::Feld &feld)
{
    Brett brett{};
    for (int k = 0; k < board::Feld::Spalten; ++k)
        brett[std::size_t(k)] = feld.wert(k);
    return brett;
}

QString aufgezaehlt(const QStringList &teile)
{
    if (teile.size() < 2)
        return teile.join(QString());
    return teile.mid(0, teile.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" und ") + teile.last();
}

QString stellung(const Brett &brett)
{
    QStringList damen;
    for (int spalte = 0; spalte < board::Feld::Spalten; ++spalte) {
        if (brett[std::size_t(spalte)] != 0)
            damen << feldName(spalte, brett[std::size_t(spalte)]);
    }
    return damen.isEmpty() ? QStringLiteral("keine Dame") : damen.join(QStringLiteral(", "));
}

QString angreifer(std::uint8_t spalten, const Brett &brett, int zeile)
{
    QStringList wer = damenNamen(spalten, brett);
    if (zeile > 0) {
        int i = 0;
        for (int k = 0; k < board::Feld::Spalten; ++k) {
            if (spalten & (1U << k))
                wer[i++] += brett[std::size_t(k)] == zeile ? QStringLiteral(" (gleiche Reihe)") : QStringLiteral(" (Diagonale)");
        }
    }
    return aufgezaehlt(wer);
}

QString bedrohung(std::uint8_t spalten, const Brett &brett, int zeile)
{
    return QStringLiteral("bedroht von ") + angreifer(spalten, brett, zeile);
}

QString ausgang(const board::Schritt &schritt, bool kurz)
{
    const QString zurueck = schritt.ende ? QStringLiteral("Suche beendet")
                                         : QStringLiteral("zurück zu ") + spaltenName(schritt.spalte - 1);
    if (schritt.reihe == 0) {
        if (schritt.vorher == board::Feld::HoechsteReihe)
            return feldName(schritt.spalte, schritt.vorher) + QStringLiteral(" war die letzte Reihe, ") + zurueck;
        if (schritt.vorher > 0)
            return QStringLiteral("keine Reihe über ") + feldName(schritt.spalte, schritt.vorher)
                   + QStringLiteral(" frei, ") + zurueck;
        return QStringLiteral("keine Reihe frei, ") + zurueck;
    }
    const QString ziel = feldName(schritt.spalte, schritt.reihe);
    if (schritt.vorher == 0)
        return ziel + QStringLiteral(" gesetzt");
    const QString von = feldName(schritt.spalte, schritt.vorher);
    return kurz ? von + QStringLiteral(" → ") + ziel : QStringLiteral("von ") + von + QStringLiteral(" nach ") + ziel;
}

QString kurzeStellung(const Brett &brett)
{
    QStringList damen;
    for (int spalte = 0; spalte < board::Feld::Spalten; ++spalte) {
        if (brett[std::size_t(spalte)] != 0)
            damen << feldName(spalte, brett[std::size_t(spalte)]);
    }
    return damen.join(u' ');
}

QString schrittGesagt(const board::Schritt &schritt, const Brett &brett, bool versuche)
{
    // Commas, not colons: Orca reads a colon out as a word.
    QStringList teile{QStringLiteral("Schritt %1").arg(schritt.nummer),
                      QStringLiteral("Spalte ") + spaltenName(schritt.spalte)};
    for (int zeile = 1; versuche && zeile <= board::Feld::HoechsteReihe; ++zeile) {
        if (schritt.abgelehnt(zeile))
            teile << feldName(schritt.spalte, zeile) + u' '
                         + bedrohung(schritt.bedroher[std::size_t(zeile - 1)], brett);
    }
    teile << ausgang(schritt);
    if (schritt.loesung > 0)
        teile << loesungGesagt(schritt, brett);
    return teile.join(QStringLiteral(", "));
}

QString zurueckGesagt(const board::Schritt &schritt)
{
    const QString spalte = QStringLiteral("Schritt %1 zurückgenommen, Spalte ").arg(schritt.nummer)
                           + spaltenName(schritt.spalte);
    return schritt.vorher == 0 ? spalte + QStringLiteral(" leer")
                               : spalte + QStringLiteral(", Reihe %1").arg(schritt.vorher);
}

QString gangGesagt(const board::Schritt &letzter, int schritte)
{
    return QStringLiteral("Zurück bei Schritt %1, %2 Schritte zurückgenommen").arg(letzter.nummer - 1).arg(schritte);
}

QString gangVorGesagt(std::int64_t schritt, const Brett &brett)
{
    return QStringLiteral("Bei Schritt %1, Stellung ").arg(schritt) + stellung(brett);
}

QString loesungGesagt(const board::Schritt &schritt, const Brett &brett)
{
    if (schritt.loesung == 0)
        return {};
    const QString loesung = QStringLiteral("Lösung %1").arg(schritt.loesung);
    return schritt.frage == board::Schritt::Frage::Nein ? loesung + QStringLiteral(" steht auf dem Brett, ")
                                                               + stellung(brett)
                                                         : loesung;
}

QString handzugGesagt(const Brett &brett, int spalte)
{
    const int wert = brett[std::size_t(spalte)];
    if (wert == 0)
        return QStringLiteral("keine Dame");
    const std::uint8_t wer = board::Angreifer(feldAus(brett), std::int16_t(wert), spalte);
    return wer == 0 ? QStringLiteral("Reihe %1, in Ordnung").arg(wert)
                    : QStringLiteral("Reihe %1, geht nicht, ").arg(wert) + bedrohung(wer, brett);
}

QString angehaltenGesagt(std::int64_t schritte, std::int64_t loesungen, const Brett &brett)
{
    return QStringLiteral("Durchlauf angehalten, Schritt %1, %2 %3, Stellung %4")
        .arg(schritte)
        .arg(loesungen)
        .arg(loesungen == 1 ? QStringLiteral("Lösung") : QStringLiteral("Lösungen"))
        .arg(stellung(brett));
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

QString keinSolcherSchritt(std::int64_t schritt, std::int64_t letzter)
{
    return QStringLiteral("Schritt %1 gibt es in dieser Suche nicht, sie hat die Schritte 1 bis %2")
        .arg(schritt)
        .arg(letzter);
}

QString gesprochen(QString text)
{
    return text.replace(QStringLiteral(": "), QStringLiteral(", "))
        .replace(QStringLiteral("; "), QStringLiteral(", "))
        .replace(QStringLiteral(" ("), QStringLiteral(", "))
        .remove(u')');
}

namespace gesagt {
const QString DurchlaufBeendet = QStringLiteral("Durchlauf beendet");
const QString DurchlaufFortgesetzt = QStringLiteral("Durchlauf fortgesetzt");
const QString KeinSchrittZurueck = QStringLiteral("Kein Schritt zurück möglich");
const QString ErstAnhalten = QStringLiteral("Erst den Durchlauf anhalten");
const QString VonVorn = QStringLiteral("Von vorn, das Brett ist leer");
}

} // namespace view
