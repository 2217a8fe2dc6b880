// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>

class QApplication;
class QObject;
class QWidget;

// Names the application, makes the window's default font the program's and
// loads Qt's own German texts (the buttons of the message boxes); without
// that translation Qt's default texts stay.
void setupApplication(QApplication &app);

// SIGTERM, SIGINT and SIGHUP close the window as the user would, so a
// running search ends and the program exits cleanly (a session logging out,
// Ctrl+C, a closed terminal). Catching them can begin before the window
// exists; the window closes once it is there.
void catchTerminationSignals();
void closeOnTerminationSignals(QWidget &window);

// False only when no platform is named and neither an X11 nor a Wayland
// display is set: then the program cannot show its window.
bool displayAvailable(int argc, char *argv[]);

// Calls `nachher` once, right after `fenster` has painted its first frame.
void nachErstemBild(QWidget &fenster, std::function<void()> nachher);

// Lets `filter` see the events of `fenster` and of every widget in it now.
void beobachteFenster(QWidget &fenster, QObject &filter);

// All that main() does: checks for a display, sets up the application,
// shows the window and runs until it is closed. `gezeigt`, if given, is
// called once the window has been shown (the start-up benchmark watches
// for its first frame there).
int runProgram(int argc, char *argv[], const std::function<void(QWidget &)> &gezeigt = {});
