// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "paintarea.h"

#include <QtGlobal>
#include <algorithm>

PaintArea::PaintArea(const QRegion& region, const QRect& widget, const QTransform& toDevice)
    : area(region), bounds(region.boundingRect())
{
    bins.resize(std::max(widget.width(), 1) / binWidth + 1);
    for (const QRect& rect : region) {
        const int index = int(rects.size());
        rects.push_back(rect);
        deviceRects.push_back(toDevice.mapRect(QRectF(rect)).toAlignedRect());
        for (int bin = firstBin(rect.left()); bin <= lastBin(rect.right()); ++bin)
            bins[bin].push_back(index);
    }
}

int PaintArea::firstBin(int x) const
{
    return std::clamp(x / binWidth, 0, int(bins.size()) - 1);
}

int PaintArea::lastBin(int x) const
{
    return std::clamp(x / binWidth, 0, int(bins.size()) - 1);
}

bool PaintArea::touches(const QRect& shape) const
{
    if (!bounds.intersects(shape))
        return false;
    for (int bin = firstBin(shape.left()); bin <= lastBin(shape.right()); ++bin) {
        for (const int index : bins[bin]) {
            if (rects[index].intersects(shape))
                return true;
        }
    }
    return false;
}

std::vector<QRect> PaintArea::devicePieces(const QRect& logicalBounds, const QRect& pixels) const
{
    std::vector<QRect> pieces;
    if (!bounds.intersects(logicalBounds))
        return pieces;
    const int first = firstBin(logicalBounds.left());
    const int last = lastBin(logicalBounds.right());
    for (int bin = first; bin <= last; ++bin) {
        for (const int index : bins[bin]) {
            // A rectangle in several bins counts in its first one only.
            if (bin != std::max(first, firstBin(rects[index].left())))
                continue;
            const QRect piece = deviceRects[index] & pixels;
            if (!piece.isEmpty())
                pieces.push_back(piece);
        }
    }
    return pieces;
}

std::vector<QRect> PaintArea::strips(const QRect& rect, qreal pixelRatio)
{
    // Below the rows at which the painter spreads a fill over threads, for a rectangle
    // inside one of the area's own, where the clip cuts each row into one span.
    constexpr int deviceRows = 64;
    const int stripRows = std::max(1, int(deviceRows / std::max(pixelRatio, qreal(1))));
    std::vector<QRect> cut;
    for (int top = rect.top(); top <= rect.bottom(); top += stripRows)
        cut.emplace_back(rect.left(), top, rect.width(),
                         std::min(stripRows, rect.bottom() - top + 1));
    return cut;
}
