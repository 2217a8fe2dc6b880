// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What assistive technology learns of the window and does in it: names,
// the text fields' interface, the queen sliders' values, the messages of
// the announcer, how little a full run sends, and that nothing it does
// under a message box takes effect.

#include "ansage.h"
#include "formprobe.h"
#include "modalanswerer.h"

#include <QAccessible>
#include <QCheckBox>
#include <QScrollBar>
#include <QContextMenuEvent>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QtTest>

#include <chrono>

namespace {

// Collects what Qt tells assistive technology while it lives: the number of
// updates and the messages of every notification shown.
struct AccessibilityLog
{
    AccessibilityLog()
        : previous(QAccessible::installUpdateHandler(&AccessibilityLog::update))
    {
        current = this;
    }
    ~AccessibilityLog()
    {
        QAccessible::installUpdateHandler(previous);
        current = nullptr;
    }

    // Qt sends nothing until its bridge to assistive technology is up,
    // which needs a desktop session (ctest runs these under one).
    static bool available()
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            return false;
        QElapsedTimer waited;
        waited.start();
        while (!QAccessible::isActive() && waited.elapsed() < 5000)
            QTest::qWait(20);
        return QAccessible::isActive();
    }

    static void update(QAccessibleEvent *event)
    {
        ++current->events;
        current->follow(event);
        if (event->type() != QAccessible::ObjectShow)
            return;
        QAccessibleInterface *iface = event->accessibleInterface();
        if (iface && iface->role() == QAccessible::Notification)
            current->spoken << iface->text(QAccessible::Name);
    }

    // As a client that caches what it is told: a control's name, text and
    // state, read afresh when an update says it changed.
    static QString seen(QObject *object)
    {
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(object);
        const QAccessibleTextInterface *text = iface->textInterface();
        const QAccessible::State state = iface->state();
        return QStringList{iface->text(QAccessible::Name), text ? text->text(0, text->characterCount()) : QString(),
                           state.disabled ? "off" : "on", state.checked ? "checked" : ""}
            .join(u'|');
    }
    void cache(const QList<QWidget *> &controls)
    {
        for (QWidget *control : controls)
            cached[control] = seen(control);
    }
    void follow(QAccessibleEvent *event)
    {
        QObject *object = event->object();
        if (!cached.contains(object))
            return;
        if (event->type() == QAccessible::Focus && cached[object] != seen(object))
            staleAtFocus << cached[object];
        cached[object] = seen(object);
    }
    // Where the cache and the window disagree.
    QStringList stale() const
    {
        QStringList differences;
        for (auto it = cached.cbegin(); it != cached.cend(); ++it) {
            if (it.value() != seen(it.key()))
                differences << QStringLiteral("%1 told '%2', is '%3'").arg(it.key()->objectName(), it.value(), seen(it.key()));
        }
        return differences;
    }

    QAccessible::UpdateHandler previous = nullptr;
    int events = 0;
    QStringList spoken;
    QHash<QObject *, QString> cached;
    QStringList staleAtFocus;
    static inline AccessibilityLog *current = nullptr;
};

// Counts the events of one type that reach a widget, seen before any
// filter of the widget's own.
class EventCounter : public QObject
{
public:
    EventCounter(QObject *watched, QEvent::Type type, int &count)
        : m_watched(watched)
        , m_type(type)
        , m_count(count)
    {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_watched && event->type() == m_type)
            ++m_count;
        return false;
    }

private:
    QObject *m_watched;
    QEvent::Type m_type;
    int &m_count;
};

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QVERIFY2(QApplication::topLevelWidgets().isEmpty(), "a window outlived its test"); }
    void accessibleNames_data();
    void accessibleNames();
    void accessibleSliderValue();
    void spokenAnswers_data();
    void spokenAnswers();
    void accessibilityDuringRun_data();
    void accessibilityDuringRun();
    void inputUnderBox_data();
    void inputUnderBox();
};

void TestAccessibility::accessibleNames_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text"); // written into a text field first
    QTest::addColumn<bool>("windowMenu"); // where a right click opens it

    QTest::newRow("bottom-left cell") << "txtFeld_63" << "a1, leer" << "" << true;
    QTest::newRow("top-right cell") << "txtFeld_7" << "h8, leer" << "" << true;
    QTest::newRow("cell 34") << "txtFeld_34" << "h5, leer" << "" << true;
    QTest::newRow("cell with a queen") << "txtFeld_0" << "a8, Dame" << "X" << true;
    QTest::newRow("value box") << "Text2_2" << "Reihe der Dame in Spalte c" << "0" << true;
    QTest::newRow("slider") << "VScroll2_7" << "Dame in Spalte h" << "" << false;
    QTest::newRow("solutions") << "Text4" << "Lösungszähler" << "" << true;
    QTest::newRow("steps") << "Text5" << "Such- bzw. Rechenschritte" << "12" << true;
    QTest::newRow("verdict") << "Text3" << "Urteil über die zuletzt gesetzte Dame" << "in Ordnung" << true;
    QTest::newRow("button") << "Command3" << "Durchlauf" << "" << true;
}

// Every control has a German name, and a text field answers every text
// query at every offset, the end included, with a piece of its text. The
// fields for display open the window's menu, not one for editing.
void TestAccessibility::accessibleNames()
{
    QFETCH(QString, control);
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(bool, windowMenu);

    Form1 form;
    QWidget *widget = FormProbe(form).get(control);
    auto *menu = form.findChild<QMenu *>("Kontextmenue");
    if (windowMenu) {
        QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(5, 5), widget->mapToGlobal(QPoint(5, 5)));
        QCoreApplication::sendEvent(widget, &rightClick);
        QVERIFY(menu->isVisible());
        menu->hide();
    } else { // a slider keeps its own, which scrolls
        QCOMPARE(widget->contextMenuPolicy(), Qt::DefaultContextMenu);
    }
    if (auto *field = qobject_cast<QLineEdit *>(widget))
        field->setText(text);
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(widget);
    QVERIFY(iface);
    QCOMPARE(iface->text(QAccessible::Name), name);
    QAccessibleTextInterface *t = iface->textInterface();
    if (!t)
        return;
    const int length = int(text.size());
    QCOMPARE(t->characterCount(), length);
    for (int offset = 0; offset <= length; ++offset) {
        int start = -1;
        int end = -1;
        t->attributes(offset, &start, &end);
        QCOMPARE(std::pair(start, end), std::pair(0, length)); // one run of plain text
        for (const auto boundary : {QAccessible::CharBoundary, QAccessible::WordBoundary, QAccessible::SentenceBoundary,
                                    QAccessible::LineBoundary, QAccessible::ParagraphBoundary, QAccessible::NoBoundary}) {
            const QString at = t->textAtOffset(offset, boundary, &start, &end);
            QVERIFY(0 <= start && start <= end && end <= length);
            QCOMPARE(at, text.mid(start, end - start));
            if (offset < length)
                QVERIFY(start <= offset && offset < end);
            if (boundary >= QAccessible::LineBoundary)
                QCOMPARE(at, text); // a single line
            for (const bool before : {true, false}) {
                const QString piece = before ? t->textBeforeOffset(offset, boundary, &start, &end)
                                             : t->textAfterOffset(offset, boundary, &start, &end);
                QVERIFY(0 <= start && start <= end && end <= length);
                QCOMPARE(piece, text.mid(start, end - start));
            }
        }
    }
    // Word by word, the pieces make up the text.
    QString words;
    for (int offset = 0, start = 0, end = 0; offset < length; offset = end) {
        words += t->textAtOffset(offset, QAccessible::WordBoundary, &start, &end);
        QVERIFY(end > offset);
    }
    QCOMPARE(words, text);
    // Offsets from outside are held to the text.
    QCOMPARE(t->text(INT_MIN, INT_MAX), text);
    t->setSelection(0, INT_MIN, INT_MAX);
    auto *edit = iface->editableTextInterface();
    edit->deleteText(-1, 0);
    edit->insertText(INT_MAX, "7");
    QCOMPARE(t->text(0, t->characterCount()), text + "7");
}

void TestAccessibility::accessibleSliderValue()
{
    Window w;
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(w.probe.slider(5));
    QVERIFY(iface && iface->valueInterface());
    QCOMPARE(iface->role(), QAccessible::Slider);
    QCOMPARE(iface->valueInterface()->currentValue().toInt(), 0);
    QCOMPARE(iface->valueInterface()->maximumValue().toInt(), 8);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // The value in words, as AT-SPI's "valuetext" attribute.
    QVERIFY(iface->attributesInterface());
    const auto inWorten = [&] {
        return iface->attributesInterface()
            ->attributeValue(QAccessible::Attribute::Custom)
            .value<QHash<QString, QString>>()
            .value("valuetext");
    };
    QCOMPARE(inWorten(), "keine Dame");
#endif

    moveQueen(w.probe, 5, 2);
    QCOMPARE(iface->valueInterface()->currentValue().toInt(), 2);
    QCOMPARE(iface->text(QAccessible::Value), "2");
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QCOMPARE(inWorten(), "Reihe 2");
#endif

    iface->valueInterface()->setCurrentValue(6);
    QCOMPARE(w.probe.valueBox(5)->text(), "6");
    QCOMPARE(w.probe.text("Text3"), "in Ordnung");
    QCOMPARE(w.probe.inconsistency(), QString());
}

void TestAccessibility::spokenAnswers_data()
{
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<QStringList>("spoken"); // the last ones, in order
    QTest::addColumn<QString>("cellA1");

    QTest::newRow("queen attacked twice") << QStringList{"a+", "c+", "c+", "b+"}
                                          << QStringList{"Reihe 1, geht nicht, bedroht von a1 und c2"} << "a1, Dame";
    QTest::newRow("pace chosen") << QStringList{"pace 2"} << QStringList{"Tempo, 20 Schritte pro Sekunde"}
                                 << "a1, leer";
    QTest::newRow("single step") << QStringList{"step"} << QStringList{"Schritt 1, Spalte a, a1 gesetzt"}
                                 << "a1, Dame";
    QTest::newRow("two steps in one batch")
        << QStringList{"queue step", "step"}
        << QStringList{"Schritt 1, Spalte a, a1 gesetzt", "Schritt 2, Spalte b, b3 gesetzt"}
        << "a1, Dame";
    QTest::newRow("run queued behind a step") << QStringList{"queue run", "step"}
                                              << QStringList{"Schritt 1, Spalte a, a1 gesetzt"} << "a1, leer";
    QTest::newRow("step back") << QStringList{"step", "step", "step", "back"}
                               << QStringList{"Schritt 3 zurückgenommen, Spalte c leer"} << "a1, Dame";
    QTest::newRow("steps with marks")
        << QStringList{"marks", "step", "step"}
        << QStringList{"Versuche und Bedrohungen werden gezeigt", "Schritt 1, Spalte a, a1 gesetzt",
                       "Schritt 2, Spalte b, b1 bedroht von a1, b2 bedroht von a1, b3 gesetzt"}
        << "a1, Dame";
    QTest::newRow("nothing to take back") << QStringList{"back key"} << QStringList{"Kein Schritt zurück möglich"}
                                          << "a1, leer";
    QTest::newRow("Null during a run") << QStringList{"run null"} << QStringList{"Durchlauf beendet"}
                                       << "a1, leer";
    QTest::newRow("run, Yes then No")
        << QStringList{"stop", "run yes,no"}
        << QStringList{"Lösung 1", "Lösung 2 steht auf dem Brett, a1, b6, c8, d3, e7, f4, g2, h5"} << "a1, Dame";
}

// What a screen reader is told after the user's action: the announcer's
// messages as they reach assistive technology, and the cells' names.
void TestAccessibility::spokenAnswers()
{
    QFETCH(QStringList, actions);
    QFETCH(QStringList, spoken);
    QFETCH(QString, cellA1);

    // The wording everywhere; what reaches assistive technology where a
    // desktop session has its bus.
    const bool bus = AccessibilityLog::available();
    AccessibilityLog log;
    Window w;
    QSignalSpy said(w.form->findChild<Ansage *>("Ansage"), &Ansage::gesagt);
    QStringList answers;
    ModalAnswerer answerer([&](QMessageBox &box) {
        if (!box.button(QMessageBox::No))
            QTest::keyClick(&box, Qt::Key_Return); // "fertig"
        else if (!answers.isEmpty() && answers.takeFirst() == "yes")
            QTest::mouseClick(box.button(QMessageBox::Yes), Qt::LeftButton);
        else
            QTest::mouseClick(box.button(QMessageBox::No), Qt::LeftButton);
    });
    for (const QString &action : actions) {
        if (action.startsWith("queue ")) {
            // Delivered by the event processing of the next step.
            const QString button = action == "queue step" ? "Command2" : "Command3";
            QTimer::singleShot(0, w.form.get(), [&w, button] { w.probe.click(button); });
        } else if (action.startsWith("step")) {
            answers = action.split(u' ').mid(1);
            w.probe.click("Command2");
        } else if (action.startsWith("pace ")) {
            paceChoices(*w.form)[action.mid(5).toInt()]->trigger();
        } else if (action == "back") {
            w.form->findChild<QAction *>("Zurueck")->trigger();
        } else if (action == "back key") {
            QTest::keyClick(w.probe.get("Text4"), Qt::Key_Left, Qt::AltModifier);
        } else if (action == "marks") {
            w.form->findChild<QAction *>("Spuren")->trigger();
        } else if (action == "stop") {
            w.probe.click("Check1");
        } else if (action.startsWith("run ")) {
            answers = action.mid(4).split(u',');
            if (action == "run null") // in the run's first step
                QTimer::singleShot(0, w.form.get(), [&w] { w.probe.click("Command1"); });
            w.probe.click("Command3");
        } else {
            moveQueen(w.probe, action[0].unicode() - u'a', action[1] == u'+' ? 1 : -1);
        }
    }
    // Messages wait while the window is not the active one, as after a box,
    // and go out together; a desktop activates the window sooner.
    const auto heard = [&said] {
        QStringList messages;
        for (const QList<QVariant> &message : said)
            messages << message.at(0).toString();
        return messages;
    };
    QTRY_VERIFY2(heard().join(", ").endsWith(spoken.join(", ")), qPrintable(heard().join(u'|')));
    if (bus)
        QCOMPARE(log.spoken.mid(log.spoken.size() - spoken.size()), spoken);
    QCOMPARE(QAccessible::queryAccessibleInterface(w.probe.cell(63))->text(QAccessible::Name), cellA1);
}

void TestAccessibility::accessibilityDuringRun_data()
{
    QTest::addColumn<int>("pace");

    QTest::newRow("sofort") << 0;
    QTest::newRow("zum Zuschauen") << 2;
}

// A full run must not flood the screen reader, at any pace: what changed
// between two frames sends nothing, and neither do the steps of a paced run.
// Yet a client that caches what it is told must never hold a wrong state,
// nor a wrong name for the control it moves to, and once the run is over
// nothing wrong at all.
void TestAccessibility::accessibilityDuringRun()
{
    QFETCH(int, pace);

    if (!AccessibilityLog::available())
        QSKIP("needs the accessibility bus");
    AccessibilityLog log;
    Window w;
    QCOMPARE(QAccessible::queryAccessibleInterface(w.form.get())->role(), QAccessible::Window);
    {
        // A second window beside the first holds back its own updates only.
        Form1 second;
        second.setAccessibleName("Zweites");
    }
    // The run's frames on a clock of the test's, not as many as a slow (or
    // sanitized) build would take in real time; a paced run sleeps on it.
    std::chrono::nanoseconds now{};
    w.form->setzeUhr([&now] { return now += std::chrono::microseconds(25); },
                     [&now](std::chrono::nanoseconds rest) { now += rest; });
    paceChoices(*w.form)[pace]->trigger();
    ModalAnswerer answerer(ModalAnswerer::click(QMessageBox::Ok));
    log.cache(w.form->findChildren<QWidget *>());
    QStringList staleDuringRun;
    const auto toggleStop = [&w] {
        QAccessible::queryAccessibleInterface(w.probe.get("Check1"))
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::toggleAction());
    };
    QTimer actor;
    connect(&actor, &QTimer::timeout, w.form.get(), [&] {
        if (w.form->suche().schritte() == 50 && !w.probe.get<QCheckBox>("Check1")->isChecked()) {
            toggleStop();
            // The queen of column a has stood in a1 since the first step.
            w.probe.cell(63)->setFocus(Qt::TabFocusReason);
        } else if (w.form->suche().schritte() == 70 && w.probe.get<QCheckBox>("Check1")->isChecked()) {
            toggleStop();
        } else if (w.form->suche().schritte() == 60 && staleDuringRun.isEmpty()) {
            staleDuringRun << "checked";
            for (const char *name : {"Command2", "Check1"}) {
                if (log.cached[w.probe.get(name)] != AccessibilityLog::seen(w.probe.get(name)))
                    staleDuringRun << log.cached[w.probe.get(name)];
            }
        }
    });
    actor.start(0);
    log.events = 0;
    w.probe.click("Command3");
    QCOMPARE(w.probe.text("Text5"), "4021");
    QCOMPARE(answerer.boxes.size(), 1);
    QVERIFY2(log.events > 0 && log.events <= 1000, qPrintable(QString::number(log.events)));
    qInfo("%d accessibility updates in a full run", log.events);
    QCOMPARE(staleDuringRun, QStringList{"checked"});
    QCOMPARE(log.staleAtFocus, QStringList());
    QCOMPARE(log.stale(), QStringList());
}

void TestAccessibility::inputUnderBox_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("answerAfter"); // ms; a press fires 100 ms after it is made

    for (const char *box : {"question in a step", "question in a run", "fertig in a step", "fertig in a run"}) {
        for (const char *action : {"press Command2", "press Command1", "press Check1", "slider", "text"}) {
            // A run locks its search buttons, and ends on an empty board.
            const bool run = QByteArray(box).endsWith("run");
            if ((run && QByteArray(action) == "press Command2")
                || (QByteArray(box) == "fertig in a run" && QByteArray(action) == "press Command1"))
                continue;
            QTest::newRow(qPrintable(QStringLiteral("%1: %2").arg(box, action))) << box << action << 150;
        }
    }
    QTest::newRow("question in a step: press Command2, answered at once") << "question in a step"
                                                                          << "press Command2" << 0;
    QTest::newRow("question in a step: press Command1, answered at once") << "question in a step"
                                                                          << "press Command1" << 0;
    QTest::newRow("question in a step: focus Command1") << "question in a step" << "focus Command1" << 0;
    // The mouse is held on the cover's arrow as the box opens, and let go
    // under it, where the window never hears of it.
    QTest::newRow("question in a step: cover arrow held") << "question in a step" << "hold" << 600;
    QTest::newRow("question in a step: press Command2 just after") << "question in a step" << "press after" << 0;
    // "Null" pressed a moment before the box, which is answered at once.
    QTest::newRow("question in a step: press Command1 just before") << "question in a step" << "press before" << 0;
    QTest::newRow("fertig in a run: press Command2 just after") << "fertig in a run" << "press after" << 0;
}

// Assistive technology acts past the modality that holds back the mouse and
// the keyboard; under a box the window must refuse it all the same, and
// show, whenever it repaints, what it showed as the box opened. Only what
// was done under the box is refused.
void TestAccessibility::inputUnderBox()
{
    QFETCH(QString, box);
    QFETCH(QString, action);
    QFETCH(int, answerAfter);

    Window w;
    const auto shown = [&w] {
        return QStringList{w.probe.shownBoard(), w.probe.text("Text3"), w.probe.text("Text5"),
                           w.probe.cell(0)->text(), QString::number(w.probe.get<QScrollBar>("VScroll1")->value()),
                           w.probe.get<QCheckBox>("Check1")->isChecked() ? "stop" : "no stop"};
    };
    int paints = 0;
    EventCounter painted(w.form.get(), QEvent::Paint, paints);
    auto *cover = w.probe.get<QScrollBar>("VScroll1");
    QStringList before;
    std::int64_t stepsBefore = -1;
    ModalAnswerer answerer([&](QMessageBox &open) {
        before = shown();
        stepsBefore = w.form->suche().schritte();
        const QImage picture = w.form->grab().toImage();
        const auto target = [&] {
            return QAccessible::queryAccessibleInterface(
                action == "slider" ? w.probe.slider(2)
                                   : w.probe.get(action == "text" ? "txtFeld_0" : action.mid(action.indexOf(' ') + 1)));
        };
        if (action == "slider")
            target()->valueInterface()->setCurrentValue(6);
        else if (action == "text")
            target()->editableTextInterface()->insertText(0, "7");
        else if (action.startsWith("focus"))
            target()->actionInterface()->doAction(QAccessibleActionInterface::setFocusAction());
        else if (action.startsWith("press C"))
            target()->actionInterface()->doAction(action.endsWith("Check1") ? QAccessibleActionInterface::toggleAction()
                                                                          : QAccessibleActionInterface::pressAction());
        QTest::qWait(answerAfter);
        QCOMPARE(w.form->suche().schritte(), stepsBefore);
        paints = 0;
        w.form->update();
        QTRY_VERIFY(paints > 0);
        QVERIFY(w.form->grab().toImage() == picture);
        QTest::keyClick(&open, Qt::Key_Escape);
    });
    const bool run = box.endsWith("run");
    if (box.startsWith("question"))
        w.probe.click("Check1");
    if (box == "question in a step") {
        for (int i = 0; i < 217; ++i)
            w.probe.click("Command2");
    } else if (box == "fertig in a step") {
        moveQueen(w.probe, 5, 3); // stays when the search goes back past column a
        moveQueen(w.probe, 0, 8);
    }
    if (action == "hold")
        QTest::mousePress(cover, Qt::LeftButton, {}, FormProbe::part(cover, QStyle::SC_ScrollBarAddLine).center());
    if (action == "press before")
        QAccessible::queryAccessibleInterface(w.probe.get("Command1"))
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::pressAction());
    w.probe.click(run ? "Command3" : "Command2");
    QCOMPARE(answerer.boxes.size(), 1);
    if (action == "press after") {
        // At once after the box, from where a screen reader stands.
        QAccessibleActionInterface *press = QAccessible::queryAccessibleInterface(w.probe.get("Command2"))->actionInterface();
        press->doAction(QAccessibleActionInterface::pressAction());
        QTRY_COMPARE(w.form->suche().schritte(), stepsBefore + 1);
        return;
    }
    QTest::qWait(answerAfter + 150); // for a press that fires after the box, or an arrow that repeats
    QCOMPARE(shown(), before);
    QCOMPARE(w.form->suche().schritte(), stepsBefore);
    if (!run) // a run gives the focus back to where it was before the run
        QCOMPARE(w.form->focusWidget(), w.probe.get("Command2"));
    QCOMPARE(w.probe.inconsistency(), QString());
    if (action == "hold")
        QTest::mouseRelease(cover, Qt::LeftButton); // QTest's own record of the button
}

FENSTER_TEST_MAIN(TestAccessibility)

#include "tst_accessibility.moc"
