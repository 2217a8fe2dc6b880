// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The tools for a lesson, through the whole window: "Vorhersage üben",
// "Von vorn" and "Gehe zu Schritt …".

#include "formprobe.h"
#include "modalanswerer.h"
#include "spuren.h"
#include "suche.h"
#include "vorhersagen.h"

#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QMenu>
#include <QtTest>

class TestLehrmittel : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void practice_data();
    void practice();
    void beginAnew_data();
    void beginAnew();
    void goToStep_data();
    void goToStep();
};

void TestLehrmittel::cleanup()
{
    QVERIFY2(QApplication::topLevelWidgets().isEmpty(), "a window outlived its test");
}

void TestLehrmittel::practice_data()
{
    QTest::addColumn<QStringList>("actions"); // with "Vorhersage üben" on
    QTest::addColumn<QString>("verdict");
    QTest::addColumn<QString>("score");
    QTest::addColumn<QString>("board");
    QTest::addColumn<QString>("said"); // among what screen readers were told

    const QString a1Right = QStringLiteral("Richtig: a1 ist die erste Reihe ohne Bedrohung");
    QTest::newRow("key 1 from the start") << QStringList{"ask", "key 1"} << a1Right << "1 von 1 richtig"
                                          << "1 0 0 0 0 0 0 0" << "Wohin setzt der nächste Schritt die Dame in Spalte a?";
    QTest::newRow("then key 2") << QStringList{"ask", "key 1", "ask", "key 2"}
                                << "Nicht ganz: b2 ist bedroht von a1 (Diagonale); der Schritt setzt auf b3"
                                << "1 von 2 richtig" << "1 3 0 0 0 0 0 0"
                                << "Nicht ganz, b2 ist bedroht von a1, Diagonale, der Schritt setzt auf b3, 1 von 2 richtig";
    QTest::newRow("a cell clicked") << QStringList{"ask", "click a1"} << a1Right << "1 von 1 richtig"
                                    << "1 0 0 0 0 0 0 0" << "";
    // The click leaves the keyboard where it was, for the keys to answer.
    QTest::newRow("a cell clicked, then a key") << QStringList{"ask", "click a1", "ask pressed", "key 3"}
                                                << "Richtig: b3 ist die erste Reihe ohne Bedrohung" << "2 von 2 richtig"
                                                << "1 3 0 0 0 0 0 0" << "";
    QTest::newRow("a cell double-clicked, then a key") << QStringList{"ask", "double click a1", "ask pressed", "key 3"}
                                                       << "Richtig: b3 ist die erste Reihe ohne Bedrohung"
                                                       << "2 von 2 richtig" << "1 3 0 0 0 0 0 0" << "";
    QTest::newRow("a cell of another column") << QStringList{"ask", "click b1"} << "" << "0 von 0 richtig"
                                              << "0 0 0 0 0 0 0 0" << "";
    QTest::newRow("the top cell's arrow") << QStringList{"5 skipped", "ask", "click f arrow"}
                                          << "Richtig: keine Reihe frei, zurück zu e" << "1 von 1 richtig"
                                          << "1 3 5 2 4 0 0 0" << "";
    QTest::newRow("the top cell below its arrow")
        << QStringList{"5 skipped", "ask", "click f8"}
        << "Nicht ganz: f8 ist bedroht von c5 (Diagonale); keine Reihe frei, zurück zu e" << "0 von 1 richtig"
        << "1 3 5 2 4 0 0 0" << "";
    QTest::newRow("Backspace") << QStringList{"ask", "backspace"} << "Nicht ganz: a1 ist frei; der Schritt setzt auf a1"
                               << "0 von 1 richtig" << "1 0 0 0 0 0 0 0" << "";
    QTest::newRow("the pane's buttons") << QStringList{"ask", "button Tipp1", "ask", "button TippZurueck"}
                                        << "Nicht ganz: b3 ist frei; der Schritt setzt auf b3" << "1 von 2 richtig"
                                        << "1 3 0 0 0 0 0 0" << "";
    // In every pane of the window beside, as in the main window.
    QTest::newRow("keys in the panes")
        << QStringList{"ask", "in Baumzeilen 1", "ask", "in Protokollzeilen 3", "ask", "in Ablaufzeilen 5"}
        << "Richtig: c5 ist die erste Reihe ohne Bedrohung" << "3 von 3 richtig" << "1 3 5 0 0 0 0 0" << "";
    QTest::newRow("Esc in a pane skips") << QStringList{"ask", "in Baumzeilen esc"} << "" << "0 von 0 richtig"
                                         << "1 0 0 0 0 0 0 0" << "";
    QTest::newRow("Esc skips") << QStringList{"ask", "esc"} << "" << "0 von 0 richtig" << "1 0 0 0 0 0 0 0" << "";
    QTest::newRow("skipped from the pane") << QStringList{"ask", "button Ueberspringen"} << "" << "0 von 0 richtig"
                                           << "1 0 0 0 0 0 0 0" << "";
    QTest::newRow("the score on request") << QStringList{"ask", "key 1", "button StandAnsagen"} << a1Right
                                          << "1 von 1 richtig" << "1 0 0 0 0 0 0 0" << "Vorhersage, 1 von 1 richtig";
    QTest::newRow("a hand move takes the question back") << QStringList{"ask", "hand h", "key 1"} << ""
                                                         << "0 von 0 richtig" << "0 0 0 0 0 0 0 1" << "";
    QTest::newRow("asked again") << QStringList{"ask", "ask", "key 1"} << a1Right << "1 von 1 richtig"
                                 << "1 0 0 0 0 0 0 0" << "";
    // Asked for again while the answered step handles events: the next
    // question is about the next step's column.
    QTest::newRow("pressed again during the step") << QStringList{"ask", "key 1 and ask", "key 3"}
                                                   << "Richtig: b3 ist die erste Reihe ohne Bedrohung" << "2 von 2 richtig"
                                                   << "1 3 0 0 0 0 0 0" << "";
    // The menu takes its own keys, a text field its typing.
    QTest::newRow("keys in the menu") << QStringList{"ask", "menu 1", "menu esc"} << "" << "0 von 0 richtig"
                                      << "0 0 0 0 0 0 0 0" << "";
    QTest::newRow("typing in a field") << QStringList{"ask", "Text4 backspace", "Text4 2"} << "" << "0 von 0 richtig"
                                       << "0 0 0 0 0 0 0 0" << "";
    QTest::newRow("off, as before") << QStringList{"off", "ask", "key 1"} << "" << "0 von 0 richtig"
                                    << "1 0 0 0 0 0 0 0" << "";
    QTest::newRow("Von vorn counts anew") << QStringList{"ask", "key 1", "anew"} << "" << "0 von 0 richtig"
                                          << "0 0 0 0 0 0 0 0" << "";
}

// "Vorhersage üben": a single step waits for a guess, answered on the
// board, by key or from the pane, and is judged once made; whatever else
// changes the search takes the question back.
void TestLehrmittel::practice()
{
    QFETCH(QStringList, actions);
    QFETCH(QString, verdict);
    QFETCH(QString, score);
    QFETCH(QString, board);
    QFETCH(QString, said);

    Window w;
    auto *ueben = w.form->findChild<QAction *>("Vorhersage");
    ueben->trigger();
    QVERIFY(ueben->isChecked());
    // Said in whichever window is active, the main one or the one beside.
    QStringList heard;
    for (Ansage *ansage : w.form->findChildren<Ansage *>())
        connect(ansage, &Ansage::gesagt, w.form.get(), [&heard](const QString &text) { heard << text; });
    Vorhersagen &vorhersagen = w.form->vorhersagen();
    const auto cellOf = [&w](const QString &name) {
        return w.probe.cell(board::zellIndex(name[0].unicode() - u'a', name.size() > 1 ? name[1].digitValue() : 8));
    };
    for (const QString &action : actions) {
        if (action.startsWith("ask")) {
            // Pressed as screen readers press it, the keyboard stays.
            if (action.endsWith("pressed"))
                w.probe.get<QPushButton>("Command2")->click();
            else
                w.probe.click("Command2");
            if (!ueben->isChecked()) {
                QCOMPARE(vorhersagen.spalte(), -1);
                continue;
            }
            QCOMPARE(vorhersagen.spalte(), w.form->suche().spalte());
            // The column asked about is marked, whether or not the marks are on.
            const auto index = std::size_t(board::zellIndex(vorhersagen.spalte(), 3));
            QVERIFY(w.form->spuren().soll().frage == vorhersagen.spalte());
            QVERIFY(view::Spuren::bild(w.form->spuren().soll()).marken[index] & view::Spuren::Frage);
        } else if (action.endsWith("skipped")) {
            for (int n = action.section(u' ', 0, 0).toInt(); n > 0; --n) {
                w.probe.click("Command2");
                QTest::keyClick(w.form->focusWidget(), Qt::Key_Escape);
            }
        } else if (action == "key 1 and ask") {
            QTimer::singleShot(0, w.form.get(), [&w] { w.probe.click("Command2"); });
            QTest::keyClick(w.form->focusWidget(), Qt::Key_1);
            QCOMPARE(vorhersagen.spalte(), w.form->suche().spalte());
        } else if (action.startsWith("key ")) {
            QTest::keyClick(w.form->focusWidget(), Qt::Key(Qt::Key_0 + action.mid(4).toInt()));
        } else if (action.startsWith("menu ")) {
            auto *menu = w.form->findChild<QMenu *>("Kontextmenue");
            QContextMenuEvent open(QContextMenuEvent::Keyboard, QPoint(10, 10), w.form->mapToGlobal(QPoint(10, 10)));
            QCoreApplication::sendEvent(w.form.get(), &open);
            QTRY_VERIFY(menu->isVisible());
            QTest::keyClick(menu, action.endsWith("esc") ? Qt::Key_Escape : Qt::Key_1);
            QCOMPARE(vorhersagen.spalte(), 0);
            menu->hide();
        } else if (action.startsWith("Text4 ")) {
            auto *field = w.probe.get<QLineEdit>("Text4");
            field->setText("12");
            field->setFocus();
            QTest::keyClick(field, action.endsWith("backspace") ? Qt::Key_Backspace : Qt::Key_2);
            QCOMPARE(field->text(), action.endsWith("backspace") ? "1" : "122");
            QCOMPARE(vorhersagen.spalte(), 0);
        } else if (action.startsWith("in ")) {
            const QString liste = action.section(u' ', 1, 1);
            const QString teil = liste == "Baumzeilen" ? "Suchbaum" : liste == "Protokollzeilen" ? "Protokoll" : "Ablauf";
            if (!w.form->findChild<QAction *>(teil)->isChecked())
                w.form->findChild<QAction *>(teil)->trigger();
            auto *zeilen = w.form->findChild<QWidget *>(liste);
            QVERIFY(zeilen && zeilen->isVisible());
            // Active, so that the window's shortcuts see the keys first.
            zeilen->window()->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(zeilen->window()));
            zeilen->setFocus();
            QTRY_VERIFY(zeilen->hasFocus());
            const QString taste = action.section(u' ', 2, 2);
            QTest::keyClick(zeilen, taste == "esc" ? Qt::Key_Escape : Qt::Key(Qt::Key_0 + taste.toInt()));
            QVERIFY(zeilen->isVisible());
        } else if (action == "backspace") {
            QTest::keyClick(w.form->focusWidget(), Qt::Key_Backspace);
        } else if (action == "esc") {
            QTest::keyClick(w.form->focusWidget(), Qt::Key_Escape);
        } else if (action.startsWith("double click ")) {
            // Through the window, as the pointer's clicks come.
            QLineEdit *cell = cellOf(action.section(u' ', 2, 2));
            QTest::mouseDClick(w.form->windowHandle(), Qt::LeftButton, {}, cell->mapTo(w.form.get(), cell->rect().center()));
        } else if (action.startsWith("click ")) {
            QLineEdit *cell = cellOf(action.section(u' ', 1, 1));
            const bool arrow = action.endsWith("arrow");
            QTest::mouseClick(cell, Qt::LeftButton, {},
                              arrow ? QPoint(cell->width() / 2, cell->height() / 6) : cell->rect().center());
        } else if (action.startsWith("button ")) {
            w.form->findChild<QPushButton *>(action.mid(7))->click();
        } else if (action == "hand h") {
            moveQueen(w.probe, 7, 1);
            QCOMPARE(vorhersagen.spalte(), -1);
        } else if (action == "off") {
            ueben->trigger();
        } else if (action == "anew") {
            w.form->findChild<QAction *>("VonVorn")->trigger();
        }
    }
    QCOMPARE(w.form->findChild<QLabel *>("Urteil")->text(), verdict);
    QCOMPARE(w.form->findChild<QLabel *>("Stand")->text(), score);
    QCOMPARE(w.probe.shownBoard(), board);
    if (!said.isEmpty())
        QTRY_VERIFY2(heard.join(u'|').contains(said), qPrintable(heard.join(u'|')));
}

void TestLehrmittel::beginAnew_data()
{
    QTest::addColumn<QStringList>("actions");

    QTest::newRow("steps with marks") << QStringList{"marks", "steps 40"};
    QTest::newRow("a solution, No") << QStringList{"stop", "run"};
    QTest::newRow("a hand move into an attack") << QStringList{"marks", "steps 3", "hand"};
    QTest::newRow("panes open") << QStringList{"marks", "panes", "steps 12", "hand"};
    QTest::newRow("the end") << QStringList{"run"};
}

// "Von vorn" shows what a fresh start shows, keeping the marks, the pace
// and the panes; the protocol begins anew.
void TestLehrmittel::beginAnew()
{
    QFETCH(QStringList, actions);

    Window fresh;
    Window w;
    ModalAnswerer answerer(ModalAnswerer::click(QMessageBox::No));
    paceChoices(*w.form)[0]->trigger();
    for (const QString &action : actions) {
        if (action == "marks") {
            w.form->findChild<QAction *>("Spuren")->setChecked(true);
            fresh.form->findChild<QAction *>("Spuren")->setChecked(true);
        } else if (action == "stop") {
            w.probe.click("Check1");
        } else if (action == "run") {
            w.probe.click("Command3");
        } else if (action.startsWith("steps ")) {
            for (int n = action.mid(6).toInt(); n > 0; --n)
                w.probe.click("Command2");
        } else if (action == "hand") {
            moveQueen(w.probe, 6, 2);
        } else if (action == "panes") {
            for (const char *pane : {"Suchbaum", "Ablauf", "Protokoll"})
                w.form->findChild<QAction *>(pane)->trigger();
        }
    }
    auto *zurueck = w.form->findChild<QAction *>("Zurueck");
    w.form->findChild<QAction *>("VonVorn")->trigger();

    const auto state = [](Window &window) {
        return QStringList{window.probe.shownBoard(), window.probe.text("Text3"), window.probe.text("Text4"),
                           window.probe.text("Text5"), window.probe.inconsistency(),
                           QString::number(window.form->suche().spalte())};
    };
    QCOMPARE(state(w), state(fresh));
    QVERIFY(w.form->spuren().soll() == fresh.form->spuren().soll());
    QVERIFY(!zurueck->isEnabled());
    QCOMPARE(paceChoices(*w.form)[0]->isChecked(), true);
    if (actions.contains("panes")) {
        auto *list = w.form->findChild<QListView *>("Protokollzeilen");
        QVERIFY(list->isVisible());
        QTRY_COMPARE(list->model()->rowCount(), 0);
        QVERIFY(w.form->findChild<QWidget *>("Ablauf")->isVisible());
        // No line of the algorithm is current, as before the first step.
        QTRY_COMPARE(w.form->findChild<QListWidget *>("Ablaufzeilen")->currentRow(), -1);
    }
    // And one step makes step 1, as from the start.
    w.probe.click("Command2");
    fresh.probe.click("Command2");
    QCOMPARE(state(w), state(fresh));
    QCOMPARE(w.probe.text("Text5"), "1");
}

void TestLehrmittel::goToStep_data()
{
    QTest::addColumn<QStringList>("entries"); // each typed and confirmed
    QTest::addColumn<QString>("board");
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("message"); // in the dialog, left open

    QTest::newRow("218") << QStringList{"218"} << "1 5 8 6 3 7 2 4" << "218" << "";
    QTest::newRow("218, then 37") << QStringList{"218", "37"} << "1 3 6 2 0 0 0 0" << "37" << "";
    QTest::newRow("0") << QStringList{"0"} << "0 0 0 0 0 0 0 0" << ""
                       << "Schritt 0 gibt es in dieser Suche nicht, sie hat die Schritte 1 bis 4021";
    QTest::newRow("past the last") << QStringList{"37", "4022"} << "1 3 6 2 0 0 0 0" << "37"
                                   << "Schritt 4022 gibt es in dieser Suche nicht, sie hat die Schritte 1 bis 4021";
    QTest::newRow("not a number") << QStringList{"zwei"} << "0 0 0 0 0 0 0 0" << ""
                                  << "Bitte eine Schrittnummer von 1 bis 4021 eingeben";
    QTest::newRow("back past a hand move") << QStringList{"37", "hand", "1"} << "1 3 6 2 0 0 0 1" << "37"
                                           << "Bis Schritt 1 geht es nicht zurück";
}

// "Gehe zu Schritt …" goes to a step of the search both ways; a number it
// cannot go to is named in the dialog, which stays, and nothing changes.
void TestLehrmittel::goToStep()
{
    QFETCH(QStringList, entries);
    QFETCH(QString, board);
    QFETCH(QString, steps);
    QFETCH(QString, message);

    Window w;
    w.probe.click("Check1"); // no box on the way
    ModalAnswerer answerer(ModalAnswerer::click(QMessageBox::Yes));
    QDialog *dialog = nullptr;
    for (const QString &entry : entries) {
        if (entry == "hand") {
            moveQueen(w.probe, 7, 1);
            continue;
        }
        // Active again once a dialog has gone, as a window manager leaves it.
        w.form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.form.get()));
        QTest::keyClick(w.form->focusWidget(), Qt::Key_G, Qt::ControlModifier);
        QTRY_VERIFY(dialog = w.form->findChild<QDialog *>("Schrittwahl"));
        auto *number = dialog->findChild<QLineEdit *>("Schrittnummer");
        number->selectAll();
        QTest::keyClicks(number, entry);
        QTest::keyClick(number, Qt::Key_Return);
        if (!dialog->isVisible()) {
            delete dialog;
            dialog = nullptr;
            QCoreApplication::processEvents(); // the walk there
        }
    }
    QCOMPARE(w.probe.shownBoard(), board);
    QCOMPARE(w.probe.text("Text5"), steps);
    QCOMPARE(answerer.boxes.size(), 0);
    QCOMPARE(dialog != nullptr, !message.isEmpty());
    if (dialog)
        QCOMPARE(dialog->findChild<QLabel *>("Meldung")->text(), message);
}

FENSTER_TEST_MAIN(TestLehrmittel)

#include "tst_lehrmittel.moc"
