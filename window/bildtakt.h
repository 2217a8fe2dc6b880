// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

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
