// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "aufbau.h"
#include "modalanswerer.h"
#include "suchprotokoll.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

QChar buchstabe(Laufsteuerung::Zustand zustand)
{
    return QStringLiteral("RLHA").at(static_cast<int>(zustand));
}

} // namespace

class TestLaufsteuerung : public QObject
{
    Q_OBJECT

private slots:
    void pausedRun_data();
    void pausedRun();
    void backToLine_data();
    void backToLine();
    void beginAnew_data();
    void beginAnew();
    void goTo_data();
    void goTo();
    void goToDuringARun_data();
    void goToDuringARun();
};

void TestLaufsteuerung::pausedRun_data()
{
    QTest::addColumn<QStringList>("aktionen"); // handled in one go, paused after step 20
    QTest::addColumn<int>("schritte");         // when the run has ended
    QTest::addColumn<QString>("brett");        // "", the board as paused; "*", any
    QTest::addColumn<QString>("zustaende");    // Ruht, Laeuft, HaltVerlangt, Angehalten
    QTest::addColumn<QStringList>("gesagt");   // after the pause's own message
    QTest::addColumn<QString>("zuletzt");      // the record's last line, where it matters

    const QString beendet = QStringLiteral("Durchlauf beendet");
    const QString keinSchritt = QStringLiteral("Kein Schritt zurück möglich");
    QTest::newRow("goes on") << QStringList{"weiter"} << 4021 << "0 0 0 0 0 0 0 0" << "LHALR"
                             << QStringList{"Durchlauf fortgesetzt"} << "";
    // An end asked for wins: the step back restored the run's stop request,
    // so the run stayed paused and "Null" emptied the board only later.
    QTest::newRow("Null, then a step back") << QStringList{"null", "zurueck"} << 20 << "0 0 0 0 0 0 0 0" << "LHAR"
                                            << QStringList{beendet, keinSchritt} << "Null, Brett geleert";
    QTest::newRow("ended, then a step back")
        << QStringList{"beenden", "zurueck"} << 20 << "" << "LHAR" << QStringList{beendet, keinSchritt} << "";
    QTest::newRow("a step, and back") << QStringList{"schritt", "zurueck"} << 20 << "" << "LHAR"
                                      << QStringList{"Schritt 21 zurückgenommen, Spalte e leer", beendet} << "";
    QTest::newRow("a second press during the step")
        << QStringList{"doppelt"} << 22 << "*" << "LHAR" << QStringList{beendet} << "";
    QTest::newRow("paused again before it went on") << QStringList{"anhalten", "anhalten"} << 20 << "" << "LHALHAR"
                                                    << QStringList{beendet} << "";
    // A step asked for after the end acts on the board the end leaves.
    QTest::newRow("Null, then a step") << QStringList{"null", "schritt"} << 21 << "1 0 0 0 0 0 0 0" << "LHAR"
                                       << QStringList{beendet} << "Schritt 21, a: a1 gesetzt";
    QTest::newRow("ended, then a step") << QStringList{"beenden", "schritt"} << 21 << "*" << "LHAR"
                                        << QStringList{beendet}
                                        << "Schritt 21, a: a1 → a6 – a2 b3, a3 b3 c5, a4 b3, a5 c5 d8";
    // "Null" during the paused run's step empties the board at once, as
    // outside a run: the step goes on there, and stays.
    QTest::newRow("a step with Null during it") << QStringList{"schritt mit null"} << 21 << "0 0 0 0 1 0 0 0"
                                                << "LHAR" << QStringList{beendet}
                                                << "        Schritt 21, e: e1 gesetzt";
    QTest::newRow("von vorn") << QStringList{"von vorn"} << 0 << "0 0 0 0 0 0 0 0" << "LHAR"
                              << QStringList{"Von vorn, das Brett ist leer"} << "";
    // A double click's second step, asked for before the end, follows it.
    QTest::newRow("a double click with Null during it")
        << QStringList{"doppelt mit null"} << 22 << "*" << "LHAR" << QStringList{beendet} << "";
}

// What a paused run does with the commands given there, and the states it
// goes through. After the actions the test ends a run that is still held.
void TestLaufsteuerung::pausedRun()
{
    QFETCH(QStringList, aktionen);
    QFETCH(int, schritte);
    QFETCH(QString, brett);
    QFETCH(QString, zustaende);
    QFETCH(QStringList, gesagt);
    QFETCH(QString, zuletzt);

    Aufbau a;
    ModalAnswerer answerer(ModalAnswerer::click(QMessageBox::Ok));
    QSignalSpy ansagen(&a.lauf, &Laufsteuerung::ansage);
    QTimer anhalten;
    QString gesehen;
    QString angehalten;
    QObject::connect(&a.lauf, &Laufsteuerung::zustandGeaendert, &a.lauf, [&] {
        if (gesehen.isEmpty() || gesehen.back() != buchstabe(a.lauf.zustand()))
            gesehen += buchstabe(a.lauf.zustand());
        if (a.lauf.zustand() != Laufsteuerung::Zustand::Angehalten || !angehalten.isEmpty())
            return;
        angehalten = a.brett();
        anhalten.stop();
        QTimer::singleShot(0, &a.lauf, [&] {
            for (const QString &aktion : aktionen) {
                if (aktion == "weiter" || aktion == "anhalten")
                    a.lauf.anhaltenOderFortsetzen();
                else if (aktion == "null")
                    a.lauf.null();
                else if (aktion == "zurueck")
                    a.lauf.schrittZurueck();
                else if (aktion == "beenden")
                    a.lauf.beenden();
                else if (aktion == "von vorn")
                    a.lauf.vonVorn();
                else if (aktion == "schritt")
                    a.lauf.einzelschritt();
                else if (aktion == "doppelt")
                    QTimer::singleShot(0, &a.lauf, [&] { a.lauf.einzelschritt(); });
                else if (aktion == "schritt mit null")
                    QTimer::singleShot(0, &a.lauf, [&] { a.lauf.null(); });
                else if (aktion == "doppelt mit null")
                    QTimer::singleShot(0, &a.lauf, [&] {
                        a.lauf.einzelschritt();
                        a.lauf.null();
                    });
                if (aktion.startsWith("doppelt") || aktion == "schritt mit null")
                    a.lauf.einzelschritt();
            }
            QTimer::singleShot(0, &a.lauf, [&] { a.lauf.beenden(); });
        });
    });
    QObject::connect(&anhalten, &QTimer::timeout, &a.lauf, [&] {
        if (a.lauf.suche().schritte() == 20 && a.lauf.zustand() == Laufsteuerung::Zustand::Laeuft)
            a.lauf.anhaltenOderFortsetzen();
    });
    anhalten.start(0);
    a.lauf.durchlauf();

    QCOMPARE(gesehen, zustaende);
    QCOMPARE(a.lauf.suche().schritte(), schritte);
    if (brett != "*")
        QCOMPARE(a.brett(), brett.isEmpty() ? angehalten : brett);
    QStringList danach;
    for (const QList<QVariant> &ansage : ansagen)
        danach << ansage.at(0).toString();
    QVERIFY(!danach.isEmpty() && danach.takeFirst().startsWith("Durchlauf angehalten, Schritt 20,"));
    QCOMPARE(danach, gesagt);
    QVERIFY(!a.lauf.suche().runInProgress());
    if (!zuletzt.isEmpty())
        QCOMPARE(view::Suchprotokoll::text(*a.verlauf.letzter()), zuletzt);
}

void TestLaufsteuerung::backToLine_data()
{
    QTest::addColumn<int>("vorher");     // single steps from the empty board
    QTest::addColumn<int>("hand");       // a queen of column a moved by hand to this row, or -1
    QTest::addColumn<int>("nachher");    // further steps
    QTest::addColumn<int>("ziel");       // the step of the line activated; 0: the hand move's
    QTest::addColumn<int>("schritte");   // where the search stands then
    QTest::addColumn<QString>("gesagt"); // in one message

    QTest::newRow("one step") << 5 << -1 << 0 << 4 << 4 << "Schritt 5 zurückgenommen, Spalte e leer";
    QTest::newRow("the oldest line kept") << 10050 << -1 << 0 << 51 << 51
                                          << "Zurück bei Schritt 51, 9999 Schritte zurückgenommen";
    QTest::newRow("a line before a hand move") << 2 << 2 << 1 << 1 << 3 << "Bis Schritt 1 geht es nicht zurück";
    QTest::newRow("a hand move's line") << 2 << 2 << 1 << 0 << 3 << "Nur bis zu einem Schritt geht es zurück";
    // A move to the row the queen holds already is none, in the record too.
    QTest::newRow("a hand move that changes nothing") << 3 << 1 << 0 << 1 << 1
                                                      << "Zurück bei Schritt 1, 2 Schritte zurückgenommen";
}

// Activating a line of the protocol goes back to the end of its step, as
// far as "Schritt zurück" reaches, and says so in one message.
void TestLaufsteuerung::backToLine()
{
    QFETCH(int, vorher);
    QFETCH(int, hand);
    QFETCH(int, nachher);
    QFETCH(int, ziel);
    QFETCH(int, schritte);
    QFETCH(QString, gesagt);

    Aufbau a;
    ModalAnswerer answerer(ModalAnswerer::click(QMessageBox::Ok)); // "fertig" after step 4021
    for (int n = 0; n < vorher; ++n)
        a.lauf.einzelschritt();
    if (hand >= 0)
        a.lauf.vonHand(0, hand);
    for (int n = 0; n < nachher; ++n)
        a.lauf.einzelschritt();
    const auto &eintraege = a.verlauf.eintraege();
    const auto zeile = std::find_if(eintraege.rbegin(), eintraege.rend(), [ziel](const view::Suchverlauf::Eintrag &e) {
        return ziel == 0 ? e.art == view::Suchverlauf::Eintrag::Art::Handzug : e.schritt.nummer == ziel;
    });
    QVERIFY(zeile != eintraege.rend());
    QSignalSpy ansagen(&a.lauf, &Laufsteuerung::ansage);
    QSignalSpy abgelehnt(&a.lauf, &Laufsteuerung::abgelehnt);
    a.lauf.zurueckZu(zeile->id);

    QCOMPARE(a.lauf.suche().schritte(), schritte);
    QCOMPARE(ansagen.size(), 1);
    QCOMPARE(ansagen.at(0).at(0).toString(), gesagt);
    const bool zurueck = gesagt.contains("zurückgenommen");
    QCOMPARE(abgelehnt.size(), zurueck ? 0 : 1);
    if (zurueck)
        QCOMPARE(eintraege.back().schritt.nummer, schritte);
}

void TestLaufsteuerung::beginAnew_data()
{
    QTest::addColumn<int>("schritte"); // single steps first
    QTest::addColumn<int>("hand");     // then the queen of column c moved by hand to this row, or 0
    QTest::addColumn<int>("lauf");     // then a run, begun anew at this step of it, or 0; negative: a walk
                                       // to step -lauf, begun anew at step 100

    QTest::newRow("after steps") << 40 << 0 << 0;
    QTest::newRow("after a hand move") << 3 << 5 << 0;
    QTest::newRow("after the end") << 4021 << 0 << 0;
    QTest::newRow("during a run") << 0 << 0 << 300;
    QTest::newRow("after steps, during a run") << 7 << 2 << 10;
    QTest::newRow("during a walk to a step") << 0 << 0 << -3000;
}

// "Von vorn" leaves the search as it starts, also from the middle of a
// run: the steps that follow are those of a fresh start.
void TestLaufsteuerung::beginAnew()
{
    QFETCH(int, schritte);
    QFETCH(int, hand);
    QFETCH(int, lauf);

    Aufbau a;
    ModalAnswerer answerer(ModalAnswerer::click(QMessageBox::Ok));
    a.lauf.setzeTempo(Tempo::Stufe::Sofort);
    for (int n = 0; n < schritte; ++n)
        a.lauf.einzelschritt();
    if (hand > 0)
        a.lauf.vonHand(2, hand);
    if (lauf != 0) {
        QTimer waechter;
        QObject::connect(&waechter, &QTimer::timeout, &a.lauf, [&] {
            if (a.lauf.suche().schritte() >= (lauf > 0 ? lauf : 100))
                a.lauf.vonVorn();
        });
        waechter.start(0);
        if (lauf > 0)
            a.lauf.durchlauf();
        else
            a.lauf.geheZu(-lauf);
    } else {
        a.lauf.vonVorn();
    }

    QCOMPARE(a.lauf.zustand(), Laufsteuerung::Zustand::Ruht);
    QCOMPARE(a.brett(), "0 0 0 0 0 0 0 0");
    QCOMPARE(a.lauf.suche().schritte(), 0);
    QCOMPARE(a.lauf.suche().loesungen(), 0);
    QCOMPARE(a.lauf.suche().spalte(), 0);
    QVERIFY(!a.lauf.zurueckMoeglich());
    QVERIFY(a.verlauf.eintraege().empty());
    QCOMPARE(a.verlauf.summen(), view::Suchverlauf::Summen{});
    QCOMPARE(a.lauf.suche().letzteNummer(), 4021);
    // The next steps are a fresh start's.
    Aufbau frisch;
    for (int n = 0; n < 30; ++n) {
        a.lauf.einzelschritt();
        frisch.lauf.einzelschritt();
    }
    QCOMPARE(a.brett(), frisch.brett());
    QCOMPARE(view::Suchprotokoll::text(*a.verlauf.letzter()), view::Suchprotokoll::text(*frisch.verlauf.letzter()));
    QCOMPARE(a.verlauf.eintraege().size(), 30);
}

void TestLaufsteuerung::goTo_data()
{
    QTest::addColumn<QList<int>>("ziele"); // one after another, from the empty board; -2: a hand move, -3: "Null"
    QTest::addColumn<int>("schritte");      // where the search stands then
    QTest::addColumn<QString>("brett");     // "": as after that many single steps; "*": any
    QTest::addColumn<QString>("nicht");     // why the last cannot be gone to
    QTest::addColumn<int>("letzter");       // the search's last step then

    QTest::newRow("forward to the first solution") << QList<int>{218} << 218 << "1 5 8 6 3 7 2 4" << "" << 4021;
    QTest::newRow("then back") << QList<int>{218, 37} << 37 << "" << "" << 4021;
    QTest::newRow("forward again") << QList<int>{218, 37, 1000} << 1000 << "" << "" << 4021;
    QTest::newRow("to the end") << QList<int>{4021} << 4021 << "0 0 0 0 0 0 0 0" << "" << 4021;
    // A run that ended leaves the pointer on column a: the search is over
    // all the same.
    QTest::newRow("after a full run") << QList<int>{-4, 4000} << 4000 << "" << "" << 4021;
    QTest::newRow("back past a hand move") << QList<int>{5, -2, 8, 4} << 8 << "*"
                                           << "Bis Schritt 4 geht es nicht zurück" << -1;
    QTest::newRow("back past Null") << QList<int>{20, -3, 10} << 20 << "0 0 0 0 0 0 0 0"
                                    << "Bis Schritt 10 geht es nicht zurück" << -1;
}

// "Gehe zu Schritt": forward by steps made at once, asking nothing, back
// as far as "Schritt zurück" reaches; where it cannot, nothing changes.
void TestLaufsteuerung::goTo()
{
    QFETCH(QList<int>, ziele);
    QFETCH(int, schritte);
    QFETCH(QString, brett);
    QFETCH(QString, nicht);
    QFETCH(int, letzter);

    Aufbau a;
    a.stopBeiLoesung->setChecked(true);
    ModalAnswerer answerer(ModalAnswerer::click(QMessageBox::Ok));
    QSignalSpy ansagen(&a.lauf, &Laufsteuerung::ansage);
    for (const int ziel : ziele) {
        if (ziel == -2)
            a.lauf.vonHand(5, 8);
        else if (ziel == -3)
            a.lauf.null();
        else if (ziel == -4) {
            a.stopBeiLoesung->setChecked(false);
            a.lauf.setzeTempo(Tempo::Stufe::Sofort);
            a.lauf.durchlauf();
            QCOMPARE(a.lauf.suche().letzteNummer(), letzter);
            a.stopBeiLoesung->setChecked(true);
        }
        else if (ziel != ziele.back() || nicht.isEmpty())
            a.lauf.geheZu(ziel);
    }
    QCOMPARE(a.lauf.geheZuNicht(ziele.back()), nicht);
    if (!nicht.isEmpty()) {
        const QString vorher = a.brett();
        a.lauf.geheZu(ziele.back());
        QCOMPARE(a.brett(), vorher);
        QCOMPARE(ansagen.last().at(0).toString(), nicht);
    }
    QCOMPARE(a.lauf.suche().schritte(), schritte);
    if (brett.isEmpty()) {
        Aufbau einzeln;
        for (int n = 0; n < schritte; ++n)
            einzeln.lauf.einzelschritt();
        brett = einzeln.brett();
    }
    if (brett != "*")
        QCOMPARE(a.brett(), brett);
    QCOMPARE(answerer.boxes.size(), ziele.contains(-4) ? 1 : 0); // "fertig" after a run
    if (letzter > 0)
        QCOMPARE(a.lauf.suche().letzteNummer(), letzter);
}

void TestLaufsteuerung::goToDuringARun_data()
{
    QTest::addColumn<int>("ziel"); // asked at step 20 of a run
    QTest::addColumn<bool>("zeile"); // by a line of the record rather than a step's number

    QTest::newRow("back") << 5 << false;
    QTest::newRow("forward") << 30 << false;
    QTest::newRow("back to a line") << 5 << true;
}

// While a run goes on, a walk to another step is refused for that reason,
// not for one that holds only once the run is held.
void TestLaufsteuerung::goToDuringARun()
{
    QFETCH(int, ziel);
    QFETCH(bool, zeile);

    Aufbau a;
    QSignalSpy abgelehnt(&a.lauf, &Laufsteuerung::abgelehnt);
    QTimer waehrend;
    std::int64_t danach = -1;
    QObject::connect(&waehrend, &QTimer::timeout, &a.lauf, [&] {
        if (a.lauf.suche().schritte() < 20)
            return;
        waehrend.stop();
        if (zeile)
            a.lauf.zurueckZu(a.verlauf.eintraege()[std::size_t(ziel)].id);
        else
            a.lauf.geheZu(ziel);
        danach = a.lauf.suche().schritte();
        a.lauf.null();
    });
    waehrend.start(0);
    a.lauf.durchlauf();
    QCOMPARE(danach, 20);
    QCOMPARE(abgelehnt.size(), 1);
    QCOMPARE(abgelehnt.at(0).at(0).toString(), "Erst den Durchlauf anhalten");
}

QTEST_MAIN(TestLaufsteuerung)
#include "tst_laufsteuerung.moc"
