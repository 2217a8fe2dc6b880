// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "feld.h"

#include <QtTest>

#include <sys/wait.h>
#include <unistd.h>

using board::Feld;

namespace {

// "1 2 0 0 0 0 0 0" -> columns 0 to 7
void setBoard(Feld &feld, const QString &werte)
{
    const auto teile = werte.split(u' ', Qt::SkipEmptyParts);
    QCOMPARE(teile.size(), Feld::Spalten);
    for (int spalte = 0; spalte < Feld::Spalten; ++spalte)
        feld.setzeWert(spalte, static_cast<std::int16_t>(teile[spalte].toInt()));
}

QString boardText(const Feld &feld)
{
    QStringList teile;
    for (int spalte = 0; spalte < Feld::Spalten; ++spalte)
        teile << QString::number(feld.wert(spalte));
    return teile.join(u' ');
}

// Runs `action` in a child process and tells whether it died of abort().
template<typename Action>
bool aborts(Action action)
{
    const pid_t pid = fork();
    if (pid == 0) {
        ::close(STDERR_FILENO);
        action();
        _exit(0);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFSIGNALED(status) && WTERMSIG(status) == SIGABRT;
}

} // namespace

class TestFeld : public QObject
{
    Q_OBJECT

private slots:
    void emptyBoardFitsEverywhere();
    void damePasst_data();
    void damePasst();
    void notifications_data();
    void notifications();
    void listenerSeesNewValue();
    void outsideTheBoardAborts_data();
    void outsideTheBoardAborts();
    void cellIndex_data();
    void cellIndex();
};

void TestFeld::emptyBoardFitsEverywhere()
{
    for (int c = 0; c < Feld::Spalten; ++c) {
        for (std::int16_t y = 1; y <= 8; ++y) {
            Feld feld;
            QVERIFY2(board::DamePasst(feld, y, c), qPrintable(QStringLiteral("y %1, c %2").arg(y).arg(c)));
            QCOMPARE(feld.wert(c), y);
        }
    }
}

void TestFeld::damePasst_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("c");
    QTest::addColumn<bool>("fits");
    QTest::addColumn<QString>("after");
    // The columns whose queens attack the one in column c afterwards.
    QTest::addColumn<QString>("attackers");
    // Those that attack the row probed, by the same rule.
    QTest::addColumn<QString>("probeAttackers");

    QTest::newRow("diagonal") << "1 2 0 0 0 0 0 0" << 2 << 1 << false << "1 2 0 0 0 0 0 0" << "a" << "a";
    QTest::newRow("same row") << "1 2 0 0 0 0 0 0" << 1 << 1 << false << "1 1 0 0 0 0 0 0" << "a" << "a";
    QTest::newRow("free") << "1 2 0 0 0 0 0 0" << 3 << 1 << true << "1 3 0 0 0 0 0 0" << "" << "";
    QTest::newRow("long diagonal, queen on the right") << "0 0 0 0 0 0 0 8" << 1 << 0 << false << "1 0 0 0 0 0 0 8" << "h" << "h";
    QTest::newRow("row, queen on the right") << "0 0 0 0 0 4 0 0" << 4 << 2 << false << "0 0 4 0 0 4 0 0" << "f" << "f";
    QTest::newRow("anti-diagonal") << "0 0 0 0 0 0 6 0" << 5 << 7 << false << "0 0 0 0 0 0 6 5" << "g" << "g";
    QTest::newRow("two others attacking each other") << "1 1 0 0 0 0 0 0" << 6 << 4 << true << "1 1 0 0 6 0 0 0" << "" << "";
    QTest::newRow("own old value is no obstacle") << "0 0 0 3 0 0 0 0" << 4 << 3 << true << "0 0 0 4 0 0 0 0" << "" << "";
    QTest::newRow("attacker on the right") << "0 0 0 0 4 0 0 0" << 3 << 3 << false << "0 0 0 3 4 0 0 0" << "e" << "e";
    QTest::newRow("attackers on both sides") << "0 0 3 0 4 0 0 0" << 3 << 3 << false << "0 0 3 3 4 0 0 0" << "ce" << "ce";
    QTest::newRow("row 9 places nothing") << "0 0 0 0 0 0 0 0" << 9 << 3 << true << "0 0 0 0 0 0 0 0" << "" << "";
    QTest::newRow("row 9 keeps the column") << "0 0 0 6 0 0 0 0" << 9 << 3 << true << "0 0 0 6 0 0 0 0" << "" << "";
    QTest::newRow("row 9 still meets a diagonal") << "2 0 0 0 0 0 0 0" << 9 << 7 << false << "2 0 0 0 0 0 0 0" << "" << "a";
    QTest::newRow("row 16 meets nothing") << "8 8 8 8 8 8 8 0" << 16 << 7 << true << "8 8 8 8 8 8 8 0" << "" << "";
}

void TestFeld::damePasst()
{
    QFETCH(QString, before);
    QFETCH(int, y);
    QFETCH(int, c);
    QFETCH(bool, fits);
    QFETCH(QString, after);
    QFETCH(QString, attackers);
    QFETCH(QString, probeAttackers);

    const auto named = [](auto spalten) {
        QString namen;
        for (int spalte = 0; spalte < Feld::Spalten; ++spalte) {
            if (spalten & (1U << spalte))
                namen += QChar(u'a' + spalte);
        }
        return namen;
    };
    Feld feld;
    setBoard(feld, before);
    QCOMPARE(named(board::Angreifer(feld, static_cast<std::int16_t>(y), c)), probeAttackers);
    QCOMPARE(board::DamePasst(feld, static_cast<std::int16_t>(y), c), fits);
    QCOMPARE(boardText(feld), after);
    QString bedroher;
    for (const int spalte : board::Bedroher(feld, c))
        bedroher += QChar(u'a' + spalte);
    QCOMPARE(bedroher, attackers);
    QCOMPARE(boardText(feld), after);
}

void TestFeld::notifications_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("newValue");
    QTest::addColumn<int>("expected");

    QTest::newRow("same value, empty") << 0 << 0 << 0;
    QTest::newRow("same value, queen") << 5 << 5 << 0;
    QTest::newRow("place") << 0 << 1 << 1;
    QTest::newRow("move") << 5 << 8 << 1;
    QTest::newRow("clear") << 5 << 0 << 1;
}

void TestFeld::notifications()
{
    QFETCH(int, start);
    QFETCH(int, newValue);
    QFETCH(int, expected);

    Feld feld;
    feld.setzeWert(4, static_cast<std::int16_t>(start));
    QList<int> heard;
    feld.setListener([&](int spalte) { heard << spalte; });
    feld.setzeWert(4, static_cast<std::int16_t>(newValue));
    QCOMPARE(heard, QList<int>(expected, 4));

    // The fit rule at the value a column holds already says nothing either.
    heard.clear();
    if (newValue > 0) {
        board::DamePasst(feld, static_cast<std::int16_t>(newValue), 4);
        QCOMPARE(heard, QList<int>());
    }
}

void TestFeld::listenerSeesNewValue()
{
    Feld feld;
    int seen = -1;
    feld.setListener([&](int spalte) { seen = feld.wert(spalte); });
    feld.setzeWert(2, 7);
    QCOMPARE(seen, 7);

    feld.setListener({});
    feld.setzeWert(2, 3);
    QCOMPARE(seen, 7);
}

void TestFeld::outsideTheBoardAborts_data()
{
    QTest::addColumn<int>("spalte");
    QTest::addColumn<int>("wert");
    QTest::addColumn<bool>("abort");

    QTest::newRow("column -1") << -1 << 1 << true;
    QTest::newRow("column 8") << 8 << 1 << true;
    QTest::newRow("value 9") << 0 << 9 << true;
    QTest::newRow("value -1") << 0 << -1 << true;
    QTest::newRow("last column, top row") << 7 << 8 << false;
}

void TestFeld::outsideTheBoardAborts()
{
    QFETCH(int, spalte);
    QFETCH(int, wert);
    QFETCH(bool, abort);

    QCOMPARE(aborts([=] { Feld().setzeWert(spalte, static_cast<std::int16_t>(wert)); }), abort);
    if (wert >= 1 && wert <= Feld::HoechsteReihe) // the fit rule takes any row from 1
        QCOMPARE(aborts([=] { Feld feld; board::DamePasst(feld, static_cast<std::int16_t>(wert), spalte); }), abort);
}

void TestFeld::cellIndex_data()
{
    QTest::addColumn<int>("spalte");
    QTest::addColumn<int>("wert");
    QTest::addColumn<int>("index");

    QTest::newRow("top left") << 0 << 8 << 0;
    QTest::newRow("bottom left") << 0 << 1 << 63;
    QTest::newRow("column 3, bottom") << 3 << 1 << 66;
    QTest::newRow("bottom right") << 7 << 1 << 70;
    QTest::newRow("top right") << 7 << 8 << 7;
}

void TestFeld::cellIndex()
{
    QFETCH(int, spalte);
    QFETCH(int, wert);
    QFETCH(int, index);
    QCOMPARE(board::zellIndex(spalte, wert), index);
}

QTEST_APPLESS_MAIN(TestFeld)
#include "tst_feld.moc"
