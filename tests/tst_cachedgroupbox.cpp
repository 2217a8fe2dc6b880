// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cachedgroupbox.h"

#include <QtTest>

#include <algorithm>
#include <cstdlib>

namespace {

// The largest difference in any colour channel of any pixel.
int maxDifference(const QImage &a, const QImage &b)
{
    if (a.size() != b.size())
        return 255;
    int most = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            most = std::max({most, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                             std::abs(qBlue(p) - qBlue(q))});
        }
    }
    return most;
}

} // namespace

// The cached box must look like a plain one, also after a change. The cache
// may blend the frame's faint shadow with one level of rounding difference.
class TestCachedGroupBox : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }
    void looksLikeQGroupBox_data();
    void looksLikeQGroupBox();
};

void TestCachedGroupBox::looksLikeQGroupBox_data()
{
    QTest::addColumn<QString>("change");

    QTest::newRow("unchanged") << "";
    QTest::newRow("title") << "title";
    QTest::newRow("size") << "size";
    QTest::newRow("disabled") << "disabled";
    QTest::newRow("font") << "font";
}

void TestCachedGroupBox::looksLikeQGroupBox()
{
    QFETCH(QString, change);

    QWidget window;
    window.resize(640, 320);
    auto *plain = new QGroupBox(QStringLiteral("Automatischer Backtracker"), &window);
    auto *cached = new CachedGroupBox(&window);
    cached->setTitle(plain->title());
    plain->setGeometry(10, 10, 300, 300);
    cached->setGeometry(330, 10, 300, 300);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    cached->grab(); // fills the cache before the change

    for (QGroupBox *box : {static_cast<QGroupBox *>(plain), static_cast<QGroupBox *>(cached)}) {
        if (change == "title")
            box->setTitle(QStringLiteral("Lösungen"));
        else if (change == "size")
            box->resize(250, 200);
        else if (change == "disabled")
            box->setEnabled(false);
        else if (change == "font")
            box->setFont(QFont(QStringLiteral("Liberation Serif"), 16));
    }

    const QImage expected = window.grab(plain->geometry()).toImage();
    const QImage actual = window.grab(cached->geometry()).toImage();
    QVERIFY2(maxDifference(actual, expected) <= 1, qPrintable(QString::number(maxDifference(actual, expected))));
}

QTEST_MAIN(TestCachedGroupBox)
#include "tst_cachedgroupbox.moc"
