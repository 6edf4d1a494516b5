// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "curvepixels.h"

#include "segmentshapes.h"

#include <algorithm>
#include <cstdlib>

namespace {
// QRect::contains of a valid rectangle, here where a curve asks it twice per column.
bool within(const QRect& area, const QPoint& point)
{
    return point.x() >= area.left() && point.x() <= area.right() && point.y() >= area.top() &&
           point.y() <= area.bottom();
}

bool ruled(const QLine& segment, const QRect& unclipped)
{
    return segment.dx() == 1 && std::abs(segment.dy()) <= CurvePixels::maxRise &&
           within(unclipped, segment.p1()) && within(unclipped, segment.p2());
}

// A level stretch of single pixels is one rectangle.
void addRun(std::vector<QRect>& runs, const QRect& run)
{
    if (!runs.empty()) {
        QRect& last = runs.back();
        if (last.height() == 1 && run.height() == 1 && last.top() == run.top() &&
            last.right() + 1 == run.left()) {
            last.setRight(run.right());
            return;
        }
    }
    runs.push_back(run);
}
} // namespace

CurvePixels::CurvePixels(const std::vector<QLine>& segments, const QRect& unclipped)
{
    runs.reserve(segments.size());
    bool thisRuled = !segments.empty() && ruled(segments.front(), unclipped);
    for (size_t i = 0; i < segments.size(); ++i) {
        const QLine& segment = segments[i];
        const bool nextRuled = i + 1 < segments.size() && ruled(segments[i + 1], unclipped);
        if (!thisRuled) {
            strokes.push_back(segment);
            thisRuled = nextRuled;
            continue;
        }
        const int a = segment.y1();
        const int b = segment.y2();
        const int beforeB = a == b ? a : (b > a ? b - 1 : b + 1);
        addRun(runs, QRect(QPoint(segment.x1(), std::min(a, beforeB)),
                           QPoint(segment.x1(), std::max(a, beforeB))));
        // The next segment's own run starts on this one's last pixel.
        if (!nextRuled || segments[i + 1].p1() != segment.p2())
            addRun(runs, QRect(segment.p2(), segment.p2()));
        thisRuled = nextRuled;
    }
}

CurvePixels::CurvePixels(const std::vector<QLine>& segments, const QRect& unclipped,
                         SegmentShapes& shapes)
{
    const int scale = shapes.scale();
    runs.reserve(2 * segments.size());
    for (const QLine& segment : segments) {
        if (segment.dx() != 1 || std::abs(segment.dy()) > SegmentShapes::maxRise) {
            strokes.push_back(segment);
            continue;
        }
        const std::vector<QRect>& shape = shapes.pixels(segment.dy());
        const QPoint start = segment.p1() * scale;
        const bool inside = std::all_of(shape.begin(), shape.end(), [&](const QRect& pixels) {
            return unclipped.contains(pixels.translated(start));
        });
        if (!inside) {
            strokes.push_back(segment);
            continue;
        }
        for (const QRect& pixels : shape) {
            const QRect placed = pixels.translated(start);
            // Level stretches overlap their neighbours' caps: one rectangle for all of them.
            if (!runs.empty()) {
                QRect& last = runs.back();
                if (last.top() == placed.top() && last.bottom() == placed.bottom() &&
                    placed.left() <= last.right() + 1 && placed.right() >= last.left()) {
                    last.setLeft(std::min(last.left(), placed.left()));
                    last.setRight(std::max(last.right(), placed.right()));
                    continue;
                }
            }
            runs.push_back(placed);
        }
    }
}
