// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ablauf.h"
#include "suchverlauf.h"

#include <QTimer>
#include <QWidget>

#include <array>
#include <chrono>
#include <set>
#include <vector>

class QListWidget;
class Zeilen;

namespace view {
class Anzeige;
}

// "Ablauf": the search step as lines of plain German, lit as the last step
// ran them, the last of them the list's current line; beside them the
// values (column, row, steps) and the queens from column a to the one in
// work, one row each. In a run at five steps a second or slower, each row
// the step tried shows as a moment of its own before what it did: the lit
// line walks through the loop. Changes show with the window's frames, and
// the current line moves only while no run goes on, for screen readers.
class Ablaufansicht : public QWidget
{
    Q_OBJECT

public:
    Ablaufansicht(const view::Suchverlauf &verlauf, view::Anzeige &anzeige, QWidget *parent = nullptr);

    void setzeLauf(bool laeuft);
    // The time between two steps of a run, zero at once.
    void setzeTakt(std::chrono::nanoseconds takt) { m_takt = takt; }

    // What is lit, the current line and what it says now, for tests and
    // for painting.
    const std::set<int> &erleuchtet() const { return m_erleuchtet; }
    int aktuell() const { return m_aktuell; }
    const QString &notiz() const { return m_notiz; }

private:
    void folgen();
    void zeigeMoment();
    void zeigeWerte();
    void neuMalen();

    const view::Suchverlauf &m_verlauf;
    view::Anzeige &m_anzeige;
    QListWidget *m_zeilen = nullptr;
    Zeilen *m_werte = nullptr;
    Zeilen *m_stapel = nullptr;
    std::chrono::nanoseconds m_takt{};
    bool m_laeuft = false;
    // The lines the step ran, and those lit now.
    std::set<int> m_gelaufen;
    std::set<int> m_erleuchtet;
    int m_aktuell = -1;
    QString m_notiz;
    // How each line was painted last: lit, current.
    std::array<int, 8> m_gemalt{};
    // The moments of the step shown, one after another in a slow run.
    std::vector<view::Ablauf::Moment> m_momente;
    std::size_t m_moment = 0;
    QTimer m_naechster;
};
