// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "tempo.h"
#include "ueberblick.h"

#include <QObject>

#include <array>

class QAction;
class QMenu;
class QWidget;

// The window's context menu: the pace of a full run, the marks that show
// the search on the board, the panes beside the window, practice at
// predicting steps, taking a step back, going to a step, beginning anew,
// pausing, going on and ending a run, and what the program is. It opens
// without a nested event loop, so a run goes on under it.
class DurchlaufMenue : public QObject
{
    Q_OBJECT

public:
    explicit DurchlaufMenue(QWidget &fenster);

    // `laeuft`: a full run is in progress; `angehalten`: it is paused.
    void zeigen(const QPoint &wo, bool laeuft, bool angehalten);
    // Whether the menu offers "Schritt zurück"; its key is always live.
    void setzeZurueckMoeglich(bool moeglich);
    // The panes' items follow the panes.
    void setzeTeilOffen(Ueberblick::Teil teil, bool offen);
    // While a run goes on, it cannot be gone to a step.
    void setzeLauf(bool laeuftWeiter);

    static void ueber(QWidget &fenster);

signals:
    void tempoGewaehlt(Tempo::Stufe stufe);
    void spurenGezeigt(bool an);
    void teilGezeigt(Ueberblick::Teil teil, bool an);
    void schrittZurueck();
    void geheZu();
    void vonVorn();
    void vorhersageGeuebt(bool an);
    void anhaltenOderFortsetzen();
    void beenden();

private:
    QWidget &m_fenster;
    QMenu *m_menue = nullptr;
    QAction *m_spuren = nullptr;
    std::array<QAction *, 3> m_teile{};
    QAction *m_vorhersage = nullptr;
    QAction *m_zurueck = nullptr;
    QAction *m_geheZu = nullptr;
    QAction *m_anhalten = nullptr;
    QAction *m_beenden = nullptr;
};
