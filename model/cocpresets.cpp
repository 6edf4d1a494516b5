// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "cocpresets.h"

#include <array>
#include <cmath>

namespace CocPresets {

namespace {
// Half the diagonal, in pixels, of a 4170000-pixel 3:2 grid: sqrt(13 * 4170000 / 6) / 2.
constexpr double standardHalfDiagonalPixels = 1502.9138365189137;
// Full-frame CoC (diagonal / 1500) times the full-frame diagonal, as the print rule uses it.
constexpr double viewDistanceFactor = 1.247999991313917;

constexpr std::array<double, pixelPresetCount> presetPixels{
    standardPixelCount, 6000000,  8000000,  10000000, 12000000, 15000000, 16000000, 18000000,
    20000000,           21000000, 25000000, 32000000, 40000000, 64000000, 100000000};
} // namespace

double pixelCount(int presetIndex)
{
    if (presetIndex < 1 || presetIndex >= pixelPresetCount)
        return standardPixelCount;
    return presetPixels[presetIndex];
}

int nearestPreset(double pixels)
{
    int best = 0;
    for (int i = 1; i < pixelPresetCount; ++i) {
        if (std::abs(presetPixels[i] - pixels) < std::abs(presetPixels[best] - pixels))
            best = i;
    }
    return best;
}

SensorSides sidesOfDiagonal(double diagonal)
{
    const double unit = diagonal / std::sqrt(13.0);
    return {3 * unit, 2 * unit};
}

CocAndCrop byCropFactor(double sensorDiagonal)
{
    return {sensorDiagonal / standardHalfDiagonalPixels, fullFrameDiagonal / sensorDiagonal};
}

CocAndCrop byPixelSize(double sensorDiagonal, double pixels)
{
    const double longSide = std::sqrt(1.5 * pixels);
    const double shortSide = std::sqrt(2 * pixels / 3);
    const double halfDiagonal =
        std::sqrt((longSide / 2) * (longSide / 2) + (shortSide / 2) * (shortSide / 2));
    return {sensorDiagonal / halfDiagonal, fullFrameDiagonal / sensorDiagonal};
}

CocAndCrop byViewDistance(double viewDistance, double imageWidth, int formFactor)
{
    const double w2 = imageWidth * imageWidth;
    const double printDiagonal =
        formFactor == 0 ? std::sqrt(w2 + w2 * 4 / 9) : std::sqrt(w2 + w2 * 9 * 0.0625);
    return {viewDistance * viewDistanceFactor / (printDiagonal * fullFrameDiagonal), 1.0};
}

double cropForManualCoc(double coc)
{
    return fullFrameDiagonal / (coc * 1500);
}

} // namespace CocPresets
