// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "host.h"

// Shows nothing and never stops: the cost of the search alone.
class NullHost : public board::Host
{
public:
    bool stopAtSolutions() override { return false; }
    void showSteps(std::int64_t) override {}
    void showSolutions(std::int64_t) override {}
    void clearSolutions() override {}
    bool askContinue() override { return true; }
    void announceEnd() override {}
    void processEvents() override {}
};
