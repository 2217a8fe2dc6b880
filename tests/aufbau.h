// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "anzeige.h"
#include "feld.h"
#include "laufsteuerung.h"
#include "rueckfragen.h"
#include "suchverlauf.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QWidget>

#include <chrono>

// The run's control with a bare window, at the slowest pace on a clock
// that moves only while the run sleeps.
struct Aufbau
{
    Aufbau()
    {
        lauf.setzeUhr([this] { return jetzt; }, [this](std::chrono::nanoseconds rest) {
            jetzt += rest;
            QCoreApplication::processEvents();
        });
        lauf.setzeTempo(Tempo::Stufe::Langsam);
        fenster.show();
    }

    QString brett() const
    {
        QStringList werte;
        for (int spalte = 0; spalte < board::Feld::Spalten; ++spalte)
            werte << QString::number(feld.wert(spalte));
        return werte.join(u' ');
    }

    QWidget fenster;
    QCheckBox *stopBeiLoesung = new QCheckBox(&fenster);
    board::Feld feld;
    view::Anzeige anzeige;
    view::Suchverlauf verlauf;
    Rueckfragen fragen{fenster, fenster};
    Laufsteuerung lauf{feld, anzeige, verlauf, fragen, *stopBeiLoesung, fenster};
    std::chrono::nanoseconds jetzt{};
};
