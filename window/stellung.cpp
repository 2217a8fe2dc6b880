// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "stellung.h"

#include <QStringList>

namespace {

QString dame(const board::Feld &feld, int spalte)
{
    return spaltenName(spalte) + QString::number(feld.wert(spalte));
}

// "Reihe 2 bis 5 bedroht": the rows a step found attacked, which follow
// each other; empty where there were none.
QString bedrohteReihen(const board::Schritt &schritt)
{
    const int letzte = schritt.letzteAbgelehnte();
    if (letzte == 0)
        return {};
    int erste = letzte;
    while (erste > 1 && schritt.abgelehnt(erste - 1))
        --erste;
    if (erste == letzte)
        return QStringLiteral("Reihe %1 bedroht").arg(letzte);
    const QString bis = letzte == erste + 1 ? QStringLiteral(" und ") : QStringLiteral(" bis ");
    return QStringLiteral("Reihe %1").arg(erste) + bis + QStringLiteral("%1 bedroht").arg(letzte);
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
    if (damen.size() < 2)
        return damen.join(QString());
    const QString letzte = damen.takeLast();
    return damen.join(QStringLiteral(", ")) + QStringLiteral(" und ") + letzte;
}

QString spaltenName(int spalte)
{
    return QString(QChar(u'a' + spalte));
}

QString schrittGesagt(const board::Schritt &schritt, const board::Feld &feld, bool versuche)
{
    // Commas, not colons: Orca reads a colon out as a word.
    QStringList teile{QStringLiteral("Schritt %1").arg(schritt.nummer),
                      QStringLiteral("Spalte ") + spaltenName(schritt.spalte)};
    if (const QString bedroht = bedrohteReihen(schritt); versuche && !bedroht.isEmpty())
        teile << bedroht;
    if (schritt.reihe == 0) {
        if (teile.size() == 2)
            teile.last() += QStringLiteral(" geräumt");
        else
            teile << QStringLiteral("geräumt");
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

namespace gesagt {
const QString DurchlaufBeendet = QStringLiteral("Durchlauf beendet");
const QString DurchlaufFortgesetzt = QStringLiteral("Durchlauf fortgesetzt");
const QString KeinSchrittZurueck = QStringLiteral("Kein Schritt zurück möglich");
}
