// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Renders the window as the README shows it: the search stepped by hand up
// to its first solution. Usage:
//   screenshot OUT.png [--dark] [--focus NAME] [--spuren STEPS] [--ueberblick] [--vorhersage]
// --dark paints it under a dark palette, --focus puts the keyboard focus on
// the named control, --spuren shows what the search tries and stops after
// STEPS single steps, --ueberblick opens the panes "Suchbaum", "Ablauf"
// and "Suchprotokoll" and puts their window, as large as on a 1280 × 1024
// screen, beside the main one; --vorhersage also turns the practice on,
// answers one question and leaves the next open. (QT_SCALE_FACTOR=2 gives
// the high-resolution picture.)

#include "application.h"
#include "form1.h"
#include "vorhersagen.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QPainter>
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
    bool ueberblick = false;
    bool vorhersage = false;
    for (int i = 2; i < argc; ++i) {
        if (std::strcmp(argv[i], "--dark") == 0)
            dark = true;
        else if (std::strcmp(argv[i], "--ueberblick") == 0)
            ueberblick = true;
        else if (std::strcmp(argv[i], "--vorhersage") == 0)
            vorhersage = ueberblick = true;
        else if (std::strcmp(argv[i], "--focus") == 0 && i + 1 < argc)
            focus = argv[++i];
        else if (std::strcmp(argv[i], "--spuren") == 0 && i + 1 < argc)
            spuren = std::strtol(argv[++i], nullptr, 10);
    }
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUT.png [--dark] [--focus NAME] [--spuren STEPS] [--ueberblick] [--vorhersage]\n",
                     argv[0]);
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
    QWidget *daneben = nullptr;
    if (ueberblick) {
        for (const char *teil : {"Suchbaum", "Ablauf", "Protokoll"})
            form.findChild<QAction *>(QString::fromLatin1(teil))->trigger();
        daneben = form.findChild<QWidget *>(QStringLiteral("Ueberblick"));
        daneben->resize(445, 990);
    }
    while (spuren > 0 ? form.suche().schritte() < spuren : form.suche().loesungen() == 0)
        step->click();
    if (vorhersage) {
        // One guess judged, the next question open.
        form.findChild<QAction *>(QStringLiteral("Vorhersage"))->trigger();
        step->click();
        form.vorhersagen().antworte(2);
        step->click();
    }
    if (focus) {
        form.activateWindow();
        if (auto *widget = form.findChild<QWidget *>(QString::fromLocal8Bit(focus)))
            widget->setFocus(Qt::TabFocusReason);
    }
    QApplication::processEvents();
    // The protocol's lines catch up within half a second.
    if (daneben) {
        QElapsedTimer warten;
        warten.start();
        while (warten.elapsed() < 600)
            QApplication::processEvents(QEventLoop::AllEvents, 50);
    }

    QPixmap bild = form.grab();
    if (daneben) {
        const QPixmap rechts = daneben->grab();
        const qreal dpr = bild.devicePixelRatio();
        QPixmap beide(QSize(form.width() + 8 + daneben->width(), std::max(form.height(), daneben->height())) * dpr);
        beide.setDevicePixelRatio(dpr);
        beide.fill(Qt::black);
        QPainter painter(&beide);
        painter.drawPixmap(0, 0, bild);
        painter.drawPixmap(form.width() + 8, 0, rechts);
        painter.end();
        bild = beide;
    }
    if (!bild.save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "could not write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
