// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "plotcache.h"

#include "paintarea.h"

#include <QPaintEngine>
#include <QPainter>
#include <QRegion>

#include <cmath>

namespace {
bool whole(qreal value)
{
    return std::abs(value - std::round(value)) < 1e-9;
}
} // namespace

bool PlotCache::paint(QPainter& painter, const QRegion& area, const QSize& size,
                      const QColor& background, const std::function<void(QPainter&)>& drawScene)
{
    const QPaintEngine* engine = painter.paintEngine();
    const QPaintDevice* device = engine ? engine->paintDevice() : nullptr;
    const QTransform toDevice = painter.deviceTransform();
    if (!device || device->devType() != QInternal::Image || !toDevice.isAffine() ||
        toDevice.m12() != 0 || toDevice.m21() != 0 || toDevice.m11() != toDevice.m22())
        return false;
    const qreal ratio = toDevice.m11();
    const QPointF origin = toDevice.map(QPointF(0, 0));
    if (!whole(ratio) || !whole(origin.x()) || !whole(origin.y()))
        return false;

    // Drawn as the screen would be: in its format, over the background, in its pixels.
    const QImage::Format format = static_cast<const QImage*>(device)->format();
    const QSize pixels = size * int(std::round(ratio));
    if (picture.size() != pixels || picture.format() != format || pictureRatio != ratio) {
        picture = QImage(pixels, format);
        if (picture.isNull())
            return false;
        picture.setDevicePixelRatio(ratio);
        picture.fill(background);
        {
            QPainter onPicture(&picture);
            drawScene(onPicture);
        }
        // Copied pixel for pixel from here on; unshared, so this copies nothing.
        picture.setDevicePixelRatio(1);
        pictureRatio = ratio;
    }

    // In device pixels from the widget's corner, so that each piece is a straight copy.
    painter.save();
    painter.setWorldTransform(QTransform::fromScale(1 / ratio, 1 / ratio));
    // The picture is opaque: its pixels replace the screen's rather than blend with them.
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    const QPoint corner = origin.toPoint();
    for (const QRect& rect : area) {
        const QRect piece =
            toDevice.mapRect(QRectF(rect)).toAlignedRect().translated(-corner) & picture.rect();
        for (const QRect& strip : PaintArea::strips(piece))
            painter.drawImage(strip.topLeft(), picture, strip);
    }
    painter.restore();
    return true;
}
