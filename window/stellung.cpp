// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "stellung.h"

#include <QStringList>

namespace {

QString dame(const board::Feld &feld, int spalte)
{
    return QChar(u'a' + spalte) + QString::number(feld.wert(spalte));
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
