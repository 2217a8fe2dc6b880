// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "bildtakt.h"
#include "host.h"
#include "suche.h"
#include "tempo.h"

#include <QObject>
#include <QString>

#include <cstdint>
#include <optional>

class QAbstractButton;
class QWidget;
class Rueckfragen;

namespace view {
class Anzeige;
}

// Drives the search for the window: hosts it, runs its commands, holds a
// full run's pace and pause, and paces the frames in which the window
// shows it. What happens is told through signals; the window's enabled
// states and title follow `zustandGeaendert` alone.
class Laufsteuerung : public QObject, private board::Host
{
    Q_OBJECT

public:
    enum class Zustand {
        Ruht,         // no full run
        Laeuft,       // a full run goes on
        HaltVerlangt, // it pauses after its current step
        Angehalten,   // it is held between two steps
    };

    // `stopBeiLoesung`: the check box that asks for the question at every
    // solution; `fenster`: the window the run shows in, which is repainted
    // at once after input.
    Laufsteuerung(board::Feld &feld, view::Anzeige &anzeige, Rueckfragen &fragen,
                  const QAbstractButton &stopBeiLoesung, QWidget &fenster);

    const board::Suche &suche() const { return m_suche; }
    Zustand zustand() const { return m_zustand; }
    // A run shows no step of its own to screen readers: it goes on.
    bool laeuftWeiter() const { return m_zustand == Zustand::Laeuft || m_zustand == Zustand::HaltVerlangt; }
    // "Schritt zurück" is offered: the search allows it, and no run goes on.
    bool zurueckMoeglich() const;
    Tempo &tempo() { return m_tempo; }
    void setzeUhr(const Bildtakt::Uhr &uhr, Tempo::Schlaf schlaf);

    // The commands, as the user gives them.
    void null();
    void einzelschritt();
    void durchlauf();
    void schrittZurueck();
    void anhaltenOderFortsetzen();
    void beenden();
    // A queen moved by hand.
    void vonHand(int spalte, int wert);
    // The window is closing: a run ends where it stands, a box closes.
    void schliessen();

    // Shows what is held, now: one moment of the search.
    void zeigeBild();
    // The window has seen input, which shows in the next frame at once.
    void eingabeGesehen() { m_eingabe = true; }

signals:
    void zustandGeaendert();
    void schritteZeigen(std::int64_t schritte);
    // Empty where the count is cleared.
    void loesungenZeigen(const QString &text);
    void schrittBeginnt();
    // The step has set its queen or cleared its column; a question or the
    // end may follow.
    void schrittGemacht(const board::Schritt &schritt);
    void schrittFertig(const board::Schritt &schritt);
    void schrittZurueckgenommen(const board::Schritt &schritt);
    // A message for screen readers.
    void ansage(const QString &text);
    // "Null" has emptied the board: at once, or, where a run was going on,
    // once it has ended.
    void geleert();

private:
    // Runs a command with the display held between frames.
    template<typename Befehl>
    void befehl(Befehl ausfuehren);
    void setze(Zustand zustand);
    void zeigeZaehler();

    bool stopAtSolutions() override;
    void showSteps(std::int64_t schritte) override;
    void showSolutions(std::int64_t loesungen) override;
    void clearSolutions() override;
    bool askContinue() override;
    void announceEnd() override;
    void processEvents() override;
    void runningChanged(bool running) override;
    void stepBegins() override;
    void stepTaken(const board::Schritt &schritt) override;
    void stepDone(const board::Schritt &schritt) override;
    void stepUndone(const board::Schritt &schritt) override;
    void betweenSteps() override;

    board::Feld &m_feld;
    board::Suche m_suche{m_feld, *this};
    view::Anzeige &m_anzeige;
    Rueckfragen &m_fragen;
    const QAbstractButton &m_stopBeiLoesung;
    QWidget &m_fenster;
    Bildtakt m_takt;
    Tempo m_tempo;
    Zustand m_zustand = Zustand::Ruht;
    bool m_eingabe = false;
    // "Null" came while a run went on; the board empties as it ends.
    bool m_nullNachLauf = false;
    // The count of the step under way, shown with the rows it probes.
    std::optional<std::int64_t> m_gezaehlt;
};
