// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "plotclip.h"

#include "plotgeometry.h"

#include <QRectF>

#include <algorithm>

namespace {
// The part t0..t1 of the line from a to b (t from 0 to 1) inside the rectangle, found edge by
// edge; false when nothing of it is inside.
bool clipLine(const QPointF& a, const QPointF& b, const QRectF& r, double& t0, double& t1)
{
    t0 = 0;
    t1 = 1;
    const double dx = b.x() - a.x();
    const double dy = b.y() - a.y();
    // Per edge: how fast the line approaches it (p) and how far inside its start lies (q).
    const double p[] = {-dx, dx, -dy, dy};
    const double q[] = {a.x() - r.left(), r.right() - a.x(), a.y() - r.top(), r.bottom() - a.y()};
    for (int edge = 0; edge < 4; ++edge) {
        if (p[edge] == 0) {
            if (q[edge] < 0)
                return false;
            continue;
        }
        const double t = q[edge] / p[edge];
        if (p[edge] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
    }
    return t0 <= t1;
}
} // namespace

PlotClip::PlotClip(const PlotGeometry& plot, int top)
    : pixels(QPoint(plot.axisX(), top), QPoint(plot.axisX() + plot.plotWidth() - 1, plot.axisY()))
{
}

QPainterPath PlotClip::path(const std::vector<QPointF>& points, qreal penWidth) const
{
    QPainterPath path;
    if (pixels.isEmpty())
        return path;
    // The line's own positions: the axis row's top edge is the axis value itself.
    const QRectF edges(QPointF(pixels.left(), pixels.top() + penWidth / 2),
                       QPointF(pixels.right() + 1, pixels.bottom()));
    // Whether the path ends where the next line starts, so that it goes on without a gap.
    bool joined = false;
    for (size_t i = 1; i < points.size(); ++i) {
        const QPointF& a = points[i - 1];
        const QPointF& b = points[i];
        double t0 = 0;
        double t1 = 1;
        if (!clipLine(a, b, edges, t0, t1)) {
            joined = false;
            continue;
        }
        const QPointF delta = b - a;
        if (!joined || t0 > 0)
            path.moveTo(a + t0 * delta);
        path.lineTo(t1 < 1 ? a + t1 * delta : b);
        joined = t1 == 1;
    }
    return path;
}
