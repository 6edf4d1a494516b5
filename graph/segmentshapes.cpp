// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "segmentshapes.h"

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cstdlib>

namespace {
// The colour of an opaque pen changes none of its pixels.
QPen inBlack(QPen pen)
{
    pen.setColor(Qt::black);
    return pen;
}
} // namespace

SegmentShapes::SegmentShapes(const QPen& pen_, int scale)
    : pen(inBlack(pen_)), factor(scale), learned(2 * maxRise + 1), known(2 * maxRise + 1, false)
{
}

bool SegmentShapes::drawnWith(const QPen& otherPen, int otherScale) const
{
    return otherScale == factor && inBlack(otherPen) == pen;
}

const std::vector<QRect>& SegmentShapes::pixels(int rise)
{
    const int index = rise + maxRise;
    if (!known[index]) {
        learned[index] = learn(rise);
        known[index] = true;
    }
    return learned[index];
}

std::vector<QRect> SegmentShapes::learn(int rise) const
{
    // Room for the pen and its caps on every side of the segment's device pixels.
    const int margin = factor * (int(pen.widthF()) + 2) + 4;
    const QPoint start(margin, margin + (rise < 0 ? -rise * factor : 0));
    QImage image(2 * margin + factor, 2 * margin + std::abs(rise) * factor,
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setTransform(QTransform(factor, 0, 0, factor, start.x(), start.y()));
        painter.setPen(pen);
        painter.drawLine(QLine(0, 0, 1, rise));
    }
    std::vector<QRect> rows;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width();) {
            if (line[x] == qRgb(255, 255, 255)) {
                ++x;
                continue;
            }
            const int first = x;
            while (x < image.width() && line[x] != qRgb(255, 255, 255))
                ++x;
            const QRect row(first - start.x(), y - start.y(), x - first, 1);
            // A span the row above has too makes that rectangle one row taller.
            const auto above = std::find_if(rows.begin(), rows.end(), [&row](const QRect& r) {
                return r.left() == row.left() && r.width() == row.width() &&
                       r.bottom() + 1 == row.top();
            });
            if (above != rows.end())
                above->setBottom(row.bottom());
            else
                rows.push_back(row);
        }
    }
    return rows;
}
