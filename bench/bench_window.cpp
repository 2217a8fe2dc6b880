// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "application.h"
#include "form1.h"
#include "framewatcher.h"
#include "startupchild.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QMenu>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <functional>
#include <set>
#include <cstdlib>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr int FullRunSteps = 4021;

// Tells the parent that the first frame is painted, with this image's peak
// memory (the kernel keeps a process's peak across exec, so the parent's
// rusage would count its own), and ends at once, before any teardown.
void reportFirstFrame()
{
    QFile status(QStringLiteral("/proc/self/status"));
    QByteArray peakKib = "0";
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : status.readAll().split('\n')) {
            if (line.startsWith("VmHWM:"))
                peakKib = line.mid(6).trimmed().split(' ').value(0);
        }
    }
    peakKib += '\n';
    [[maybe_unused]] const auto written = ::write(STDOUT_FILENO, peakKib.constData(), peakKib.size());
    std::_Exit(0);
}
// Time between consecutive step starts, in microseconds.
class StepClock
{
public:
    void tick()
    {
        const qint64 now = m_clock.nsecsElapsed();
        if (m_last >= 0)
            m_latencies.push_back(static_cast<double>(now - m_last) / 1000.0);
        m_last = now;
    }
    void start()
    {
        m_latencies.clear();
        m_latencies.reserve(FullRunSteps);
        m_last = -1;
        m_clock.start();
    }
    void stop() { tick(); }

    void report(benchmark::State &state)
    {
        std::sort(m_latencies.begin(), m_latencies.end());
        auto at = [this](double q) {
            return m_latencies[static_cast<std::size_t>(q * static_cast<double>(m_latencies.size() - 1))];
        };
        state.counters["p50_us"] = at(0.50);
        state.counters["p99_us"] = at(0.99);
        state.counters["max_us"] = m_latencies.back();
    }

private:
    QElapsedTimer m_clock;
    qint64 m_last = -1;
    std::vector<double> m_latencies;
};

double peakRssMib()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// Seconds per iteration of the floor, kept for the window's ratio.
double floorSeconds = 0;

// The least a window must do per step: show the count, let events run.
void BM_QtFloor(benchmark::State &state)
{
    QWidget window;
    window.resize(815, 546);
    QLineEdit box(&window);
    window.show();
    QApplication::processEvents();
    StepClock clock;
    QElapsedTimer total;
    total.start();
    // NOLINTNEXTLINE(clang-analyzer-deadcode.DeadStores): benchmark's loop variable only counts
    for (auto _ : state) {
        clock.start();
        for (int step = 1; step <= FullRunSteps; ++step) {
            clock.tick();
            box.setText(QString::number(step));
            QApplication::processEvents();
        }
        clock.stop();
    }
    floorSeconds = static_cast<double>(total.nsecsElapsed()) / 1e9 / static_cast<double>(state.iterations());
    clock.report(state);
}
BENCHMARK(BM_QtFloor)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The window's repaints: how many, and the longest time without one.
class FrameCounter : public QObject
{
public:
    void start()
    {
        frames = 0;
        m_longestGap = 0;
        m_clock.start();
        m_last = 0;
    }
    void stop() { note(); }

    int frames = 0;
    double longestGapMs() const { return static_cast<double>(m_longestGap) / 1e6; }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::UpdateRequest) {
            ++frames;
            note();
        }
        return false;
    }

private:
    void note()
    {
        const qint64 now = m_clock.nsecsElapsed();
        m_longestGap = std::max(m_longestGap, now - m_last);
        m_last = now;
    }

    QElapsedTimer m_clock;
    qint64 m_last = 0;
    qint64 m_longestGap = 0;
};

// "Versuche und Bedrohungen zeigen" on, and the "Suchprotokoll" open;
// with `alle`, the search tree and the algorithm's lines too.
void zeigeAlles(Form1 &form, bool alle = false)
{
    form.findChild<QAction *>(QStringLiteral("Spuren"))->setChecked(true);
    form.findChild<QAction *>(QStringLiteral("Protokoll"))->trigger();
    if (alle) {
        form.findChild<QAction *>(QStringLiteral("Suchbaum"))->trigger();
        form.findChild<QAction *>(QStringLiteral("Ablauf"))->trigger();
    }
}

// Argument 1: with "Versuche und Bedrohungen zeigen"; 2: and the protocol;
// 3: and every pane.
void BM_WindowFullRun(benchmark::State &state)
{
    Form1 form;
    form.show();
    form.findChild<QAction *>(QStringLiteral("Spuren"))->setChecked(state.range(0) == 1);
    if (state.range(0) >= 2)
        zeigeAlles(form, state.range(0) == 3);
    QApplication::processEvents();

    // Answers "fertig" as soon as it is up.
    QTimer answerer;
    QObject::connect(&answerer, &QTimer::timeout, [] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
            box->accept();
    });
    answerer.start(0);

    // A step's latency runs from one count of the search to the next; the
    // window shows the count only once per frame, so the clock takes it
    // where the count is made.
    StepClock clock;
    std::int64_t counted = 0;
    QTimer stepWatch;
    QObject::connect(&stepWatch, &QTimer::timeout, [&] {
        if (form.suche().schritte() != counted) {
            counted = form.suche().schritte();
            clock.tick();
        }
    });
    stepWatch.start(0);
    FrameCounter frames;
    form.installEventFilter(&frames);
    auto *durchlauf = form.findChild<QPushButton *>(QStringLiteral("Command3"));

    QElapsedTimer total;
    total.start();
    int mostFrames = 0;
    double longestGapMs = 0;
    // NOLINTNEXTLINE(clang-analyzer-deadcode.DeadStores): benchmark's loop variable only counts
    for (auto _ : state) {
        counted = 0;
        clock.start();
        frames.start();
        durchlauf->click();
        frames.stop();
        clock.stop();
        mostFrames = std::max(mostFrames, frames.frames);
        longestGapMs = std::max(longestGapMs, frames.longestGapMs());
    }
    const double seconds = static_cast<double>(total.nsecsElapsed()) / 1e9 / static_cast<double>(state.iterations());
    if (form.suche().schritte() != FullRunSteps)
        state.SkipWithError("the run did not make 4021 steps");
    clock.report(state);
    if (floorSeconds > 0)
        state.counters["ratio_to_floor"] = seconds / floorSeconds;
    state.counters["frames"] = mostFrames;
    state.counters["max_frame_gap_ms"] = longestGapMs;
    state.counters["peak_rss_mib"] = peakRssMib();
}
BENCHMARK(BM_WindowFullRun)->Arg(0)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMillisecond)->MinTime(2.0);

double prozessSekunden()
{
    timespec zeit{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &zeit);
    return static_cast<double>(zeit.tv_sec) + static_cast<double>(zeit.tv_nsec) / 1e9;
}

// Beside the CPU time, what a profile of instructions does not show: the
// kernel's share, how often a thread gave the CPU up (each sleep between
// frames, and each time Qt hands a tall fill to its worker threads and
// waits for them), and the pages first touched.
struct Verbrauch
{
    double systemSekunden = 0;
    double wechsel = 0;
    double seitenfehler = 0;

    static Verbrauch jetzt()
    {
        rusage nutzung{};
        getrusage(RUSAGE_SELF, &nutzung);
        return {static_cast<double>(nutzung.ru_stime.tv_sec) + static_cast<double>(nutzung.ru_stime.tv_usec) / 1e6,
                static_cast<double>(nutzung.ru_nvcsw), static_cast<double>(nutzung.ru_minflt)};
    }
    Verbrauch operator-(const Verbrauch &vorher) const
    {
        return {systemSekunden - vorher.systemSekunden, wechsel - vorher.wechsel,
                seitenfehler - vorher.seitenfehler};
    }
};

// A paced run in real time, 100 steps at "zum Zuschauen" (20 per second),
// 5 at "1 pro Sekunde", 3 at "1 alle 3 Sekunden": how close to the time
// the pace sets, whether each step has a frame of its own, how much of the
// time the program computes, and how soon a key on a queen slider is shown.
// First argument 1: with the marks and the protocol; 2: and every pane.
// Second: the pace, by its place in the menu.
void BM_PacedRun(benchmark::State &state)
{
    const int tempo = int(state.range(1));
    const int Schritte = tempo == 2 ? 100 : tempo == 4 ? 5 : 3;
    const double intervall = tempo == 2 ? 0.05 : tempo == 4 ? 1.0 : 3.0;
    double paceErrorPct = 0;
    double cpuSharePct = 0;
    double systemSharePct = 0;
    Verbrauch verbraucht;
    double latencyMs = -1;
    std::size_t shownSteps = 0;
    // NOLINTNEXTLINE(clang-analyzer-deadcode.DeadStores): benchmark's loop variable only counts
    for (auto _ : state) {
        Form1 form;
        form.show();
        QApplication::processEvents();
        form.findChild<QMenu *>(QStringLiteral("Tempomenue"))->actions().at(tempo)->trigger();
        if (state.range(0) != 0)
            zeigeAlles(form, state.range(0) == 2);
        // Both windows shown and painted before the clock starts, as the
        // main window alone is.
        QApplication::processEvents();
        auto *regler = form.findChild<QWidget *>(QStringLiteral("VScroll2_7"));

        QElapsedTimer wand;
        double cpuStart = 0;
        double elapsed = 0;
        double cpu = 0;
        Verbrauch anfang;
        std::set<std::int64_t> steps;
        qint64 posted = -1;
        QTimer taste;
        taste.setSingleShot(true);
        QObject::connect(&taste, &QTimer::timeout, &form, [&] {
            regler->setFocus();
            posted = wand.nsecsElapsed();
            QCoreApplication::postEvent(regler, new QKeyEvent(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier));
            QCoreApplication::postEvent(regler, new QKeyEvent(QEvent::KeyRelease, Qt::Key_Up, Qt::NoModifier));
        });
        FrameWatcher hook([&] {
            const auto schritt = form.suche().schritte();
            if (posted > 0 && latencyMs < 0 && form.feld().wert(7) == 1)
                latencyMs = static_cast<double>(wand.nsecsElapsed() - posted) / 1e6;
            if (schritt == Schritte / 2 && posted < 0) {
                posted = 0;
                // In the middle of the step's sleep, as a user would press it.
                taste.start(20);
            }
            if (schritt <= Schritte) {
                steps.insert(schritt);
            } else if (elapsed == 0) {
                // The step after them begins: as many intervals have passed
                // since the click.
                elapsed = static_cast<double>(wand.nsecsElapsed()) / 1e9;
                cpu = prozessSekunden() - cpuStart;
                verbraucht = Verbrauch::jetzt() - anfang;
                form.close();
            }
        });
        form.installEventFilter(&hook);
        auto *durchlauf = form.findChild<QPushButton *>(QStringLiteral("Command3"));
        wand.start();
        anfang = Verbrauch::jetzt();
        cpuStart = prozessSekunden();
        durchlauf->click();
        paceErrorPct = (elapsed - Schritte * intervall) / (Schritte * intervall) * 100.0;
        cpuSharePct = elapsed > 0 ? cpu / elapsed * 100.0 : -1;
        systemSharePct = elapsed > 0 ? verbraucht.systemSekunden / elapsed * 100.0 : -1;
        shownSteps = steps.size();
        state.SetIterationTime(elapsed);
    }
    state.counters["pace_error_pct"] = paceErrorPct;
    state.counters["frames"] = static_cast<double>(shownSteps);
    state.counters["cpu_share_pct"] = cpuSharePct;
    state.counters["sys_share_pct"] = systemSharePct;
    state.counters["switches_per_step"] = verbraucht.wechsel / Schritte;
    state.counters["page_faults"] = verbraucht.seitenfehler;
    state.counters["input_latency_ms"] = latencyMs;
}
BENCHMARK(BM_PacedRun)
    ->Args({0, 2})
    ->Args({1, 2})
    ->Args({2, 2})
    ->Args({0, 4})
    ->Args({2, 4})
    ->Args({0, 5})
    ->Args({2, 5})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

// Start-up, whole process: the bench starts itself as the program or as a
// minimal Qt Widgets program, and each child reports its first painted
// frame, with its peak memory, on stdout and ends at once.
struct ChildRun
{
    double seconds = 0;
    double peakRssKib = 0;
};

ChildRun runChild(const char *self, const char *kind)
{
    int pipeFds[2];
    if (::pipe(pipeFds) != 0)
        return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    char *const argv[] = {const_cast<char *>(self), const_cast<char *>(StartupChildFlag), const_cast<char *>(kind),
                          nullptr};

    QElapsedTimer clock;
    clock.start();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, self, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipeFds[1]);
    char reported[32] = {};
    const bool painted = spawned == 0 && ::read(pipeFds[0], reported, sizeof reported - 1) > 0;
    const double seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    ::close(pipeFds[0]);
    int status = 0;
    if (spawned == 0)
        ::waitpid(pid, &status, 0);
    if (!painted)
        return {};
    return {seconds, std::atof(reported)};
}

void BM_Startup(benchmark::State &state)
{
    const QByteArray self = QCoreApplication::applicationFilePath().toLocal8Bit();
    ChildRun program;
    ChildRun minimal;
    int order = 0;
    // NOLINTNEXTLINE(clang-analyzer-deadcode.DeadStores): benchmark's loop variable only counts
    for (auto _ : state) {
        // Alternating, so neither always starts on a warmer cache.
        const bool programFirst = (order++ % 2) == 0;
        const ChildRun first = runChild(self.constData(), programFirst ? "program" : "minimal");
        const ChildRun second = runChild(self.constData(), programFirst ? "minimal" : "program");
        const ChildRun &p = programFirst ? first : second;
        const ChildRun &m = programFirst ? second : first;
        if (p.seconds <= 0 || m.seconds <= 0) {
            state.SkipWithError("a child did not paint");
            return;
        }
        state.SetIterationTime(p.seconds);
        program.seconds += p.seconds;
        program.peakRssKib = std::max(program.peakRssKib, p.peakRssKib);
        minimal.seconds += m.seconds;
        minimal.peakRssKib = std::max(minimal.peakRssKib, m.peakRssKib);
    }
    const auto runs = static_cast<double>(state.iterations());
    state.counters["minimal_ms"] = minimal.seconds / runs * 1e3;
    state.counters["ratio"] = program.seconds / minimal.seconds;
    state.counters["peak_rss_mib"] = program.peakRssKib / 1024.0;
    state.counters["rss_ratio"] = program.peakRssKib / minimal.peakRssKib;
}
BENCHMARK(BM_Startup)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(30);

} // namespace

int runStartupChild(char *argv[])
{
    // The child sees only its own name, as a program started plainly does.
    int childArgc = 1;
    if (QByteArray(argv[2]) == "program")
        return runProgram(childArgc, argv, [](QWidget &window) { nachErstemBild(window, reportFirstFrame); });
    QApplication app(childArgc, argv);
    QWidget window;
    window.setFixedSize(815, 546);
    QLabel label(QStringLiteral("Acht Damen"), &window);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(13.5);
    label.setFont(font);
    window.show();
    nachErstemBild(window, reportFirstFrame);
    return QApplication::exec();
}
