// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include <QRect>
#include <QRegion>
#include <QTransform>

#include <vector>

// The part of the widget one paint covers. A refresh after a small change paints a region
// of hundreds of rectangles, and the plot asks for each of its thousands of shapes whether
// it reaches in; QRegion answers that by walking all of them, this by looking only at the
// rectangles in the shape's columns.
class PaintArea
{
public:
    // toDevice: the painter's device transform, from widget to device pixels.
    PaintArea(const QRegion& region, const QRect& widget, const QTransform& toDevice);

    const QRegion& region() const { return area; }
    bool touches(const QRect& bounds) const;
    // The parts of pixels (in device pixels) inside the area, where logicalBounds holds the
    // same pixels in widget coordinates. At a fractional scale the parts may overlap by a
    // pixel, so they are only for opaque fills.
    std::vector<QRect> devicePieces(const QRect& logicalBounds, const QRect& pixels) const;
    // rect, which lies in one of the area's rectangles, cut into strips few device pixel
    // rows high (pixelRatio device rows to one of rect's) that together cover the same
    // pixels. Under a clip of many rectangles the painter hands a fill of many rows over to
    // other threads and waits for them, which on a small repaint costs far more than the
    // fill itself.
    static std::vector<QRect> strips(const QRect& rect, qreal pixelRatio = 1);

private:
    static constexpr int binWidth = 64;
    int firstBin(int x) const;
    int lastBin(int x) const;

    QRegion area;
    std::vector<QRect> rects;
    std::vector<QRect> deviceRects;
    std::vector<std::vector<int>> bins; // per column band: the rectangles reaching into it
    QRect bounds;
};
