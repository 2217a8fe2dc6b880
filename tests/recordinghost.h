// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "host.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// A host without a window: records every call in order and lets a test
// answer questions and act inside the event processing of a step.
class RecordingHost : public board::Host
{
public:
    bool stopAtSolutions() override
    {
        return stop;
    }
    void showSteps(std::int64_t schritte) override
    {
        steps = schritte;
        log("steps " + std::to_string(schritte));
    }
    void showSolutions(std::int64_t loesungen) override
    {
        solutions = loesungen;
        log("solutions " + std::to_string(loesungen));
    }
    void clearSolutions() override
    {
        solutions = -1;
        log("clear");
    }
    bool askContinue() override
    {
        ++questions;
        log("ask");
        return answer ? answer() : true;
    }
    void announceEnd() override
    {
        ++ends;
        endAtStep = steps;
        log("fertig");
    }
    void processEvents() override
    {
        if (onEvents)
            onEvents();
    }
    void betweenSteps() override
    {
        if (onBetween)
            onBetween();
    }
    void runningChanged(bool running) override
    {
        log(running ? "run begins" : "run ends");
    }

    // Step number, column, row, solution, end: "done 2 1 3 0 0".
    void stepDone(const board::Schritt &s) override
    {
        last = s;
        log("done " + std::to_string(s.nummer) + ' ' + std::to_string(s.spalte) + ' ' + std::to_string(s.reihe) + ' '
            + std::to_string(s.loesung) + ' ' + std::to_string(int(s.ende)));
    }
    void stepUndone(const board::Schritt &s) override
    {
        log("undone " + std::to_string(s.nummer));
    }

    bool stop = false;
    std::function<bool()> answer;
    std::function<void()> onEvents;
    std::function<void()> onBetween;

    std::int64_t steps = 0;
    std::int64_t solutions = 0;
    int questions = 0;
    int ends = 0;
    std::int64_t endAtStep = 0;
    board::Schritt last;
    bool keepLog = true;
    std::vector<std::string> calls;

private:
    void log(std::string call)
    {
        if (keepLog)
            calls.push_back(std::move(call));
    }
};
