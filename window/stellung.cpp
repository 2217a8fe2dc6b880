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

QString schrittGesagt(const board::Schritt &schritt, const QString &loesung)
{
    // Commas, not colons: Orca reads a colon out as a word.
    QStringList teile{QStringLiteral("Schritt %1").arg(schritt.nummer),
                      QStringLiteral("Spalte ") + spaltenName(schritt.spalte)};
    if (schritt.reihe == 0) {
        teile.last() += QStringLiteral(" geräumt");
        if (schritt.ende)
            teile << QStringLiteral("Suche beendet");
    } else {
        // The row a step keeps is one that fits.
        teile << QStringLiteral("Reihe %1").arg(schritt.reihe)
              << (schritt.loesung > 0 ? loesung : QStringLiteral("in Ordnung"));
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
