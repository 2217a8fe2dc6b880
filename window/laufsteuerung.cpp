// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "laufsteuerung.h"

#include "anzeige.h"
#include "rueckfragen.h"
#include "stellung.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QScreen>
#include <QWidget>

#include <utility>

Laufsteuerung::Laufsteuerung(board::Feld &feld, view::Anzeige &anzeige, Rueckfragen &fragen,
                             const QAbstractButton &stopBeiLoesung, QWidget &fenster)
    : m_feld(feld)
    , m_anzeige(anzeige)
    , m_fragen(fragen)
    , m_stopBeiLoesung(stopBeiLoesung)
    , m_fenster(fenster)
{
}

bool Laufsteuerung::zurueckMoeglich() const
{
    // The search allows it between any two steps of a run; the window only
    // while the run is held there, not as it goes on.
    return m_suche.kannZurueck() && (m_zustand == Zustand::Ruht || m_zustand == Zustand::Angehalten);
}

void Laufsteuerung::setzeUhr(const Bildtakt::Uhr &uhr, Tempo::Schlaf schlaf)
{
    m_takt.setzeUhr(uhr);
    m_tempo.setzeUhr(uhr, std::move(schlaf));
}

template<typename Befehl>
void Laufsteuerung::befehl(Befehl ausfuehren)
{
    // A press through accessibility fires a moment later, perhaps after the
    // window has been closed.
    if (!m_fenster.isVisible())
        return;
    m_anzeige.festhalten();
    ausfuehren();
    m_anzeige.freigeben();
    emit zustandGeaendert();
    // A paused run shows no further frame of its own.
    if (m_zustand == Zustand::Angehalten)
        zeigeBild();
}

void Laufsteuerung::null()
{
    // During a run "Null" ends it first.
    const bool lief = m_suche.runInProgress();
    if (!m_fenster.isVisible())
        return;
    m_nullNachLauf = laeuftWeiter();
    befehl([this] { m_suche.Null(); });
    if (lief)
        emit ansage(gesagt::DurchlaufBeendet);
    if (!m_nullNachLauf)
        emit geleert();
}

void Laufsteuerung::einzelschritt()
{
    befehl([this] { m_suche.Einzelschritt(); });
}

void Laufsteuerung::durchlauf()
{
    befehl([this] { m_suche.Durchlauf(); });
}

void Laufsteuerung::schrittZurueck()
{
    if (zurueckMoeglich())
        befehl([this] { m_suche.SchrittZurueck(); });
    else
        emit ansage(gesagt::KeinSchrittZurueck);
}

void Laufsteuerung::anhaltenOderFortsetzen()
{
    switch (m_zustand) {
    case Zustand::Ruht:
        return;
    case Zustand::Laeuft:
        setze(Zustand::HaltVerlangt);
        return;
    case Zustand::HaltVerlangt:
    case Zustand::Angehalten:
        setze(Zustand::Laeuft);
        return;
    }
}

void Laufsteuerung::beenden()
{
    if (m_zustand == Zustand::Angehalten && m_suche.DurchlaufBeenden())
        emit ansage(gesagt::DurchlaufBeendet);
}

void Laufsteuerung::vonHand(int spalte, int wert)
{
    m_feld.setzeWert(spalte, static_cast<std::int16_t>(wert));
    // What went before the move can no longer be taken back.
    emit zustandGeaendert();
}

void Laufsteuerung::schliessen()
{
    // A run in progress must not outlive the window, nor keep a box open;
    // the window shows where it stopped, at the step it was making.
    m_suche.requestEnd();
    zeigeZaehler();
    m_anzeige.zeigen();
    m_fragen.schliessen();
}

void Laufsteuerung::zeigeBild()
{
    m_anzeige.zeigen();
    m_takt.gezeigt();
}

void Laufsteuerung::setze(Zustand zustand)
{
    if (std::exchange(m_zustand, zustand) != zustand)
        emit zustandGeaendert();
}

void Laufsteuerung::zeigeZaehler()
{
    if (m_gezaehlt)
        emit schritteZeigen(*std::exchange(m_gezaehlt, std::nullopt));
}

bool Laufsteuerung::stopAtSolutions()
{
    return m_stopBeiLoesung.isChecked();
}

void Laufsteuerung::showSteps(std::int64_t schritte)
{
    // Shown with the rows the step probes, after its event processing: a
    // frame there still shows the step before, and its count.
    m_gezaehlt = schritte;
}

void Laufsteuerung::showSolutions(std::int64_t loesungen)
{
    emit loesungenZeigen(QString::number(loesungen));
}

void Laufsteuerung::clearSolutions()
{
    emit loesungenZeigen(QString());
}

bool Laufsteuerung::askContinue()
{
    return m_fragen.weitersuchen();
}

void Laufsteuerung::announceEnd()
{
    m_fragen.fertig();
}

void Laufsteuerung::processEvents()
{
    // At a pace, every step of a run is shown and waits for its due time.
    const bool getaktet = m_tempo.getaktet() && laeuftWeiter();
    // Input is handled at every step; the screen changes once per frame,
    // painted by this same event processing.
    if (getaktet || m_takt.faellig()) {
        if (const QScreen *schirm = m_fenster.screen())
            m_takt.setzeFrequenz(schirm->refreshRate());
        zeigeBild();
    }
    m_eingabe = false;
    QCoreApplication::processEvents();
    if (getaktet)
        m_tempo.warten([this] { return m_zustand != Zustand::Laeuft || !m_suche.runGoesOn(); });
    // cppcheck-suppress knownConditionTrueFalse ; the window's input sets it while events run
    if (m_eingabe) {
        zeigeBild();
        QCoreApplication::sendPostedEvents(&m_fenster, QEvent::UpdateRequest);
    }
    zeigeZaehler();
}

void Laufsteuerung::runningChanged(bool running)
{
    if (running)
        m_tempo.vonJetztAn();
    setze(running ? Zustand::Laeuft : Zustand::Ruht);
    if (!running && std::exchange(m_nullNachLauf, false))
        emit geleert();
}

void Laufsteuerung::stepBegins()
{
    emit schrittBeginnt();
}

void Laufsteuerung::stepTaken(const board::Schritt &schritt)
{
    emit schrittGemacht(schritt);
}

void Laufsteuerung::stepDone(const board::Schritt &schritt)
{
    emit schrittFertig(schritt);
}

void Laufsteuerung::stepUndone(const board::Schritt &schritt)
{
    emit schrittZurueckgenommen(schritt);
}

void Laufsteuerung::betweenSteps()
{
    if (m_zustand != Zustand::HaltVerlangt)
        return;
    m_zustand = Zustand::Angehalten;
    zeigeBild();
    emit zustandGeaendert();
    emit ansage(angehaltenGesagt(m_suche, m_feld));
    // Input only, and asleep otherwise, until the user goes on, ends the run,
    // steps it to its end or closes the window. Paused again before it went
    // on (two presses at once), it stays.
    while (m_suche.runGoesOn()) {
        if (m_zustand == Zustand::HaltVerlangt)
            setze(Zustand::Angehalten);
        if (m_zustand != Zustand::Angehalten)
            break;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    if (!m_suche.runGoesOn())
        return;
    m_tempo.vonJetztAn();
    emit ansage(gesagt::DurchlaufFortgesetzt);
}
