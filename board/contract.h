// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace board {

// Aborts with a message when a caller breaks a precondition. Checked in every
// build type: a column index outside the board must never go unnoticed.
[[noreturn]] void contractViolated(const char *what, const char *file, int line);

} // namespace board

#define BOARD_REQUIRE(cond)                                            \
    do {                                                               \
        if (!(cond))                                                   \
            ::board::contractViolated(#cond, __FILE__, __LINE__);      \
    } while (false)
