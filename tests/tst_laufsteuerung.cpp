// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "anzeige.h"
#include "feld.h"
#include "laufsteuerung.h"
#include "modalanswerer.h"
#include "rueckfragen.h"
#include "suchverlauf.h"

#include <QCheckBox>
#include <QSignalSpy>
#include <QtTest>

#include <chrono>

namespace {

// The run's control with a bare window, at the slowest pace on a clock
// that moves only while the run sleeps.
struct Aufbau
{
    Aufbau()
    {
        lauf.setzeUhr([this] { return jetzt; }, [this](std::chrono::nanoseconds rest) {
            jetzt += rest;
            QCoreApplication::processEvents();
        });
        lauf.setzeTempo(Tempo::Stufe::Langsam);
        fenster.show();
    }

    QString brett() const
    {
        QStringList werte;
        for (int spalte = 0; spalte < board::Feld::Spalten; ++spalte)
            werte << QString::number(feld.wert(spalte));
        return werte.join(u' ');
    }

    QWidget fenster;
    QCheckBox *stopBeiLoesung = new QCheckBox(&fenster);
    board::Feld feld;
    view::Anzeige anzeige;
    view::Suchverlauf verlauf;
    Rueckfragen fragen{fenster, fenster};
    Laufsteuerung lauf{feld, anzeige, verlauf, fragen, *stopBeiLoesung, fenster};
    std::chrono::nanoseconds jetzt{};
};

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
};

void TestLaufsteuerung::pausedRun_data()
{
    QTest::addColumn<QStringList>("aktionen"); // handled in one go, paused after step 20
    QTest::addColumn<int>("schritte");         // when the run has ended
    QTest::addColumn<QString>("brett");        // "", the board as paused; "*", any
    QTest::addColumn<QString>("zustaende");    // Ruht, Laeuft, HaltVerlangt, Angehalten
    QTest::addColumn<QStringList>("gesagt");   // after the pause's own message

    const QString beendet = QStringLiteral("Durchlauf beendet");
    const QString keinSchritt = QStringLiteral("Kein Schritt zurück möglich");
    QTest::newRow("goes on") << QStringList{"weiter"} << 4021 << "0 0 0 0 0 0 0 0" << "LHALR"
                             << QStringList{"Durchlauf fortgesetzt"};
    // An end asked for wins: the step back restored the run's stop request,
    // so the run stayed paused and "Null" emptied the board only later.
    QTest::newRow("Null, then a step back") << QStringList{"null", "zurueck"} << 20 << "0 0 0 0 0 0 0 0" << "LHAR"
                                            << QStringList{beendet, keinSchritt};
    QTest::newRow("ended, then a step back")
        << QStringList{"beenden", "zurueck"} << 20 << "" << "LHAR" << QStringList{beendet, keinSchritt};
    QTest::newRow("a step, and back") << QStringList{"schritt", "zurueck"} << 20 << "" << "LHAR"
                                      << QStringList{"Schritt 21 zurückgenommen, Spalte e leer", beendet};
    QTest::newRow("a second press during the step")
        << QStringList{"doppelt"} << 22 << "*" << "LHAR" << QStringList{beendet};
    QTest::newRow("paused again before it went on") << QStringList{"anhalten", "anhalten"} << 20 << "" << "LHALHAR"
                                                    << QStringList{beendet};
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
                else if (aktion == "schritt")
                    a.lauf.einzelschritt();
                else if (aktion == "doppelt")
                    QTimer::singleShot(0, &a.lauf, [&] { a.lauf.einzelschritt(); });
                if (aktion == "doppelt")
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
}

QTEST_MAIN(TestLaufsteuerung)
#include "tst_laufsteuerung.moc"
