// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "plotscene.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace {
// The widest pen, smoothed and two pixels wide, reaches a pixel and a half beside its
// line and shades one more.
constexpr int widestReach = 3;

// How far beside a segment's end points a camera's pen puts pixels: half its width and, at
// the ends, as much again for the square cap, plus a pixel shaded where it is smoothed.
int penReach(const CameraScene& camera)
{
    return std::min(widestReach, camera.penWidth + (camera.smoothed ? 1 : 0));
}

// The pixels a run of segments may touch; QRect's own union and normalisation are calls
// into the library, too slow for every segment of every change.
class Reach
{
public:
    void add(const QLine& segment)
    {
        left = std::min({left, segment.x1(), segment.x2()});
        right = std::max({right, segment.x1(), segment.x2()});
        top = std::min({top, segment.y1(), segment.y2()});
        bottom = std::max({bottom, segment.y1(), segment.y2()});
    }
    QRect rect(int margin) const
    {
        if (left > right)
            return {};
        return QRect(QPoint(left - margin, top - margin), QPoint(right + margin, bottom + margin));
    }

private:
    int left = INT_MAX;
    int top = INT_MAX;
    int right = INT_MIN;
    int bottom = INT_MIN;
};

// Uniting rectangles one by one costs the square of their number; halves first keeps it
// near linear for the hundreds a moved curve gives on a large plot.
QRegion unite(const std::vector<QRect>& rects, size_t from, size_t to)
{
    if (to - from == 1)
        return QRegion(rects[from]);
    const size_t middle = from + (to - from) / 2;
    return unite(rects, from, middle).united(unite(rects, middle, to));
}

QRegion unite(const std::vector<QRect>& rects)
{
    return rects.empty() ? QRegion() : unite(rects, 0, rects.size());
}

long long areaOf(const QRect& rect)
{
    return static_cast<long long>(rect.width()) * rect.height();
}

// Neighbouring rectangles as one where that adds little area: every rectangle of a repaint
// costs the painter more for every shape it clips than a few more pixels do.
void mergeNeighbours(std::vector<QRect>& rects)
{
    constexpr long long slack = 4096;
    std::vector<QRect> merged;
    for (const QRect& rect : rects) {
        if (!merged.empty()) {
            const QRect both = merged.back() | rect;
            if (areaOf(both) <= areaOf(merged.back()) + areaOf(rect) + slack) {
                merged.back() = both;
                continue;
            }
        }
        merged.push_back(rect);
    }
    rects.swap(merged);
}

// The columns whose segments differ, a chunk at a time, each with the pixels its old and
// its new segments may touch.
QRegion curveChange(const CurveTrace& before, const CurveTrace& after, int margin,
                    const QRect& plot)
{
    if (&before == &after)
        return {};
    if (before.segments.size() != after.segments.size())
        return QRegion(plot);
    std::vector<QRect> changed;
    const size_t count = after.segments.size();
    for (size_t start = 0; start < count; start += CurveTrace::chunkColumns) {
        Reach reach;
        for (size_t i = start; i < std::min(count, start + CurveTrace::chunkColumns); ++i) {
            if (before.segments[i] != after.segments[i]) {
                reach.add(before.segments[i]);
                reach.add(after.segments[i]);
            }
        }
        const QRect chunk = reach.rect(margin) & plot;
        if (!chunk.isEmpty())
            changed.push_back(chunk);
    }
    mergeNeighbours(changed);
    return unite(changed);
}

bool sameFrame(const PlotScene& a, const PlotScene& b)
{
    return a.plot == b.plot && a.curveArea == b.curveArea && a.pixelRatio == b.pixelRatio &&
           a.background == b.background && a.version == b.version &&
           a.distanceTitle == b.distanceTitle &&
           (a.stack == b.stack || (a.stack && b.stack && *a.stack == *b.stack));
}

bool sameLook(const CameraScene& a, const CameraScene& b)
{
    return a.colour == b.colour && a.penWidth == b.penWidth && a.smoothed == b.smoothed &&
           a.bandAlpha == b.bandAlpha && a.captionOffset == b.captionOffset &&
           a.captionFill == b.captionFill && a.captionArea == b.captionArea;
}
} // namespace

void CurveTrace::boundChunks()
{
    chunkReach.clear();
    for (size_t start = 0; start < segments.size(); start += chunkColumns) {
        Reach reach;
        for (size_t i = start; i < std::min(segments.size(), start + chunkColumns); ++i)
            reach.add(segments[i]);
        chunkReach.push_back(reach.rect(widestReach));
    }
}

bool PinnedScene::operator==(const PinnedScene& other) const
{
    const bool sameCurve =
        curve == other.curve || (curve && other.curve && curve->segments == other.curve->segments);
    return sameCurve && colour == other.colour && bandAlpha == other.bandAlpha &&
           band == other.band && name == other.name && legendLine == other.legendLine;
}

QRegion changedArea(const PlotScene& before, const PlotScene& after)
{
    const QRect plot(0, 0, after.plot.width(), after.plot.height());
    // Pinned setups change seldom, by a command of their own: then the whole plot.
    if (!sameFrame(before, after) || before.pinned != after.pinned ||
        before.legendArea != after.legendArea || before.legendFill != after.legendFill)
        return QRegion(plot);
    QRegion changed;
    for (size_t camera = 0; camera < after.cameras.size(); ++camera) {
        const std::optional<CameraScene>& old = before.cameras[camera];
        const std::optional<CameraScene>& now = after.cameras[camera];
        if (old.has_value() != now.has_value())
            return QRegion(plot);
        if (!now)
            continue;
        if (!sameLook(*old, *now))
            return QRegion(plot);
        // Curves are drawn only inside their area.
        changed += curveChange(*old->curve, *now->curve, penReach(*now), plot) & after.curveArea;
        // The band is one colour: where both cover a pixel it stays as it was.
        if (old->band != now->band)
            changed += QRegion(old->band).xored(QRegion(now->band)) & plot;
        if (!(old->caption == now->caption))
            changed += now->captionArea & plot;
    }
    if (after.pixelRatio == std::floor(after.pixelRatio))
        return changed;
    // At a fractional scale edges fall inside device pixels, where smoothing reaches a
    // device pixel further and the device pixels of the area are rounded.
    std::vector<QRect> grown;
    for (const QRect& rect : changed)
        grown.push_back(rect.adjusted(-1, -1, 1, 1) & plot);
    return unite(grown);
}
