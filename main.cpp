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
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        std::fprintf(stderr, "acht-damen: kein Bildschirm gefunden (DISPLAY ist leer); "
                             "ohne Bildschirm so starten: xvfb-run %s\n", argv[0]);
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
