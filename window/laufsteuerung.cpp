// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "laufsteuerung.h"

#include "anzeige.h"
#include "application.h"
#include "rueckfragen.h"
#include "stellung.h"
#include "suchverlauf.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QEvent>
#include <QScreen>
#include <QWidget>

#include <utility>

Laufsteuerung::Laufsteuerung(board::Feld &feld, view::Anzeige &anzeige, view::Suchverlauf &verlauf,
                             Rueckfragen &fragen, const QAbstractButton &stopBeiLoesung, QWidget &fenster)
    : m_feld(feld)
    , m_anzeige(anzeige)
    , m_verlauf(verlauf)
    , m_fragen(fragen)
    , m_stopBeiLoesung(stopBeiLoesung)
    , m_fenster(fenster)
{
    // Sees the user's input, shown at once during a search, and every
    // repaint of the window, which must show what is held.
    beobachteFenster(fenster, *this);
    // Under a box the window, and every view of the search, shows where the
    // search stands.
    connect(&fragen, &Rueckfragen::oeffnet, this, [this] {
        zeigeBild();
        m_verlauf.jetztZeigen();
    });
}

bool Laufsteuerung::zurueckMoeglich() const
{
    // The search allows it between any two steps of a run; the window only
    // while the run is held there, not as it goes on.
    return m_suche.kannZurueck() && (m_zustand == Zustand::Ruht || m_zustand == Zustand::Angehalten);
}

bool Laufsteuerung::reichtZurueck(std::uint64_t schritte) const
{
    return schritte <= m_suche.verlaufsLaenge() && (schritte == 0 || zurueckMoeglich());
}

void Laufsteuerung::setzeTempo(Tempo::Stufe stufe)
{
    m_tempo.setzeStufe(stufe);
    emit tempoGeaendert(stufe);
    emit ansage(Tempo::ansage(stufe));
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
    pruefeZurueck();
    // A paused run shows no further frame of its own.
    if (m_zustand == Zustand::Angehalten)
        zeigeBild();
}

void Laufsteuerung::null()
{
    // During a run "Null" ends it first.
    const bool lief = m_suche.runInProgress();
    befehl([this] { m_suche.Null(); });
    if (lief && m_fenster.isVisible())
        emit ansage(view::gesagt::DurchlaufBeendet);
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
    if (!zurueckMoeglich()) {
        emit ansage(view::gesagt::KeinSchrittZurueck);
        return;
    }
    befehl([this] { m_suche.SchrittZurueck(); });
    emit ansage(view::zurueckGesagt(m_zurueckgenommen));
}

void Laufsteuerung::zurueckZu(std::uint64_t id)
{
    using Art = view::Suchverlauf::Eintrag::Art;
    const view::Suchverlauf::Eintrag *ziel = m_verlauf.finde(id);
    const std::int64_t nummer = ziel && ziel->art == Art::Schritt ? ziel->schritt.nummer : 0;
    const int danach = m_verlauf.schritteNach(id);
    if (nummer == 0 || danach < 0 || !reichtZurueck(std::uint64_t(danach))) {
        const QString text = nummer != 0 && danach > 0 && laeuftWeiter() ? view::gesagt::ErstAnhalten
                                                                          : view::zuWeitZurueckGesagt(nummer);
        emit abgelehnt(text);
        emit ansage(text);
        return;
    }
    zurueck(danach);
}

void Laufsteuerung::zurueck(int schritte)
{
    if (schritte <= 0)
        return;
    befehl([this, schritte] {
        for (int n = 0; n < schritte; ++n)
            m_suche.SchrittZurueck();
    });
    // One message for the whole walk: where it ended and how far it went.
    emit ansage(schritte == 1 ? view::zurueckGesagt(m_zurueckgenommen) : view::gangGesagt(m_zurueckgenommen, schritte));
}

QString Laufsteuerung::geheZuNicht(std::int64_t nummer) const
{
    const std::int64_t jetzt = m_suche.schritte();
    // A run that goes on goes neither back nor forward; held, it does both.
    if (nummer != jetzt && laeuftWeiter())
        return view::gesagt::ErstAnhalten;
    if (nummer < jetzt && !reichtZurueck(std::uint64_t(jetzt - nummer)))
        return view::zuWeitZurueckGesagt(nummer);
    return {};
}

void Laufsteuerung::geheZu(std::int64_t nummer)
{
    const std::int64_t jetzt = m_suche.schritte();
    if (const QString nicht = geheZuNicht(nummer); !nicht.isEmpty()) {
        emit abgelehnt(nicht);
        emit ansage(nicht);
        return;
    }
    if (nummer < jetzt) {
        zurueck(int(jetzt - nummer));
        return;
    }
    if (nummer == jetzt)
        return;
    m_gang = true;
    befehl([this, nummer] {
        // "Von vorn" meanwhile ends the walk.
        while (m_gang && m_suche.schritte() < nummer && m_fenster.isVisible()) {
            const std::int64_t vorher = m_suche.schritte();
            m_suche.Einzelschritt();
            // A search that finished ends the walk where it ended.
            if (m_suche.schritte() == vorher || m_suche.spalte() == -1)
                break;
        }
    });
    if (std::exchange(m_gang, false))
        emit ansage(view::gangVorGesagt(m_suche.schritte(), view::brettVon(m_feld)));
}

void Laufsteuerung::vonVorn()
{
    // Under way, a command ends where it stands, and a box closes.
    if (m_suche.runInProgress())
        m_fragen.schliessen();
    befehl([this] { m_suche.VonVorn(); });
    emit ansage(view::gesagt::VonVorn);
}

void Laufsteuerung::anhaltenOderFortsetzen()
{
    if (m_zustand != Zustand::Ruht)
        setze(m_zustand == Zustand::Laeuft ? Zustand::HaltVerlangt : Zustand::Laeuft);
}

void Laufsteuerung::beenden()
{
    if (m_zustand == Zustand::Angehalten && m_suche.DurchlaufBeenden())
        emit ansage(view::gesagt::DurchlaufBeendet);
}

void Laufsteuerung::vonHand(int spalte, int wert)
{
    // A move that leaves the board as it was, as a click on a slider whose
    // thumb the run has not yet moved, is none.
    const std::uint64_t stand = m_feld.stand();
    m_feld.setzeWert(spalte, static_cast<std::int16_t>(wert));
    if (m_feld.stand() != stand)
        m_verlauf.handzug(m_feld, spalte, m_suche.spalte());
    // The user's own move shows whole, also in the middle of a run.
    m_anzeige.zeigen();
    pruefeZurueck();
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

bool Laufsteuerung::eventFilter(QObject *watched, QEvent *event)
{
    // Whatever makes the window repaint, the frame shows what is held: one
    // moment of the search, never half of one.
    if (event->type() == QEvent::UpdateRequest && watched == &m_fenster)
        zeigeBild();
    else if (event->isInputEvent())
        m_eingabe = true;
    return false;
}

void Laufsteuerung::zeigeBild()
{
    m_anzeige.zeigen();
    m_takt.gezeigt();
}

void Laufsteuerung::setze(Zustand zustand)
{
    const Zustand alt = std::exchange(m_zustand, zustand);
    if (alt == zustand)
        return;
    const bool beginnt = alt == Zustand::Ruht;
    if (beginnt)
        m_fokusVorLauf = m_fenster.focusWidget();
    emit zustandGeaendert(alt, zustand);
    if (beginnt) {
        // Where Qt moved the focus from a control the window turned off.
        m_fokusWaehrendLauf = m_fenster.focusWidget();
    } else if (zustand == Zustand::Ruht && m_fokusVorLauf && m_fenster.focusWidget() == m_fokusWaehrendLauf) {
        // Unless the user has moved it since, the focus goes back, so that
        // Space on "Durchlauf" starts another run.
        m_fokusVorLauf->setFocus(Qt::OtherFocusReason);
    }
    pruefeZurueck();
}

void Laufsteuerung::pruefeZurueck()
{
    const bool moeglich = zurueckMoeglich();
    if (std::exchange(m_zurueckMoeglich, moeglich) != moeglich)
        emit zurueckMoeglichGeaendert(moeglich);
}

void Laufsteuerung::zeigeZaehler()
{
    if (m_gezaehlt)
        emit schritteZeigen(*std::exchange(m_gezaehlt, std::nullopt));
}

bool Laufsteuerung::stopAtSolutions()
{
    return m_stopBeiLoesung.isChecked() && !m_gang;
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
    if (!m_gang)
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
    if (running) {
        m_tempo.vonJetztAn();
        m_verlauf.durchlauf();
    } else {
        m_verlauf.laufEndet(m_suche.spalte());
    }
    setze(running ? Zustand::Laeuft : Zustand::Ruht);
}

void Laufsteuerung::stepBegins()
{
    m_verlauf.schrittBeginnt();
}

void Laufsteuerung::stepTaken(const board::Schritt &schritt)
{
    m_verlauf.schritt(schritt, m_feld, m_suche.spalte());
}

void Laufsteuerung::stepDone(const board::Schritt &schritt)
{
    m_verlauf.schrittFertig(schritt);
}

void Laufsteuerung::stepUndone(const board::Schritt &schritt)
{
    m_zurueckgenommen = schritt;
    m_verlauf.zurueck(schritt);
}

void Laufsteuerung::cleared()
{
    m_verlauf.null(m_feld, m_suche.spalte());
}

void Laufsteuerung::begunAnew()
{
    m_gang = false;
    m_gezaehlt.reset();
    m_verlauf.vonVorn();
}

void Laufsteuerung::betweenSteps()
{
    if (m_zustand != Zustand::HaltVerlangt)
        return;
    setze(Zustand::Angehalten);
    zeigeBild();
    emit ansage(view::angehaltenGesagt(m_suche.schritte(), m_suche.loesungen(), view::brettVon(m_feld)));
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
    emit ansage(view::gesagt::DurchlaufFortgesetzt);
}
