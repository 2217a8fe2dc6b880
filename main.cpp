// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "application.h"

int main(int argc, char *argv[])
{
    return runProgram(argc, argv);
}
