// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The program as a process: how it starts without a display and how it
// ends on the signals a desktop session or a terminal sends.

#include <QProcess>
#include <QtTest>

#include <algorithm>
#include <csignal>

namespace {

// The signal sets a process shows in /proc: "SigIgn" ignored, "SigCgt" caught.
bool inSet(qint64 pid, const char *set, int signal)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return false;
    const QByteArray prefix = QByteArray(set) + ':';
    const QList<QByteArray> lines = status.readAll().split('\n');
    const auto line = std::find_if(lines.begin(), lines.end(), [&](const QByteArray &l) { return l.startsWith(prefix); });
    return line != lines.end() && ((line->mid(prefix.size()).trimmed().toULongLong(nullptr, 16) >> (signal - 1)) & 1U);
}

// This environment without any display or platform of its own.
QProcessEnvironment environmentWithoutDisplay()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    return environment;
}

} // namespace

class TestProgramm : public QObject
{
    Q_OBJECT

private slots:
    void endsOnSignal_data();
    void endsOnSignal();
    void withoutDisplay();
};

void TestProgramm::endsOnSignal_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("platformVariable");
    QTest::addColumn<int>("signal");
    QTest::addColumn<bool>("sigintIgnoredAtStart");

    QTest::newRow("SIGTERM") << QStringList() << "offscreen" << SIGTERM << false;
    QTest::newRow("SIGINT") << QStringList() << "offscreen" << SIGINT << false;
    QTest::newRow("SIGHUP") << QStringList() << "offscreen" << SIGHUP << false;
    QTest::newRow("SIGINT ignored by the parent") << QStringList() << "offscreen" << SIGTERM << true;
    QTest::newRow("-platform offscreen") << QStringList({"-platform", "offscreen"}) << "" << SIGTERM << false;
}

void TestProgramm::endsOnSignal()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, platformVariable);
    QFETCH(int, signal);
    QFETCH(bool, sigintIgnoredAtStart);

    QProcess program;
    QProcessEnvironment environment = environmentWithoutDisplay();
    if (!platformVariable.isEmpty())
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), platformVariable);
    program.setProcessEnvironment(environment);
    if (sigintIgnoredAtStart)
        program.setChildProcessModifier([] { std::signal(SIGINT, SIG_IGN); });
    program.start(QStringLiteral(PROGRAMM), arguments);
    QVERIFY(program.waitForStarted());

    // The handlers stand once the window is about to show.
    QTRY_VERIFY(inSet(program.processId(), "SigCgt", SIGTERM) || program.state() == QProcess::NotRunning);
    QCOMPARE(program.state(), QProcess::Running);
    QCOMPARE(inSet(program.processId(), "SigIgn", SIGINT), sigintIgnoredAtStart);
    QCOMPARE(inSet(program.processId(), "SigCgt", SIGINT), !sigintIgnoredAtStart);

    ::kill(static_cast<pid_t>(program.processId()), signal);
    QVERIFY(program.waitForFinished());
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
}

void TestProgramm::withoutDisplay()
{
    QProcess program;
    program.setProcessEnvironment(environmentWithoutDisplay());
    program.start(QStringLiteral(PROGRAMM));
    QVERIFY(program.waitForFinished());
    QCOMPARE(program.exitCode(), 1);
    const QString said = QString::fromUtf8(program.readAllStandardError());
    QVERIFY2(said.contains(QStringLiteral("grafische Sitzung")) && said.contains(QStringLiteral("xvfb-run")),
             qPrintable(said));
}

QTEST_GUILESS_MAIN(TestProgramm)
#include "tst_programm.moc"
