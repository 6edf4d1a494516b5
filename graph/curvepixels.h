// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include <QLine>
#include <QRect>

#include <vector>

class SegmentShapes;

// The pixels an opaque one-pixel pen that is not smoothed covers along the plot's curve,
// whose segments each reach from one pixel column to the next: stroking them costs a call
// and a span per pixel, filling the same pixels as one rectangle per column is far cheaper.
// The stroke of a segment from (x - 1, a) to (x, b) covers column x - 1 from row a up to
// the row before b, and row b in column x. That rule holds for segments the painter does
// not have to clip and no steeper than maxRise rows; all others are left to be stroked.
struct CurvePixels
{
    static constexpr int maxRise = 128;

    // unclipped: where the painter strokes a segment without clipping it.
    CurvePixels(const std::vector<QLine>& segments, const QRect& unclipped);
    // The same under a painter that enlarges by shapes.scale(): the runs and unclipped are in
    // device pixels, counted from the painter's origin.
    CurvePixels(const std::vector<QLine>& segments, const QRect& unclipped, SegmentShapes& shapes);

    std::vector<QRect> runs;
    std::vector<QLine> strokes;
};
