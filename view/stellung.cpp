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

QString abgelehnteReihen(const board::Schritt &schritt, const Brett &brett)
{
    QStringList reihen;
    for (int zeile = 1; zeile <= board::Feld::HoechsteReihe; ++zeile) {
        if (!schritt.abgelehnt(zeile))
            continue;
        reihen << feldName(schritt.spalte, zeile)
                      + (reihen.isEmpty() ? QStringLiteral(" bedroht von ") : QStringLiteral(" von "))
                      + angreifer(schritt.bedroher[std::size_t(zeile - 1)], brett);
    }
    return reihen.join(QStringLiteral(", "));
}

QString geraeumt(const board::Schritt &schritt)
{
    return QStringLiteral("Spalte ") + spaltenName(schritt.spalte) + QStringLiteral(" geräumt, ")
           + (schritt.ende ? QStringLiteral("Suche beendet") : QStringLiteral("zurück zu ") + spaltenName(schritt.spalte - 1));
}

QString schrittGesagt(const board::Schritt &schritt, const Brett &brett, bool versuche)
{
    // Commas, not colons: Orca reads a colon out as a word.
    QStringList teile{QStringLiteral("Schritt %1").arg(schritt.nummer)};
    if (schritt.reihe == 0 && !versuche)
        return teile.first() + QStringLiteral(", ") + geraeumt(schritt);
    teile << QStringLiteral("Spalte ") + spaltenName(schritt.spalte);
    if (const QString bedroht = abgelehnteReihen(schritt, brett); versuche && !bedroht.isEmpty())
        teile << bedroht;
    if (schritt.reihe == 0) {
        teile << geraeumt(schritt);
    } else {
        // The row a step keeps is one that fits.
        teile << QStringLiteral("Reihe %1").arg(schritt.reihe)
              << (schritt.loesung > 0 ? loesungGesagt(schritt, brett) : QStringLiteral("in Ordnung"));
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
    const QString von = angreifer(board::Angreifer(feldAus(brett), std::int16_t(wert), spalte), brett);
    return von.isEmpty() ? QStringLiteral("Reihe %1, in Ordnung").arg(wert)
                         : QStringLiteral("Reihe %1, geht nicht, bedroht von ").arg(wert) + von;
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

namespace gesagt {
const QString DurchlaufBeendet = QStringLiteral("Durchlauf beendet");
const QString DurchlaufFortgesetzt = QStringLiteral("Durchlauf fortgesetzt");
const QString KeinSchrittZurueck = QStringLiteral("Kein Schritt zurück möglich");
const QString ErstAnhalten = QStringLiteral("Erst den Durchlauf anhalten");
}

} // namespace view
