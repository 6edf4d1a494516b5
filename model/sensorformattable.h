// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include <QString>

#include <array>

// The fixed list of sensor formats the CoC presets choose from. Indices are the
// combo box indices of the main window, so the order is part of the project file format:
// formats added later go to the end. The combo boxes end with one more item, a custom
// sensor of typed width and height, at customIndex().
class SensorFormatTable
{
public:
    SensorFormatTable();

    int formatCount() const { return int(widths.size()); }
    QString name(int index) const { return names[index]; }
    double width(int index) const { return widths[index]; }
    double height(int index) const { return heights[index]; }
    double diagonal(int index) const;
    // The first formats, which every version of the project file can hold.
    static constexpr int firstFormatCount = 15;
    int customIndex() const { return formatCount(); }
    // The listed format whose crop factor lies within 1 % of this one, or -1.
    int formatWithCrop(double crop) const;
    // The listed format of the first ones whose diagonal comes closest to this one.
    int nearestFirstFormat(double diagonal) const;

private:
    static constexpr int rows = 18;
    std::array<double, rows> widths;
    std::array<double, rows> heights;
    std::array<QString, rows> names;
};
