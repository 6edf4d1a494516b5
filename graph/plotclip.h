// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include <QPainterPath>
#include <QPointF>
#include <QRect>

#include <vector>

class PlotGeometry;

// The part of the plot that curves and depth-of-field bands may cover: from the vertical axis
// to the plot's last column, and from the horizontal axis up to where the grid lines end. On
// the log scale the horizontal axis is zc = 1, so a curve's sharper part would otherwise run
// below it through the distance labels.
class PlotClip
{
public:
    // top: the highest row the grid lines reach.
    PlotClip(const PlotGeometry& plot, int top);

    // In whole pixels, the axis row included: zc = 0 on the linear scale and zc = 1 on the log
    // scale lie on it.
    QRect area() const { return pixels; }
    QRect band(const QRect& band) const { return band & pixels; }
    // The line through the points, cut exactly where it leaves and enters the area, for a pen
    // penWidth wide: its edge keeps to the area's top, and nothing below the axis line's
    // value is drawn. Parts outside are left out, so that a vector file holds only what shows.
    QPainterPath path(const std::vector<QPointF>& points, qreal penWidth) const;

private:
    QRect pixels;
};
