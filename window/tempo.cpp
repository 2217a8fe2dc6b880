// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tempo.h"

#include <QCoreApplication>
#include <QTimer>

namespace {

int schritteProSekunde(Tempo::Stufe stufe)
{
    switch (stufe) {
    case Tempo::Stufe::Schnell:
        return 100;
    case Tempo::Stufe::Zuschauen:
        return 20;
    case Tempo::Stufe::Langsam:
        return 5;
    case Tempo::Stufe::Sofort:
        break;
    }
    return 0;
}

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
    case Stufe::Sofort:
        break;
    }
    return QStringLiteral("sofort");
}

QString Tempo::ansage(Stufe stufe)
{
    const int rate = schritteProSekunde(stufe);
    return rate == 0 ? QStringLiteral("Tempo, sofort") : QStringLiteral("Tempo, %1 Schritte pro Sekunde").arg(rate);
}

std::chrono::nanoseconds Tempo::intervall(Stufe stufe)
{
    const int rate = schritteProSekunde(stufe);
    return rate == 0 ? std::chrono::nanoseconds{} : std::chrono::nanoseconds(1'000'000'000 / rate);
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
    // change from "sofort") goes at once, without catching up.
    m_faellig = std::max(m_faellig + intervall(m_stufe), m_uhr());
    while (!aufhoeren()) {
        const auto rest = m_faellig - m_uhr();
        if (rest <= std::chrono::nanoseconds{})
            break;
        if (m_schlaf)
            m_schlaf(rest);
        else
            schlafen(rest);
    }
}
