// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include <QPen>
#include <QRect>

#include <vector>

// The device pixels an opaque pen that is not smoothed gives one curve segment, from
// (x - 1, a) to (x, a + rise), under a painter that enlarges by a whole factor, as on a
// high-density screen. The painter puts the pixels of every such segment at the same place
// relative to the device pixel where it starts, so each rise is drawn once, by the painter
// itself, and read back; filling those pixels is far cheaper than stroking every segment.
class SegmentShapes
{
public:
    static constexpr int maxRise = 128;

    SegmentShapes(const QPen& pen, int scale);
    bool drawnWith(const QPen& otherPen, int otherScale) const;
    int scale() const { return factor; }
    // Rows of pixels relative to the segment's first device pixel; rise within maxRise.
    const std::vector<QRect>& pixels(int rise);

private:
    std::vector<QRect> learn(int rise) const;

    QPen pen;
    int factor;
    std::vector<std::vector<QRect>> learned; // by rise + maxRise
    std::vector<bool> known;
};
