// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QApplication;
class QWidget;

// Names the application and loads Qt's own German texts (the buttons of the
// message boxes); without that translation Qt's default texts stay.
void setupApplication(QApplication &app);

// SIGTERM, SIGINT and SIGHUP close the window as the user would, so a
// running search ends and the program exits cleanly (a session logging out,
// Ctrl+C, a closed terminal).
void closeOnTerminationSignals(QWidget &window);

// False only when no platform is named and neither an X11 nor a Wayland
// display is set: then the program cannot show its window.
bool displayAvailable(int argc, char *argv[]);
