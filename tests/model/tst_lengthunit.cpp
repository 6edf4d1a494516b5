// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "lengthtext.h"
#include "lengthunit.h"

#include <QLocale>
#include <QtTest>

Q_DECLARE_METATYPE(LengthUnit)
Q_DECLARE_METATYPE(TextState)

class TestLengthUnit : public QObject
{
    Q_OBJECT

private slots:
    void firstUnitFollowsTheLocale();
    void typedLengths_data();
    void typedLengths();
    void everyBeginningOfALengthMayGoOn();
    void readerTexts_data();
    void readerTexts();
};

void TestLengthUnit::firstUnitFollowsTheLocale()
{
    QCOMPARE(LengthUnits::forLocale(QLocale(QLocale::English, QLocale::UnitedStates)),
             LengthUnit::Feet);
    QCOMPARE(LengthUnits::forLocale(QLocale(QLocale::German, QLocale::Germany)),
             LengthUnit::Metres);
    QCOMPARE(LengthUnits::forLocale(QLocale::c()), LengthUnit::Metres);
}

void TestLengthUnit::typedLengths_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<LengthUnit>("plainUnit");
    QTest::addColumn<QString>("decimalMarks");
    QTest::addColumn<TextState>("state");
    QTest::addColumn<double>("metres");
    const auto metres = LengthUnit::Metres;
    const auto feet = LengthUnit::Feet;
    const auto ok = TextState::Acceptable;
    const auto typing = TextState::Intermediate;
    const auto refused = TextState::Invalid;
    QTest::newRow("plain number in metres") << "5" << metres << "" << ok << 5.0;
    QTest::newRow("plain number in feet") << "5" << feet << "" << ok << 1.524;
    QTest::newRow("metres") << "5 m" << feet << "" << ok << 5.0;
    QTest::newRow("centimetres") << "350 cm" << feet << "" << ok << 3.5;
    QTest::newRow("feet with a decimal point") << "16.4 ft" << metres << "" << ok << 4.99872;
    QTest::newRow("feet sign") << "16'" << metres << "" << ok << 4.8768;
    QTest::newRow("feet and inch signs") << "16' 5\"" << metres << "" << ok << 5.0038;
    QTest::newRow("inches") << "197 in" << metres << "" << ok << 5.0038;
    QTest::newRow("feet and inches") << "16 ft 5 in" << metres << "" << ok << 5.0038;
    QTest::newRow("feet then bare inches") << "16'5" << metres << "" << ok << 5.0038;
    QTest::newRow("German decimal comma") << "4,5 m" << metres << "," << ok << 4.5;
    QTest::newRow("point in German too") << "4.5 m" << metres << "," << ok << 4.5;
    QTest::newRow("in front of the focus plane") << "-2.5 m" << feet << "" << ok << -2.5;
    QTest::newRow("unit being typed") << "16 f" << metres << "" << typing << 0.0;
    QTest::newRow("nothing yet") << "" << metres << "" << typing << 0.0;
    QTest::newRow("not a length") << "abc" << metres << "" << refused << 0.0;
    QTest::newRow("millimetres are not a distance unit here")
        << "5 mm" << metres << "" << refused << 0.0;
    QTest::newRow("metres then a number") << "5 m 3" << metres << "" << refused << 0.0;
    QTest::newRow("a comma is a decimal mark in English too")
        << "4,5 m" << metres << "" << ok << 4.5;
    QTest::newRow("unit without number") << "ft" << feet << "" << refused << 0.0;
}

void TestLengthUnit::typedLengths()
{
    QFETCH(QString, text);
    QFETCH(LengthUnit, plainUnit);
    QFETCH(QString, decimalMarks);
    QFETCH(TextState, state);
    const LengthReading reading = readLength(text, plainUnit, decimalMarks);
    QCOMPARE(reading.state, state);
    if (state == TextState::Acceptable)
        QTEST(reading.metres, "metres");
}

void TestLengthUnit::everyBeginningOfALengthMayGoOn()
{
    // Typed key by key, no keystroke of a length may be refused on the way.
    const QStringList lengths{"16' .5\"", ".5'.5\"", "16 ft .5 in", "-2.5 m",        "+3",
                              "350 cm",   "16′ 5″",  "16'5",        "1,5 ft 2,5 in", "197\""};
    for (const QString& length : lengths) {
        QCOMPARE(readLength(length, LengthUnit::Feet, QString()).state, TextState::Acceptable);
        for (qsizetype size = 0; size < length.size(); ++size)
            QVERIFY2(readLength(length.left(size), LengthUnit::Feet, QString()).state !=
                         TextState::Invalid,
                     qPrintable(length.left(size)));
    }
}

void TestLengthUnit::readerTexts_data()
{
    QTest::addColumn<double>("metres");
    QTest::addColumn<LengthUnit>("unit");
    QTest::addColumn<int>("extraDigits");
    QTest::addColumn<QString>("text");
    const auto metres = LengthUnit::Metres;
    QTest::newRow("a macro depth of field") << 0.0027648 << metres << 0 << "2.76 mm";
    QTest::newRow("a macro focus, a digit more") << 0.29967 << metres << 1 << "299.7 mm";
    QTest::newRow("just below 1 m reads 1.00 m") << 0.99972 << metres << 0 << "1.00 m";
    QTest::newRow("a hair short of 10 mm") << 0.009996 << metres << 0 << "10.0 mm";
    QTest::newRow("inches below 3 ft") << 0.3 << LengthUnit::Feet << 0 << "11.8 in";
    QTest::newRow("feet from 3 ft on") << 1.0 << LengthUnit::Feet << 0 << "3.28 ft";
}

void TestLengthUnit::readerTexts()
{
    QFETCH(double, metres);
    QFETCH(LengthUnit, unit);
    QFETCH(int, extraDigits);
    QTEST(LengthUnits::readerText(metres, unit, extraDigits), "text");
}

QTEST_APPLESS_MAIN(TestLengthUnit)
#include "tst_lengthunit.moc"
