// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ablauf.h"
#include "ablaufansicht.h"
#include "ansage.h"
#include "aufbau.h"
#include "aussehen.h"
#include "bildzeilen.h"
#include "modalanswerer.h"
#include "schnelltext.h"
#include "spuren.h"
#include "stellung.h"
#include "suchbaum.h"
#include "suchbaumbild.h"
#include "suchprotokoll.h"
#include "vorhersage.h"

#include <QBitArray>
#include <QListWidget>
#include <QScreen>
#include <QPainter>
#include <QSignalSpy>
#include <QtTest>

namespace {

using Eintrag = view::Suchverlauf::Eintrag;

// The record fed by the run's control on a bare window, and what it is
// told to do: "step", "6 steps", "back", "null", "run", "run null" ("Null"
// in the run's first step), "anew" ("Von vorn"), "stop" (ticks "Stop bei
// Lösung"), "a+" and
// "a-" (the queen of column a a row up or down), and "yes" or "no", the
// answer to the next question (otherwise Yes).
struct Geschichte : Aufbau
{
    Geschichte() { lauf.setzeTempo(Tempo::Stufe::Sofort); }

    void spiele(const QStringList &aktionen)
    {
        QStringList antworten;
        ModalAnswerer answerer([&antworten](QMessageBox &box) {
            const bool nein = box.button(QMessageBox::No) && !antworten.isEmpty() && antworten.takeFirst() == "no";
            QTest::keyClick(&box, nein ? Qt::Key_Escape : Qt::Key_Return);
        });
        for (const QString &aktion : aktionen) {
            if (aktion.endsWith("steps") || aktion == "step") {
                for (int n = aktion == "step" ? 1 : aktion.section(u' ', 0, 0).toInt(); n > 0; --n)
                    lauf.einzelschritt();
            } else if (aktion == "yes" || aktion == "no") {
                antworten << aktion;
            } else if (aktion == "back") {
                lauf.schrittZurueck();
            } else if (aktion == "null") {
                lauf.null();
            } else if (aktion == "anew") {
                lauf.vonVorn();
            } else if (aktion == "stop") {
                stopBeiLoesung->setChecked(true);
            } else if (aktion.startsWith("run")) {
                if (aktion == "run null")
                    QTimer::singleShot(0, &lauf, [this] { lauf.null(); });
                lauf.durchlauf();
            } else {
                const int spalte = aktion[0].unicode() - u'a';
                lauf.vonHand(spalte, feld.wert(spalte) + (aktion[1] == u'+' ? 1 : -1));
            }
        }
    }

    QStringList zeilen() const
    {
        QStringList texte;
        for (const Eintrag &eintrag : verlauf.eintraege())
            texte << view::Suchprotokoll::text(eintrag);
        return texte;
    }
};

} // namespace

class TestSuchverlauf : public QObject
{
    Q_OBJECT

private slots:
    void lines_data();
    void lines();
    void linesAsDrawn_data();
    void linesAsDrawn();
    void linesAsQtDrawsThem_data();
    void linesAsQtDrawsThem();
    void rowSizes();
    void signsAtTheirSize();
    void atTheQuestion();
    void rowsAtTheCap();
    void markMeanings_data();
    void markMeanings();
    void marksByShape();
    void spoken_data();
    void spoken();
    void spokenWhileAPaneIsActive();
    void treeFollows_data();
    void treeFollows();
    void treePaintedByParts_data();
    void treePaintedByParts();
    void ablauf_data();
    void ablauf();
    void prediction_data();
    void prediction();
};

void TestSuchverlauf::lines_data()
{
    QTest::addColumn<QStringList>("aktionen");
    QTest::addColumn<QStringList>("zeilen"); // the last ones
    QTest::addColumn<QString>("summen");     // steps, rows tried, dead ends, solutions

    QTest::newRow("six steps") << QStringList{"6 steps"}
                               << QStringList{"        Schritt 5, e: e4 gesetzt – e1 a1 d2, e2 d2, e3 b3 c5 d2",
                                              "          Schritt 6, f: keine Reihe frei, zurück zu e – f1 a1, f2 c5 d2, "
                                              "f3 b3 e4, f4 d2 e4, f5 c5 e4, f6 a1, f7 b3, f8 c5"}
                               << "6 23 1 0";
    QTest::newRow("a hand move, a step back, Null")
        << QStringList{"a+", "step", "step", "back", "null"}
        << QStringList{"Von Hand a1", "Schritt 1, a: a1 → a2", "Null, Brett geleert"} << "1 1 0 0";
    QTest::newRow("a queen taken off") << QStringList{"a+", "a-"} << QStringList{"Von Hand a1", "Von Hand Spalte a leer"}
                                       << "0 0 0 0";
    // The step under way when "Null" came belongs before it.
    QTest::newRow("Null during a run") << QStringList{"run null"}
                                       << QStringList{"Durchlauf beginnt", "Schritt 1, a: a1 gesetzt",
                                                      "Null, Brett geleert"}
                                       << "1 1 0 0";
    QTest::newRow("a solution") << QStringList{"218 steps"}
                                << QStringList{"              Schritt 218, h: h4 gesetzt – Lösung 1: a1 b5 c8 d6 e3 f7 g2 h4"}
                                << "218 876 105 1";
    // Begun anew, the record holds only what came since.
    QTest::newRow("begun anew") << QStringList{"run", "5 steps", "a+", "anew", "step"}
                                << QStringList{"Schritt 1, a: a1 gesetzt"} << "1 1 0 0";
    QTest::newRow("full run") << QStringList{"run"} << QStringList{"Schritt 4021, a: a8 war die letzte Reihe, Suche beendet"}
                              << "4021 15720 1965 92";
}

// One line per entry, each step's naming the rows it tried and who ruled
// them out; the totals count as the search does.
void TestSuchverlauf::lines()
{
    QFETCH(QStringList, aktionen);
    QFETCH(QStringList, zeilen);
    QFETCH(QString, summen);

    Geschichte g;
    g.spiele(aktionen);
    const QStringList alle = g.zeilen();
    QCOMPARE(alle.mid(alle.size() - zeilen.size()), zeilen);
    const view::Suchverlauf::Summen &s = g.verlauf.summen();
    QCOMPARE(QStringLiteral("%1 %2 %3 %4").arg(s.schritte).arg(s.versuchteReihen).arg(s.sackgassen).arg(s.loesungen),
             summen);
    QCOMPARE(s.schritte, g.lauf.suche().schritte());
    if (aktionen.contains("anew"))
        QCOMPARE(alle, zeilen);
    if (aktionen == QStringList{"run"}) {
        // Rows tried on the board, and steps that emptied their column, as
        // the board saw them.
        Aufbau zaehler;
        std::int64_t versucht = 0;
        zaehler.feld.setListener([&](int c) { versucht += zaehler.feld.wert(c) > 0 ? 1 : 0; });
        ModalAnswerer answerer(ModalAnswerer::click(QMessageBox::Ok));
        zaehler.lauf.setzeTempo(Tempo::Stufe::Sofort);
        zaehler.lauf.durchlauf();
        QCOMPARE(s.versuchteReihen, versucht);
        QCOMPARE(alle.size(), 4022);
        QCOMPARE(alle.first(), "Durchlauf beginnt");
    }
}

// While "weitersuchen?" is open, the record tells of the step that found
// the solution, and counts it.
void TestSuchverlauf::linesAsDrawn_data()
{
    QTest::addColumn<QString>("zeile");
    QTest::addColumn<int>("sichtbar"); // how much of it can be seen; 0: all
    QTest::addColumn<QColor>("grund");

    const QString schritt = QStringLiteral("Schritt 6, f: keine Reihe frei, zurück zu e – f1 a1, f2 c5 d2");
    const QColor weiss(Qt::white);
    QTest::newRow("a step") << schritt << 0 << weiss;
    QTest::newRow("indented, two spaces inside") << QStringLiteral("      Schritt 3,  c: c5 gesetzt") << 0 << weiss;
    QTest::newRow("one word") << QStringLiteral("Suchbaum") << 0 << weiss;
    QTest::newRow("numbers, set from their digits")
        << QStringLiteral("Schritt 4021, h: h4 gesetzt – Lösung 92: 1965/2056 (15720)") << 0 << weiss;
    QTest::newRow("only what can be seen") << schritt << 120 << weiss;
    QTest::newRow("kerned pairs") << QStringLiteral("Tempo zum Zuschauen, Weg: a1, Tempo sofort, Von Hand a1") << 0
                                  << weiss;
    QTest::newRow("a sign from another font") << QStringLiteral("▶ ▶ Weg: a1") << 0 << weiss;
    // Its words were drawn for a white ground first.
    QTest::newRow("on a lit line") << schritt << 0 << QColor(255, 241, 204);
}

// A line set from the pictures of its words looks as the line drawn at
// once, and drawn again from its own picture, as the first time.
void TestSuchverlauf::linesAsDrawn()
{
    QFETCH(QString, zeile);
    QFETCH(int, sichtbar);
    QFETCH(QColor, grund);

    QFont schrift(QStringLiteral("Liberation Sans"));
    schrift.setPixelSize(14);
    const QRect flaeche(0, 0, 700, 24);
    const auto gemalt = [&](const std::function<void(QPainter &)> &malen) {
        QImage bild(flaeche.size(), QImage::Format_RGB32);
        bild.fill(grund);
        QPainter painter(&bild);
        painter.setFont(schrift);
        painter.setPen(Qt::black);
        malen(painter);
        return bild;
    };
    // The columns with ink.
    const auto tinte = [](const QImage &bild) {
        QList<int> spalten;
        for (int x = 0; x < bild.width(); ++x) {
            for (int y = 0; y < bild.height(); ++y) {
                if (qGray(bild.pixel(x, y)) < 160) {
                    spalten << x;
                    break;
                }
            }
        }
        return spalten;
    };
    view::Schnelltext text;
    if (grund != Qt::white) {
        QImage weiss(flaeche.size(), QImage::Format_RGB32);
        QPainter painter(&weiss);
        painter.setFont(schrift);
        text.zeichne(painter, flaeche, Qt::AlignLeft, zeile, Qt::white);
    }
    const auto schnell = [&](QPainter &painter) {
        text.zeichne(painter, flaeche, Qt::AlignLeft, zeile, grund, sichtbar > 0 ? QRectF(0, 0, sichtbar, 24) : QRectF());
    };
    const QImage einmal = gemalt(schnell);
    QCOMPARE(gemalt(schnell), einmal);
    // Nothing of another ground around the words.
    for (int y = 0; y < einmal.height(); ++y) {
        for (int x = 0; x < einmal.width(); ++x)
            QVERIFY(qGray(einmal.pixel(x, y)) <= qGray(grund.rgb()));
    }
    QList<int> soll = tinte(gemalt([&](QPainter &painter) { painter.drawText(QPointF(0, 17), zeile); }));
    if (sichtbar > 0)
        soll.removeIf([sichtbar](int x) { return x >= sichtbar; });
    const QList<int> ist = tinte(einmal);
    // Where the ink begins and ends.
    const auto enden = [](const QList<int> &spalten) {
        return spalten.isEmpty() ? QPoint(-100, -100) : QPoint(spalten.first(), spalten.last());
    };
    const QPoint von = enden(ist) - enden(soll);
    QVERIFY2(std::abs(von.x()) <= 1 && std::abs(von.y()) <= 2,
             qPrintable(QStringLiteral("ink %1 to %2 px from the line drawn at once").arg(von.x()).arg(von.y())));
    QVERIFY(!ist.isEmpty() && std::abs(ist.size() - soll.size()) <= soll.size() / 20 + 1);
}

void TestSuchverlauf::linesAsQtDrawsThem_data()
{
    QTest::addColumn<bool>("umbrechen");
    QTest::addColumn<QStringList>("vorher"); // the lines shown before
    QTest::addColumn<QStringList>("zeilen");
    QTest::addColumn<int>("breite");

    const QString summen =
        QStringLiteral("Schritte 4021, versuchte Reihen 15720, Sackgassen 1965, Lösungen 92, Tempo zum Zuschauen");
    QTest::newRow("totals, narrow") << true << QStringList() << QStringList{summen} << 180;
    QTest::newRow("totals, wide") << true << QStringList() << QStringList{summen} << 330;
    QTest::newRow("one line that fits") << true << QStringList() << QStringList{"Lösungen 92"} << 330;
    QTest::newRow("two lines, a word too long")
        << true << QStringList() << QStringList{"a", "Sackgassenzählung b"} << 60;
    QTest::newRow("one line changes") << false << QStringList{"Spalte f", "Reihe 3"}
                                      << QStringList{"Spalte f", "Reihe 4"} << 220;
    QTest::newRow("a shorter line") << false << QStringList{"Schritte 4021, versuchte Reihen 15720"}
                                    << QStringList{"Schritte 9"} << 220;
    QTest::newRow("wrapped, then short") << true << QStringList{summen} << QStringList{"Lösungen 0"} << 220;
}

// Lines break where Qt's own word wrap breaks them, and lay their own
// ground: what the window shows after a change is what a whole painting
// shows, nothing of the lines before.
void TestSuchverlauf::linesAsQtDrawsThem()
{
    QFETCH(bool, umbrechen);
    QFETCH(QStringList, vorher);
    QFETCH(QStringList, zeilen);
    QFETCH(int, breite);

    QWidget fenster;
    auto *gesetzt = new Zeilen(4, &fenster, umbrechen);
    const int zeile = gesetzt->fontMetrics().lineSpacing();
    gesetzt->setGeometry(10, 10, breite, zeile * 4);
    fenster.resize(breite + 20, zeile * 4 + 20);
    gesetzt->setzeZeilen(vorher);
    fenster.show();
    QVERIFY(QTest::qWaitForWindowExposed(&fenster));
    gesetzt->setzeZeilen(zeilen);
    QCoreApplication::processEvents();
    const QImage gezeigt =
        fenster.screen()->grabWindow(fenster.winId()).toImage().convertToFormat(QImage::Format_RGB32);
    QVERIFY(gezeigt == fenster.grab().toImage().convertToFormat(QImage::Format_RGB32));

    const QImage schnell = gesetzt->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QImage soll(schnell.size(), QImage::Format_RGB32);
    soll.fill(gesetzt->palette().color(QPalette::Window));
    QPainter painter(&soll);
    painter.setFont(gesetzt->font());
    painter.setPen(gesetzt->palette().color(QPalette::WindowText));
    const int wie = int(Qt::AlignLeft | Qt::AlignTop) | (umbrechen ? int(Qt::TextWordWrap) : 0);
    painter.drawText(soll.rect(), wie, zeilen.join(u'\n'));
    painter.end();
    // Per line, where its ink begins and ends.
    const auto tinte = [&](const QImage &bild) {
        QList<QPoint> spannen;
        for (int oben = 0; oben + zeile <= bild.height(); oben += zeile) {
            QPoint spanne(-1, -1);
            for (int x = 0; x < bild.width(); ++x) {
                for (int y = oben; y < oben + zeile; ++y) {
                    if (qGray(bild.pixel(x, y)) < 128) {
                        spanne = QPoint(spanne.x() < 0 ? x : spanne.x(), x);
                        break;
                    }
                }
            }
            spannen << spanne;
        }
        return spannen;
    };
    const QList<QPoint> ist = tinte(schnell);
    const QList<QPoint> erwartet = tinte(soll);
    for (qsizetype i = 0; i < erwartet.size(); ++i) {
        QVERIFY2((ist[i] - erwartet[i]).manhattanLength() <= 2,
                 qPrintable(QStringLiteral("line %1: ink %2 to %3, Qt's %4 to %5")
                                .arg(i).arg(ist[i].x()).arg(ist[i].y()).arg(erwartet[i].x()).arg(erwartet[i].y())));
    }
}

// A row's size as a view lays it out, remembered but never stale: after
// the font changed, and for a row with a bold font of its own beside the
// same text in the list's font.
void TestSuchverlauf::rowSizes()
{
    QListWidget liste;
    auto *zeilen = new Bildzeilen(&liste);
    liste.setItemDelegate(zeilen);
    const QString text = QStringLiteral("  keine Reihe frei: räume s, zurück zu s − 1");
    liste.addItems({text, QStringLiteral("kurz")});
    auto *fett = new QListWidgetItem(text, &liste);
    QFont schrift = liste.font();
    schrift.setBold(true);
    fett->setFont(schrift);
    const QStyledItemDelegate frisch;
    for (const int groesse : {10, 20, 10}) {
        schrift = liste.font();
        schrift.setPixelSize(groesse);
        liste.setFont(schrift);
        // As the view makes it.
        QStyleOptionViewItem option;
        option.initFrom(&liste);
        option.font = liste.font();
        for (int zeile = 0; zeile < liste.count(); ++zeile) {
            const QModelIndex index = liste.model()->index(zeile, 0);
            QCOMPARE(zeilen->sizeHint(option, index), frisch.sizeHint(option, index));
        }
    }
}

// A row's sign is drawn as large as the model gives it, not as large as
// the view's icons.
void TestSuchverlauf::signsAtTheirSize()
{
    QListWidget liste;
    liste.setItemDelegate(new Bildzeilen(&liste));
    liste.setIconSize(QSize(24, 24));
    QPixmap zeichen(9, 9);
    zeichen.fill(Qt::red);
    auto *zeile = new QListWidgetItem(QStringLiteral("d2"), &liste);
    zeile->setData(Qt::DecorationRole, zeichen);
    liste.resize(200, 80);
    liste.show();
    QVERIFY(QTest::qWaitForWindowExposed(&liste));
    const QImage bild = liste.viewport()->grab().toImage();
    QRect rot;
    for (int y = 0; y < bild.height(); ++y) {
        for (int x = 0; x < bild.width(); ++x) {
            if (bild.pixel(x, y) == qRgb(255, 0, 0))
                rot |= QRect(x, y, 1, 1);
        }
    }
    QCOMPARE(rot.size(), QSize(9, 9));
}

void TestSuchverlauf::atTheQuestion()
{
    Aufbau a;
    a.stopBeiLoesung->setChecked(true);
    QString letzte;
    std::int64_t loesungen = -1;
    ModalAnswerer answerer([&](QMessageBox &box) {
        letzte = view::Suchprotokoll::text(*a.verlauf.letzter());
        loesungen = a.verlauf.summen().loesungen;
        QTest::keyClick(&box, Qt::Key_Escape);
    });
    a.lauf.setzeTempo(Tempo::Stufe::Sofort);
    a.lauf.durchlauf();
    QVERIFY2(letzte.endsWith("Schritt 218, h: h4 gesetzt – Lösung 1: a1 b5 c8 d6 e3 f7 g2 h4"),
             qPrintable(letzte));
    QCOMPARE(loesungen, 1);
    QCOMPARE(a.verlauf.letzter()->schritt.frage, board::Schritt::Frage::Nein);
}

// The record keeps as many entries as the search can take back; a row of
// the protocol names the entry it showed until the rows are brought up to
// date, whatever was dropped or added meanwhile.
void TestSuchverlauf::rowsAtTheCap()
{
    Geschichte g;
    g.spiele({"a+", "10010 steps"});
    QCOMPARE(g.verlauf.eintraege().size(), view::Suchverlauf::Grenze);
    QCOMPARE(g.verlauf.eintraege().front().schritt.nummer, 10011 - std::int64_t(view::Suchverlauf::Grenze));

    view::Suchprotokoll protokoll(g.verlauf);
    const QPersistentModelIndex zeile = protokoll.index(protokoll.rowCount() - 3);
    const QString gezeigt = zeile.data().toString();
    QVERIFY(gezeigt.contains("Schritt 10008,"));
    // The first step brings the rows up to date, the second comes after.
    g.lauf.einzelschritt();
    g.lauf.einzelschritt();
    QCOMPARE(zeile.data().toString(), gezeigt);
    QCOMPARE(view::Suchprotokoll::text(*g.verlauf.finde(protokoll.id(zeile.row()))), gezeigt);
    // Taken back, a line goes as soon as events run.
    g.lauf.schrittZurueck();
    QTRY_COMPARE(protokoll.rowCount(), int(view::Suchverlauf::Grenze) - 1);
    QCOMPARE(protokoll.index(protokoll.rowCount() - 1).data().toString(),
             view::Suchprotokoll::text(g.verlauf.eintraege().back()));
    QCOMPARE(protokoll.index(0).data().toString(), view::Suchprotokoll::text(g.verlauf.eintraege().front()));
}

void TestSuchverlauf::markMeanings_data()
{
    QTest::addColumn<QStringList>("aktionen");
    QTest::addColumn<QString>("zelle");
    QTest::addColumn<QString>("bedeutung"); // the tooltip, read as the description
    QTest::addColumn<QString>("namen");     // of the attackers, in the cell

    QTest::newRow("start") << QStringList{} << "a8" << "a8: hier arbeitet der nächste Schritt" << "";
    QTest::newRow("unmarked") << QStringList{} << "b8" << "" << "";
    QTest::newRow("kept") << QStringList{"5 steps"} << "e4" << "e4 gesetzt" << "";
    QTest::newRow("row tried, two attackers")
        << QStringList{"6 steps"} << "f3" << "f3: versucht, bedroht von b3 (gleiche Reihe) und e4 (Diagonale)"
        << "b3 e4";
    QTest::newRow("top row tried, column emptied")
        << QStringList{"6 steps"} << "f8" << "keine Reihe frei, zurück zu e; f8: versucht, bedroht von c5 (Diagonale)"
        << "c5";
    QTest::newRow("attacker of the last row") << QStringList{"6 steps"} << "c5" << "c5: greift f8 an" << "";
    QTest::newRow("where the queen stood") << QStringList{"7 steps"} << "e4" << "e4: hier stand die Dame vor dem Schritt"
                                           << "";
    QTest::newRow("its way") << QStringList{"7 steps"} << "e8" << "von e4 nach e8" << "";
    QTest::newRow("gone off the board")
        << QStringList{"9 steps"} << "e8" << "e8 war die letzte Reihe, zurück zu d; e8: hier stand die Dame vor dem Schritt"
        << "";
    // At a solution its queens are the solution's, not the attackers of
    // the rows below it.
    QTest::newRow("a solution's queen") << QStringList{"218 steps"} << "c8" << "c8: Dame der Lösung 1" << "";
    QTest::newRow("moved by hand") << QStringList{"a+", "b+"} << "b1"
                                   << "b1: von Hand gesetzt, bedroht von a1 (gleiche Reihe)" << "";
    QTest::newRow("its attacker") << QStringList{"a+", "b+"} << "a1" << "a1: greift b1 an" << "";
    QTest::newRow("moved by hand, not attacked") << QStringList{"a+", "c+", "c+"} << "c2" << "" << "";
    QTest::newRow("back to a hand move") << QStringList{"a+", "b+", "step", "back"} << "b1"
                                         << "b1: von Hand gesetzt, bedroht von a1 (gleiche Reihe)" << "";
    // A run ends on column a, where the next step begins.
    QTest::newRow("after a run") << QStringList{"stop", "no", "run"} << "a5" << "a5: hier arbeitet der nächste Schritt" << "";
}

// What each marked cell means, as its tooltip says to the mouse and to
// screen readers, and the attackers named in a tried row's cell: the marks
// of the record's newest entry.
void TestSuchverlauf::markMeanings()
{
    QFETCH(QStringList, aktionen);
    QFETCH(QString, zelle);
    QFETCH(QString, bedeutung);
    QFETCH(QString, namen);

    Geschichte g;
    g.spiele(aktionen);
    const view::Spuren::Bild bild = view::Spuren::bild(view::Spuren::anlass(g.verlauf.letzter(), g.verlauf.naechste()));
    const auto index = std::size_t(board::zellIndex(zelle[0].unicode() - u'a', zelle[1].digitValue()));
    QCOMPARE(bild.bedeutung[index], bedeutung);
    QCOMPARE(bild.namen[index], namen);
}

// Marks that mean different things differ in shape, where colour does not
// tell them apart: with their colours taken away, any two differ in a good
// part of what they cover. The bars of neighbouring columns stay apart.
void TestSuchverlauf::marksByShape()
{
    using view::Spuren;
    constexpr int seite = 48;
    const auto tinte = [](std::uint16_t marken, int breite) {
        QImage bild(breite, seite, QImage::Format_RGB32);
        bild.fill(Qt::white);
        QPainter painter(&bild);
        Spuren::zeichne(painter, QRectF(0, 0, seite, seite), marken);
        if (breite > seite)
            Spuren::zeichne(painter, QRectF(seite, 0, seite, seite), Spuren::Naechste);
        painter.end();
        QBitArray bits(qsizetype{breite} * seite);
        for (int y = 0; y < seite; ++y) {
            for (int x = 0; x < breite; ++x)
                bits.setBit(y * breite + x, qGray(bild.pixel(x, y)) < 200);
        }
        return bits;
    };
    const std::pair<Spuren::Marke, const char *> marken[] = {
        {Spuren::Gesetzt, "kept"},      {Spuren::Bedroher, "attacker"}, {Spuren::Bedroht, "moved by hand"},
        {Spuren::Vorher, "stood before"}, {Spuren::Loesung, "solution"}, {Spuren::Versuch, "tried"},
    };
    QStringList gleich;
    for (const auto &[a, nameA] : marken) {
        for (const auto &[b, nameB] : marken) {
            if (a >= b)
                continue;
            const QBitArray ta = tinte(a, seite);
            const QBitArray tb = tinte(b, seite);
            const qsizetype anders = (ta ^ tb).count(true);
            if (anders < (ta | tb).count(true) / 3)
                gleich << QStringLiteral("%1 and %2").arg(nameA, nameB);
        }
    }
    QVERIFY2(gleich.isEmpty(), qPrintable(gleich.join(u'\n')));
    // The column's right bar, then the next column's left: some columns of
    // pixels between them are bare.
    const QBitArray nachbarn = tinte(Spuren::Spalte, 2 * seite);
    int frei = 0;
    for (int x = seite - seite / 4; x < seite + seite / 4; ++x) {
        bool leer = true;
        for (int y = 0; y < seite && leer; ++y)
            leer = !nachbarn.testBit(y * 2 * seite + x);
        frei += leer ? 1 : 0;
    }
    QVERIFY2(frei >= seite / 8, qPrintable(QString::number(frei)));
}

void TestSuchverlauf::spoken_data()
{
    QTest::addColumn<QStringList>("aktionen");
    QTest::addColumn<bool>("versuche"); // "Versuche und Bedrohungen zeigen"
    QTest::addColumn<QStringList>("gesagt"); // the last ones, in order

    QTest::newRow("queen up") << QStringList{"c+"} << false << QStringList{"Reihe 1, in Ordnung"};
    QTest::newRow("queen attacked") << QStringList{"a+", "b+"} << false
                                    << QStringList{"Reihe 1, geht nicht, bedroht von a1"};
    QTest::newRow("queen attacked twice") << QStringList{"a+", "c+", "c+", "b+"} << false
                                          << QStringList{"Reihe 1, geht nicht, bedroht von a1 und c2"};
    QTest::newRow("queen taken off") << QStringList{"c+", "c-"} << false << QStringList{"keine Dame"};
    QTest::newRow("single step") << QStringList{"step"} << false
                                 << QStringList{"Schritt 1, Spalte a, a1 gesetzt"};
    QTest::newRow("step to a solution") << QStringList{"218 steps"} << false
                                        << QStringList{"Schritt 218, Spalte h, h4 gesetzt, Lösung 1"};
    QTest::newRow("step that clears") << QStringList{"a+", "a+", "a+", "a+", "a+", "a+", "a+", "a+", "step"} << false
                                      << QStringList{"Schritt 1, Spalte a, a8 war die letzte Reihe, Suche beendet"};
    QTest::newRow("a column emptied") << QStringList{"6 steps"} << false
                                      << QStringList{"Schritt 6, Spalte f, keine Reihe frei, zurück zu e"};
    QTest::newRow("step back") << QStringList{"step", "step", "step", "back"} << false
                               << QStringList{"Schritt 3 zurückgenommen, Spalte c leer"};
    QTest::newRow("step back to a queen") << QStringList{"a+", "a+", "a+", "a+", "a+", "a+", "a+", "a+", "step", "back"}
                                          << false << QStringList{"Schritt 1 zurückgenommen, Spalte a, Reihe 8"};
    QTest::newRow("steps with marks")
        << QStringList{"step", "step"} << true
        << QStringList{"Schritt 1, Spalte a, a1 gesetzt",
                       "Schritt 2, Spalte b, b1 bedroht von a1, b2 bedroht von a1, b3 gesetzt"};
    QTest::newRow("step 5 with marks")
        << QStringList{"5 steps"} << true
        << QStringList{"Schritt 5, Spalte e, e1 bedroht von a1 und d2, e2 bedroht von d2, e3 bedroht von b3, c5 "
                       "und d2, e4 gesetzt"};
    QTest::newRow("a step that empties its column, with marks")
        << QStringList{"6 steps"} << true
        << QStringList{"Schritt 6, Spalte f, f1 bedroht von a1, f2 bedroht von c5 und d2, f3 bedroht von b3 und e4, "
                       "f4 bedroht von d2 und e4, f5 bedroht von c5 und e4, f6 bedroht von a1, f7 bedroht von b3, "
                       "f8 bedroht von c5, keine Reihe frei, zurück zu e"};
    QTest::newRow("single step to a solution, No")
        << QStringList{"stop", "no", "218 steps"} << false
        << QStringList{"Schritt 218, Spalte h, h4 gesetzt, Lösung 1 steht auf dem Brett, a1, b5, c8, d6, e3, f7, g2, h4"};
    QTest::newRow("run, Yes then No")
        << QStringList{"stop", "yes", "no", "run"} << false
        << QStringList{"Lösung 1", "Lösung 2 steht auf dem Brett, a1, b6, c8, d3, e7, f4, g2, h5"};
}

// What screen readers are told of the search, as its record tells it.
void TestSuchverlauf::spoken()
{
    QFETCH(QStringList, aktionen);
    QFETCH(bool, versuche);
    QFETCH(QStringList, gesagt);

    Geschichte g;
    auto *ansage = new Ansage(&g.fenster);
    g.fenster.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&g.fenster));
    QSignalSpy gehoert(ansage, &Ansage::gesagt);
    ansage->erzaehle(g.verlauf, [&g] { return g.lauf.laeuftWeiter(); }, [versuche] { return versuche; });
    QObject::connect(&g.lauf, &Laufsteuerung::ansage, ansage, &Ansage::sage);
    g.spiele(aktionen);
    // Messages wait while the window is not the active one, as after a box,
    // and go out together.
    const auto alles = [&gehoert] {
        QStringList texte;
        for (const QList<QVariant> &text : gehoert)
            texte << text.at(0).toString();
        return texte.join(QStringLiteral(", "));
    };
    QTRY_VERIFY2(alles().endsWith(gesagt.join(QStringLiteral(", "))), qPrintable(alles()));
}

// With a pane beside the main window active, each message goes out at
// once and by itself, as a walk back line by line in the protocol says.
void TestSuchverlauf::spokenWhileAPaneIsActive()
{
    QWidget haupt;
    auto *ansage = new Ansage(&haupt);
    haupt.show();
    QWidget daneben;
    daneben.show();
    daneben.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&daneben));
    QSignalSpy gesagt(ansage, &Ansage::gesagt);
    for (const char *text : {"eins", "zwei", "zwei"})
        ansage->sage(QString::fromLatin1(text));
    QStringList gehoert;
    for (const QList<QVariant> &text : gesagt)
        gehoert << text.at(0).toString();
    QCOMPARE(gehoert, QStringList({"eins", "zwei", "zwei"}));
    // A pane with an announcer of its own says it: screen readers present
    // a notification only from the active window.
    auto *dort = new Ansage(&daneben);
    QSignalSpy dortGesagt(dort, &Ansage::gesagt);
    ansage->sage(QStringLiteral("drei"));
    QCOMPARE(dortGesagt.size(), 1);
    QCOMPARE(dortGesagt.at(0).at(0).toString(), "drei");
    QCOMPARE(gesagt.size(), 3);
}

void TestSuchverlauf::treeFollows_data()
{
    QTest::addColumn<QStringList>("aktionen");
    QTest::addColumn<QStringList>("nachher"); // with the tree made before
    QTest::addColumn<int>("basis");           // steps before the tree's first
    QTest::addColumn<int>("schritt");         // where it stands in the tree
    QTest::addColumn<QString>("weg");
    QTest::addColumn<int>("ende");            // the tree's last step
    QTest::addColumn<int>("neu");             // how often it was made anew

    QTest::newRow("from the start") << QStringList{} << QStringList{"5 steps"} << 0 << 5 << "a1 b3 c5 d2 e4" << 4021
                                    << 0;
    QTest::newRow("made later, the steps since the start")
        << QStringList{"5 steps"} << QStringList{} << 0 << 5 << "a1 b3 c5 d2 e4" << 4021 << 0;
    QTest::newRow("a step back") << QStringList{} << QStringList{"6 steps", "back"} << 0 << 5 << "a1 b3 c5 d2 e4"
                                 << 4021 << 0;
    // The board changed by hand: that board's search from the column in work.
    QTest::newRow("a hand move") << QStringList{} << QStringList{"5 steps", "a+"} << 5 << 0 << "a2 b3 c5 d2 e4"
                                 << 3715 << 1;
    QTest::newRow("Null") << QStringList{} << QStringList{"5 steps", "null"} << 5 << 0 << "a– b– c– d– e–" << 0 << 1;
    // A run from the empty board is the search the tree already shows.
    QTest::newRow("a run stopped at its first solution")
        << QStringList{} << QStringList{"stop", "no", "run"} << 218 << 0 << "" << 1 << 1;
    QTest::newRow("made after a run stopped at its first solution")
        << QStringList{"stop", "no", "run"} << QStringList{} << 218 << 0 << "" << 1 << 0;
    QTest::newRow("a full run ends, and one step after it")
        << QStringList{} << QStringList{"run", "step"} << 4021 << 1 << "a1" << 4021 << 1;
    QTest::newRow("a run after steps begins on a fresh board")
        << QStringList{} << QStringList{"5 steps", "run null"} << 1 << 0 << "" << 0 << 2;
}

// The tree follows the record: a step moves it on, a step back moves it
// back, anything else makes it anew from where the story stands.
void TestSuchverlauf::treeFollows()
{
    QFETCH(QStringList, aktionen);
    QFETCH(QStringList, nachher);
    QFETCH(int, basis);
    QFETCH(int, schritt);
    QFETCH(QString, weg);
    QFETCH(int, ende);
    QFETCH(int, neu);

    Geschichte g;
    g.spiele(aktionen);
    view::Suchbaumstand stand(g.verlauf);
    QSignalSpy gemacht(&stand, &view::Suchbaumstand::neu);
    g.spiele(nachher);
    const view::Suchbaum &baum = stand.baum();
    QStringList namen;
    for (const int i : baum.pfad(stand.schritt()))
        namen << baum.name(i).replace(QStringLiteral(" leer"), QStringLiteral("–"));
    QCOMPARE(baum.basis(), basis);
    QCOMPARE(stand.schritt(), schritt);
    QCOMPARE(namen.join(u' '), weg);
    if (ende > 0)
        QCOMPARE(baum.ende(), ende);
    // Made anew only where the story left the tree.
    QCOMPARE(gemacht.size(), neu);
}

void TestSuchverlauf::treePaintedByParts_data()
{
    QTest::addColumn<QList<int>>("schritte"); // shown one after the other

    QList<int> vor;
    for (int k = 0; k <= 60; ++k)
        vor << k;
    QList<int> zurueck;
    for (int k = 60; k >= 30; --k)
        zurueck << k;
    QTest::newRow("step by step") << vor;
    QTest::newRow("back step by step") << zurueck;
    QTest::newRow("far jumps") << QList<int>{5, 218, 4021, 0, 3000, 2999};
}

// The picture repaints at each step only what the step changed; what the
// window shows is then what a whole painting of the step shows.
void TestSuchverlauf::treePaintedByParts()
{
    QFETCH(QList<int>, schritte);

    view::Suchbaum baum;
    baum.berechne(view::Brett{}, 0, 0, 0);
    view::Suchbaumbild bild;
    bild.resize(440, 600);
    bild.neu(baum, schritte.first());
    bild.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bild));
    for (const int k : schritte) {
        bild.weiter(k);
        QCoreApplication::processEvents();
    }
    const QImage gezeigt = bild.screen()->grabWindow(bild.winId()).toImage().convertToFormat(QImage::Format_RGB32);
    const QImage ganz = bild.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(gezeigt.size(), ganz.size());
    QVERIFY(gezeigt == ganz);
}

void TestSuchverlauf::ablauf_data()
{
    QTest::addColumn<QStringList>("aktionen");
    QTest::addColumn<QString>("zeilen");   // the lines the last step ran
    QTest::addColumn<QStringList>("momente");

    QTest::newRow("a queen set") << QStringList{"2 steps"} << "0 1 2 3 4"
                                 << QStringList{"3: b1? bedroht von a1", "3: b2? bedroht von a1", "4: b3? frei: gesetzt"};
    QTest::newRow("set at once") << QStringList{"step"} << "0 1 2 4" << QStringList{"4: a1? frei: gesetzt"};
    QTest::newRow("moved up") << QStringList{"7 steps"} << "0 1 2 3 4"
                              << QStringList{"3: e5? bedroht von a1 und c5", "3: e6? bedroht von b3",
                                             "3: e7? bedroht von c5", "4: e8? frei: gesetzt"};
    QTest::newRow("no row free") << QStringList{"6 steps"} << "0 1 2 3 6"
                                 << QStringList{"3: f1? bedroht von a1", "3: f2? bedroht von c5 und d2",
                                                "3: f3? bedroht von b3 und e4", "3: f4? bedroht von d2 und e4",
                                                "3: f5? bedroht von c5 und e4", "3: f6? bedroht von a1",
                                                "3: f7? bedroht von b3", "3: f8? bedroht von c5",
                                                "6: keine Reihe frei, zurück zu e"};
    QTest::newRow("the top row reached") << QStringList{"9 steps"} << "0 1 2 6"
                                         << QStringList{"6: e8 war die letzte Reihe, zurück zu d"};
    QTest::newRow("a solution") << QStringList{"218 steps"} << "0 1 2 3 4 5"
                                << QStringList{"3: h1? bedroht von a1 und g2", "3: h2? bedroht von d6 und g2",
                                               "3: h3? bedroht von c8, e3 und g2", "4: h4? frei: gesetzt",
                                               "5: Lösung 1"};
    QTest::newRow("the end") << QStringList{"a+", "a+", "a+", "a+", "a+", "a+", "a+", "a+", "step"} << "0 1 2 6 7"
                             << QStringList{"6: a8 war die letzte Reihe, Suche beendet", "7: Suche beendet"};
}

// The lines each kind of step runs, its moments, and the pane that shows
// them as the record tells of the step: its last line current.
void TestSuchverlauf::ablauf()
{
    QFETCH(QStringList, aktionen);
    QFETCH(QString, zeilen);
    QFETCH(QStringList, momente);

    Geschichte g;
    Ablaufansicht ansicht(g.verlauf, g.anzeige);
    // A slow run walks through a step's moments, its values and stack those
    // of the step all the same.
    Ablaufansicht langsam(g.verlauf, g.anzeige);
    langsam.setzeTakt(std::chrono::seconds(1));
    langsam.setzeLauf(true);
    g.spiele(aktionen);
    const view::Suchverlauf::Eintrag &letzter = *g.verlauf.letzter();
    QStringList gelaufen;
    for (const view::Ablauf::Zeile zeile : view::Ablauf::gelaufen(letzter.schritt))
        gelaufen << QString::number(zeile);
    QCOMPARE(gelaufen.join(u' '), zeilen);
    QStringList gesehen;
    for (const view::Ablauf::Moment &moment : view::Ablauf::momente(letzter.schritt, letzter.brett))
        gesehen << QStringLiteral("%1: %2").arg(moment.zeile).arg(moment.notiz);
    QCOMPARE(gesehen, momente);
    QCOMPARE(ansicht.aktuell(), gelaufen.last().toInt());
    QVERIFY(view::Ablauf::zeilen()[ansicht.aktuell()].contains(
        letzter.schritt.reihe > 0 ? (letzter.schritt.loesung > 0 ? "Lösung" : "setze") : (letzter.schritt.ende ? "beendet" : "zurück")));

    const auto zeilenIn = [](const Ablaufansicht &a, const char *name) { return a.findChild<Zeilen *>(name)->zeilen(); };
    QVERIFY(zeilenIn(ansicht, "Werte").value(0).endsWith(QStringLiteral("Schritte %1").arg(letzter.schritt.nummer)));
    QCOMPARE(zeilenIn(ansicht, "Werte").value(1), momente.last().section(QStringLiteral(": "), 1));
    QCOMPARE(QStringLiteral("%1: %2").arg(langsam.aktuell()).arg(langsam.notiz()), momente.first());
    QCOMPARE(zeilenIn(langsam, "Werte"), QStringList({zeilenIn(ansicht, "Werte").value(0), langsam.notiz()}));
    QCOMPARE(zeilenIn(langsam, "Stapel"), zeilenIn(ansicht, "Stapel"));
}

void TestSuchverlauf::prediction_data()
{
    QTest::addColumn<int>("vorher"); // steps from the empty board before the one guessed
    QTest::addColumn<int>("tipp");   // a row, or 0 for "keine Reihe frei, zurück"
    QTest::addColumn<QString>("urteil");

    QTest::newRow("set, right") << 0 << 1 << "Richtig: a1 ist die erste Reihe ohne Bedrohung";
    QTest::newRow("set, guessed back") << 0 << 0 << "Nicht ganz: a1 ist frei; der Schritt setzt auf a1";
    QTest::newRow("set, an attacked row")
        << 1 << 2 << "Nicht ganz: b2 ist bedroht von a1 (Diagonale); der Schritt setzt auf b3";
    QTest::newRow("set, a free row comes first")
        << 1 << 5 << "Nicht ganz: b3 ist frei und kommt vor b5; der Schritt setzt auf b3";
    QTest::newRow("moved up, right") << 6 << 8 << "Richtig: e8 ist die erste Reihe über e4 ohne Bedrohung";
    QTest::newRow("moved up, guessed below")
        << 6 << 3 << "Nicht ganz: der Schritt sucht erst über e4, wo die Dame stand; der Schritt setzt auf e8";
    QTest::newRow("moved up, an attacked row")
        << 6 << 6 << "Nicht ganz: e6 ist bedroht von b3 (Diagonale); der Schritt setzt auf e8";
    QTest::newRow("no row free, right") << 5 << 0 << "Richtig: keine Reihe frei, zurück zu e";
    QTest::newRow("no row free, guessed a row")
        << 5 << 7 << "Nicht ganz: f7 ist bedroht von b3 (Diagonale); keine Reihe frei, zurück zu e";
    QTest::newRow("top row reached, right") << 8 << 0 << "Richtig: e8 war die letzte Reihe, zurück zu d";
    QTest::newRow("top row reached, guessed it again")
        << 8 << 8 << "Nicht ganz: der Schritt sucht erst über e8, wo die Dame stand; e8 war die letzte Reihe, zurück zu d";
    QTest::newRow("solution, right") << 217 << 4 << "Richtig: h4 ist die erste Reihe ohne Bedrohung, Lösung 1";
    QTest::newRow("solution, an attacked row")
        << 217 << 3 << "Nicht ganz: h3 ist bedroht von c8 (Diagonale), e3 (gleiche Reihe) und g2 (Diagonale); "
                       "der Schritt setzt auf h4";
}

// Whether a guess of the next step was right, and why, for each kind of
// step, judged by the step as it was made.
void TestSuchverlauf::prediction()
{
    QFETCH(int, vorher);
    QFETCH(int, tipp);
    QFETCH(QString, urteil);

    Geschichte g;
    g.spiele({QStringLiteral("%1 steps").arg(vorher + 1)});
    const Eintrag *schritt = g.verlauf.letzter();
    QVERIFY(schritt);
    QVERIFY(schritt->art == Eintrag::Art::Schritt);
    const view::Vorhersage::Urteil u = view::Vorhersage::urteil(tipp, schritt->schritt, schritt->brett);
    QCOMPARE(u.text, urteil);
    QCOMPARE(u.richtig, urteil.startsWith("Richtig"));
}

QTEST_MAIN(TestSuchverlauf)
#include "tst_suchverlauf.moc"
