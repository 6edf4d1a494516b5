// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "plotgeometry.h"

#include <QtTest>

#include <cmath>
#include <limits>

namespace {
constexpr double infinity = std::numeric_limits<double>::infinity();
constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();

// The plot of a 600 x 400 widget.
PlotGeometry plot(int sx, int sy, double borderMetres, bool log = false)
{
    return PlotGeometry(600, 400, PlotMargins{30, 10, 10, 30}, sx, sy, borderMetres, log);
}
} // namespace

class TestPlotGeometry : public QObject
{
    Q_OBJECT

private slots:
    void ticks_data()
    {
        QTest::addColumn<int>("sx");
        QTest::addColumn<double>("border");
        QTest::addColumn<int>("column");
        QTest::addColumn<bool>("tick");
        QTest::addColumn<double>("label"); // NaN: no label
        QTest::newRow("1 m at the border: no tick") << 31 << 1.0 << 1 << false << 0.0;
        QTest::newRow("default first tick") << 31 << 1.0 << 33 << true << 2.0;
        QTest::newRow("interval ending at 0") << 31 << -0.31 << 10 << true << 0.0;
        QTest::newRow("interval starting at 0") << 31 << -0.31 << 11 << true << 0.0;
        QTest::newRow("-1.5 m, 10 cm ticks") << 3 << -1.5 << 1 << true << -1.5;
        QTest::newRow("1001 m skipped") << 31 << 999.5 << 49 << true << notANumber;
        QTest::newRow("1001 m at 29 mm/px") << 29 << 999.5 << 52 << true << 1001.0;
    }
    void ticks()
    {
        QFETCH(int, sx);
        QFETCH(double, border);
        QFETCH(int, column);
        QFETCH(double, label);
        const PlotGeometry geometry = plot(sx, 50, border);
        QTEST(geometry.hasTick(column), "tick");
        if (geometry.hasTick(column))
            QCOMPARE(geometry.tickLabel(column).value_or(notANumber), label);
    }

    // Every tick of a feet axis sits in the column whose interval holds its multiple of the
    // step, ticks lie at least a label's box apart, and none is left out.
    void feetTicks_data()
    {
        QTest::addColumn<int>("sx");
        QTest::addColumn<double>("border");
        QTest::addColumn<int>("step");
        QTest::newRow("2 mm/px, from the camera") << 2 << 0.0 << 1;
        QTest::newRow("8 mm/px") << 8 << 1.0 << 2;
        QTest::newRow("default scale") << 31 << 1.0 << 5;
        QTest::newRow("50 mm/px, far out") << 50 << 950.0 << 10;
        QTest::newRow("across the focus plane") << 31 << -5.0 << 5;
    }
    void feetTicks()
    {
        QFETCH(int, sx);
        QFETCH(double, border);
        QFETCH(int, step);
        const PlotGeometry geometry(600, 400, PlotMargins{30, 10, 10, 30}, sx, 50, border, false,
                                    LengthUnit::Feet);
        QCOMPARE(geometry.feetTickStep(), step);
        // An axis starting at 0 is labelled there.
        const double start = geometry.intervalStart(1);
        const double first = start == 0 ? 0 : std::floor(start / (step * 304.8)) + 1;
        const double last =
            std::floor(geometry.intervalEnd(geometry.plotWidth() - 1) / (step * 304.8));
        int expected = int(first) * step;
        int previousColumn = -1000;
        for (int column = 1; column < geometry.plotWidth(); ++column) {
            if (!geometry.hasTick(column))
                continue;
            const double label = geometry.tickLabel(column).value();
            QCOMPARE(label, double(expected));
            const double millimetres = label * 304.8;
            QVERIFY((geometry.intervalStart(column) < millimetres || label == 0) &&
                    millimetres <= geometry.intervalEnd(column));
            QVERIFY(column - previousColumn >= 40);
            previousColumn = column;
            expected += step;
        }
        QCOMPARE(expected, int(last + 1) * step);
        QVERIFY(geometry != plot(sx, 50, border));
    }

    void rows_data()
    {
        QTest::addColumn<bool>("log");
        QTest::addColumn<double>("zc");
        QTest::addColumn<int>("row");
        QTest::newRow("zc 1.99 truncates") << false << 1.99 << 270;
        QTest::newRow("zc 100, log") << true << 100.0 << 270;
        QTest::newRow("pinned blur 10000") << false << 10000.0 << 370 - 500000;
        QTest::newRow("infinite blur: held above") << false << infinity << -(1 << 22);
        QTest::newRow("NaN: held above") << false << notANumber << -(1 << 22);
        QTest::newRow("zc 0, log: held below") << true << 0.0 << 400 + (1 << 22);
    }
    void rows()
    {
        QFETCH(bool, log);
        QFETCH(double, zc);
        QTEST(plot(31, 50, 1, log).rowOfBlur(zc), "row");
    }

    // One style on an axis: once a decade needs the raised exponent, all from 10 up have it.
    void gridLabelsThatDoNotFit_data()
    {
        QTest::addColumn<bool>("log");
        QTest::addColumn<int>("sy");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("pointSize");
        QTest::newRow("1000 fits on an axis up to 1000") << true << 100 << 3.0 << "1000" << 8;
        QTest::newRow("1 stays as it is") << true << 50 << 0.0 << "1" << 8;
        QTest::newRow("10 raised on an axis up to 10⁶") << true << 50 << 1.0 << "10¹" << 8;
        QTest::newRow("1000 raised on an axis up to 10⁶") << true << 50 << 3.0 << "10³" << 8;
        QTest::newRow("1e+10 raised") << true << 50 << 10.0 << "10¹⁰" << 8;
        QTest::newRow("past the double range, smaller") << true << 50 << 400.0 << "10⁴⁰⁰" << 7;
        QTest::newRow("linear 1010 fits") << false << 50 << 1010.0 << "1010" << 8;
        QTest::newRow("linear 10000 smaller") << false << 50 << 10000.0 << "10000" << 7;
    }
    void gridLabelsThatDoNotFit()
    {
        QFETCH(bool, log);
        QFETCH(int, sy);
        QFETCH(double, value);
        // Five pixels a character at 8 points, proportionally less in smaller fonts.
        const TextWidth width = [](const QString& text, int pointSize) {
            return text.size() * 5.0 * pointSize / 8;
        };
        const PlotGeometry geometry = plot(31, sy, 1, log);
        const GridLabel label =
            geometry.gridLabelText(value, width, geometry.raisedExponents(width));
        QTEST(label.text, "text");
        QTEST(label.pointSize, "pointSize");
    }

    void scalesDistancesAndCaptionNumbers()
    {
        QCOMPARE(plot(5, 51, 1).gridStep(), 0.5);
        QCOMPARE(plot(5, 6, 1, true).gridStep(), 1.0); // a line a decade, whatever the scale
        const PlotGeometry geometry = plot(31, 50, -1.5);
        QCOMPARE(geometry.sampleDistance(3, true, 5000.9), -1407.0);
        QCOMPARE(geometry.sampleDistance(3, false, 5000.9), 3593.0);
        QCOMPARE(geometry.startDistance(5000.9), 3500.0);
        // The axis title starts at x = 528; a label keeps 4 px from it.
        QVERIFY(geometry.tickLabelFits(488, 6) && !geometry.tickLabelFits(489, 6));
        QVERIFY(!geometry.tickLabelFits(474, 36));
        QCOMPARE(plot(31, 50, notANumber).leftBorder(), 0LL);
        QCOMPARE(plot(31, 50, -1e300).intervalStart(1), -1000000000000LL);
        QCOMPARE(CaptionNumbers::blurAtInfinity(10), 10.0);
        QCOMPARE(CaptionNumbers::blurAtInfinity(10.7), 10.0);
        QCOMPARE(CaptionNumbers::diagonalDecimals(9.999), 2);
        QCOMPARE(CaptionNumbers::diagonalDecimals(100.0), 0);
    }
};

QTEST_APPLESS_MAIN(TestPlotGeometry)
#include "tst_plotgeometry.moc"
