// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "feld.h"
#include "recordinghost.h"
#include "stellung.h"
#include "suchbaum.h"
#include "suche.h"

#include <QtTest>

namespace {

view::Brett brettAus(const QString &werte)
{
    view::Brett brett{};
    const QStringList teile = werte.split(u' ');
    for (int k = 0; k < 8; ++k)
        brett[std::size_t(k)] = std::int16_t(teile[k].toInt());
    return brett;
}

QString namen(const view::Suchbaum &baum, const std::vector<int> &knoten)
{
    QStringList teile;
    for (const int i : knoten)
        teile << baum.name(i);
    return teile.join(u' ');
}

} // namespace

class TestSuchbaum : public QObject
{
    Q_OBJECT

private slots:
    void counts_data();
    void counts();
    void nodeOfEachStep_data();
    void nodeOfEachStep();
    void folding();
};

void TestSuchbaum::counts_data()
{
    QTest::addColumn<QString>("brett");
    QTest::addColumn<int>("spalte");

    QTest::newRow("empty board") << "0 0 0 0 0 0 0 0" << 0;
    QTest::newRow("finished, begins anew") << "0 0 0 0 0 0 0 0" << -1;
    QTest::newRow("queens set by hand") << "0 0 0 0 4 0 0 8" << 0;
    QTest::newRow("in column d") << "1 3 5 0 0 0 0 0" << 3;
    QTest::newRow("after Null in column f") << "0 0 0 0 0 0 0 0" << 5;
}

// Per column, the queens the whole search sets and the steps that find no
// free row, as the search itself counts them when it runs to its end.
void TestSuchbaum::counts()
{
    QFETCH(QString, brett);
    QFETCH(int, spalte);

    view::Suchbaum baum;
    baum.berechne(brettAus(brett), spalte, 0, 0);

    board::Feld feld = view::feldAus(brettAus(brett));
    RecordingHost host;
    host.keepLog = false;
    board::Suche suche(feld, host);
    // The real search from the same state, where it can begin there: from
    // column a.
    if (spalte <= 0) {
        view::Suchbaum::Ebenen erwartet{};
        int schritte = 0;
        do {
            suche.Einzelschritt();
            const board::Schritt &s = host.last;
            ++(s.reihe > 0 ? erwartet[std::size_t(s.spalte)].gesetzt : erwartet[std::size_t(s.spalte)].sackgassen);
            ++schritte;
        } while (suche.spalte() != -1);
        QCOMPARE(baum.ebenen(baum.ende()), erwartet);
        QCOMPARE(baum.ende(), schritte);
    }
    // However the tree begins, its counts add up, and each node's subtree
    // counts what its nodes count.
    const view::Suchbaum::Knoten &wurzel = baum.knoten().front();
    int gesetzt = 0;
    int sackgassen = 0;
    for (const view::Suchbaum::Ebene &ebene : baum.ebenen(baum.ende())) {
        gesetzt += ebene.gesetzt;
        sackgassen += ebene.sackgassen;
    }
    QCOMPARE(gesetzt + sackgassen, baum.ende());
    QCOMPARE(wurzel.groesse, 1 + std::max(spalte, 0) + gesetzt);
    QCOMPARE(wurzel.sackgassen, sackgassen);
    if (brett == "0 0 0 0 0 0 0 0" && spalte <= 0) {
        QCOMPARE(baum.ende(), 4021);
        QCOMPARE(wurzel.loesungen, 92);
        QCOMPARE(sackgassen, 1965);
        const std::array<int, 8> jeSpalte{8, 42, 140, 344, 568, 550, 312, 92};
        for (std::size_t c = 0; c < 8; ++c)
            QCOMPARE(baum.ebenen(baum.ende())[c].gesetzt, jeSpalte[c]);
    }
}

void TestSuchbaum::nodeOfEachStep_data()
{
    QTest::addColumn<int>("schritt");
    QTest::addColumn<QString>("weg");
    QTest::addColumn<QString>("knoten"); // the deepest

    QTest::newRow("start") << 0 << "" << "Start";
    QTest::newRow("five steps") << 5 << "a1 b3 c5 d2 e4" << "e4";
    QTest::newRow("column f has no free row") << 6 << "a1 b3 c5 d2 e4" << "e4";
    QTest::newRow("e4 moves up") << 7 << "a1 b3 c5 d2 e8" << "e8";
    QTest::newRow("first solution") << 218 << "a1 b5 c8 d6 e3 f7 g2 h4" << "h4";
    QTest::newRow("the end") << 4021 << "" << "Start";
}

// The node each step of the search from the empty board stands at.
void TestSuchbaum::nodeOfEachStep()
{
    QFETCH(int, schritt);
    QFETCH(QString, weg);
    QFETCH(QString, knoten);

    view::Suchbaum baum;
    baum.berechne(view::Brett{}, 0, 0, 0);
    QCOMPARE(namen(baum, baum.pfad(schritt)), weg);
    QCOMPARE(baum.name(baum.tiefster(schritt)), knoten);
    if (schritt == 218) {
        QCOMPARE(baum.knoten()[std::size_t(baum.tiefster(schritt))].loesung, 1);
        QCOMPARE(baum.knoten()[std::size_t(baum.tiefster(schritt))].schritt, 218);
    }
    if (schritt == 6)
        QVERIFY(baum.knoten()[std::size_t(baum.tiefster(schritt))].sackgasse);
}

// A part of the tree is finished once the search has left it for good.
void TestSuchbaum::folding()
{
    view::Suchbaum baum;
    baum.berechne(view::Brett{}, 0, 0, 0);
    const auto knoten = [&](int k) { return baum.tiefster(k); };
    const int e4 = knoten(5);
    QVERIFY(baum.erreicht(e4, 5));
    QVERIFY(!baum.erreicht(e4, 4));
    // Closed by step 6, e4 stays on the path until step 7 moves its queen.
    QVERIFY(!baum.fertig(e4, 6));
    QVERIFY(baum.fertig(e4, 7));
    // a1 is left for good when the search moves the queen of column a.
    const int a1 = baum.pfad(218).front();
    const int a2 = baum.kinder(0)[1];
    QCOMPARE(baum.name(a2), "a2");
    const int a2gesetzt = baum.knoten()[std::size_t(a2)].schritt;
    QVERIFY(!baum.fertig(a1, a2gesetzt - 1));
    QVERIFY(baum.fertig(a1, a2gesetzt));
    QVERIFY(!baum.fertig(0, 4021)); // the root never
    QCOMPARE(baum.kinder(0).size(), std::size_t(8));
}

QTEST_APPLESS_MAIN(TestSuchbaum)
#include "tst_suchbaum.moc"
