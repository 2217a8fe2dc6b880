// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "contract.h"

#include <cstdio>
#include <cstdlib>

namespace board {

void contractViolated(const char *what, const char *file, int line)
{
    std::fprintf(stderr, "%s:%d: precondition failed: %s\n", file, line, what);
    std::abort();
}

} // namespace board
