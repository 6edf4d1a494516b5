// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include <QString>

// A value rounded to a number of decimals as a QDoubleSpinBox rounds what it is given:
// through its decimal text. What a box will hold can so be known, also without a box.
inline double roundedAsBox(double value, int decimals)
{
    return QString::number(value, 'f', decimals).toDouble();
}
