// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

// The four ways of deriving a camera's circle of confusion, and the crop factor
// that each hands on to CameraSetup.
namespace CocPresets {

// Diagonal of the full-frame (36 x 24 mm) sensor; crop factors are relative to it.
constexpr double fullFrameDiagonal = 43.26661531;
constexpr double standardPixelCount = 4170000;
constexpr int pixelPresetCount = 15;
// The item after the presets: a pixel count typed in millions.
constexpr int customPixelCountIndex = pixelPresetCount;

struct CocAndCrop
{
    double coc;
    double crop;
};

// Pixel count of a preset of the "Quality" combo; unknown indices mean the standard grid.
double pixelCount(int presetIndex);
// The preset whose pixel count comes closest to this one.
int nearestPreset(double pixels);
// The sides of a 3:2 sensor of this diagonal, long side first.
struct SensorSides
{
    double width;
    double height;
};
SensorSides sidesOfDiagonal(double diagonal);

// About diagonal / 1503: the pixel-size result for the standard 4.17 Mpx grid.
CocAndCrop byCropFactor(double sensorDiagonal);
// Twice the pixel pitch along the diagonal, assuming a 3:2 grid of pixelCount pixels.
CocAndCrop byPixelSize(double sensorDiagonal, double pixelCount);
// The full-frame CoC scaled by viewing distance over print diagonal; formFactor 0 is 3:2,
// 1 is 4:3. That CoC is already the full-frame one scaled to the print, so the crop value is
// 1: the full-frame scale and field diagonal are those of the lens on a full-frame sensor.
CocAndCrop byViewDistance(double viewDistance, double imageWidth, int formFactor);
// Manual CoC: the crop factor that would give this CoC by the diagonal / 1500 rule.
double cropForManualCoc(double coc);

} // namespace CocPresets
