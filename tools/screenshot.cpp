// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Renders the window as the README shows it: the search stepped by hand up
// to its first solution. Usage:
//   screenshot OUT.png [--dark] [--focus NAME] [--spuren STEPS]
// --dark paints it under a dark palette, --focus puts the keyboard focus on
// the named control, --spuren shows what the search tries and stops after
// STEPS single steps. (QT_SCALE_FACTOR=2 gives the high-resolution picture.)

#include "application.h"
#include "form1.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QStyleFactory>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

QPalette dunklePalette()
{
    QPalette palette;
    palette.setColor(QPalette::Window, QColor(53, 53, 53));
    palette.setColor(QPalette::WindowText, Qt::white);
    palette.setColor(QPalette::Base, QColor(35, 35, 35));
    palette.setColor(QPalette::AlternateBase, QColor(53, 53, 53));
    palette.setColor(QPalette::Text, Qt::white);
    palette.setColor(QPalette::Button, QColor(53, 53, 53));
    palette.setColor(QPalette::ButtonText, Qt::white);
    palette.setColor(QPalette::Highlight, QColor(42, 130, 218));
    palette.setColor(QPalette::HighlightedText, Qt::black);
    return palette;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    setupApplication(app);
    const char *focus = nullptr;
    bool dark = false;
    long spuren = 0;
    for (int i = 2; i < argc; ++i) {
        if (std::strcmp(argv[i], "--dark") == 0)
            dark = true;
        else if (std::strcmp(argv[i], "--focus") == 0 && i + 1 < argc)
            focus = argv[++i];
        else if (std::strcmp(argv[i], "--spuren") == 0 && i + 1 < argc)
            spuren = std::strtol(argv[++i], nullptr, 10);
    }
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUT.png [--dark] [--focus NAME] [--spuren STEPS]\n", argv[0]);
        return 2;
    }
    if (dark) {
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QApplication::setPalette(dunklePalette());
    }

    Form1 form;
    form.show();
    auto *step = form.findChild<QPushButton *>(QStringLiteral("Command2"));
    if (spuren > 0)
        form.findChild<QAction *>(QStringLiteral("Spuren"))->setChecked(true);
    while (spuren > 0 ? form.suche().schritte() < spuren : form.suche().loesungen() == 0)
        step->click();
    if (focus) {
        form.activateWindow();
        if (auto *widget = form.findChild<QWidget *>(QString::fromLocal8Bit(focus)))
            widget->setFocus(Qt::TabFocusReason);
    }
    QApplication::processEvents();

    if (!form.grab().save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "could not write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
