// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "application.h"
#include "form1.h"

#include <QApplication>
#include <QIcon>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (!displayAvailable(argc, argv)) {
        std::fprintf(stderr, "acht-damen: keine grafische Sitzung gefunden (weder DISPLAY noch WAYLAND_DISPLAY "
                             "ist gesetzt). Das Programm braucht eine grafische Sitzung; ohne Bildschirm "
                             "startet es so: xvfb-run %s\n", argv[0]);
        return 1;
    }

    QApplication app(argc, argv);
    setupApplication(app);
    QApplication::setWindowIcon(QIcon::fromTheme(QGuiApplication::desktopFileName(),
                                                 QIcon(QStringLiteral(":/de.achtdamen.AchtDamen.svg"))));

    Form1 form;
    closeOnTerminationSignals(form);
    form.show();
    return QApplication::exec();
}
