// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "languagechoice.h"

#include <QtTest>

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void languageFromProgramName_data();
    void languageFromProgramName();
};

void TestStartup::languageFromProgramName_data()
{
    QTest::addColumn<QByteArray>("argv0");
    QTest::addColumn<bool>("german");
    QTest::newRow("plain name") << QByteArray("Zidov.exe") << false;
    QTest::newRow("upper case") << QByteArray("ZIDOV_DE.EXE") << true;
    QTest::newRow("any name with the ending") << QByteArray("C:\\Programs\\x_de.exe") << true;
    QTest::newRow("mixed case") << QByteArray("./zidov_De.Exe") << true;
    QTest::newRow("without .exe") << QByteArray("Zidov_de") << false;
    QTest::newRow("ending only in the folder") << QByteArray("/opt/a_de.exe/Zidov") << false;
    QTest::newRow("empty") << QByteArray("") << false;
}

void TestStartup::languageFromProgramName()
{
    QFETCH(QByteArray, argv0);
    QTEST(wantsGerman(argv0.constData()), "german");
    QVERIFY(!wantsGerman(nullptr));
    QCOMPARE(germanCatalogueName(), QString("Zidov_de"));
}

QTEST_APPLESS_MAIN(TestStartup)
#include "tst_startup.moc"
