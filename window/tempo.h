// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <array>
#include <chrono>
#include <functional>

// When a running search brings the screen up to date: at most once per
// refresh interval of the screen. No screen shows more, and a full run
// would otherwise repaint thousands of times a second.
class Bildtakt
{
public:
    using Uhr = std::function<std::chrono::nanoseconds()>;

    Bildtakt()
        : m_uhr([] { return std::chrono::steady_clock::now().time_since_epoch(); })
    {
    }

    // A clock of the caller's, so a test can drive the frames without time.
    void setzeUhr(Uhr uhr) { m_uhr = std::move(uhr); }
    void setzeFrequenz(double hertz)
    {
        m_intervall = std::chrono::nanoseconds(static_cast<long long>(1e9 / (hertz > 0 ? hertz : 60.0)));
    }

    bool faellig() const { return m_uhr() - m_letztes >= m_intervall; }
    void gezeigt() { m_letztes = m_uhr(); }

private:
    Uhr m_uhr;
    std::chrono::nanoseconds m_intervall{std::chrono::nanoseconds(1'000'000'000 / 60)};
    std::chrono::nanoseconds m_letztes{};
};

// How fast a full run goes: at once, or at a rate the eye can follow. At a
// rate, each step waits for its due time in the step's own event
// processing, handling input and sleeping otherwise.
class Tempo
{
public:
    enum class Stufe { Sofort, Schnell, Zuschauen, Langsam, Sekunde, DreiSekunden };
    static constexpr std::array<Stufe, 6> Stufen{Stufe::Sofort,  Stufe::Schnell, Stufe::Zuschauen,
                                                 Stufe::Langsam, Stufe::Sekunde, Stufe::DreiSekunden};

    // Waits the given time, handling events meanwhile.
    using Schlaf = std::function<void(std::chrono::nanoseconds)>;

    static QString menuetext(Stufe stufe);
    static QString ansage(Stufe stufe);
    // Zero at "sofort".
    static std::chrono::milliseconds intervall(Stufe stufe);

    Stufe stufe() const { return m_stufe; }
    void setzeStufe(Stufe stufe) { m_stufe = stufe; }
    bool getaktet() const { return m_stufe != Stufe::Sofort; }

    // The frame clock's seam, and a sleep on that clock for a test.
    void setzeUhr(Bildtakt::Uhr uhr, Schlaf schlaf);

    // The next step is due one interval from now.
    void vonJetztAn();
    // Waits until the next step is due, or until `aufhoeren` says so.
    void warten(const std::function<bool()> &aufhoeren);

private:
    Stufe m_stufe = Stufe::Sofort;
    Bildtakt::Uhr m_uhr{[] { return std::chrono::steady_clock::now().time_since_epoch(); }};
    Schlaf m_schlaf;
    std::chrono::nanoseconds m_faellig{};
};
