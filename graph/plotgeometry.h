// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include "depthoffield.h"
#include "lengthunit.h"

#include <QString>

#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>

class CameraSetup;

// A label of the blur axis as drawn: its text and its font size in points.
struct GridLabel
{
    QString text;
    int pointSize;
};

// The width in pixels that a text's ink takes at a font size in points.
using TextWidth = std::function<double(const QString& text, int pointSize)>;

struct PlotMargins
{
    int left;
    int right;
    int top;
    int bottom;
};

// Where things go on the blur plot: pixel rows for blur values, the distance each pixel
// column stands for, grid and tick rules. Plain arithmetic, so the rules can be checked
// without a widget. Column i (1 <= i < plotWidth()) covers the distance interval
// (intervalStart(i), intervalEnd(i)] in millimetres along the axis.
class PlotGeometry
{
public:
    // distanceScale: mm per pixel column; blurScale: pixels per unit (or decade) of zc;
    // leftBorderMetres: the distance at the vertical axis; axisUnit: the unit of the
    // distance axis's ticks and labels.
    PlotGeometry(int width, int height, PlotMargins margins, int distanceScale, int blurScale,
                 double leftBorderMetres, bool logScale, LengthUnit axisUnit = LengthUnit::Metres);

    int width() const { return w; }
    int height() const { return h; }
    int plotWidth() const { return w - margins.left - margins.right; }
    int plotHeight() const { return h - margins.top - margins.bottom; }
    int axisX() const { return margins.left; }
    int axisY() const { return h - margins.bottom; }
    int distanceScale() const { return sx; }
    int blurScale() const { return sy; }
    long long leftBorder() const { return border; }
    bool logScale() const { return useLog; }
    LengthUnit axisUnit() const { return unit; }

    long long intervalStart(int column) const { return border + (column - 1LL) * sx; }
    long long intervalEnd(int column) const { return border + column * static_cast<long long>(sx); }

    // Pixel row of a zc value (log10 of it on the log scale). Values without a place in the
    // widget are held a few million rows beyond its edges, which keeps every line that
    // reaches the visible part unchanged and the conversion to int defined: NaN above the
    // top, 0 on the log scale below the bottom.
    // Inline, as a curve asks for one per column.
    int rowOfBlur(double zc) const { return static_cast<int>(exactRowOfBlur(zc)); }
    // The same place before it is cut to a whole row, for lines at floating-point positions.
    double exactRowOfBlur(double zc) const
    {
        return held(axisY() - (useLog ? std::log10(zc) : zc) * sy);
    }
    // Pixel row of a grid value already on the axis's own scale (a decade on the log scale).
    int rowOfAxisValue(double value) const;

    // The horizontal grid covers grid values 0, step, 2 step, ... below gridLimit().
    double gridStep() const;
    double gridLimit() const;
    // The label of a grid value: itself, or the power of ten it stands for.
    double gridLabel(double value) const;
    // Whether the log scale's labels are written as 10 with a raised exponent ("10⁴"): when
    // any decade on the axis is too wide for its box as 'g' 6, every decade from 10 up is
    // written so, one style for the whole axis.
    bool raisedExponents(const TextWidth& width) const;
    // How a grid value's label is written into its box left of the axis: as 'g' 6, or raised
    // as above; where even that (or a linear number) is too wide, in a smaller font, so that
    // it is readable in full.
    GridLabel gridLabelText(double value, const TextWidth& width, bool raised) const;
    static constexpr int gridLabelWidth = 22;
    static constexpr int gridLabelPointSize = 8;

    // In metres: the tick spacing in mm, chosen by the distance scale.
    int tickSpacing() const;
    // In feet: ticks sit at whole multiples of this many feet, 1, 2 or 5 times a power of
    // ten, far enough apart that no two labels overlap.
    int feetTickStep() const;
    bool hasTick(int column) const;
    // A tick's label is centred in a box this wide below the axis, starting at
    // tickLabelLeft(column).
    static constexpr int tickLabelWidth = 36;
    int tickLabelLeft(int column) const { return axisX() + column - 15; }
    // Where the distance axis's title starts, on its baseline below the axis.
    int distanceTitleX() const { return w - 72; }
    // Whether a label textWidth pixels wide stays clear of the axis title at the right end.
    bool tickLabelFits(int column, double textWidth) const;
    // The label of a tick in the axis's unit, or nothing where every second wide label is left out.
    std::optional<double> tickLabel(int column) const;

    // The distance a camera's curve samples in the column: from the camera, or from the
    // camera's focus plane at focusDistance (in mm, truncated to a whole millimetre).
    double sampleDistance(int column, bool fromCamera, double focusDistance) const
    {
        const auto onAxis = static_cast<double>(intervalEnd(column));
        return fromCamera ? onAxis : std::trunc(focusDistance + onAxis);
    }

    // Column 0 in focus-plane mode: where the curve starts.
    double startDistance(double focusDistance) const;

    bool operator==(const PlotGeometry& other) const
    {
        return w == other.w && h == other.h && margins.left == other.margins.left &&
               margins.right == other.margins.right && margins.top == other.margins.top &&
               margins.bottom == other.margins.bottom && sx == other.sx && sy == other.sy &&
               border == other.border && useLog == other.useLog && unit == other.unit;
    }
    bool operator!=(const PlotGeometry& other) const { return !(*this == other); }

private:
    static constexpr double rowOverhang = 1 << 22;
    double held(double y) const
    {
        if (std::isnan(y))
            return -rowOverhang;
        return std::clamp(y, -rowOverhang, h + rowOverhang);
    }
    int toRow(double y) const;
    // The multiple of feetTickStep() whose distance lies in the column's interval.
    std::optional<long long> feetTick(int column) const;

    int w;
    int h;
    PlotMargins margins;
    int sx;
    int sy;
    long long border;
    bool useLog;
    LengthUnit unit;
};

// The curve's rule, shared by the plot and the exported curve data: at or inside the focal
// length no real image forms, so the blur is not evaluated and the curve is pinned high.
namespace CurveRule {
constexpr double pinnedBlur = 10000;
constexpr double closestEvaluated(double focalLength)
{
    return focalLength;
}
} // namespace CurveRule

// Rules for the numbers of a camera's caption.
namespace CaptionNumbers {
// Whole numbers above 10, otherwise truncated to two decimals.
double blurAtInfinity(double zInf);
// The x of the full-frame scale 1:x, to the nearest integer.
double fullFrameScale(double scale);
// Above 1:1 the scale is written m:1: the m, to one decimal; 0 at 1:1 and below.
double magnification(double scale);
// Decimals of the object field diagonal in the unit shown: fewer for larger fields.
int diagonalDecimals(double length);

// Endless, finite or no depth of field: the model's rules, shared with the comparisons.
using DepthRules::DepthLimits;
using DepthRules::depthLimits;
using DepthRules::DepthOfField;
} // namespace CaptionNumbers
