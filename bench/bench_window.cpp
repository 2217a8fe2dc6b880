// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form1.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <sys/resource.h>
#include <vector>

namespace {

constexpr int FullRunSteps = 4021;

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

void BM_WindowFullRun(benchmark::State &state)
{
    Form1 form;
    form.show();
    QApplication::processEvents();

    // Answers "fertig" as soon as it is up.
    QTimer answerer;
    QObject::connect(&answerer, &QTimer::timeout, [] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
            box->accept();
    });
    answerer.start(0);

    StepClock clock;
    QObject::connect(form.findChild<QLineEdit *>(QStringLiteral("Text5")), &QLineEdit::textChanged,
                     [&clock] { clock.tick(); });
    auto *durchlauf = form.findChild<QPushButton *>(QStringLiteral("Command3"));

    QElapsedTimer total;
    total.start();
    // NOLINTNEXTLINE(clang-analyzer-deadcode.DeadStores): benchmark's loop variable only counts
    for (auto _ : state) {
        clock.start();
        durchlauf->click();
        clock.stop();
    }
    const double seconds = static_cast<double>(total.nsecsElapsed()) / 1e9 / static_cast<double>(state.iterations());
    if (form.suche().schritte() != FullRunSteps)
        state.SkipWithError("the run did not make 4021 steps");
    clock.report(state);
    if (floorSeconds > 0)
        state.counters["ratio_to_floor"] = seconds / floorSeconds;
    state.counters["peak_rss_mib"] = peakRssMib();
}
BENCHMARK(BM_WindowFullRun)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// Seconds from creating a window to its first paint, averaged.
double bareStartupSeconds = 0;

class FirstPaint : public QObject
{
public:
    bool painted = false;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted = true;
        return false;
    }
};

template<typename Create>
double measureStartup(benchmark::State &state, Create create)
{
    double sum = 0;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        std::unique_ptr<QWidget> window = create();
        FirstPaint watcher;
        window->installEventFilter(&watcher);
        window->show();
        while (!watcher.painted)
            QApplication::processEvents();
        const double seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
        state.SetIterationTime(seconds);
        sum += seconds;
        window.reset();
        QApplication::processEvents();
    }
    return sum / static_cast<double>(state.iterations());
}

void BM_BareWindowStartup(benchmark::State &state)
{
    bareStartupSeconds = measureStartup(state, [] {
        auto window = std::make_unique<QWidget>();
        window->setFixedSize(815, 546);
        return window;
    });
}
BENCHMARK(BM_BareWindowStartup)->UseManualTime()->Unit(benchmark::kMicrosecond);

void BM_Startup(benchmark::State &state)
{
    const double seconds = measureStartup(state, [] { return std::make_unique<Form1>(); });
    if (bareStartupSeconds > 0)
        state.counters["ratio"] = seconds / bareStartupSeconds;
}
BENCHMARK(BM_Startup)->UseManualTime()->Unit(benchmark::kMicrosecond);

} // namespace
