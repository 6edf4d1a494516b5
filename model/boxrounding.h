// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include <QString>

#include <climits>
#include <cmath>

// A value rounded to a number of decimals as a QDoubleSpinBox rounds what it is given:
// through its decimal text. What a box will hold can so be known, also without a box.
inline double roundedAsBox(double value, int decimals)
{
    return QString::number(value, 'f', decimals).toDouble();
}

// The multiple of step nearest to value, halves away from zero: a box's step in the model's
// units (0.01 ft in mm is no whole number of decimals), or a tick of the distance axis. A step
// below 1 is applied as a whole count of steps per unit, so that 1.4 comes out as 1.4 itself
// rather than as 14 * 0.1.
inline double roundedToStep(double value, double step)
{
    if (step >= 1)
        return std::round(value / step) * step;
    const double stepsPerUnit = std::round(1 / step);
    return std::round(value * stepsPerUnit) / stepsPerUnit;
}

// The same for whole numbers, kept in the int range; a step of 0 or less leaves value alone.
inline int roundToStep(int value, int step)
{
    if (step <= 0)
        return value;
    const double rounded = roundedToStep(double(value), double(step));
    // Rounding INT_MAX up leaves the int range.
    if (rounded > INT_MAX)
        return INT_MAX / step * step;
    if (rounded < INT_MIN)
        return INT_MIN / step * step;
    return int(rounded);
}
