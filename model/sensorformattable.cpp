// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "sensorformattable.h"

#include "cocpresets.h"

#include <cmath>

SensorFormatTable::SensorFormatTable()
    : widths{56,   48,  45,  36,  28.7, 23.7, 22.2, 20.7, 17.3,
             13.2, 8.8, 7.2, 5.8, 5.4,  4.5,  44,   9.6,  6.17},
      heights{56,  35,  30,  24,  19.1, 15.6, 14.6, 13.8, 13.0,
              8.8, 6.6, 5.4, 4.3, 4.0,  3.4,  33,   7.2,  4.55},
      names{QStringLiteral("56x56"),
            QStringLiteral("48x35"),
            QStringLiteral("45x30"),
            QStringLiteral("Full-Frame Crop 1"),
            QStringLiteral("APS-H Crop 1.3"),
            QStringLiteral("DX Crop 1.5"),
            QStringLiteral("APS-C Crop 1.6"),
            QStringLiteral("Foveon"),
            QStringLiteral("Four-Thirds Crop 2"),
            QStringLiteral("Nikon CX"),
            QStringLiteral("2/3\""),
            QStringLiteral("1/1.8\""),
            QStringLiteral("1/2.5\""),
            QStringLiteral("1/2.7\""),
            QStringLiteral("1/3.2\""),
            QStringLiteral("44x33"),
            QStringLiteral("1/1.3\""),
            QStringLiteral("1/2.3\"")}
{
}

double SensorFormatTable::diagonal(int index) const
{
    return std::sqrt(widths[index] * widths[index] + heights[index] * heights[index]);
}

int SensorFormatTable::formatWithCrop(double crop) const
{
    int best = -1;
    double bestDeviation = 0.01;
    for (int i = 0; i < formatCount(); ++i) {
        const double deviation = std::abs(CocPresets::fullFrameDiagonal / diagonal(i) / crop - 1);
        if (deviation <= bestDeviation) {
            best = i;
            bestDeviation = deviation;
        }
    }
    return best;
}

int SensorFormatTable::nearestFirstFormat(double wanted) const
{
    int best = 0;
    for (int i = 1; i < firstFormatCount; ++i) {
        if (std::abs(diagonal(i) - wanted) < std::abs(diagonal(best) - wanted))
            best = i;
    }
    return best;
}
