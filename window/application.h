#pragma once

class QApplication;

// Names the application and loads Qt's own German texts (the buttons of the
// message boxes); without that translation Qt's default texts stay.
void setupApplication(QApplication &app);
