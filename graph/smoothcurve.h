// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include <QPainterPath>

class PlotClip;
struct CurveTrace;

// A camera's curve for an output that shows finer than whole pixels (a vector file, a bitmap
// of two or more device pixels per pixel), where the pixel curve's whole rows and columns
// would show as steps: samplesPerPixel samples per plot column at exact distances, each at
// its floating-point place, the sample of a column's own distance on the centre of the pixel
// curve's column, joined into one path and cut to the plot's area as the pixel curve is.
namespace SmoothCurve {
QPainterPath path(const CurveTrace& curve, const PlotClip& clip, qreal penWidth,
                  int samplesPerPixel);
}
