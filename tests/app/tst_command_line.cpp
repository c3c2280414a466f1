// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/test_registry.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// The built program asked on its command line, with no display of any kind: it answers,
// or refuses, before anything would need one.
class TestCommandLine : public QObject {
    Q_OBJECT
private slots:
    void answersWithoutADisplay_data();
    void answersWithoutADisplay();
};

void TestCommandLine::answersWithoutADisplay_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out");  // what standard output starts with
    QTest::addColumn<QString>("err");  // what standard error starts with
    const QString version = QStringLiteral("Ampora " AMPORA_VERSION "\n");
    const QString usage = QStringLiteral("Usage: ampora [options]\n");
    QTest::newRow("--version") << QStringList{"--version"} << 0 << version << QString();
    QTest::newRow("-v after Qt's own options")
        << QStringList{"-style", "fusion", "-reverse", "--platform", "xcb", "-v"} << 0 << version
        << QString();
    QTest::newRow("-h") << QStringList{"-h"} << 0 << usage << QString();
    QTest::newRow("unknown option") << QStringList{"--frobnicate"} << 1 << QString()
                                    << "ampora: Unknown option 'frobnicate'.\n\n" + usage;
    QTest::newRow("a file name") << QStringList{"circuit.txt"} << 1 << QString()
                                 << "ampora: Unexpected argument 'circuit.txt'.\n\n" + usage;
}

void TestCommandLine::answersWithoutADisplay() {
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, err);
    // Home, configuration, cache and working folder in one empty folder, which must stay empty.
    QTemporaryDir home;
    QVERIFY(home.isValid());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QLatin1String(name));
    for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME", "XDG_RUNTIME_DIR"})
        env.insert(QLatin1String(name), home.path());
    QProcess program;
    program.setProcessEnvironment(env);
    program.setWorkingDirectory(home.path());

    QElapsedTimer clock;
    clock.start();
    program.start(QStringLiteral(AMPORA_EXECUTABLE), arguments);
    QVERIFY(program.waitForFinished(10000));
    const qint64 elapsed = clock.elapsed();

    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), status);
    const QString stdOut = QString::fromLocal8Bit(program.readAllStandardOutput());
    const QString stdErr = QString::fromLocal8Bit(program.readAllStandardError());
    QVERIFY2(out.isEmpty() ? stdOut.isEmpty() : stdOut.startsWith(out), qPrintable(stdOut));
    QVERIFY2(err.isEmpty() ? stdErr.isEmpty() : stdErr.startsWith(err), qPrintable(stdErr));
    QVERIFY2(elapsed < 500, qPrintable(QStringLiteral("took %1 ms").arg(elapsed)));
    QCOMPARE(QDir(home.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), {});
}

AMPORA_TEST(TestCommandLine)
#include "tst_command_line.moc"
