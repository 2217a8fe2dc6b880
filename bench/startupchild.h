// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// bench --startup-child program|minimal: a child that BM_Startup times
// from its start to its first painted frame.
inline constexpr const char *StartupChildFlag = "--startup-child";
int runStartupChild(char *argv[]);
