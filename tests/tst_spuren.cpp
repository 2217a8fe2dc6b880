// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "feld.h"
#include "formprobe.h"
#include "modalanswerer.h"
#include "spuren.h"
#include "suche.h"

#include <QAccessible>
#include <QScreen>
#include <QtTest>

namespace {

// Counts the paintings of the widgets it watches.
class Maler : public QObject
{
public:
    int bilder = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        bilder += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
};

} // namespace

// The marks on the board, in the window: what each marked cell says, and
// what the window shows as the marks move.
class TestSpuren : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void markMeanings_data();
    void markMeanings();
    void marksPaintedByParts_data();
    void marksPaintedByParts();
};

void TestSpuren::cleanup()
{
    QVERIFY2(QApplication::topLevelWidgets().isEmpty(), "a window outlived its test");
}

void TestSpuren::markMeanings_data()
{
    QTest::addColumn<int>("steps"); // from the empty board; -1: a run, No at once
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QString>("meaning");

    QTest::newRow("row tried, two attackers")
        << 6 << "f3" << "f3: versucht, bedroht von b3 (gleiche Reihe) und e4 (Diagonale)";
    QTest::newRow("unmarked") << 0 << "b8" << "";
    // Three names, drawn narrower to fit.
    QTest::newRow("row tried, three attackers")
        << 218 << "h3" << "h3: versucht, bedroht von c8 (Diagonale), e3 (gleiche Reihe) und g2 (Diagonale)";
    // Off while a run goes on, the meanings are back once it has ended.
    QTest::newRow("after a run") << -1 << "h4" << "h4 gesetzt; h4: Dame der Lösung 1";
}

// With the marks on, every marked cell says what its marks mean, to the
// mouse and to screen readers.
void TestSpuren::markMeanings()
{
    QFETCH(int, steps);
    QFETCH(QString, cell);
    QFETCH(QString, meaning);

    Window w;
    w.form->findChild<QAction *>("Spuren")->setChecked(true);
    for (int n = 0; n < steps; ++n)
        w.probe.click("Command2");
    ModalAnswerer answerer(ModalAnswerer::click(QMessageBox::No));
    if (steps < 0) {
        w.probe.click("Check1");
        w.probe.click("Command3");
    }
    const int index = board::zellIndex(cell[0].unicode() - u'a', cell[1].digitValue());
    QCOMPARE(w.probe.cell(index)->toolTip(), meaning);
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(w.probe.cell(index));
    QCOMPARE(iface->text(QAccessible::Description), meaning);
    QCOMPARE(w.form->spuren().bedeutung(index), meaning);
    QCOMPARE(answerer.boxes.size(), steps < 0 ? 1 : 0);
    // The attackers named in red along the cell's foot, on the sheet over
    // the board and in the cell drawn alone.
    QLineEdit *zelle = w.probe.cell(index);
    const auto namenAmFuss = [](const QImage &gemalt) {
        const QImage bild = gemalt.convertToFormat(QImage::Format_RGB32);
        for (int y = bild.height() * 3 / 4; y < bild.height(); ++y) {
            for (int x = 0; x < bild.width(); ++x) {
                if (const QRgb p = bild.pixel(x, y); qRed(p) > 120 && qGreen(p) < 60 && qBlue(p) < 60)
                    return true;
            }
        }
        return false;
    };
    const bool genannt = meaning.contains(QStringLiteral("bedroht von"));
    QCOMPARE(namenAmFuss(w.probe.get("Spurenblatt")->grab(zelle->geometry()).toImage()), genannt);
    QCOMPARE(namenAmFuss(zelle->grab().toImage()), genannt);
    // Shown from a picture of the whole cell, as the cell with the keyboard
    // in it (and no cursor) draws it afresh; also once it holds another text
    // or has taken another type.
    zelle->setReadOnly(true);
    w.form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.form.get()));
    QFont groesser = zelle->font();
    groesser.setPointSizeF(groesser.pointSizeF() * 1.5);
    const QFont schrift = zelle->font();
    const QString lang = QStringLiteral("Anfang der Notiz, die nicht in die Zelle passt, Ende");
    // A text, its type, and where the cursor goes (-1: where the text puts it).
    const std::initializer_list<std::tuple<QString, QFont, int>> faelle{
        {zelle->text(), schrift, -1},
        {zelle->text().isEmpty() ? QStringLiteral("X") : QString(), schrift, -1},
        {QStringLiteral("X"), groesser, -1},
        // Longer than the cell: its start where the cursor went back.
        {lang, schrift, 0},
        {lang, schrift, -1}};
    for (const auto &[text, font, cursor] : faelle) {
        zelle->clearFocus();
        zelle->setText(text);
        zelle->setFont(font);
        if (cursor >= 0)
            zelle->setCursorPosition(cursor);
        const QImage bild = zelle->grab().toImage();
        zelle->setFocus();
        QTRY_VERIFY(zelle->hasFocus());
        QCOMPARE(zelle->grab().toImage(), bild);
    }
    // A step back from the end still shows the end, as the cell showed it
    // with the keyboard, whatever another cell showed meanwhile.
    QTest::keyClick(zelle, Qt::Key_Left);
    const QImage amEnde = zelle->grab().toImage();
    QLineEdit *andere = w.probe.cell(index % 9 == 0 ? index + 1 : index - 1); // the other colour
    andere->setText(lang);
    andere->setCursorPosition(0);
    andere->grab();
    zelle->clearFocus();
    QCOMPARE(zelle->grab().toImage(), amEnde);
    andere->clear();
    zelle->setFocus();
    QTRY_VERIFY(zelle->hasFocus());

    // A selection stays in sight while another window has the keyboard,
    // as it does in a text field without marks.
    zelle->setFont(schrift);
    zelle->setText(QStringLiteral("X"));
    const QImage ohneAuswahl = zelle->grab().toImage();
    zelle->selectAll();
    QWidget anderes;
    anderes.show();
    anderes.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&anderes));
    QVERIFY(!zelle->hasFocus());
    QVERIFY(zelle->hasSelectedText());
    QVERIFY(zelle->grab().toImage() != ohneAuswahl);
}

void TestSpuren::marksPaintedByParts_data()
{
    QTest::addColumn<int>("steps");
    QTest::addColumn<int>("back");
    QTest::addColumn<QRect>("strip"); // of the backtracker's box, repainted on its own at the end
    QTest::addColumn<QString>("then");

    QTest::newRow("six steps") << 6 << 0 << QRect() << "";
    QTest::newRow("to the first solution") << 218 << 0 << QRect() << "";
    QTest::newRow("and back") << 12 << 5 << QRect() << "";
    QTest::newRow("through the box's title") << 1 << 0 << QRect(0, 5, 80, 4) << "";
    QTest::newRow("marks off") << 6 << 0 << QRect() << "marks off";
    QTest::newRow("marks off, a step") << 6 << 0 << QRect() << "marks off, step";
    QTest::newRow("the keyboard in a marked cell") << 6 << 0 << QRect() << "keyboard";
    // Cells whose text changes while their marks stay, and the cell with
    // the keyboard whose marks change.
    QTest::newRow("then Null") << 6 << 0 << QRect() << "null";
    QTest::newRow("then a hand move") << 6 << 0 << QRect() << "hand";
    QTest::newRow("the keyboard in a marked cell, a step back") << 6 << 0 << QRect() << "keyboard, back";
}

// As the marks move, the board repaints only the cells they left or
// reached; what the window shows is then what a whole painting shows.
void TestSpuren::marksPaintedByParts()
{
    QFETCH(int, steps);
    QFETCH(int, back);
    QFETCH(QRect, strip);
    QFETCH(QString, then);

    Window w;
    w.form->findChild<QAction *>("Spuren")->setChecked(true);
    // No cursor blinking in the picture.
    w.probe.get<QWidget>("Command2")->setFocus();
    Maler maler;
    for (int n = 0; n < steps + back; ++n) {
        if (n < steps)
            w.probe.click("Command2");
        else
            w.form->findChild<QAction *>("Zurueck")->trigger();
        QCoreApplication::processEvents();
        if (n == 0) {
            for (QLineEdit *zelle : w.form->findChildren<QLineEdit *>(QRegularExpression("^txtFeld_")))
                zelle->installEventFilter(&maler);
        }
    }
    QCOMPARE(w.form->suche().schritte(), steps - back);
    // Beneath the marks, which a step changes in some twenty cells, the
    // board is one painting, not one for each cell.
    QCOMPARE(maler.bilder, 0);
    // Screen readers pass over the sheet that paints it to the cells.
    QVERIFY(QAccessible::queryAccessibleInterface(w.probe.get("Spurenblatt"))->state().invisible);
    if (!strip.isEmpty())
        w.probe.get("Frame1")->repaint(strip);
    if (then.startsWith("marks off"))
        w.form->findChild<QAction *>("Spuren")->setChecked(false);
    if (then.endsWith("step"))
        w.probe.click("Command2");
    if (then == "null")
        w.probe.click("Command1");
    if (then == "hand")
        QTest::keyClick(w.probe.get("VScroll2_0"), Qt::Key_Up);
    if (then.startsWith("keyboard")) {
        // Read-only, so that no cursor blinks in the picture.
        QLineEdit *zelle = w.probe.cell(board::zellIndex(5, 3));
        zelle->setReadOnly(true);
        w.form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.form.get()));
        zelle->setFocus();
        QTRY_VERIFY(zelle->hasFocus());
        QCoreApplication::processEvents();
        if (then.endsWith("back"))
            w.form->findChild<QAction *>("Zurueck")->trigger();
    }
    QCoreApplication::processEvents();
    const QImage gezeigt =
        w.form->screen()->grabWindow(w.form->winId()).toImage().convertToFormat(QImage::Format_RGB32);
    const QImage ganz = w.form->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(gezeigt.size(), ganz.size());
    QVERIFY(gezeigt == ganz);
}

FENSTER_TEST_MAIN(TestSpuren)

#include "tst_spuren.moc"
