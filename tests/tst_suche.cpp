// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "feld.h"
#include "recordinghost.h"
#include "suche.h"

#include <QtTest>

#include <algorithm>
#include <array>
#include <tuple>

using board::Feld;
using board::Suche;

namespace {

constexpr int FullRunSteps = 4021;
constexpr int AllSolutions = 92;
const QString FirstSolution = QStringLiteral("1 5 8 6 3 7 2 4");
const QString EmptyBoard = QStringLiteral("0 0 0 0 0 0 0 0");

struct Bench
{
    Feld feld;
    RecordingHost host;
    Suche suche{feld, host};

    QString boardText() const
    {
        QStringList teile;
        for (int spalte = 0; spalte < Feld::Spalten; ++spalte)
            teile << QString::number(feld.wert(spalte));
        return teile.join(u' ');
    }

    void stepUntilFinished()
    {
        while (suche.spalte() != -1)
            suche.Einzelschritt();
    }

    qsizetype count(const std::string &call) const
    {
        return std::count(host.calls.begin(), host.calls.end(), call);
    }
};

} // namespace

class TestSuche : public QObject
{
    Q_OBJECT

private slots:
    void singleStepsFromEmptyBoard();
    void everyProbeIsPlacedInRisingOrder();
    void queenAtTopGoesBack();
    void fullRun_data();
    void fullRun();
    void stopAtFirstSolution();
    void yesEveryTime();
    void stopWishReadAtEverySolution();
    void nullKeepsPointer();
    void stepAfterStoppedRunFinishesAtOnce();
    void stepAfterFinishStartsAgain();
    void nestedSingleStepIsQueued();
    void commandsDuringRun_data();
    void commandsDuringRun();
    void runAskedForDuringStepFollowsIt();
    void meddledRuns_data();
    void meddledRuns();
    void backAndForth_data();
    void backAndForth();
    void endRequest_data();
    void endRequest();
    void endRequestDropsQueuedSteps();
};

void TestSuche::singleStepsFromEmptyBoard()
{
    Bench b;
    while (b.suche.loesungen() == 0)
        b.suche.Einzelschritt();

    QCOMPARE(b.suche.schritte(), 218);
    QCOMPARE(b.boardText(), FirstSolution);
    QCOMPARE(b.suche.spalte(), 7);
    QCOMPARE(b.host.steps, 218);
    QCOMPARE(b.host.solutions, 1);
    QCOMPARE(b.host.questions, 0);

    b.host.keepLog = false;
    b.stepUntilFinished();
    QCOMPARE(b.suche.schritte(), FullRunSteps);
    QCOMPARE(b.suche.loesungen(), AllSolutions);
    QCOMPARE(b.boardText(), EmptyBoard);
    QCOMPARE(b.host.ends, 1);
    QCOMPARE(b.host.endAtStep, FullRunSteps);
}

void TestSuche::everyProbeIsPlacedInRisingOrder()
{
    Bench b;
    b.suche.Einzelschritt(); // column 0 takes row 1
    QList<int> shown;
    b.feld.setListener([&](int spalte) {
        QCOMPARE(spalte, 1);
        shown << b.feld.wert(spalte);
    });
    b.suche.Einzelschritt();
    QCOMPARE(shown, QList<int>({1, 2, 3}));
    QCOMPARE(b.suche.spalte(), 2);
    // The report: rows 1 and 2 ruled out by the queen in a1, row 3 kept.
    const board::Schritt &s = b.host.last;
    QCOMPARE(std::tuple(s.nummer, s.spalte, s.vorher, s.reihe, s.zeigerVorher), std::tuple(2, 1, 0, 3, 1));
    QCOMPARE(s.bedroher, (std::array<std::uint8_t, 8>{0b1, 0b1, 0, 0, 0, 0, 0, 0}));
    QCOMPARE(s.letzteAbgelehnte(), 2);
}

void TestSuche::queenAtTopGoesBack()
{
    Bench b;
    b.suche.Einzelschritt();
    b.suche.Einzelschritt();
    b.feld.setzeWert(2, 8); // by hand, in the column under the pointer
    QList<int> shown;
    b.feld.setListener([&](int spalte) { shown << spalte * 10 + b.feld.wert(spalte); });
    b.suche.Einzelschritt();
    QCOMPARE(shown, QList<int>({20})); // cleared, nothing probed on the board
    QCOMPARE(b.suche.spalte(), 1);
    QCOMPARE(b.suche.schritte(), 3);
    QCOMPARE(std::tuple(b.host.last.vorher, b.host.last.reihe, b.host.last.letzteAbgelehnte()), std::tuple(8, 0, 0));
}

void TestSuche::fullRun_data()
{
    QTest::addColumn<QString>("board");
    QTest::addColumn<int>("stepsBefore");

    QTest::newRow("empty board") << EmptyBoard << 0;
    QTest::newRow("queens set by hand") << "8 1 0 0 4 4 0 2" << 0;
    QTest::newRow("after single steps") << EmptyBoard << 300;
}

void TestSuche::fullRun()
{
    QFETCH(QString, board);
    QFETCH(int, stepsBefore);

    Bench b;
    const auto werte = board.split(u' ');
    for (int spalte = 0; spalte < Feld::Spalten; ++spalte)
        b.feld.setzeWert(spalte, static_cast<std::int16_t>(werte[spalte].toInt()));
    for (int i = 0; i < stepsBefore; ++i)
        b.suche.Einzelschritt();
    b.host.calls.clear();
    // Each step's report names, for every row it rejected, the queens the
    // attack rule finds on the board it left, and it rejected every row
    // from where its queen stood up to the one it kept.
    QStringList wrongReports;
    b.host.onEvents = [&] {
        const board::Schritt &s = b.host.last;
        const int oben = s.reihe > 0 ? s.reihe - 1 : Feld::HoechsteReihe;
        const bool diesesLaufs = s.nummer > 0 && s.nummer + 1 == b.suche.schritte();
        for (int zeile = s.vorher + 1; diesesLaufs && zeile <= Feld::HoechsteReihe; ++zeile) {
            const std::uint8_t erwartet = zeile <= oben ? board::Angreifer(b.feld, std::int16_t(zeile), s.spalte) : 0;
            if (s.bedroher[std::size_t(zeile - 1)] != erwartet || (zeile <= oben && erwartet == 0))
                wrongReports << QStringLiteral("step %1 row %2").arg(s.nummer).arg(zeile);
        }
    };

    QVERIFY(b.suche.Durchlauf());
    QCOMPARE(wrongReports.join(u','), QString());
    QCOMPARE(b.suche.schritte(), FullRunSteps);
    QCOMPARE(b.suche.loesungen(), AllSolutions);
    QCOMPARE(b.host.steps, FullRunSteps);
    QCOMPARE(b.host.solutions, AllSolutions);
    QCOMPARE(b.boardText(), EmptyBoard);
    QCOMPARE(b.suche.spalte(), 0);
    QCOMPARE(b.count("fertig"), 1);
    QCOMPARE(b.host.endAtStep, FullRunSteps);
    QCOMPARE(b.host.questions, 0);
    QVERIFY(!b.suche.runInProgress());

    // The solution box is emptied before the first step; the step box
    // keeps its old text until then.
    QCOMPARE(b.host.calls.front(), "clear");
    QCOMPARE(b.host.calls[1], "run begins");
    QCOMPARE(b.host.calls[2], "steps 1");
    QCOMPARE(b.host.calls.back(), "run ends");
}

void TestSuche::stopAtFirstSolution()
{
    Bench b;
    b.host.stop = true;
    int pointerAtQuestion = -2;
    b.host.answer = [&] {
        pointerAtQuestion = b.suche.spalte();
        return false;
    };
    b.suche.Durchlauf();

    // The host handles events under the question: the pointer is on the board.
    QCOMPARE(pointerAtQuestion, 7);
    QCOMPARE(b.suche.schritte(), 218);
    QCOMPARE(b.suche.loesungen(), 1);
    QVERIFY(b.suche.abbruch());
    QCOMPARE(b.boardText(), FirstSolution);
    QCOMPARE(b.suche.spalte(), 0);
    QCOMPARE(b.host.ends, 0);

    // Asked first, counted after the answer.
    const auto ask = std::find(b.host.calls.begin(), b.host.calls.end(), "ask");
    QVERIFY(ask != b.host.calls.end());
    QCOMPARE(*std::next(ask), "solutions 1");
    QCOMPARE(*std::next(ask, 2), "done 218 7 4 1 0");
}

void TestSuche::yesEveryTime()
{
    Bench b;
    b.host.stop = true;
    b.suche.Durchlauf();
    QCOMPARE(b.host.questions, AllSolutions);
    QCOMPARE(b.suche.schritte(), FullRunSteps);
    QCOMPARE(b.suche.loesungen(), AllSolutions);
    QCOMPARE(b.host.ends, 1);
    QVERIFY(!b.suche.abbruch());
}

void TestSuche::stopWishReadAtEverySolution()
{
    Bench b;
    b.host.stop = true;
    b.host.answer = [&] {
        b.host.stop = false; // the user clears the check box at the first question
        return true;
    };
    b.suche.Durchlauf();
    QCOMPARE(b.host.questions, 1);
    QCOMPARE(b.suche.loesungen(), AllSolutions);
}

void TestSuche::nullKeepsPointer()
{
    Bench b;
    for (int i = 0; i < 5; ++i)
        b.suche.Einzelschritt();
    QCOMPARE(b.suche.spalte(), 5);

    b.suche.Null();
    QCOMPARE(b.boardText(), EmptyBoard);
    QCOMPARE(b.suche.spalte(), 5);
    QCOMPARE(b.suche.schritte(), 5);

    b.suche.Einzelschritt();
    QCOMPARE(b.boardText(), "0 0 0 0 0 1 0 0");
    QCOMPARE(b.suche.spalte(), 6);

    // A step that "Null" or a hand meets in its event processing took its
    // row before them: it cannot be taken back exactly, the next one can.
    for (const bool null : {true, false}) {
        b.host.onEvents = [&] {
            if (null)
                b.suche.Null();
            else
                b.feld.setzeWert(0, 3);
            b.host.onEvents = {};
        };
        b.suche.Einzelschritt();
        QVERIFY(!b.suche.kannZurueck());
        const QString before = b.boardText();
        b.suche.Einzelschritt();
        QVERIFY(b.suche.SchrittZurueck());
        QCOMPARE(b.boardText(), before);
    }
}

void TestSuche::stepAfterStoppedRunFinishesAtOnce()
{
    Bench b;
    b.host.stop = true;
    b.host.answer = [] { return false; };
    b.suche.Durchlauf();
    QCOMPARE(b.boardText(), FirstSolution);

    b.suche.Einzelschritt();
    QCOMPARE(b.suche.spalte(), -1);
    QCOMPARE(b.boardText(), "0 5 8 6 3 7 2 4");
    QCOMPARE(b.host.ends, 1);
    QCOMPARE(b.suche.schritte(), 219);
    QCOMPARE(b.host.calls.back(), "done 219 0 0 0 1");
    // Rows 2 to 8 ruled out; row 8 by the queens in c8 and g2.
    QCOMPARE(b.host.last.bedroher[0], 0);
    QVERIFY(std::all_of(b.host.last.bedroher.begin() + 1, b.host.last.bedroher.end(), [](auto m) { return m != 0; }));
    QCOMPARE(b.host.last.bedroher[7], 0b01000100);
}

void TestSuche::stepAfterFinishStartsAgain()
{
    Bench b;
    b.host.keepLog = false;
    b.stepUntilFinished();
    QCOMPARE(b.suche.spalte(), -1);

    b.suche.Einzelschritt();
    QCOMPARE(b.suche.spalte(), 1);
    QCOMPARE(b.boardText(), "1 0 0 0 0 0 0 0");
    QCOMPARE(b.suche.schritte(), FullRunSteps + 1);
    QCOMPARE(b.suche.loesungen(), AllSolutions);
}

void TestSuche::nestedSingleStepIsQueued()
{
    Bench b;
    int nestedCalls = 0;
    b.host.onEvents = [&] {
        if (nestedCalls++ == 0) {
            // A double click: the second click is delivered inside the step.
            QVERIFY(b.suche.Einzelschritt());
            QCOMPARE(b.suche.schritte(), 1);
            QCOMPARE(b.suche.spalte(), 0);
        }
    };
    QVERIFY(b.suche.Einzelschritt());
    QCOMPARE(b.suche.schritte(), 2);
    QCOMPARE(b.boardText(), "1 3 0 0 0 0 0 0");
    QCOMPARE(b.suche.spalte(), 2);
    // Each step reports itself, the queued one after the first.
    QCOMPARE(b.count("done 1 0 1 0 0"), 1);
    QCOMPARE(b.host.calls.back(), "done 2 1 3 0 0");
}

void TestSuche::commandsDuringRun_data()
{
    QTest::addColumn<bool>("run");
    QTest::addColumn<bool>("paused");

    QTest::newRow("single step") << false << false;
    QTest::newRow("full run") << true << false;
    // Between two steps a single step is the run's next one.
    QTest::newRow("single step while paused") << false << true;
    QTest::newRow("full run while paused") << true << true;
}

void TestSuche::commandsDuringRun()
{
    QFETCH(bool, run);
    QFETCH(bool, paused);

    Bench b;
    b.host.keepLog = false;
    int refused = 0;
    int stepped = 0;
    auto befehl = [&] {
        if (b.suche.schritte() % 100 == 50) {
            const int spalte = b.suche.spalte();
            const auto schritte = b.suche.schritte();
            if (!(run ? b.suche.Durchlauf() : b.suche.Einzelschritt()))
                ++refused;
            else
                QCOMPARE(b.suche.schritte(), schritte + 1);
            if (b.suche.schritte() == schritte)
                QCOMPARE(b.suche.spalte(), spalte);
            else
                ++stepped;
        }
    };
    (paused ? b.host.onBetween : b.host.onEvents) = befehl;
    b.suche.Durchlauf();
    QCOMPARE(refused, paused && !run ? 0 : 40);
    QCOMPARE(stepped, paused && !run ? 40 : 0);
    QCOMPARE(b.suche.schritte(), FullRunSteps);
    QCOMPARE(b.suche.loesungen(), AllSolutions);
    QCOMPARE(b.host.ends, 1);

    // Once the run is over, commands work again.
    b.host.onEvents = {};
    b.host.onBetween = {};
    QVERIFY(b.suche.Einzelschritt());
    QCOMPARE(b.suche.schritte(), FullRunSteps + 1);
}

void TestSuche::runAskedForDuringStepFollowsIt()
{
    Bench b;
    b.host.keepLog = false;
    bool asked = false;
    b.host.onEvents = [&] {
        if (!asked) {
            asked = true;
            QVERIFY(b.suche.Durchlauf());
            QVERIFY(!b.suche.runInProgress());
        }
    };
    b.suche.Einzelschritt();
    QCOMPARE(b.suche.schritte(), FullRunSteps);
    QCOMPARE(b.suche.loesungen(), AllSolutions);
    QCOMPARE(b.suche.spalte(), 0);
}

void TestSuche::meddledRuns_data()
{
    QTest::addColumn<QString>("meddling");
    QTest::addColumn<int>("steps"); // where the search ends
    QTest::addColumn<int>("solutions");
    QTest::addColumn<bool>("finished"); // with "fertig"

    // "Null" ends a run as a No at a solution does, then empties the board.
    QTest::newRow("Null in a running run") << "null running" << 1000 << 12 << false;
    QTest::newRow("Null in a paused run") << "null paused" << 500 << 5 << false;
    // The search goes on in the column it stood in, around empty columns,
    // and fills the last column 1914 times without a solution.
    QTest::newRow("Null after single steps, then single steps") << "null steps" << 13001 << 92 << true;
    // A queen set by hand where another attacks it stays an obstacle; the
    // search meets some solutions twice.
    QTest::newRow("queen moved onto an attacked row in a run") << "hand" << 4336 << 94 << true;
    QTest::newRow("nothing") << "" << FullRunSteps << AllSolutions << true;
}

// Whatever the user does to a search, it asks and counts only true
// solutions: eight queens, none attacked.
void TestSuche::meddledRuns()
{
    QFETCH(QString, meddling);
    QFETCH(int, steps);
    QFETCH(int, solutions);
    QFETCH(bool, finished);

    Bench b;
    b.host.keepLog = false;
    b.host.stop = true;
    int falseQuestions = 0;
    int filledWithoutSolution = 0;
    b.host.answer = [&] {
        falseQuestions += board::IstLoesung(b.feld) ? 0 : 1;
        return true;
    };
    b.host.onEvents = [&] {
        const board::Schritt &last = b.host.last;
        filledWithoutSolution += last.spalte == 7 && last.reihe > 0 && last.loesung == 0 ? 1 : 0;
        if (meddling == "null running" && b.suche.schritte() == 1000)
            b.suche.Null();
        if (meddling == "hand" && b.suche.schritte() == 300)
            b.feld.setzeWert(1, b.feld.wert(0)); // b beside a, in a's row
    };
    b.host.onBetween = [&] {
        if (meddling == "null paused" && b.suche.schritte() == 500)
            b.suche.Null();
    };
    if (meddling == "null steps") {
        for (int i = 0; i < 5; ++i)
            b.suche.Einzelschritt();
        b.suche.Null();
        b.stepUntilFinished();
    } else {
        b.suche.Durchlauf();
    }

    QCOMPARE(falseQuestions, 0);
    QCOMPARE(b.host.questions, b.suche.loesungen());
    QCOMPARE(b.suche.schritte(), steps);
    QCOMPARE(b.suche.loesungen(), solutions);
    QCOMPARE(b.host.ends, finished ? 1 : 0);
    QVERIFY(!b.suche.runInProgress());
    QCOMPARE(b.boardText(), EmptyBoard);
    if (meddling.isEmpty())
        QCOMPARE(filledWithoutSolution, 0);
    else if (meddling == "null steps" || meddling == "hand")
        QVERIFY2(filledWithoutSolution > 0, "the eighth column was never filled around a gap or a clash");
    else
        QCOMPARE(b.suche.spalte(), 0);
}

void TestSuche::backAndForth_data()
{
    QTest::addColumn<int>("steps"); // single steps from an empty board
    QTest::addColumn<int>("back");  // taken back and made again
    QTest::addColumn<bool>("atEveryStep"); // or once, at the end

    QTest::newRow("one, at every step") << FullRunSteps << 1 << true;
    QTest::newRow("seven, at every step") << FullRunSteps << 7 << true;
    QTest::newRow("the whole search") << FullRunSteps << FullRunSteps << false;
    QTest::newRow("as far as the history reaches") << 10050 << int(Suche::Verlaufsgrenze) << false;
}

// Going back k steps and forward k steps passes through the same states,
// each one exactly: board, pointer, counters, stop request, last report.
void TestSuche::backAndForth()
{
    QFETCH(int, steps);
    QFETCH(int, back);
    QFETCH(bool, atEveryStep);

    Bench b;
    b.host.keepLog = false;
    const auto state = [&b] {
        const board::Schritt *last = b.suche.letzterSchritt();
        return QStringLiteral("%1, column %2, step %3, %4 solutions, stop %5, last %6")
            .arg(b.boardText())
            .arg(b.suche.spalte())
            .arg(b.suche.schritte())
            .arg(b.suche.loesungen())
            .arg(b.suche.abbruch())
            .arg(last ? QStringLiteral("%1 in %2 to %3").arg(last->nummer).arg(last->spalte).arg(last->reihe)
                      : QStringLiteral("none"));
    };
    QStringList states{state()};
    const auto backAndForth = [&](int n, int k) {
        for (int j = 1; j <= k; ++j) {
            QVERIFY(b.suche.SchrittZurueck());
            QCOMPARE(state(), states[n - j]);
        }
        for (int j = k - 1; j >= 0; --j) {
            b.suche.Einzelschritt();
            QCOMPARE(state(), states[n - j]);
        }
    };
    for (int n = 1; n <= steps; ++n) {
        b.suche.Einzelschritt();
        states << state();
        if (atEveryStep)
            backAndForth(n, std::min(n, back));
        if (QTest::currentTestFailed())
            return;
    }
    if (!atEveryStep) {
        for (int j = 1; j <= back; ++j)
            QVERIFY(b.suche.SchrittZurueck());
        // Where the history is cut, the step before it is no longer known.
        QCOMPARE(state().section(u',', 0, -2), states[steps - back].section(u',', 0, -2));
        QVERIFY(!b.suche.SchrittZurueck()); // the start of the search, or of what is kept of it
        for (int j = back - 1; j >= 0; --j) {
            b.suche.Einzelschritt();
            QCOMPARE(state(), states[steps - j]);
        }
    }
    // A change by hand starts the history afresh.
    b.feld.setzeWert(3, b.feld.wert(3) == 1 ? 2 : 1);
    QVERIFY(!b.suche.kannZurueck());
}

void TestSuche::endRequest_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("steps");
    QTest::addColumn<QString>("boardAfter");

    QTest::newRow("between steps") << "request" << 100 << "";
    QTest::newRow("while a question is open") << "question" << 218 << "";
    // As a No at a solution: where the run stood stays.
    QTest::newRow("ended while paused") << "end" << 218 << FirstSolution;
    // Held between two steps, "Null" empties the board at once.
    QTest::newRow("Null while paused") << "null" << 218 << EmptyBoard;
    QTest::newRow("last step made while paused") << "step" << FullRunSteps << EmptyBoard;
}

void TestSuche::endRequest()
{
    QFETCH(QString, how);
    QFETCH(int, steps);
    QFETCH(QString, boardAfter);

    Bench b;
    b.host.stop = how == "question";
    b.host.answer = [&] {
        b.suche.requestEnd();
        return true;
    };
    b.host.onEvents = [&] {
        if (b.suche.schritte() == 100 && how == "request")
            b.suche.requestEnd();
    };
    b.host.onBetween = [&] {
        if ((how == "end" || how == "null") && b.suche.schritte() == steps) {
            if (how == "null") {
                b.suche.Null();
                QCOMPARE(b.boardText(), EmptyBoard);
            } else {
                QVERIFY(b.suche.DurchlaufBeenden());
            }
            QVERIFY(!b.suche.runGoesOn());
            // The end asked for wins: no step back restores the run.
            QVERIFY(!b.suche.SchrittZurueck());
            QVERIFY(!b.suche.runGoesOn());
        } else if (how == "step" && b.suche.schritte() == steps - 1) {
            QVERIFY(b.suche.Einzelschritt());
            QCOMPARE(b.host.ends, 1);
            QVERIFY(!b.suche.runGoesOn());
        }
    };
    b.suche.Durchlauf();

    QCOMPARE(b.suche.schritte(), steps);
    QCOMPARE(b.host.questions, how == "question" ? 1 : 0);
    QCOMPARE(b.host.ends, how == "step" ? 1 : 0);
    QCOMPARE(b.host.calls.back(), "run ends");
    QVERIFY(!b.suche.runInProgress());
    QCOMPARE(b.suche.spalte(), 0);
    if (!boardAfter.isEmpty())
        QCOMPARE(b.boardText(), boardAfter);
    QVERIFY(!b.suche.DurchlaufBeenden());

    // The request ended that run only.
    b.host.stop = false;
    b.host.onEvents = {};
    b.host.onBetween = {};
    b.suche.Durchlauf();
    QCOMPARE(b.suche.loesungen(), AllSolutions);
    QCOMPARE(b.host.ends, how == "step" ? 2 : 1);
}

void TestSuche::endRequestDropsQueuedSteps()
{
    Bench b;
    b.host.onEvents = [&] {
        if (b.suche.schritte() == 1) {
            QVERIFY(b.suche.Einzelschritt());
            QVERIFY(b.suche.Durchlauf());
            b.suche.requestEnd();
            QVERIFY(!b.suche.Einzelschritt());
        }
    };
    b.suche.Einzelschritt();
    QCOMPARE(b.suche.schritte(), 1);
    QCOMPARE(b.boardText(), EmptyBoard); // the ended step probed nothing
    QCOMPARE(b.suche.spalte(), 0);

    b.suche.Einzelschritt();
    QCOMPARE(b.suche.schritte(), 2);
}

QTEST_APPLESS_MAIN(TestSuche)
#include "tst_suche.moc"
