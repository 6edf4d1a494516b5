// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "cocpresets.h"
#include "sensorformattable.h"

#include <QtTest>

#include <cmath>

namespace {
// The CoC box shows four decimals; that is the value the blur model reads back.
double shown(double coc)
{
    return std::round(coc * 10000) / 10000;
}
} // namespace

class TestCocPresets : public QObject
{
    Q_OBJECT

private slots:
    void formatTable();
    void byCropFactor_data();
    void byCropFactor();
    void byPixelSize_data();
    void byPixelSize();
    void pixelCountPresets();
    void byViewDistance();
    void manualCoc();
};

void TestCocPresets::formatTable()
{
    const SensorFormatTable table;
    QCOMPARE(table.formatCount(), 18);
    const QStringList names = {"56x56",
                               "48x35",
                               "45x30",
                               "Full-Frame Crop 1",
                               "APS-H Crop 1.3",
                               "DX Crop 1.5",
                               "APS-C Crop 1.6",
                               "Foveon",
                               "Four-Thirds Crop 2",
                               "Nikon CX",
                               "2/3\"",
                               "1/1.8\"",
                               "1/2.5\"",
                               "1/2.7\"",
                               "1/3.2\"",
                               "44x33",
                               "1/1.3\"",
                               "1/2.3\""};
    for (int i = 0; i < table.formatCount(); ++i)
        QCOMPARE(table.name(i), names.at(i));
    const double diagonals[] = {79.1960, 59.4054, 54.0833, 43.2666, 34.4746, 28.3734,
                                26.5707, 24.8783, 21.6400, 15.8644, 11.0000, 9.0000,
                                7.2201,  6.7201,  5.6400,  55.0000, 12.0000, 7.6663};
    for (int i = 0; i < table.formatCount(); ++i)
        QVERIFY2(std::fabs(table.diagonal(i) - diagonals[i]) < 1e-4, qPrintable(table.name(i)));
}

void TestCocPresets::byCropFactor_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<double>("coc");
    QTest::addColumn<double>("crop");
    QTest::newRow("full frame") << 3 << 0.0288 << 1.0;
    QTest::newRow("DX") << 5 << 0.0189 << 1.5249;
    QTest::newRow("56x56") << 0 << 0.0527 << 0.5463;
    QTest::newRow("1/3.2 inch") << 14 << 0.0038 << 7.6713;
}

void TestCocPresets::byCropFactor()
{
    QFETCH(int, format);
    QFETCH(double, coc);
    QFETCH(double, crop);
    const auto result = CocPresets::byCropFactor(SensorFormatTable().diagonal(format));
    QCOMPARE(shown(result.coc), coc);
    QVERIFY(std::fabs(result.crop - crop) < 1e-4);
}

void TestCocPresets::byPixelSize_data()
{
    QTest::addColumn<double>("pixels");
    QTest::addColumn<double>("coc");
    QTest::newRow("standard grid matches the crop-factor mode") << 4170000.0 << 0.0288;
    QTest::newRow("12 Mpx") << 12000000.0 << 0.0170;
    QTest::newRow("24 Mpx is twice a 6 um pitch") << 24000000.0 << 0.012;
}

void TestCocPresets::byPixelSize()
{
    QFETCH(double, pixels);
    QFETCH(double, coc);
    const auto result = CocPresets::byPixelSize(SensorFormatTable().diagonal(3), pixels);
    QCOMPARE(shown(result.coc), coc);
    QVERIFY(std::fabs(result.crop - 1.0) < 1e-9);
}

void TestCocPresets::pixelCountPresets()
{
    QCOMPARE(CocPresets::pixelCount(0), 4170000.0);
    QCOMPARE(CocPresets::pixelCount(-1), 4170000.0);
    QCOMPARE(CocPresets::pixelCount(15), 4170000.0);
    QCOMPARE(CocPresets::pixelCount(1), 6000000.0);
    QCOMPARE(CocPresets::pixelCount(4), 12000000.0);
    QCOMPARE(CocPresets::pixelCount(9), 21000000.0);
    QCOMPARE(CocPresets::pixelCount(14), 100000000.0);
}

void TestCocPresets::byViewDistance()
{
    const auto threeTwo = CocPresets::byViewDistance(1.2, 1.0, 0);
    QCOMPARE(shown(threeTwo.coc), 0.0288);
    QCOMPARE(threeTwo.crop, 1.0);
    const auto fourThree = CocPresets::byViewDistance(1.2, 1.0, 1);
    QCOMPARE(shown(fourThree.coc), 0.0277);
    // Only the ratio of distance to width counts.
    QCOMPARE(shown(CocPresets::byViewDistance(120, 100, 0).coc), 0.0288);
}

void TestCocPresets::manualCoc()
{
    QVERIFY(std::fabs(CocPresets::cropForManualCoc(0.03) - 0.96148) < 1e-5);
    QVERIFY(std::fabs(CocPresets::cropForManualCoc(0.0125) - 2.30755) < 1e-5);
}

QTEST_APPLESS_MAIN(TestCocPresets)
#include "tst_cocpresets.moc"
