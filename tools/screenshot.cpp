// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Renders the window as the README shows it: the search stepped by hand up
// to its first solution. Usage: screenshot OUT.png
// (QT_SCALE_FACTOR=2 gives the high-resolution picture.)

#include "application.h"
#include "form1.h"

#include <QApplication>
#include <QPushButton>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    setupApplication(app);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUT.png\n", argv[0]);
        return 2;
    }

    Form1 form;
    form.show();
    auto *step = form.findChild<QPushButton *>(QStringLiteral("Command2"));
    while (form.suche().loesungen() == 0)
        step->click();
    QApplication::processEvents();

    if (!form.grab().save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "could not write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
