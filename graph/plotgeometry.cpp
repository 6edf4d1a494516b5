// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "plotgeometry.h"

#include "boxrounding.h"
#include "readernumbers.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace {
// Far enough outside the widget that a clamped line crosses the visible part as the exact
// one would, and small enough for the painter's coordinate range and for int.
// Left borders beyond a million kilometres mean nothing; the bound keeps sums in range.
constexpr double borderLimit = 1e12;
// Labels that ask for skipping every second one are this wide.
constexpr int wideLabelScale = 30;
constexpr double wideLabelMetres = 1000;
// Space kept between a distance label and the axis title.
constexpr int titleGap = 4;
// Smaller than this a label is no longer readable.
constexpr int smallestLabelPointSize = 5;
// Feet ticks lie at least a label's box (36 px) and a gap apart.
constexpr double feetTickGap = 40;
// A foot in tenths of a millimetre, a whole number.
constexpr long long footInTenthMillimetres = 3048;

long long floorDivision(long long a, long long b)
{
    const long long q = a / b;
    return (a % b != 0 && a < 0) ? q - 1 : q;
}

QString raisedExponent(long long exponent)
{
    static const char16_t superscripts[] = u"⁰¹²³⁴⁵⁶⁷⁸⁹";
    QString digits = QString::number(exponent);
    for (QChar& c : digits) {
        if (c.isDigit())
            c = QChar(superscripts[c.digitValue()]);
        else if (c == QLatin1Char('-'))
            c = QChar(u'⁻');
    }
    return QStringLiteral("10") + digits;
}
} // namespace

PlotGeometry::PlotGeometry(int width, int height, PlotMargins margins_, int distanceScale,
                           int blurScale, double leftBorderMetres, bool logScale,
                           LengthUnit axisUnit)
    : w(width), h(height), margins(margins_), sx(distanceScale), sy(blurScale), border(0),
      useLog(logScale), unit(axisUnit)
{
    const double millimetres = std::trunc(leftBorderMetres * 1000);
    if (!std::isnan(millimetres))
        border = static_cast<long long>(std::clamp(millimetres, -borderLimit, borderLimit));
}

int PlotGeometry::toRow(double y) const
{
    return static_cast<int>(held(y));
}

int PlotGeometry::rowOfAxisValue(double value) const
{
    return toRow(axisY() - value * sy);
}

double PlotGeometry::gridStep() const
{
    if (useLog || (sy >= 12 && sy <= 50))
        return 1;
    if (sy <= 2)
        return 10;
    if (sy <= 6)
        return 5;
    if (sy <= 11)
        return 2.5;
    return 0.5;
}

double PlotGeometry::gridLimit() const
{
    return sy > 0 ? 0.94 * plotHeight() / sy : 0;
}

double PlotGeometry::gridLabel(double value) const
{
    return useLog ? std::pow(10.0, value) : value;
}

bool PlotGeometry::raisedExponents(const TextWidth& width) const
{
    if (!useLog)
        return false;
    for (double value = 1; value < gridLimit(); ++value) {
        const double number = gridLabel(value);
        // "inf" would fit, but says nothing of the decade.
        if (!std::isfinite(number) ||
            width(ReaderNumbers::significant(number, 6), gridLabelPointSize) > gridLabelWidth)
            return true;
    }
    return false;
}

GridLabel PlotGeometry::gridLabelText(double value, const TextWidth& width, bool raised) const
{
    GridLabel label{ReaderNumbers::significant(gridLabel(value), 6), gridLabelPointSize};
    // The decade itself, so that labels past the double range (10^309) stay exact too.
    if (raised && useLog && value >= 1)
        label.text = raisedExponent(static_cast<long long>(std::llround(value)));
    while (label.pointSize > smallestLabelPointSize &&
           width(label.text, label.pointSize) > gridLabelWidth)
        --label.pointSize;
    return label;
}

int PlotGeometry::tickSpacing() const
{
    if (sx <= 5)
        return 100;
    if (sx <= 11)
        return 500;
    return 1000;
}

int PlotGeometry::feetTickStep() const
{
    int step = 1;
    for (int decade = 1; decade <= 1000000; decade *= 10) {
        for (int multiple : {1, 2, 5}) {
            step = multiple * decade;
            if (step * LengthUnits::metresPerFoot * 1000 >= feetTickGap * sx)
                return step;
        }
    }
    return step;
}

std::optional<long long> PlotGeometry::feetTick(int column) const
{
    // In tenths of a millimetre every multiple of a foot is whole, so the test is exact.
    const long long step = feetTickStep() * footInTenthMillimetres;
    const long long multiple = floorDivision(intervalEnd(column) * 10, step);
    // An axis that starts at 0 is labelled 0 there, as in metres.
    if (multiple * step > intervalStart(column) * 10 || (column == 1 && intervalStart(column) == 0))
        return multiple;
    return std::nullopt;
}

bool PlotGeometry::hasTick(int column) const
{
    if (unit == LengthUnit::Feet)
        return feetTick(column).has_value();
    const long long a = intervalStart(column);
    const long long b = intervalEnd(column);
    const long long t = tickSpacing();
    // Division truncates toward zero, so the multiple 0 needs its own test.
    return a / t != b / t || (a <= 0 && 0 <= b);
}

bool PlotGeometry::tickLabelFits(int column, double textWidth) const
{
    const double right =
        tickLabelLeft(column) + (tickLabelWidth + std::min<double>(textWidth, tickLabelWidth)) / 2;
    return right + titleGap <= distanceTitleX();
}

std::optional<double> PlotGeometry::tickLabel(int column) const
{
    if (unit == LengthUnit::Feet) {
        const std::optional<long long> multiple = feetTick(column);
        return multiple ? std::optional<double>(double(*multiple * feetTickStep())) : std::nullopt;
    }
    const long long b = std::clamp<long long>(intervalEnd(column), INT_MIN, INT_MAX);
    const double metres = roundToStep(static_cast<int>(b), tickSpacing()) / 1000.0;
    if (metres >= wideLabelMetres && sx >= wideLabelScale &&
        static_cast<long long>(metres) % 2 != 0)
        return std::nullopt;
    return metres;
}

double PlotGeometry::startDistance(double focusDistance) const
{
    return std::trunc(focusDistance + static_cast<double>(border));
}

namespace CaptionNumbers {
double blurAtInfinity(double zInf)
{
    if (zInf > 10)
        return std::floor(zInf);
    return std::trunc(zInf * 100) / 100;
}

double fullFrameScale(double scale)
{
    return std::floor(scale + 0.5);
}

double magnification(double scale)
{
    if (!(scale < 1))
        return 0;
    return std::round(10 / scale) / 10;
}

int diagonalDecimals(double length)
{
    if (length < 10)
        return 2;
    if (length < 100)
        return 1;
    return 0;
}
} // namespace CaptionNumbers
