// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "application.h"

#include "form1.h"
#include "aussehen.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QSocketNotifier>
#include <QTimer>
#include <QTranslator>
#include <QWidget>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

int signalPipe[2] = {-1, -1};

void onTerminationSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(signalPipe[1], &byte, 1);
}

} // namespace

void setupApplication(QApplication &app)
{
    // No display name: Qt would append it to every window title, the
    // question "hurra!" included. The windows carry their titles themselves.
    QApplication::setApplicationName(QStringLiteral("acht-damen"));
    // Lets the desktop match the window with its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("de.achtdamen.AchtDamen"));
    // The window's default font for the whole program: the message boxes
    // match the window, and Qt's line edits, which lay out their text in the
    // application's font before their own, need no face of their own.
    QApplication::setFont(standardSchrift());

    const QLocale deutsch(QLocale::German, QLocale::Germany);
    QLocale::setDefault(deutsch);
    auto *translator = new QTranslator(&app);
    if (translator->load(deutsch, QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);
    else
        delete translator;
}

void catchTerminationSignals()
{
    // A signal handler may only write to a pipe; the event loop reads it.
    if (signalPipe[0] >= 0 || ::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    struct sigaction action = {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        // A signal ignored at start stays ignored: a script's background job
        // is started with SIGINT ignored so that Ctrl+C spares it.
        struct sigaction previous = {};
        if (sigaction(signal, nullptr, &previous) == 0 && previous.sa_handler == SIG_IGN)
            continue;
        sigaction(signal, &action, nullptr);
    }
}

void closeOnTerminationSignals(QWidget &window)
{
    catchTerminationSignals();
    if (signalPipe[0] < 0)
        return;
    // A signal caught before the window existed is read once the event loop
    // runs, and closes the window then.
    auto *notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, &window);
    QObject::connect(notifier, &QSocketNotifier::activated, &window, [&window] {
        char byte = 0;
        while (::read(signalPipe[0], &byte, 1) > 0) {
        }
        window.close();
    });
}

bool displayAvailable(int argc, char *argv[])
{
    // A platform the user names, by variable or by Qt's own argument, is
    // taken as it is; Qt reports for itself if it cannot start it.
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return true;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            return true;
    }
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

int runProgram(int argc, char *argv[], const std::function<void(QWidget &)> &gezeigt)
{
    if (!displayAvailable(argc, argv)) {
        std::fprintf(stderr, "acht-damen: keine grafische Sitzung gefunden (weder DISPLAY noch WAYLAND_DISPLAY "
                             "ist gesetzt). Acht Damen braucht eine grafische Sitzung; ohne Bildschirm "
                             "startet es so: xvfb-run %s\n", argv[0]);
        return 1;
    }

    // From the very start: a session that ends while the program starts
    // still gets a clean exit.
    catchTerminationSignals();
    QApplication app(argc, argv);
    setupApplication(app);
    Form1 form;
    closeOnTerminationSignals(form);
    form.show();
    // The embedded icon, once the window is up: reading it is a twentieth
    // of the start, and desktops show the theme's icon from the entry.
    nachErstemBild(form, [] { QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/de.achtdamen.AchtDamen-64.png"))); });
    if (gezeigt)
        gezeigt(form);
    return QApplication::exec();
}

namespace {

class ErstesBild : public QObject
{
public:
    explicit ErstesBild(QWidget &fenster, std::function<void()> nachher)
        : QObject(&fenster)
    {
        m_danach.setSingleShot(true);
        connect(&m_danach, &QTimer::timeout, this, [this, nachher = std::move(nachher)] {
            nachher();
            deleteLater();
        });
        fenster.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // After the paint event the frame still has to reach the screen.
            m_danach.start(0);
        }
        return false;
    }

private:
    QTimer m_danach;
};

} // namespace

void nachErstemBild(QWidget &fenster, std::function<void()> nachher)
{
    new ErstesBild(fenster, std::move(nachher));
}

void beobachteFenster(QWidget &fenster, QObject &filter)
{
    fenster.installEventFilter(&filter);
    for (QWidget *widget : fenster.findChildren<QWidget *>())
        widget->installEventFilter(&filter);
}
