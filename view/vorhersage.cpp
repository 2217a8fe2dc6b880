// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "vorhersage.h"

#include "feld.h"
#include "stellung.h"

namespace view {

QString Vorhersage::frage(int spalte)
{
    return QStringLiteral("Wohin setzt der nächste Schritt die Dame in Spalte %1?").arg(spaltenName(spalte));
}

QString Vorhersage::tippName(int spalte, int tipp)
{
    return tipp == Zurueck ? QStringLiteral("keine Reihe frei, zurück") : feldName(spalte, tipp);
}

Vorhersage::Urteil Vorhersage::urteil(int tipp, const board::Schritt &schritt, const Brett &brett)
{
    const int spalte = schritt.spalte;
    const auto feld = [spalte](int zeile) { return feldName(spalte, zeile); };
    // What the step did, in the words the protocol and the marks use.
    const QString gemacht = schritt.reihe > 0 ? QStringLiteral("der Schritt setzt auf ") + feld(schritt.reihe)
                                              : ausgang(schritt);
    if (tipp == schritt.reihe) {
        if (schritt.reihe == 0)
            return {true, QStringLiteral("Richtig: ") + ausgang(schritt)};
        QString text = QStringLiteral("Richtig: ") + feld(schritt.reihe) + QStringLiteral(" ist die erste Reihe")
                       + (schritt.vorher > 0 ? QStringLiteral(" über ") + feld(schritt.vorher) : QString())
                       + QStringLiteral(" ohne Bedrohung");
        if (schritt.loesung > 0)
            text += QStringLiteral(", Lösung %1").arg(schritt.loesung);
        return {true, text};
    }
    // Why the guess was not the step's row: the step only looks above where
    // its queen stood; the row guessed is attacked; or a free row comes
    // before it.
    QString grund;
    if (tipp == Zurueck)
        grund = feld(schritt.reihe) + QStringLiteral(" ist frei");
    else if (tipp <= schritt.vorher)
        grund = QStringLiteral("der Schritt sucht erst über ") + feld(schritt.vorher) + QStringLiteral(", wo die Dame stand");
    else if (schritt.abgelehnt(tipp))
        grund = feld(tipp) + QStringLiteral(" ist ") + bedrohung(schritt.bedroher[std::size_t(tipp - 1)], brett, tipp);
    else
        grund = feld(schritt.reihe) + QStringLiteral(" ist frei und kommt vor ") + feld(tipp);
    return {false, QStringLiteral("Nicht ganz: ") + grund + QStringLiteral("; ") + gemacht};
}

void Vorhersage::zaehle(bool richtig)
{
    ++m_gefragt;
    if (richtig)
        ++m_richtige;
}

QString Vorhersage::stand() const
{
    return QStringLiteral("%1 von %2 richtig").arg(m_richtige).arg(m_gefragt);
}

} // namespace view
