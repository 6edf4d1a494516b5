// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include <QString>

#include <array>

// The fixed list of sensor formats the CoC presets choose from. Indices are the
// combo box indices of the main window, so the order is part of the project file format.
class SensorFormatTable
{
public:
    SensorFormatTable();

    int formatCount() const { return int(widths.size()); }
    QString name(int index) const { return names[index]; }
    double width(int index) const { return widths[index]; }
    double height(int index) const { return heights[index]; }
    double diagonal(int index) const;

private:
    static constexpr int rows = 15;
    std::array<double, rows> widths;
    std::array<double, rows> heights;
    std::array<QString, rows> names;
};
