// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tempo.h"

#include <QCoreApplication>
#include <QTimer>

namespace {

// Sleeps in the event loop: the timer's event, or any other, wakes it.
void schlafen(std::chrono::nanoseconds dauer)
{
    QTimer wecker;
    wecker.setSingleShot(true);
    wecker.setTimerType(Qt::PreciseTimer);
    wecker.start(std::chrono::ceil<std::chrono::milliseconds>(dauer));
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

} // namespace

QString Tempo::menuetext(Stufe stufe)
{
    switch (stufe) {
    case Stufe::Schnell:
        return QStringLiteral("schnell (100 Schritte pro Sekunde)");
    case Stufe::Zuschauen:
        return QStringLiteral("zum Zuschauen (20 Schritte pro Sekunde)");
    case Stufe::Langsam:
        return QStringLiteral("langsam (5 Schritte pro Sekunde)");
    case Stufe::Sekunde:
        return QStringLiteral("1 pro Sekunde");
    case Stufe::DreiSekunden:
        return QStringLiteral("1 alle 3 Sekunden");
    case Stufe::Sofort:
        break;
    }
    return QStringLiteral("sofort");
}

QString Tempo::ansage(Stufe stufe)
{
    switch (stufe) {
    case Stufe::Sofort:
        return QStringLiteral("Tempo, sofort");
    case Stufe::Sekunde:
        return QStringLiteral("Tempo, 1 Schritt pro Sekunde");
    case Stufe::DreiSekunden:
        return QStringLiteral("Tempo, 1 Schritt alle 3 Sekunden");
    default:
        break;
    }
    return QStringLiteral("Tempo, %1 Schritte pro Sekunde").arg(1000 / intervall(stufe).count());
}

std::chrono::milliseconds Tempo::intervall(Stufe stufe)
{
    using namespace std::chrono_literals;
    switch (stufe) {
    case Stufe::Schnell:
        return 10ms;
    case Stufe::Zuschauen:
        return 50ms;
    case Stufe::Langsam:
        return 200ms;
    case Stufe::Sekunde:
        return 1s;
    case Stufe::DreiSekunden:
        return 3s;
    case Stufe::Sofort:
        break;
    }
    return 0ms;
}

void Tempo::setzeUhr(Bildtakt::Uhr uhr, Schlaf schlaf)
{
    m_uhr = std::move(uhr);
    m_schlaf = std::move(schlaf);
}

void Tempo::vonJetztAn()
{
    m_faellig = m_uhr();
}

void Tempo::warten(const std::function<bool()> &aufhoeren)
{
    if (!getaktet())
        return;
    // Due times follow each other by the interval, not by the moment a step
    // woke, so the rate keeps; a step that is late (or the first after a
    // change from "sofort") goes at once, without catching up. A pace
    // chosen while a step waits counts for that step.
    const std::chrono::nanoseconds zuletzt = m_faellig;
    const std::chrono::nanoseconds jetzt = m_uhr();
    for (;;) {
        m_faellig = std::max(zuletzt + std::chrono::nanoseconds(intervall(m_stufe)), jetzt);
        if (aufhoeren())
            break;
        const auto rest = m_faellig - m_uhr();
        if (rest <= std::chrono::nanoseconds{})
            break;
        if (m_schlaf)
            m_schlaf(rest);
        else
            schlafen(rest);
    }
}
