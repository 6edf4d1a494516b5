// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "smoothcurve.h"

#include "plotclip.h"
#include "plotscene.h"

#include <vector>

namespace SmoothCurve {

QPainterPath path(const CurveTrace& curve, const PlotClip& clip, qreal penWidth,
                  int samplesPerPixel)
{
    const PlotGeometry& plot = curve.plot;
    const int columns = plot.plotWidth() - 1;
    if (columns < 1 || samplesPerPixel < 1)
        return {};
    const double border = static_cast<double>(plot.leftBorder());
    const double scale = plot.distanceScale();
    std::vector<QPointF> points;
    points.reserve(size_t(columns) * samplesPerPixel + 1);
    for (long long sample = 0; sample <= static_cast<long long>(columns) * samplesPerPixel;
         ++sample) {
        const double column = static_cast<double>(sample) / samplesPerPixel;
        // Exact distances: the whole millimetres the pixel curve samples in focus-plane mode
        // would show as steps here.
        const double onAxis = border + column * scale;
        const double distance = curve.fromCamera ? onAxis : curve.focus + onAxis;
        // An unsmoothed pixel covers the square right of and below its coordinates.
        points.emplace_back(plot.axisX() + column + 0.5,
                            plot.exactRowOfBlur(curve.blurAt(distance)));
    }
    return clip.path(points, penWidth);
}

} // namespace SmoothCurve
