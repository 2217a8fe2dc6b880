// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ansage.h"
#include "aussehen.h"
#include "farben.h"
#include "formprobe.h"
#include "framewatcher.h"
#include "modalanswerer.h"
#include "recordinghost.h"
#include "spuren.h"
#include "suche.h"
#include "suchprotokoll.h"

#include <QGroupBox>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QProcess>
#include <QScopeGuard>
#include <QScreen>
#include <QStyleFactory>
#include <QToolTip>
#include <QTreeView>
#include <QTranslator>
#include <QtTest>

#include <chrono>
#include <cmath>
#include <functional>
#include <memory>
#include <optional>

namespace {

const QString FirstSolution = QStringLiteral("1 5 8 6 3 7 2 4");
const QString EmptyBoard = QStringLiteral("0 0 0 0 0 0 0 0");

// Takes Qt's own translations away for as long as it lives, as on a
// machine without them.
struct WithoutQtTranslation
{
    WithoutQtTranslation()
    {
        for (QTranslator *translator : qApp->findChildren<QTranslator *>()) {
            if (QCoreApplication::removeTranslator(translator))
                removed << translator;
        }
    }
    ~WithoutQtTranslation()
    {
        for (QTranslator *translator : removed)
            QCoreApplication::installTranslator(translator);
    }
    QList<QTranslator *> removed;
};

// What the X server holds as a window's title, as docks and window lists
// show it.
QString nativeTitle(const QWidget &window)
{
    QProcess xprop;
    xprop.start(QStringLiteral("xprop"), {QStringLiteral("-id"), QString::number(window.winId()),
                                          QStringLiteral("_NET_WM_NAME")});
    if (!xprop.waitForFinished())
        return QStringLiteral("(xprop failed)");
    const QString out = QString::fromUtf8(xprop.readAllStandardOutput()).trimmed();
    const qsizetype quote = out.indexOf(u'"');
    return quote < 0 ? out : out.mid(quote + 1).chopped(1);
}

// A message box's description, as a screen reader reads it under the
// title: its text from Qt 6.8 on (Orca 48 reads no label under three
// words), none before (Orca 43 reads the label).
QString describedAs([[maybe_unused]] const QString &text)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    return text;
#else
    return QString();
#endif
}

} // namespace

class TestForm1 : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void startUp();
    void chessboard_data();
    void chessboard();
    void columnView_data();
    void columnView();
    void sliderInput_data();
    void sliderInput();
    void dragFollowsLive();
    void coverPanel_data();
    void coverPanel();
    void coverFollowsDrag();
    void fullRun();
    void consistentWheneverEventsRun();
    void framesDuringRun_data();
    void framesDuringRun();
    void stopAtFirstSolution_data();
    void stopAtFirstSolution();
    void buttonsDuringRun_data();
    void buttonsDuringRun();
    void doubleClicks_data();
    void doubleClicks();
    void clickBesideThenOnDurchlauf();
    void stepBack_data();
    void stepBack();
    void protocol_data();
    void protocol();
    void tabThenKeys();
    void captionsFit_data();
    void captionsFit();
    void focusOrder();
    void nativeTitles();
    void readableUnderAnyPalette_data();
    void readableUnderAnyPalette();
    void closeDuringRun_data();
    void closeDuringRun();
};

void TestForm1::cleanup()
{
    QVERIFY2(QApplication::topLevelWidgets().isEmpty(), "a window outlived its test");
}

void TestForm1::startUp()
{
    Window w;
    const FormProbe &probe = w.probe;
    const Form1 &form = *w.form;
    QCOMPARE(probe.shownBoard(), EmptyBoard);
    QCOMPARE(probe.inconsistency(), QString());
    QCOMPARE(probe.text("Text3"), QString());
    QCOMPARE(probe.text("Text4"), QString());
    QCOMPARE(probe.text("Text5"), QString());
    QVERIFY(!probe.get<QCheckBox>("Check1")->isChecked());
    QCOMPARE(probe.get<QScrollBar>("VScroll1")->value(), 0);
    QCOMPARE(probe.get("Picture1")->height(), 9);
    QCOMPARE(probe.get("picFeld")->size(), QSize(371, 371));
    QCOMPARE(form.size(), QSize(815, 546));
    QCOMPARE(form.windowTitle(), QStringLiteral("Acht Damen"));
    QCOMPARE(form.suche().spalte(), 0);
    // Empty, they take their type once the first frame is up.
    QTRY_COMPARE(probe.get("Text3")->font(), serif(48));
    QCOMPARE(probe.get("Text4")->font(), serif(21.75));
    QCOMPARE(probe.get("Text5")->font(), sansSerif(18));
    for (int index : {0, 9, 31, 70})
        QCOMPARE(probe.cell(index)->font(), serif(24));
    // So do the tooltips where people look for how to watch the search, in
    // lines of a width that reads.
    for (const char *name : {"picFeld", "Command2", "Command3"}) {
        const QString tip = probe.get(name)->toolTip();
        QVERIFY(tip.simplified().contains("rechten Maustaste"));
        QVERIFY(QFontMetrics(QToolTip::font()).boundingRect(QRect(0, 0, 2000, 2000), 0, tip).width() <= 400);
    }
}

void TestForm1::chessboard_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<QRect>("geometry");

    const QColor hell(220, 220, 220);
    const QColor dunkel(180, 180, 180);
    QTest::newRow("column 0, top row") << 0 << hell << QRect(0, 0, 45, 45);
    QTest::newRow("column 1, top row") << 1 << dunkel << QRect(46, 0, 45, 45);
    QTest::newRow("column 0, second row") << 9 << dunkel << QRect(0, 46, 45, 45);
    QTest::newRow("column 7, bottom row") << 70 << hell << QRect(325, 325, 45, 45);
    QTest::newRow("column 4, row 3") << 31 << dunkel << QRect(186, 139, 44, 45);
}

void TestForm1::chessboard()
{
    QFETCH(int, index);
    QFETCH(QColor, colour);
    QFETCH(QRect, geometry);

    Form1 form;
    QLineEdit *cell = FormProbe(form).cell(index);
    QCOMPARE(cell->palette().color(QPalette::Base), colour);
    QCOMPARE(cell->geometry(), geometry);
    QVERIFY(!cell->hasFrame());
    QCOMPARE(cell->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
}

void TestForm1::columnView_data()
{
    QTest::addColumn<QList<int>>("moves"); // column, arrow clicks, column, arrow clicks, ...
    QTest::addColumn<QString>("board");
    QTest::addColumn<QString>("verdict");

    QTest::newRow("first queen") << QList<int>{3, 1} << "0 0 0 1 0 0 0 0" << "in Ordnung";
    QTest::newRow("up to the top") << QList<int>{3, 8} << "0 0 0 8 0 0 0 0" << "in Ordnung";
    QTest::newRow("no further than the top") << QList<int>{3, 10} << "0 0 0 8 0 0 0 0" << "in Ordnung";
    QTest::newRow("diagonal") << QList<int>{0, 1, 1, 2} << "1 2 0 0 0 0 0 0" << "geht nicht";
    QTest::newRow("on to a free row") << QList<int>{0, 1, 1, 3} << "1 3 0 0 0 0 0 0" << "in Ordnung";
    QTest::newRow("same row") << QList<int>{7, 4, 2, 4} << "0 0 4 0 0 0 0 4" << "geht nicht";
    QTest::newRow("back to 0 keeps the verdict") << QList<int>{0, 1, 1, 2, 1, -2} << "1 0 0 0 0 0 0 0"
                                                 << "geht nicht";
    QTest::newRow("only the moved queen is judged") << QList<int>{0, 1, 1, 1, 5, 7} << "1 1 0 0 0 7 0 0"
                                                    << "in Ordnung";
}

void TestForm1::columnView()
{
    QFETCH(QList<int>, moves);
    QFETCH(QString, board);
    QFETCH(QString, verdict);

    Window w;
    for (qsizetype i = 0; i < moves.size(); i += 2)
        moveQueen(w.probe, moves[i], moves[i + 1]);
    QCOMPARE(w.probe.shownBoard(), board);
    QCOMPARE(w.probe.inconsistency(), QString());
    QCOMPARE(w.probe.text("Text3"), verdict);
}

void TestForm1::sliderInput_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<int>("expected");

    QTest::newRow("upper arrow") << "arrow up" << 4;
    QTest::newRow("lower arrow") << "arrow down" << 2;
    QTest::newRow("track above the thumb") << "track up" << 4;
    QTest::newRow("track below the thumb") << "track down" << 2;
    QTest::newRow("Up key") << "key up" << 4;
    QTest::newRow("Down key") << "key down" << 2;
}

void TestForm1::sliderInput()
{
    QFETCH(QString, input);
    QFETCH(int, expected);

    Window w;
    DamenRegler *slider = w.probe.slider(6);
    moveQueen(w.probe, 6, 3);
    QCOMPARE(w.probe.valueBox(6)->text(), "3");

    if (input == "arrow up")
        FormProbe::clickPart(slider, QStyle::SC_ScrollBarSubLine);
    else if (input == "arrow down")
        FormProbe::clickPart(slider, QStyle::SC_ScrollBarAddLine);
    else if (input == "track up")
        FormProbe::clickPart(slider, QStyle::SC_ScrollBarSubPage);
    else if (input == "track down")
        FormProbe::clickPart(slider, QStyle::SC_ScrollBarAddPage);
    else
        QTest::keyClick(slider, input == "key up" ? Qt::Key_Up : Qt::Key_Down);

    QCOMPARE(w.probe.valueBox(6)->text(), QString::number(expected));
    QCOMPARE(w.probe.inconsistency(), QString());
}

void TestForm1::dragFollowsLive()
{
    Window w;
    DamenRegler *slider = w.probe.slider(2);
    QList<int> seen{0};
    FormProbe::dragThumb(slider, -40, [&] {
        const int wert = w.probe.valueBox(2)->text().toInt();
        if (seen.isEmpty() || seen.last() != wert)
            seen << wert;
        QCOMPARE(w.probe.inconsistency(), QString());
    });
    // Every row on the way was on the board while the button was still down.
    QCOMPARE(seen, QList<int>({0, 1, 2, 3, 4, 5, 6, 7, 8}));
}

void TestForm1::coverPanel_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("height");

    QTest::newRow("top end") << 0 << 0;
    QTest::newRow("one step") << 1 << 0;
    QTest::newRow("middle") << 1500 << 200;
    QTest::newRow("bottom end") << 3000 << 400;
}

void TestForm1::coverPanel()
{
    QFETCH(int, value);
    QFETCH(int, height);

    Window w;
    auto *cover = w.probe.get<QScrollBar>("VScroll1");
    QWidget *panel = w.probe.get("Picture1");
    FormProbe::clickPart(cover, QStyle::SC_ScrollBarAddLine);
    QCOMPARE(cover->value(), 1);
    cover->setValue(value);
    QCOMPARE(panel->height(), height);
    QCOMPARE(panel->pos(), QPoint(60, 0));
    QCOMPARE(panel->width(), 373);

    // At its longest the panel covers the board and stops above the value boxes.
    if (value == 3000) {
        QVERIFY(panel->geometry().contains(w.probe.get("picFeld")->geometry().adjusted(0, 0, -1, 0)));
        QVERIFY(panel->geometry().bottom() < w.probe.valueBox(0)->geometry().top());
        QVERIFY(panel->isVisible());
        QCOMPARE(w.form->childAt(200, 200), panel);
    }
}

void TestForm1::coverFollowsDrag()
{
    Window w;
    auto *cover = w.probe.get<QScrollBar>("VScroll1");
    QWidget *panel = w.probe.get("Picture1");
    QList<int> heights;
    FormProbe::dragThumb(cover, 60, [&] {
        if (heights.isEmpty() || heights.last() != panel->height())
            heights << panel->height();
    });
    QVERIFY2(heights.size() > 10, "the panel did not follow the thumb");
    QVERIFY(std::is_sorted(heights.begin(), heights.end()));
}

void TestForm1::fullRun()
{
    Window w;
    moveQueen(w.probe, 4, 2); // a hand-set queen is cleared by the run
    ModalAnswerer answerer(ModalAnswerer::click(QMessageBox::Ok));
    // From the keyboard: after the run the focus is back on the button.
    w.probe.get("Command3")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(w.probe.get("Command3"), Qt::Key_Space);

    QCOMPARE(w.form->focusWidget(), w.probe.get("Command3"));
    QCOMPARE(w.probe.text("Text5"), "4021");
    QCOMPARE(w.probe.text("Text4"), "92");
    QCOMPARE(w.probe.shownBoard(), EmptyBoard);
    QCOMPARE(w.probe.inconsistency(), QString());
    QCOMPARE(w.form->suche().spalte(), 0);

    QCOMPARE(answerer.boxes.size(), 1);
    const auto &box = answerer.boxes.front();
    QCOMPARE(box.text, "fertig");
    QCOMPARE(box.title, "Acht Damen");
    QCOMPARE(box.icon, QMessageBox::NoIcon);
    QCOMPARE(box.buttons, QMessageBox::Ok);
}

// The search may hold back the column view between two points of event
// processing; whenever events run, what is shown must agree.
void TestForm1::consistentWheneverEventsRun()
{
    Window w;
    ModalAnswerer answerer(ModalAnswerer::click(QMessageBox::Ok));
    int checks = 0;
    QStringList problems;
    QTimer inspector;
    connect(&inspector, &QTimer::timeout, [&] {
        ++checks;
        const QString problem = w.probe.inconsistency();
        if (!problem.isEmpty() && problems.size() < 5)
            problems << QStringLiteral("step %1: %2").arg(w.probe.text("Text5"), problem);
    });
    inspector.start(0);
    w.probe.click("Command3");
    QCOMPARE(problems, QStringList());
    QVERIFY2(checks >= 4021, qPrintable(QString::number(checks)));
}

void TestForm1::framesDuringRun_data()
{
    QTest::addColumn<int>("pace"); // index in the menu
    QTest::addColumn<int>("allowedGap"); // in steps between frames
    QTest::addColumn<bool>("marks"); // "Versuche und Bedrohungen zeigen"

    QTest::newRow("sofort") << 0 << 17 << false;
    QTest::newRow("sofort, marks") << 0 << 17 << true;
    QTest::newRow("zum Zuschauen") << 2 << 1 << false;
    QTest::newRow("langsam") << 3 << 1 << false;
    QTest::newRow("langsam, marks") << 3 << 1 << true;
    QTest::newRow("1 alle 3 Sekunden") << 5 << 1 << false;
}

// A run shows itself once per refresh interval, on a clock the test moves
// by a millisecond per reading: the frames keep coming, and each one shows
// one moment of the search: the board, the counters, the verdict and the
// marks of the step the counter names. At a pace the clock moves only
// while the run sleeps: every step is a frame, and each takes one interval.
void TestForm1::framesDuringRun()
{
    QFETCH(int, pace);
    QFETCH(int, allowedGap);
    QFETCH(bool, marks);

    // The run without a window: what stands after each step.
    struct Moment
    {
        QString board;
        QString verdict;
        std::int64_t solutions;
        board::Schritt step;
    };
    QList<Moment> moments{{EmptyBoard, "", 0, {}}};
    {
        board::Feld feld;
        RecordingHost host;
        host.keepLog = false;
        board::Suche suche(feld, host);
        QString verdict;
        feld.setListener([&](int c) {
            if (const std::int16_t v = feld.wert(c); v > 0)
                verdict = board::DamePasst(feld, v, c) ? "in Ordnung" : "geht nicht";
        });
        while (suche.spalte() != -1) {
            suche.Einzelschritt();
            QStringList werte;
            for (int c = 0; c < board::Feld::Spalten; ++c)
                werte << QString::number(feld.wert(c));
            moments << Moment{werte.join(u' '), verdict, suche.loesungen(), host.last};
        }
    }

    Window w;
    ModalAnswerer answerer(ModalAnswerer::click(QMessageBox::Ok));
    std::chrono::nanoseconds now{};
    if (pace == 0)
        w.form->setzeUhr([&now] { return now += std::chrono::milliseconds(1); });
    else
        w.form->setzeUhr([&now] { return now; }, [&now](std::chrono::nanoseconds rest) {
            now += rest;
            QCoreApplication::processEvents();
        });
    const auto choices = paceChoices(*w.form);
    QStringList texts;
    for (const QAction *choice : choices)
        texts << choice->text() + (choice->isChecked() ? "*" : "");
    QCOMPARE(texts, QStringList({"sofort*", "schnell (100 Schritte pro Sekunde)",
                                 "zum Zuschauen (20 Schritte pro Sekunde)", "langsam (5 Schritte pro Sekunde)",
                                 "1 pro Sekunde", "1 alle 3 Sekunden"}));
    choices[pace]->trigger();
    QVERIFY(choices[pace]->isChecked());
    w.form->findChild<QAction *>("Spuren")->setChecked(marks);

    QList<qint64> frameSteps;
    QStringList problems;
    FrameWatcher watcher([&] {
        if (!w.form->suche().runInProgress())
            return;
        frameSteps << w.form->suche().schritte();
        const Moment &shown = moments.value(w.probe.text("Text5").toInt());
        QString problem = w.probe.inconsistency();
        if (w.probe.shownBoard() != shown.board || w.probe.text("Text3") != shown.verdict
            || w.probe.text("Text4") != (shown.solutions > 0 ? QString::number(shown.solutions) : QString()))
            problem = QStringLiteral("board %1, '%2', %3 solutions").arg(w.probe.shownBoard(), w.probe.text("Text3"),
                                                                        w.probe.text("Text4"));
        // The step's column is outlined, its queen (if any) framed.
        const view::Spuren::Marken &gezeigt = w.form->spuren().gezeigt();
        for (int r = 0; marks && shown.step.nummer > 0 && r < 8; ++r) {
            if (!(gezeigt[std::size_t(board::zellIndexAufSchirm(shown.step.spalte, r))] & view::Spuren::Spalte))
                problem = QStringLiteral("column %1 not marked").arg(shown.step.spalte);
        }
        if (!problem.isEmpty() && problems.size() < 5)
            problems << QStringLiteral("counter %1: %2").arg(w.probe.text("Text5"), problem);
    });
    w.form->installEventFilter(&watcher);
    w.probe.click("Command3");

    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
    QVERIFY2(frameSteps.size() > 200, qPrintable(QString::number(frameSteps.size())));
    qint64 longestGap = frameSteps.first();
    for (qsizetype i = 1; i < frameSteps.size(); ++i)
        longestGap = std::max(longestGap, frameSteps[i] - frameSteps[i - 1]);
    QVERIFY2(longestGap <= allowedGap, qPrintable(QString::number(longestGap))); // 60 Hz: 16.7 ms
    QCOMPARE(w.probe.text("Text5"), "4021");
    const std::chrono::milliseconds interval[] = {{}, std::chrono::milliseconds(10), std::chrono::milliseconds(50),
                                                  std::chrono::milliseconds(200), std::chrono::seconds(1),
                                                  std::chrono::seconds(3)};
    if (pace != 0)
        QCOMPARE(now, 4021 * interval[pace]);
}

void TestForm1::stopAtFirstSolution_data()
{
    QTest::addColumn<QString>("answer");

    QTest::addColumn<bool>("qtTranslation");

    QTest::newRow("No") << "no" << true;
    QTest::newRow("No, without Qt's translation") << "no" << false;
    QTest::newRow("Escape") << "escape" << true;
    QTest::newRow("box closed") << "close" << true;
}

void TestForm1::stopAtFirstSolution()
{
    QFETCH(QString, answer);
    QFETCH(bool, qtTranslation);

    std::optional<WithoutQtTranslation> untranslated;
    if (!qtTranslation)
        untranslated.emplace();
    Window w;
    w.probe.click("Check1");
    QVERIFY(w.probe.get<QCheckBox>("Check1")->isChecked());
    QString countWhileAsked = "?";
    ModalAnswerer answerer([&](QMessageBox &box) {
        if (!box.button(QMessageBox::No)) {
            QTest::keyClick(&box, Qt::Key_Return); // "fertig"
            return;
        }
        countWhileAsked = w.probe.text("Text4");
        if (answer == "no")
            QTest::mouseClick(box.button(QMessageBox::No), Qt::LeftButton);
        else if (answer == "escape")
            QTest::keyClick(&box, Qt::Key_Escape);
        else
            box.close();
    });
    w.probe.click("Command3");

    QCOMPARE(answerer.boxes.size(), 1);
    const auto box = answerer.boxes.front();
    QCOMPARE(box.text, "weitersuchen?");
    QCOMPARE(box.title, "hurra!");
    QCOMPARE(box.icon, QMessageBox::Warning);
    QCOMPARE(box.buttons, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(box.defaultButton, QMessageBox::Yes);
    QCOMPARE(box.buttonTexts, QStringList({"&Ja", "&Nein"}));
    QCOMPARE(box.description, describedAs("weitersuchen?"));
    // Beside the board, so the solution it asks about stays in view.
    const QRect board(w.probe.get("picFeld")->mapToGlobal(QPoint()), w.probe.get("picFeld")->size());
    QVERIFY2(!box.frame.intersects(board), qPrintable(QStringLiteral("box at %1,%2").arg(box.frame.x()).arg(box.frame.y())));
    QVERIFY(w.form->screen()->availableGeometry().contains(box.frame));

    QCOMPARE(countWhileAsked, QString()); // asked before counting
    QCOMPARE(w.probe.text("Text4"), "1");
    QCOMPARE(w.probe.text("Text5"), "218");
    QCOMPARE(w.probe.shownBoard(), FirstSolution);
    QCOMPARE(w.probe.inconsistency(), QString());
    QCOMPARE(w.form->suche().spalte(), 0);

    // The next single step finds no row for the first queen and ends at once.
    w.probe.click("Command2");
    QCOMPARE(answerer.boxes.size(), 2);
    QCOMPARE(answerer.boxes.back().text, "fertig");
    QCOMPARE(answerer.boxes.back().buttonTexts, QStringList({"OK"}));
    QCOMPARE(answerer.boxes.back().description, describedAs("fertig"));
    QCOMPARE(w.probe.shownBoard(), "0 5 8 6 3 7 2 4");
    QCOMPARE(w.probe.text("Text5"), "219");
}

void TestForm1::buttonsDuringRun_data()
{
    QTest::addColumn<QString>("pause"); // how the run is paused at step 100, and goes on
    QTest::addColumn<QString>("then");  // while paused, after one single step

    QTest::newRow("no pause") << "" << "";
    QTest::newRow("click on Durchlauf") << "click" << "go on";
    QTest::newRow("Space on Durchlauf") << "space" << "go on";
    QTest::newRow("Esc") << "escape" << "go on";
    QTest::newRow("ended from the menu") << "escape" << "end";
    QTest::newRow("Null while running") << "null" << "";
    // Null in the step that finds the first solution: the run ends asking nothing.
    QTest::newRow("Null at a solution") << "null at a solution" << "";
    QTest::newRow("Null while paused") << "escape" << "null";
    QTest::newRow("a step back from the menu") << "escape" << "back";
    QTest::newRow("a step back by its key") << "escape" << "back key";
}

// During a run "Durchlauf" pauses and goes on; paused, "Einzelschritt"
// makes the run's next step and "Schritt zurück" takes the last one back.
// "Null" ends a run, running or paused, and empties the board.
void TestForm1::buttonsDuringRun()
{
    QFETCH(QString, pause);
    QFETCH(QString, then);

    Window w;
    if (pause.isEmpty() || pause == "null at a solution")
        w.probe.click("Check1");
    QList<bool> enabled;
    auto buttons = [&] {
        for (const char *name : {"Command1", "Command2", "Command3", "Check1", "VScroll1", "VScroll2_0"})
            enabled << w.probe.get(name)->isEnabled();
    };
    ModalAnswerer answerer([&](QMessageBox &box) {
        if (!box.button(QMessageBox::No)) {
            QTest::keyClick(&box, Qt::Key_Return); // "fertig"
            return;
        }
        // Under the box every button is off: a press is refused at once.
        for (const char *name : {"Command1", "Command2", "Command3", "Check1"})
            QVERIFY(!w.probe.get(name)->isEnabled());
        QTest::mouseClick(box.button(QMessageBox::No), Qt::LeftButton);
    });
    auto act = [&] {
        if (pause == "click")
            w.probe.click("Command3");
        else if (pause == "space")
            QTest::keyClick(w.probe.get("Command3"), Qt::Key_Space);
        else
            QTest::keyClick(w.probe.get("Text4"), Qt::Key_Escape);
    };
    QString pausedAt;
    QStringList titles;
    QString afterBack;
    std::optional<bool> backWhileRunning;
    QTimer actor;
    connect(&actor, &QTimer::timeout, w.form.get(), [&] {
        const auto schritte = w.form->suche().schritte();
        if (schritte == 150 && !backWhileRunning)
            backWhileRunning = w.form->findChild<QAction *>("Zurueck")->isEnabled();
        if (schritte == 100 && pause.isEmpty() && enabled.isEmpty()) {
            buttons();
        } else if (schritte == (pause == "null" ? 100 : 218) && pause.startsWith("null") && pausedAt.isEmpty()) {
            pausedAt = "null";
            w.probe.click("Command1");
        } else if (schritte == 100 && pausedAt.isEmpty() && !pause.isEmpty() && !pause.startsWith("null")) {
            pausedAt = "asked";
            w.probe.get("Command3")->setFocus();
            act();
        } else if (pausedAt == "asked" && w.probe.get("Command2")->isEnabled()) {
            // Held between step 100 and 101, where it stood.
            pausedAt = w.probe.text("Text5") + ' ' + w.probe.shownBoard();
            titles << w.form->windowTitle();
            buttons();
            w.probe.click("Command2");
            titles << w.probe.text("Text5");
            if (then == "end") {
                const auto actions = w.form->findChild<QMenu *>("Kontextmenue")->actions();
                const auto ende = std::find_if(actions.begin(), actions.end(), [](const QAction *action) {
                    return action->text() == "Durchlauf beenden";
                });
                if (ende != actions.end())
                    (*ende)->trigger();
            } else if (then == "null") {
                w.probe.click("Command1");
            } else {
                if (then == "back")
                    w.form->findChild<QAction *>("Zurueck")->trigger();
                else if (then == "back key")
                    QTest::keyClick(w.probe.get("Text4"), Qt::Key_Left, Qt::AltModifier);
                afterBack = w.probe.text("Text5") + ' ' + w.probe.shownBoard();
                act();
            }
        }
    });
    actor.start(0);
    w.probe.click("Command3");
    actor.stop();

    QVERIFY(w.probe.get("Command2")->isEnabled());
    QVERIFY(w.probe.get("Command3")->isEnabled());
    QCOMPARE(w.form->windowTitle(), "Acht Damen");
    QVERIFY(!w.form->suche().runInProgress());
    QCOMPARE(w.form->suche().spalte(), 0);
    if (pause.startsWith("null")) {
        QCOMPARE(w.probe.text("Text5") + ' ' + w.probe.shownBoard(),
                 (pause == "null" ? "100 " : "218 ") + EmptyBoard);
        QCOMPARE(w.probe.text("Text4"), pause == "null" ? "" : "1");
        QCOMPARE(answerer.boxes.size(), 0);
        return;
    }
    if (then == "go on" || then.startsWith("back"))
        QCOMPARE(backWhileRunning, false);
    QCOMPARE(enabled, QList<bool>({true, pause.isEmpty() ? false : true, true, true, true, true}));
    if (pause.isEmpty())
        return;
    QCOMPARE(pausedAt, "100 1 4 2 0 0 0 0 0");
    QCOMPARE(titles, QStringList({"Acht Damen – angehalten", "101"}));
    if (then.startsWith("back"))
        QCOMPARE(afterBack, pausedAt);
    if (then == "null") {
        QCOMPARE(w.probe.text("Text5") + ' ' + w.probe.shownBoard(), "101 " + EmptyBoard);
        QCOMPARE(answerer.boxes.size(), 0);
        return;
    }
    // Going on takes the focus from "Einzelschritt", which goes off.
    if (then != "end")
        QCOMPARE(w.form->focusWidget(), w.probe.get("Command3"));
    QCOMPARE(w.probe.text("Text5"), then == "end" ? "101" : "4021");
    QCOMPARE(answerer.boxes.size(), then == "end" ? 0 : 1);
}

void TestForm1::doubleClicks_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("paused"); // a run at 5 steps per second, paused at step 9
    QTest::addColumn<int>("steps");   // made by the double click
    QTest::addColumn<bool>("running"); // a run goes on after it
    QTest::addColumn<bool>("thenSpace"); // the second press let go off the button, then Space

    QTest::newRow("Einzelschritt") << "Command2" << false << 2 << false << false;
    QTest::newRow("Einzelschritt, run paused") << "Command2" << true << 2 << true << false;
    QTest::newRow("Durchlauf") << "Command3" << false << -1 << true << false;
    QTest::newRow("Durchlauf, then Space pauses") << "Command3" << false << -1 << false << true;
}

// The second click of a double click arrives while the first one's step
// handles events: "Einzelschritt" steps twice, "Durchlauf" counts once.
void TestForm1::doubleClicks()
{
    QFETCH(QString, button);
    QFETCH(bool, paused);
    QFETCH(int, steps);
    QFETCH(bool, running);
    QFETCH(bool, thenSpace);

    Window w;
    std::chrono::nanoseconds now{};
    w.form->setzeUhr([&now] { return now; }, [&now](std::chrono::nanoseconds rest) {
        now += rest;
        QCoreApplication::processEvents();
    });
    paceChoices(*w.form)[3]->trigger();
    ModalAnswerer answerer(ModalAnswerer::click(QMessageBox::Ok));
    QWidget *target = w.probe.get(button);
    std::int64_t made = -1;
    std::optional<bool> runningAfter;
    const auto doubleClick = [&] {
        const auto before = w.form->suche().schritte();
        QTimer::singleShot(0, w.form.get(), [&] {
            QTest::mouseDClick(target, Qt::LeftButton);
            QTest::mouseRelease(target, Qt::LeftButton, {}, thenSpace ? QPoint(-5, -5) : QPoint());
            if (thenSpace)
                QTest::keyClick(target, Qt::Key_Space);
        });
        w.probe.click(button);
        made = w.form->suche().schritte() - before;
    };
    QTimer actor;
    connect(&actor, &QTimer::timeout, w.form.get(), [&] {
        const board::Suche &suche = w.form->suche();
        const bool pausedNow = suche.runInProgress() && w.probe.get("Command2")->isEnabled();
        if (runningAfter || !suche.runInProgress())
            return;
        if (paused && !pausedNow && suche.schritte() == 9) {
            w.probe.click("Command3");
        } else if (paused && pausedNow) {
            doubleClick();
            runningAfter = suche.runInProgress();
            w.probe.click("Command3"); // goes on to the end
        } else if (!paused && (pausedNow || suche.schritte() == 20)) {
            runningAfter = !pausedNow;
            if (pausedNow)
                w.probe.click("Command3");
        }
    });
    actor.start(0);
    if (paused)
        w.probe.click("Command3");
    else
        doubleClick();
    actor.stop();
    if (steps > 0)
        QCOMPARE(made, steps);
    QCOMPARE(runningAfter.value_or(false), running);
}

// The window takes a click beside a control and one on it, just after,
// for a double click: "Durchlauf", which counts a double click once, must
// still take the second for a click of its own.
void TestForm1::clickBesideThenOnDurchlauf()
{
    Window w;
    ModalAnswerer answerer(ModalAnswerer::click(QMessageBox::Ok));
    QWindow *fenster = w.form->windowHandle();
    QWidget *knopf = w.probe.get("Command3");
    // Four pixels apart, across the button's lower edge: near enough for
    // the window to pair them.
    const QPoint unten(knopf->width() / 2, knopf->height());
    const QPointF daneben = w.form->mapFromGlobal(knopf->mapToGlobal(unten + QPoint(0, 2)));
    const QPointF darauf = w.form->mapFromGlobal(knopf->mapToGlobal(unten - QPoint(0, 2)));
    // As the window system delivers them, 60 ms apart.
    int zeit = QTest::lastMouseTimestamp + 1000;
    const auto klick = [&](QPointF wo) {
        const QPointF global = fenster->mapToGlobal(wo);
        qt_handleMouseEvent(fenster, wo, global, Qt::LeftButton, Qt::LeftButton, QEvent::MouseButtonPress, {}, zeit += 60);
        qt_handleMouseEvent(fenster, wo, global, {}, Qt::LeftButton, QEvent::MouseButtonRelease, {}, zeit += 20);
    };
    klick(daneben);
    klick(darauf);
    QTest::lastMouseTimestamp = zeit + 1000;
    QCOMPARE(w.form->suche().schritte(), 4021);
}

void TestForm1::stepBack_data()
{
    QTest::addColumn<bool>("run"); // paused at a pace, or single steps
    QTest::addColumn<int>("steps");
    QTest::addColumn<int>("back");
    QTest::addColumn<bool>("key"); // Alt+Left, or the menu's item
    QTest::addColumn<bool>("marks");
    QTest::addColumn<bool>("hand"); // first a queen moved by hand into an attack

    QTest::newRow("single steps, from the menu") << false << 30 << 10 << false << false << false;
    QTest::newRow("single steps, by the key, with marks") << false << 30 << 10 << true << true << false;
    QTest::newRow("back over a solution") << false << 220 << 5 << true << false << false;
    QTest::newRow("back to a hand move, with marks") << false << 8 << 8 << true << true << true;
    QTest::newRow("the whole of a paused run, with marks") << true << 12 << 12 << false << true << false;
}

// "Schritt zurück" takes a step back exactly: the window shows what it
// showed after the step before, marks and all; stepping forward again
// shows each moment once more. Back at the start it is off.
void TestForm1::stepBack()
{
    QFETCH(bool, run);
    QFETCH(int, steps);
    QFETCH(int, back);
    QFETCH(bool, key);
    QFETCH(bool, marks);
    QFETCH(bool, hand);

    Window w;
    w.form->findChild<QAction *>("Spuren")->setChecked(marks);
    if (hand) {
        moveQueen(w.probe, 7, 2);
        moveQueen(w.probe, 6, 1); // g1 attacked by h2
    }
    auto *zurueck = w.form->findChild<QAction *>("Zurueck");
    const auto shown = [&w] {
        const view::Spuren::Marken &spuren = w.form->spuren().gezeigt();
        return QStringList{w.probe.shownBoard(), w.probe.text("Text3"), w.probe.text("Text4"), w.probe.text("Text5"),
                           QString::fromLatin1(QByteArray(reinterpret_cast<const char *>(spuren.data()),
                                                          qsizetype(sizeof(spuren)))
                                                   .toHex())};
    };
    QList<QStringList> moments{shown()};
    QStringList problems;
    const auto backAndForth = [&] {
        QVERIFY(zurueck->isEnabled());
        for (int j = 1; j <= back; ++j) {
            if (key)
                QTest::keyClick(w.probe.get("Text4"), Qt::Key_Left, Qt::AltModifier);
            else
                zurueck->trigger();
            if (shown() != moments[steps - j])
                problems << QStringLiteral("%1 back: %2").arg(j).arg(shown().join(u'|'));
        }
        QCOMPARE(zurueck->isEnabled(), back < steps);
        if (back == steps) {
            // Nothing left to take back: the key is the window's still,
            // and no slider with the focus takes it as Left.
            QTest::keyClick(w.probe.slider(2), Qt::Key_Left, Qt::AltModifier);
            QCOMPARE(shown(), moments[0]);
        }
        for (int j = back - 1; j >= 0; --j) {
            w.probe.click("Command2");
            if (shown() != moments[steps - j])
                problems << QStringLiteral("%1 forward: %2 for %3").arg(back - j).arg(shown().join(u'|'), moments[steps - j].join(u'|'));
        }
    };
    if (!run) {
        for (int n = 1; n <= steps; ++n) {
            w.probe.click("Command2");
            moments << shown();
        }
        backAndForth();
    } else {
        std::chrono::nanoseconds now{};
        w.form->setzeUhr([&now] { return now; }, [&now](std::chrono::nanoseconds rest) {
            now += rest;
            QCoreApplication::processEvents();
        });
        paceChoices(*w.form)[3]->trigger();
        // At a pace each step has a frame of its own.
        FrameWatcher watcher([&] {
            if (moments.size() == w.probe.text("Text5").toInt())
                moments << shown();
        });
        w.form->installEventFilter(&watcher);
        bool done = false;
        QTimer actor;
        connect(&actor, &QTimer::timeout, w.form.get(), [&] {
            if (!w.form->suche().runInProgress() || done) {
                return;
            } else if (!w.probe.get("Command2")->isEnabled()) {
                if (w.form->suche().schritte() == steps)
                    w.probe.click("Command3");
            } else {
                done = true;
                backAndForth();
                w.probe.click("Command3"); // goes on to the end
            }
        });
        actor.start(0);
        ModalAnswerer answerer(ModalAnswerer::click(QMessageBox::Ok));
        w.probe.click("Command3");
        QVERIFY(done);
        QCOMPARE(w.probe.text("Text5"), "4021");
        QCOMPARE(w.probe.text("Text4"), "92");
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
}

void TestForm1::protocol_data()
{
    QTest::addColumn<QStringList>("actions"); // with the protocol's window open
    QTest::addColumn<QStringList>("lines");   // the last ones
    QTest::addColumn<QString>("totals");      // steps, rows tried, times gone back, solutions
    QTest::addColumn<QString>("said");        // in the window, after the actions

    QTest::newRow("a line activated") << QStringList{"step", "step", "step", "step", "step", "activate 1"}
                                      << QStringList{"Schritt 1, a: a1 gesetzt", "  Schritt 2, b: b3 gesetzt – b1 a1, b2 a1"}
                                      << "2 4 0 0" << "";
    QTest::newRow("a line before a hand move") << QStringList{"step", "a+", "step", "activate 0"}
                                               << QStringList{"Von Hand a2", "  Schritt 2, b: b4 gesetzt – b1 a2, b2 a2, b3 a2"}
                                               << "2 5 0 0" << "Bis Schritt 1 geht es nicht zurück";
    QTest::newRow("a refusal, then a step") << QStringList{"step", "a+", "step", "activate 0", "step"}
                                            << QStringList{"    Schritt 3, c: c1 gesetzt"} << "3 6 0 0" << "";
    // A queen the search began with has no step to go to.
    QTest::newRow("a node before the search")
        << QStringList{"step", "step", "step", "step", "c+", "step", "Suchbaum", "node d2"}
        << QStringList{"Von Hand c6", "        Schritt 5, e: e7 gesetzt – e1 a1 d2, e2 d2, e3 b3 d2, e4 c6, e5 a1, e6 b3 c6"}
        << "5 18 0 0" << "d2 stand schon, als die Suche hier begann";
    // A pane asked for shows the window, also where it was minimized.
    QTest::newRow("minimized, another pane") << QStringList{"step", "minimize", "Suchbaum"}
                                             << QStringList{"Schritt 1, a: a1 gesetzt"} << "1 1 0 0" << "";
    QTest::newRow("minimized, closed, opened") << QStringList{"minimize", "Protokoll", "Protokoll", "step"}
                                               << QStringList{"Schritt 1, a: a1 gesetzt"} << "1 1 0 0" << "";
    // Every pane on a screen shorter than their least heights together.
    QTest::newRow("every pane") << QStringList{"Suchbaum", "Ablauf", "step"}
                                << QStringList{"Schritt 1, a: a1 gesetzt"} << "1 1 0 0" << "";
    // At a solution the question waits while the lines catch up.
    QTest::newRow("at the question") << QStringList{"stop", "run at 20"}
                                     << QStringList{"              Schritt 218, h: h4 gesetzt – Lösung 1: a1 b5 c8 d6 e3 f7 g2 h4"}
                                     << "218 876 105 1" << "";
}

// The protocol's window shows how the board came to be, a line for every
// step, and its totals; activating a step's line goes back to the end of
// that step, and a refusal stays until the board or the search changes.
void TestForm1::protocol()
{
    QFETCH(QStringList, actions);
    QFETCH(QStringList, lines);
    QFETCH(QString, totals);
    QFETCH(QString, said);

    Window w;
    w.form->findChild<QAction *>("Protokoll")->trigger();
    auto *list = w.form->findChild<QListView *>("Protokollzeilen");
    QVERIFY(list->isVisible());
    QStringList shown;
    QString counted;
    const auto read = [&] {
        shown.clear();
        for (int row = 0; row < list->model()->rowCount(); ++row)
            shown << list->model()->index(row, 0).data().toString();
        counted = w.form->findChild<Zeilen *>("Summen")->zeilen().join(u' ');
    };
    ModalAnswerer answerer([&](QMessageBox &box) {
        read();
        QTest::keyClick(&box, Qt::Key_Escape);
    });
    std::chrono::nanoseconds now{};
    for (const QString &action : actions) {
        if (action == "step") {
            w.probe.click("Command2");
        } else if (action == "stop") {
            w.probe.click("Check1");
        } else if (action == "run at 20") {
            w.form->setzeUhr([&now] { return now; }, [&now](std::chrono::nanoseconds rest) {
                now += rest;
                QCoreApplication::processEvents();
            });
            paceChoices(*w.form)[2]->trigger();
            w.probe.click("Command3");
        } else if (action == "minimize") {
            list->window()->showMinimized();
        } else if (action == "Suchbaum" || action == "Ablauf" || action == "Protokoll") {
            w.form->findChild<QAction *>(action)->trigger();
        } else if (action.startsWith("node ")) {
            // On the path, from the queen set last up.
            auto *baum = w.form->findChild<QTreeView *>("Baumzeilen");
            QModelIndex knoten = baum->currentIndex();
            while (knoten.isValid() && knoten.data().toString().section(u',', 0, 0) != action.mid(5))
                knoten = knoten.parent();
            QVERIFY(knoten.isValid());
            baum->setCurrentIndex(knoten);
            QTest::keyClick(baum, Qt::Key_Return);
            // Its column's title, hidden on screen, is what screen readers read.
            QCOMPARE(QAccessible::queryAccessibleInterface(baum)->tableInterface()->columnDescription(0), "Suchbaum");
        } else if (action.startsWith("activate ")) {
            QTRY_COMPARE(list->model()->rowCount(), int(w.form->verlauf().eintraege().size()));
            list->setCurrentIndex(list->model()->index(action.mid(9).toInt(), 0));
            QTest::keyClick(list, Qt::Key_Return);
        } else {
            moveQueen(w.probe, action[0].unicode() - u'a', 1);
        }
    }
    if (answerer.boxes.isEmpty()) {
        QTRY_COMPARE(list->model()->rowCount(), int(w.form->verlauf().eintraege().size()));
        read();
    }
    QCOMPARE(shown.mid(shown.size() - lines.size()), lines);
    QVERIFY(list->isVisible() && !list->window()->isMinimized());
    // Within the screen's height, however many panes (the offscreen screen
    // is narrower than the main window: no room beside it there).
    const QRect companion = list->window()->frameGeometry();
    const QRect screen = list->window()->screen()->availableGeometry();
    QVERIFY2(companion.top() >= screen.top() && companion.bottom() <= screen.bottom(),
             qPrintable(QStringLiteral("%1 high at %2").arg(companion.height()).arg(companion.top())));
    const QStringList numbers = totals.split(u' ');
    QVERIFY2(counted.startsWith(QStringLiteral("Schritte %1, versuchte Reihen %2, Sackgassen %3, Lösungen %4,")
                                    .arg(numbers[0], numbers[1], numbers[2], numbers[3])),
             qPrintable(counted));
    // A refusal stays two seconds to be read, then goes with the change.
    auto *meldung = w.form->findChild<Zeilen *>("Meldung");
    if (said.isEmpty() && actions.contains("activate 0"))
        QCOMPARE(meldung->zeilen(), QStringList{"Bis Schritt 1 geht es nicht zurück"});
    QTRY_COMPARE_WITH_TIMEOUT(meldung->zeilen().join(QString()), said, 3000);
}

// Keys typed at once after a Tab land in the field, behind its text.
void TestForm1::tabThenKeys()
{
    Window w;
    w.probe.slider(7)->setFocus();
    for (const int key : {int(Qt::Key_Tab), int(Qt::Key_3), int(Qt::Key_7)}) {
        const QString text = key == Qt::Key_Tab ? QString() : QString(QChar(key));
        // To the window, which hands each to the focus of its moment.
        QCoreApplication::postEvent(w.form->windowHandle(), new QKeyEvent(QEvent::KeyPress, key, {}, text));
    }
    QTest::qWait(20); // and whatever the Tab set off
    QTest::keyClick(w.probe.get("Text3"), Qt::Key_5);
    QCOMPARE(w.probe.text("Text3"), "375");
}

void TestForm1::captionsFit_data()
{
    QTest::addColumn<QString>("control");

    for (const char *name : {"Command1", "Command2", "Command3", "Check1", "Label1", "Label2", "Label4", "Frame1"})
        QTest::newRow(name) << name;
}

// The German captions must not be cut off by their own controls (the hint
// under the sliders is cut by the window's edge only).
void TestForm1::captionsFit()
{
    QFETCH(QString, control);

    Form1 form;
    QWidget *widget = FormProbe(form).get(control);
    // The face asked for is the face drawn.
    QCOMPARE(QFontInfo(widget->font()).family(), widget->font().family());
    QString text;
    int room = widget->width();
    if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
        text = button->text();
        if (qobject_cast<QCheckBox *>(widget))
            room -= widget->style()->pixelMetric(QStyle::PM_IndicatorWidth)
                    + widget->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing);
    } else if (auto *label = qobject_cast<QLabel *>(widget)) {
        text = label->text();
    } else {
        text = qobject_cast<QGroupBox *>(widget)->title();
    }
    const int needed = widget->fontMetrics().horizontalAdvance(text);
    QVERIFY2(needed <= room, qPrintable(QStringLiteral("'%1' needs %2 px, has %3").arg(text).arg(needed).arg(room)));
}

void TestForm1::focusOrder()
{
    Window w;
    QStringList expected{"picFeld"};
    for (int index = 0; index <= 70; ++index) {
        if (index % 9 != 8 && index != 34)
            expected << QStringLiteral("txtFeld_%1").arg(index);
    }
    expected << "txtFeld_34";
    for (int i = 0; i < 8; ++i)
        expected << QStringLiteral("Text2_%1").arg(i);
    for (int i = 0; i < 8; ++i)
        expected << QStringLiteral("VScroll2_%1").arg(i);
    expected << "Text3" << "Command3" << "Command2" << "Check1" << "Text4" << "Text5" << "Command1"
             << "Picture1" << "VScroll1";

    // The keyboard starts where the order starts.
    QCOMPARE(QApplication::focusWidget(), w.probe.get("picFeld"));
    // Tabbing into a text field still selects its text, just after the
    // focus has been reported to screen readers.
    w.probe.get<QLineEdit>("Text4")->setText("7");
    w.probe.get("Check1")->setFocus();
    QTest::keyClick(w.probe.get("Check1"), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), w.probe.get("Text4"));
    QTRY_COMPARE(w.probe.get<QLineEdit>("Text4")->selectedText(), "7");

    QStringList actual;
    QWidget *widget = w.probe.get("picFeld");
    do {
        if (widget->focusPolicy() & Qt::TabFocus)
            actual << widget->objectName();
        widget = widget->nextInFocusChain();
    } while (widget != w.probe.get("picFeld"));
    QCOMPARE(actual, expected);
}

// The titles as the window system shows them: Qt must not add the program's
// name to "hurra!". Needs X11 (ctest runs it under xvfb-run).
void TestForm1::nativeTitles()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("needs the xcb platform");
    Window w;
    w.probe.click("Check1");
    QStringList titles{nativeTitle(*w.form)};
    ModalAnswerer answerer([&](QMessageBox &box) {
        titles << nativeTitle(box);
        QTest::keyClick(&box, box.button(QMessageBox::No) ? Qt::Key_Escape : Qt::Key_Return);
    });
    w.probe.click("Command3");
    w.probe.click("Command2"); // "fertig" at once after the stop
    QCOMPARE(titles, QStringList({"Acht Damen", "hurra!", "Acht Damen"}));
}

void TestForm1::readableUnderAnyPalette_data()
{
    QTest::addColumn<QPalette>("palette");
    QTest::addColumn<QString>("style");

    QTest::newRow("light, Fusion") << QPalette(QColor(239, 239, 239)) << "Fusion";
    QTest::newRow("dark, Fusion") << darkPalette() << "Fusion";
    QTest::newRow("dark, Windows") << darkPalette() << "Windows";
}

// Texts on fixed backgrounds keep 4.5:1 (WCAG AA); the sliders' thumb
// stands out from track and arrows by 3:1 and so does their focus mark.
// The group box looks as the style draws one.
void TestForm1::readableUnderAnyPalette()
{
    QFETCH(QPalette, palette);
    QFETCH(QString, style);

    const QPalette oldPalette = QApplication::palette();
    const QString oldStyle = QApplication::style()->name();
    QApplication::setStyle(QStyleFactory::create(style));
    QApplication::setPalette(palette);
    const auto restore = qScopeGuard([&] {
        QApplication::setStyle(QStyleFactory::create(oldStyle));
        QApplication::setPalette(oldPalette);
    });

    Window w;
    moveQueen(w.probe, 2, 3); // "X" in c3, "3" in its box, a verdict
    QVERIFY(textContrast(w.probe.cell(board::zellIndex(2, 3))) >= 4.5);
    QVERIFY(textContrast(w.probe.valueBox(2)) >= 4.5);
    QVERIFY(textContrast(w.probe.get("Text3")) >= 4.5);

    // The marks stand out from both greys, and the "X" stays readable: two
    // steps try b1 (light) and b2 (dark), ruled out by a1, and keep b3.
    w.form->findChild<QAction *>("Spuren")->setChecked(true);
    w.probe.click("Command1");
    w.probe.click("Command2");
    w.probe.click("Command2");
    const auto cell = [&w](int spalte, int reihe) { return w.probe.cell(board::zellIndex(spalte, reihe)); };
    for (QWidget *marked : {cell(1, 1), cell(1, 2), cell(1, 3), cell(0, 1)})
        QVERIFY2(markPixels(marked) > 40, qPrintable(marked->objectName()));
    for (QWidget *queen : {cell(1, 3), cell(0, 1)})
        QVERIFY(textContrast(queen) >= 4.5);
    QCOMPARE(markPixels(cell(3, 1)), 0);
    // A queen moved by hand into an attack, and its attacker.
    moveQueen(w.probe, 3, 3);
    QCOMPARE(w.probe.text("Text3"), "geht nicht");
    for (QWidget *marked : {cell(3, 3), cell(1, 3)})
        QVERIFY2(markPixels(marked) > 40, qPrintable(marked->objectName()));
    QCOMPARE(markPixels(cell(0, 1)), 0);

    for (QScrollBar *slider : {static_cast<QScrollBar *>(w.probe.slider(0)), w.probe.get<QScrollBar>("VScroll1")}) {
        const QPoint thumb = FormProbe::part(slider, QStyle::SC_ScrollBarSlider).center();
        const QRect above = FormProbe::part(slider, QStyle::SC_ScrollBarSubPage);
        const QRect below = FormProbe::part(slider, QStyle::SC_ScrollBarAddPage);
        const QPoint track = (above.height() > below.height() ? above : below).center();
        const QPoint arrow = FormProbe::part(slider, QStyle::SC_ScrollBarAddLine).topLeft() + QPoint(4, 3);
        QVERIFY(contrast(colourAt(slider, thumb), colourAt(slider, track)) >= 3);
        QVERIFY(contrast(colourAt(slider, thumb), colourAt(slider, arrow)) >= 3);

        // The focus mark: the pixels that change, by at least 3:1, on all sides.
        const QImage before = slider->grab().toImage();
        slider->setFocus(Qt::TabFocusReason);
        const QImage after = slider->grab().toImage();
        const int w1 = before.width() - 1;
        const int h1 = before.height() - 1;
        for (const QPoint at : {QPoint(w1 / 2, 0), QPoint(w1 / 2, h1), QPoint(0, h1 / 2), QPoint(w1, h1 / 2)})
            QVERIFY2(contrast(before.pixelColor(at), after.pixelColor(at)) >= 3,
                     qPrintable(QStringLiteral("%1 at %2,%3").arg(slider->objectName()).arg(at.x()).arg(at.y())));
    }

    // Under Fusion the frame is drawn without Fusion's picture, to within
    // three levels of a channel (its corners differ a little).
    const auto *frame = w.probe.get<QGroupBox>("Frame1");
    Rahmen rahmen;
    QGroupBox box;
    for (QGroupBox *b : {static_cast<QGroupBox *>(&rahmen), &box}) {
        b->setTitle(frame->title());
        b->setFont(frame->font());
        b->resize(frame->size());
    }
    QVERIFY(largestDifference(rahmen.grab().toImage(), box.grab().toImage()) <= 3);
}

void TestForm1::closeDuringRun_data()
{
    QTest::addColumn<bool>("duringQuestion");

    QTest::newRow("between steps") << false;
    QTest::newRow("question box open") << true;
}

// Runs under QApplication::exec(), as the program does: closing the last
// window quits, and the run must unwind out of the nested event processing.
void TestForm1::closeDuringRun()
{
    QFETCH(bool, duringQuestion);

    Window w;
    Form1 *form = w.form.get();
    if (duringQuestion)
        w.probe.click("Check1");
    ModalAnswerer answerer([&](QMessageBox &) {
        if (duringQuestion)
            form->close();
    });
    int closedAtStep = -1;
    // Events run once per step: the close arrives in the middle of step 500.
    QTimer closer;
    connect(&closer, &QTimer::timeout, form, [&] {
        if (!duringQuestion && form->suche().schritte() == 500 && form->isVisible())
            form->close();
    });
    closer.start(0);
    connect(qApp, &QGuiApplication::lastWindowClosed, form, [&] { closedAtStep = w.probe.text("Text5").toInt(); });

    QTimer::singleShot(0, form, [&] { w.probe.click("Command3"); });
    QTimer watchdog;
    watchdog.setSingleShot(true);
    connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    watchdog.start(20000);

    QElapsedTimer clock;
    clock.start();
    const int exitCode = QCoreApplication::exec();
    const qint64 elapsed = clock.elapsed();

    QCOMPARE(exitCode, 0);
    QVERIFY(!form->isVisible());
    QCOMPARE(w.probe.text("Text5").toInt(), closedAtStep); // no step after the close
    QCOMPARE(closedAtStep, duringQuestion ? 218 : 500);
    QCOMPARE(answerer.boxes.size(), duringQuestion ? 1 : 0); // no "fertig"
    QVERIFY(!form->suche().runInProgress());
    qInfo("exec returned %lld ms after the run began", elapsed);
}

FENSTER_TEST_MAIN(TestForm1)

#include "tst_form1.moc"
