// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Random user sessions against the real window, with real input events and
// with the actions assistive technology takes through the accessibility
// interfaces, which a modal box does not block. Actions are posted so that a
// search step's event processing delivers them: many land in the middle of a
// full run, or while a question is open.
//
//   SOAK_SEQUENCES=N   how many sessions (default 12)
//   SOAK_SEED=S        seed of the first session (default 1); session i uses S + i
//   SOAK_TRACE=1       print each action as it happens
//
// A failure names its seed; SOAK_SEED=<seed> SOAK_SEQUENCES=1 repeats it.

#include "application.h"
#include "formprobe.h"
#include "modalanswerer.h"

#include <QAccessible>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QRegularExpression>
#include <QtTest>

#include <csignal>
#include <cstdio>
#include <memory>
#include <random>

namespace {

const QString EmptyBoard = QStringLiteral("0 0 0 0 0 0 0 0");

class Session;
Session *current = nullptr;

class Session : public QObject
{
public:
    Session(quint32 seed, int actions)
        : m_seed(seed)
        , m_random(seed)
        , m_actionsLeft(actions)
    {
    }

    QString failure;
    QStringList actions;
    int actionsDuringRun = 0;

    void run()
    {
        m_form = std::make_unique<Form1>();
        m_probe = std::make_unique<FormProbe>(*m_form);
        m_form->show();
        if (!QTest::qWaitForWindowExposed(m_form.get()))
            fail(QStringLiteral("window not exposed"));

        post();
        m_loop.exec();
        m_ended = true;
        check();
        if (failure.isEmpty())
            finalRun();
        m_probe.reset();
        m_form.reset();
    }

    void dump() const
    {
        std::fprintf(stderr, "soak: seed %u, %lld actions:\n", m_seed, static_cast<long long>(actions.size()));
        for (const QString &action : actions)
            std::fprintf(stderr, "  %s\n", qPrintable(action));
    }

private:
    int pick(int from, int to) { return std::uniform_int_distribution<int>(from, to)(m_random); }
    bool chance(int percent) { return pick(1, 100) <= percent; }

    void post() { QMetaObject::invokeMethod(this, &Session::tick, Qt::QueuedConnection); }

    // Runs once per pass of event processing, wherever that happens.
    void tick()
    {
        if (m_ended)
            return;
        check();
        // First, so that ticks go on inside whatever this action starts, and
        // inside a search that a late press started after the loop was told
        // to quit: its boxes still need answers.
        post();
        const bool busy = m_depth > 0;
        const bool done = m_closed || m_actionsLeft <= 0 || !failure.isEmpty();
        if (done && !busy && !QApplication::activeModalWidget())
            m_loop.quit();
        if (m_closed)
            return;
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            underBox(*box, done);
            return;
        }
        // A run the session paused goes on, so that the session can end.
        if (done && m_form->suche().runInProgress() && m_probe->get(QStringLiteral("Command2"))->isEnabled()) {
            note(QStringLiteral("go on"));
            click(QStringLiteral("Command3"));
            return;
        }
        if (done || m_wait-- > 0)
            return;
        m_wait = pick(0, 3) == 0 ? pick(0, 600) : pick(0, 4);
        --m_actionsLeft;
        ++m_depth;
        act();
        --m_depth;
        check();
    }

    void note(const QString &action)
    {
        const bool running = m_form->suche().runInProgress();
        actionsDuringRun += running ? 1 : 0;
        actions << QStringLiteral("%1%2 (step %3)").arg(action, running ? QStringLiteral(" during run") : QString(),
                                                       m_probe->text(QStringLiteral("Text5")));
        if (qEnvironmentVariableIsSet("SOAK_TRACE"))
            std::fprintf(stderr, "soak %u: %s\n", m_seed, qPrintable(actions.last()));
    }

    // Assistive technology acts on the window under an open box, whose
    // answer waits a little, so that pressed buttons fire beneath it.
    void underBox(QMessageBox &box, bool done)
    {
        if (box.property("answered").toBool())
            return;
        if (!box.property("seen").toBool()) {
            box.setProperty("seen", true);
            // Asked only where eight queens stand and none is attacked.
            if (box.button(QMessageBox::No) && !board::IstLoesung(m_form->feld()))
                fail(QStringLiteral("asked at %1").arg(searchState()));
            m_beforeBox = {searchState(), controlState()};
            m_answerDelay = !done && chance(50) ? pick(0, 150) : 0;
            m_boxClock.start();
            for (int n = m_answerDelay > 0 ? pick(1, 3) : 0; n > 0; --n)
                actAccessibly(true);
        }
        if (!m_closed && m_boxClock.elapsed() < m_answerDelay)
            return;
        box.setProperty("answered", true);
        answer(box, done);
    }

    void answer(QMessageBox &box, bool done)
    {
        const bool question = box.button(QMessageBox::No) != nullptr;
        const int roll = pick(1, 100);
        if (!done && roll <= 5) {
            note(QStringLiteral("close window with box '%1' open").arg(box.text()));
            closeWindow();
        } else if (roll <= 10) {
            note(QStringLiteral("Escape on '%1'").arg(box.text()));
            QTest::keyClick(&box, Qt::Key_Escape);
        } else if (question && (done || roll <= 55)) {
            note(QStringLiteral("No"));
            QTest::mouseClick(box.button(QMessageBox::No), Qt::LeftButton);
        } else {
            note(question ? QStringLiteral("Yes") : QStringLiteral("OK on '%1'").arg(box.text()));
            QTest::mouseClick(box.button(question ? QMessageBox::Yes : QMessageBox::Ok), Qt::LeftButton);
        }
    }

    void act()
    {
        const int roll = pick(1, 100);
        if (roll <= 40) {
            const int spalte = pick(0, 7);
            moveSlider(m_probe->slider(spalte), QStringLiteral("queen %1").arg(spalte), 40);
        } else if (roll <= 48) {
            moveSlider(m_probe->get<QScrollBar>(QStringLiteral("VScroll1")), QStringLiteral("cover"), 200);
        } else if (roll <= 52) {
            click(QStringLiteral("Command1"));
        } else if (roll <= 60) {
            actAccessibly(false);
        } else if (roll <= 74) {
            click(QStringLiteral("Command2"));
            if (chance(25) && !m_closed) // a double click
                click(QStringLiteral("Command2"));
        } else if (roll <= 86) {
            click(QStringLiteral("Command3"));
        } else if (roll <= 94) {
            click(QStringLiteral("Check1"));
        } else if (roll <= 96) {
            note(QStringLiteral("Alt+Left"));
            QTest::keyClick(m_probe->get(QStringLiteral("Text5")), Qt::Key_Left, Qt::AltModifier);
        } else if (roll <= 98) {
            note(QStringLiteral("marks"));
            m_form->findChild<QAction *>(QStringLiteral("Spuren"))->toggle();
        } else {
            note(QStringLiteral("close window"));
            closeWindow();
        }
    }

    // As a screen reader, voice control or a test tool acts: a button's
    // press is an animated click that fires about 100 ms later.
    void actAccessibly(bool underBox)
    {
        static const QStringList buttons{"Command1", "Command2", "Command3", "Check1"};
        static const QStringList fields{"Text2_3", "Text3", "Text4", "Text5", "txtFeld_0", "txtFeld_63"};
        const int kind = pick(0, underBox ? 4 : 3);
        if (kind == 0) {
            const QString &name = buttons[pick(0, 3)];
            note(QStringLiteral("accessible press %1").arg(name));
            m_lastPress.start();
            QAccessibleActionInterface *action = accessible(name)->actionInterface();
            action->doAction(action->actionNames().value(0));
        } else if (kind == 1) {
            const int spalte = pick(0, 7);
            const int wert = pick(0, 8);
            note(QStringLiteral("accessible value %1 on queen %2").arg(wert).arg(spalte));
            QAccessible::queryAccessibleInterface(m_probe->slider(spalte))->valueInterface()->setCurrentValue(wert);
        } else if (kind == 2) {
            const int wert = pick(0, 3000);
            note(QStringLiteral("accessible value %1 on cover").arg(wert));
            accessible(QStringLiteral("VScroll1"))->valueInterface()->setCurrentValue(wert);
        } else if (kind == 3) {
            queryText(fields[pick(0, int(fields.size()) - 1)]);
        } else {
            // Only under a box: elsewhere a field the user writes into
            // rightly shows what was written, which the checks would flag.
            const QString &name = fields[pick(0, int(fields.size()) - 1)];
            note(QStringLiteral("accessible text into %1").arg(name));
            accessible(name)->editableTextInterface()->insertText(0, QStringLiteral("7"));
        }
    }

    // As word navigation, a braille display or a test tool reads a field:
    // a piece of its text at, before or after an offset, or its attributes.
    void queryText(const QString &name)
    {
        QAccessibleTextInterface *text = accessible(name)->textInterface();
        const QString whole = text->text(0, text->characterCount());
        const int offset = pick(-2, int(whole.size()) + 1);
        const auto boundary = static_cast<QAccessible::TextBoundaryType>(pick(QAccessible::CharBoundary,
                                                                              QAccessible::NoBoundary));
        const int which = pick(0, 3);
        note(QStringLiteral("accessible text query %1 at %2 in %3 ('%4'), boundary %5")
                 .arg(which)
                 .arg(offset)
                 .arg(name, whole)
                 .arg(boundary));
        int start = -1;
        int end = -1;
        QString piece;
        if (which == 0)
            piece = text->textAtOffset(offset, boundary, &start, &end);
        else if (which == 1)
            piece = text->textBeforeOffset(offset, boundary, &start, &end);
        else if (which == 2)
            piece = text->textAfterOffset(offset, boundary, &start, &end);
        else
            text->attributes(offset, &start, &end);
        // One run of plain text; a piece of the text, or none off the text.
        const bool fits = which == 3 ? start == 0 && end == whole.size()
                          : start >= 0 ? start <= end && end <= whole.size() && piece == whole.mid(start, end - start)
                                       : start == -1 && end == -1 && piece.isEmpty();
        if (!fits)
            fail(QStringLiteral("text query in %1: '%2' at %3..%4").arg(name, piece).arg(start).arg(end));
    }

    QAccessibleInterface *accessible(const QString &name) const
    {
        return QAccessible::queryAccessibleInterface(m_probe->get(name));
    }

    // What no input may change while a box is open: the board and the
    // search, and, once the box is answered, the check box and the cover.
    QString searchState() const
    {
        QStringList werte;
        for (int spalte = 0; spalte < board::Feld::Spalten; ++spalte)
            werte << QString::number(m_form->feld().wert(spalte));
        const board::Suche &suche = m_form->suche();
        return QStringLiteral("%1, step %2, solutions %3, column %4")
            .arg(werte.join(u' '))
            .arg(suche.schritte())
            .arg(suche.loesungen())
            .arg(suche.spalte());
    }

    QString controlState() const
    {
        return QStringLiteral("stop %1, cover %2")
            .arg(m_probe->get<QCheckBox>(QStringLiteral("Check1"))->isChecked())
            .arg(m_probe->get<QScrollBar>(QStringLiteral("VScroll1"))->value());
    }

    void click(const QString &name)
    {
        note(QStringLiteral("click %1").arg(name));
        m_probe->click(name);
    }

    void moveSlider(QScrollBar *bar, const QString &name, int maxDrag)
    {
        const int kind = pick(0, 4);
        if (kind == 0) {
            note(name + QStringLiteral(" upper arrow"));
            FormProbe::clickPart(bar, QStyle::SC_ScrollBarSubLine);
        } else if (kind == 1) {
            note(name + QStringLiteral(" lower arrow"));
            FormProbe::clickPart(bar, QStyle::SC_ScrollBarAddLine);
        } else if (kind == 2) {
            const bool above = chance(50);
            note(name + (above ? QStringLiteral(" track above") : QStringLiteral(" track below")));
            const auto part = above ? QStyle::SC_ScrollBarSubPage : QStyle::SC_ScrollBarAddPage;
            if (!FormProbe::part(bar, part).isEmpty())
                FormProbe::clickPart(bar, part);
        } else {
            const int dy = pick(-maxDrag, maxDrag);
            note(name + QStringLiteral(" drag by %1").arg(dy));
            FormProbe::dragThumb(bar, dy, [this] { check(); });
        }
    }

    void closeWindow()
    {
        m_closed = true;
        m_form->close();
        m_stepsAtClose = m_form->suche().schritte();
    }

    void fail(const QString &what)
    {
        if (failure.isEmpty())
            failure = what;
    }

    // What must hold whenever events run.
    void check()
    {
        // Under a box the window is locked: what assistive technology writes
        // into a control there is neither painted nor acted on, and is put
        // back when the box closes.
        if (QApplication::activeModalWidget() && !m_closed) {
            if (searchState() != m_beforeBox.first && !m_beforeBox.first.isEmpty())
                fail(QStringLiteral("changed under a box: %1, before: %2").arg(searchState(), m_beforeBox.first));
            return;
        }
        if (!m_beforeBox.second.isEmpty() && !m_closed && controlState() != m_beforeBox.second)
            fail(QStringLiteral("changed under a box: %1, before: %2").arg(controlState(), m_beforeBox.second));
        m_beforeBox = {};
        static const QRegularExpression count(QStringLiteral("^(|0|[1-9][0-9]*)$"));
        const QString problem = m_probe->inconsistency();
        if (!problem.isEmpty())
            fail(problem);
        const QString verdict = m_probe->text(QStringLiteral("Text3"));
        if (verdict != "" && verdict != "in Ordnung" && verdict != "geht nicht")
            fail(QStringLiteral("verdict '%1'").arg(verdict));
        for (const char *box : {"Text4", "Text5"}) {
            if (!count.match(m_probe->text(QLatin1String(box))).hasMatch())
                fail(QStringLiteral("%1 shows '%2'").arg(box, m_probe->text(QLatin1String(box))));
        }
        const int spalte = m_form->suche().spalte();
        if (spalte < -1 || spalte > 7)
            fail(QStringLiteral("column pointer %1").arg(spalte));
        checkRecord();
        // "Durchlauf" pauses a run, "Einzelschritt" steps a paused one.
        if (!m_probe->get(QStringLiteral("Command3"))->isEnabled()
            || (!m_form->suche().runInProgress() && !m_probe->get(QStringLiteral("Command2"))->isEnabled()))
            fail(QStringLiteral("search buttons disabled"));
        if (m_closed) {
            if (m_form->suche().schritte() != m_stepsAtClose)
                fail(QStringLiteral("a step ran after the window was closed (%1 then %2)")
                         .arg(m_stepsAtClose)
                         .arg(m_form->suche().schritte()));
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
                fail(QStringLiteral("box '%1' shown after the window was closed").arg(box->text()));
        }
    }

    // The record of the search ends with the steps the search can take
    // back, each as the search keeps it; a step under way (its question
    // open, or its events running) may follow them.
    void checkRecord()
    {
        const std::deque<board::Schritt> &kann = m_form->suche().verlauf();
        const std::deque<view::Suchverlauf::Eintrag> &eintraege = m_form->verlauf().eintraege();
        std::size_t ende = eintraege.size();
        if (ende > 0 && eintraege.back().art == view::Suchverlauf::Eintrag::Art::Schritt
            && eintraege.back().schritt.nummer == m_form->suche().schritte()
            && (kann.empty() || kann.back().nummer != m_form->suche().schritte()))
            --ende;
        if (kann.size() > ende) {
            fail(QStringLiteral("record of %1 entries behind a history of %2").arg(ende).arg(kann.size()));
            return;
        }
        for (std::size_t i = 0; i < kann.size(); ++i) {
            const view::Suchverlauf::Eintrag &eintrag = eintraege[ende - kann.size() + i];
            if (eintrag.art != view::Suchverlauf::Eintrag::Art::Schritt || eintrag.schritt != kann[i]) {
                fail(QStringLiteral("record differs from the history at step %1").arg(kann[i].nummer));
                return;
            }
        }
    }

    // Whatever the session did, a plain full run still finds everything.
    void finalRun()
    {
        m_closed = false;
        m_form->show();
        ModalAnswerer answerer(ModalAnswerer::click(QMessageBox::Ok));
        // A press through accessibility fires 100 ms later, and may start a
        // search or clear the board: the run below begins once all have fired.
        if (m_lastPress.isValid())
            QTest::qWait(int(std::max<qint64>(0, 200 - m_lastPress.elapsed())));
        answerer.boxes.clear();
        auto *stop = m_probe->get<QCheckBox>(QStringLiteral("Check1"));
        if (stop->isChecked())
            m_probe->click(QStringLiteral("Check1"));
        m_probe->click(QStringLiteral("Command3"));
        if (m_probe->text(QStringLiteral("Text5")) != "4021" || m_probe->text(QStringLiteral("Text4")) != "92"
            || m_probe->shownBoard() != EmptyBoard || answerer.boxes.size() != 1)
            fail(QStringLiteral("final run: %1 steps, %2 solutions, board %3, %4 boxes")
                     .arg(m_probe->text(QStringLiteral("Text5")), m_probe->text(QStringLiteral("Text4")),
                          m_probe->shownBoard())
                     .arg(answerer.boxes.size()));
        check();
    }

    quint32 m_seed;
    std::mt19937 m_random;
    int m_actionsLeft;
    int m_wait = 0;
    int m_depth = 0;
    bool m_ended = false;
    bool m_closed = false;
    std::int64_t m_stepsAtClose = 0;
    std::pair<QString, QString> m_beforeBox; // search, controls
    int m_answerDelay = 0;
    QElapsedTimer m_boxClock;
    QElapsedTimer m_lastPress;
    QEventLoop m_loop;
    std::unique_ptr<Form1> m_form;
    std::unique_ptr<FormProbe> m_probe;
};

// A broken precondition aborts; say which session it was.
void onAbort(int)
{
    if (current)
        current->dump();
}

int environmentNumber(const char *name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok ? value : fallback;
}

QtMessageHandler testLog = nullptr;

// The offscreen platform warns at every message box that it cannot pass on
// size hints; over thousands of sessions that would bury the summary.
void dropPlatformNoise(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message != QLatin1String("This plugin does not support propagateSizeHints()"))
        testLog(type, context, message);
}

} // namespace

class TestSoak : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { testLog = qInstallMessageHandler(dropPlatformNoise); }
    void cleanupTestCase() { qInstallMessageHandler(testLog); }
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }
    void randomSessions();
};

void TestSoak::randomSessions()
{
    const int sequences = environmentNumber("SOAK_SEQUENCES", 12);
    const auto firstSeed = static_cast<quint32>(environmentNumber("SOAK_SEED", 1));
    std::signal(SIGABRT, onAbort);

    long long actions = 0;
    long long duringRun = 0;
    for (int i = 0; i < sequences; ++i) {
        const quint32 seed = firstSeed + static_cast<quint32>(i);
        Session session(seed, 30);
        current = &session;
        session.run();
        current = nullptr;
        actions += session.actions.size();
        duringRun += session.actionsDuringRun;
        if (!session.failure.isEmpty()) {
            session.dump();
            QFAIL(qPrintable(QStringLiteral("seed %1: %2 (repeat: SOAK_SEED=%1 SOAK_SEQUENCES=1)")
                                 .arg(seed)
                                 .arg(session.failure)));
        }
    }
    qInfo("%d sessions, %lld actions, %lld of them during a full run", sequences, actions, duringRun);
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    setupApplication(app);
    // Closing the window is one of the actions; the sessions go on.
    QApplication::setQuitOnLastWindowClosed(false);
    TestSoak test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_soak.moc"
