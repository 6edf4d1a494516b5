// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// Runs the built program as a user does in a terminal, without any display.
class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void answersWithoutAWindow_data();
    void answersWithoutAWindow();
};

void TestCommandLine::answersWithoutAWindow_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("platform");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");
    const QString usage = "Usage: " ZIDOV_PROGRAM " [options] [file]\n";
    QTest::newRow("help") << ZIDOV_PROGRAM << QStringList("--help") << "" << 0 << usage << "";
    QTest::newRow("version") << ZIDOV_PROGRAM << QStringList("-v") << "" << 0 << "Zidov 0.14ruri\n"
                             << "";
    QTest::newRow("unknown option")
        << ZIDOV_PROGRAM << QStringList({"--bogus", "a.mvx"}) << "" << 2 << ""
        << "Zidov: Unknown option 'bogus'.\n\n" + usage;
    QTest::newRow("two projects") << ZIDOV_PROGRAM << QStringList({"a.mvx", "b.mvx"}) << "" << 2
                                  << ""
                                  << "Zidov: Only one project file can be opened at a time.\n\n" +
                                         usage;
    // Where the toolkit can run it takes its own options first; what is left is answered.
    QTest::newRow("toolkit option before --version")
        << ZIDOV_PROGRAM << QStringList({"-reverse", "--version"}) << "offscreen" << 0
        << "Zidov 0.14ruri\n"
        << "";
    QTest::newRow("German help") << ZIDOV_PROGRAM "_de.exe" << QStringList("-h") << "" << 0
                                 << "Aufruf: " ZIDOV_PROGRAM "_de.exe [Optionen] [datei]\n"
                                 << "";
}

void TestCommandLine::answersWithoutAWindow()
{
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);
    QFETCH(QString, platform);
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(name);
    if (!platform.isEmpty())
        environment.insert("QT_QPA_PLATFORM", platform);
    // Keeps the toolkit from remarking on a missing runtime folder.
    QTemporaryDir runtime;
    environment.insert("XDG_RUNTIME_DIR", runtime.path());
    process.setProcessEnvironment(environment);
    // The German catalogue lies beside the program, where a program started from the build
    // folder looks for it.
    process.setWorkingDirectory(ZIDOV_BUILD_DIR);
    process.start(program, arguments);
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QTEST(process.exitCode(), "status");
    // Each stream begins with what is expected, and an empty one stays empty.
    const auto begins = [](const QString& text, const QString& beginning) {
        return beginning.isEmpty() ? text.isEmpty() : text.startsWith(beginning);
    };
    const QString printed = QString::fromLocal8Bit(process.readAllStandardOutput());
    const QString complained = QString::fromLocal8Bit(process.readAllStandardError());
    QFETCH(QString, out);
    QFETCH(QString, err);
    QVERIFY2(begins(printed, out), qPrintable(printed));
    QVERIFY2(begins(complained, err), qPrintable(complained));
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
