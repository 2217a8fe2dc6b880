// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "host.h"
#include "suche.h"
#include "tempo.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <cstdint>
#include <optional>

class QAbstractButton;
class QWidget;
class Rueckfragen;

namespace view {
class Anzeige;
class Suchverlauf;
}

// Drives the search for the window: hosts it, runs its commands, holds a
// full run's pace and pause, writes the record of the search, and paces
// the frames in which the window shows it, repainting at once after the
// user's input, which it watches on the window itself. The focus goes back
// where it was when a run ends, unless the user has moved it meanwhile.
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
    // A run shows no step of its own to screen readers: it goes on.
    static bool laeuftWeiter(Zustand zustand) { return zustand == Zustand::Laeuft || zustand == Zustand::HaltVerlangt; }

    // `stopBeiLoesung`: the check box that asks for the question at every
    // solution; `fenster`: the window the run shows in.
    Laufsteuerung(board::Feld &feld, view::Anzeige &anzeige, view::Suchverlauf &verlauf, Rueckfragen &fragen,
                  const QAbstractButton &stopBeiLoesung, QWidget &fenster);

    const board::Suche &suche() const { return m_suche; }
    Zustand zustand() const { return m_zustand; }
    bool laeuftWeiter() const { return laeuftWeiter(m_zustand); }
    // "Schritt zurück" is offered: the search allows it, and no run goes on.
    bool zurueckMoeglich() const;
    Tempo::Stufe tempo() const { return m_tempo.stufe(); }
    void setzeTempo(Tempo::Stufe stufe);
    void setzeUhr(const Bildtakt::Uhr &uhr, Tempo::Schlaf schlaf);

    // The commands, as the user gives them.
    void null();
    void einzelschritt();
    void durchlauf();
    void schrittZurueck();
    // Back to the end of the step the record's entry `id` tells of, as far
    // as "Schritt zurück" reaches.
    void zurueckZu(std::uint64_t id);
    // To the end of step `nummer` of the search as it goes on: back as far
    // as "Schritt zurück" reaches, forward by steps made at once, asking
    // nothing on the way; said in one message.
    void geheZu(std::int64_t nummer);
    // Why `geheZu(nummer)` would change nothing, in words; empty where it
    // would go there.
    QString geheZuNicht(std::int64_t nummer) const;
    // "Von vorn": the search, the record and the window's counters as at
    // the start; a run or a box ends first.
    void vonVorn();
    // Steps go by without a word each: a run goes on, or a walk to a step.
    bool stumm() const { return laeuftWeiter() || m_gang; }
    void anhaltenOderFortsetzen();
    void beenden();
    // A queen moved by hand.
    void vonHand(int spalte, int wert);
    // The window is closing: a run ends where it stands, a box closes.
    void schliessen();

signals:
    void zustandGeaendert(Laufsteuerung::Zustand alt, Laufsteuerung::Zustand neu);
    void zurueckMoeglichGeaendert(bool moeglich);
    void tempoGeaendert(Tempo::Stufe stufe);
    void schritteZeigen(std::int64_t schritte);
    // Empty where the count is cleared.
    void loesungenZeigen(const QString &text);
    // A message for screen readers.
    void ansage(const QString &text);
    // A walk that cannot be made, in words.
    void abgelehnt(const QString &text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Runs a command with the display held between frames.
    template<typename Befehl>
    void befehl(Befehl ausfuehren);
    // Whether so many steps can be taken back now.
    bool reichtZurueck(std::uint64_t schritte) const;
    void setze(Zustand zustand);
    void pruefeZurueck();
    void zeigeZaehler();
    // Shows what is held, now: one moment of the search.
    void zeigeBild();

    void zurueck(int schritte);
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
    void cleared() override;
    void begunAnew() override;
    void betweenSteps() override;

    board::Feld &m_feld;
    board::Suche m_suche{m_feld, *this};
    view::Anzeige &m_anzeige;
    view::Suchverlauf &m_verlauf;
    Rueckfragen &m_fragen;
    const QAbstractButton &m_stopBeiLoesung;
    QWidget &m_fenster;
    Bildtakt m_takt;
    Tempo m_tempo;
    Zustand m_zustand = Zustand::Ruht;
    bool m_zurueckMoeglich = false;
    bool m_eingabe = false;
    // A walk to a step is under way.
    bool m_gang = false;
    // The count of the step under way, shown with the rows it probes.
    std::optional<std::int64_t> m_gezaehlt;
    // The last step taken back.
    board::Schritt m_zurueckgenommen;
    QPointer<QWidget> m_fokusVorLauf;
    QPointer<QWidget> m_fokusWaehrendLauf;
};
