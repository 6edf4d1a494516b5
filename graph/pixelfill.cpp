// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "pixelfill.h"

#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QRegion>

#include <algorithm>
#include <cmath>

namespace {
// The image the painter's engine writes into, where an opaque fill there sets each pixel to
// the colour and the rectangles reach it moved by whole pixels only.
QImage* directTarget(QPainter* painter, const QColor& colour, QPoint& offset)
{
    QPaintEngine* engine = painter->paintEngine();
    if (!engine || engine->type() != QPaintEngine::Raster || colour.alpha() != 255 ||
        painter->hasClipping() || painter->opacity() != 1 ||
        painter->compositionMode() != QPainter::CompositionMode_SourceOver)
        return nullptr;
    QPaintDevice* device = engine->paintDevice();
    if (!device || device->devType() != QInternal::Image)
        return nullptr;
    auto* image = static_cast<QImage*>(device);
    const QImage::Format format = image->format();
    if (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32 &&
        format != QImage::Format_ARGB32_Premultiplied)
        return nullptr;
    const QTransform& toDevice = painter->deviceTransform();
    if (toDevice.type() > QTransform::TxTranslate || toDevice.dx() != std::floor(toDevice.dx()) ||
        toDevice.dy() != std::floor(toDevice.dy()))
        return nullptr;
    offset = QPoint(int(toDevice.dx()), int(toDevice.dy()));
    return image;
}

void fill(QImage& image, const QRect& rect, QRgb pixel)
{
    // The rows the engine writes: its buffer, shared or not, is the one the image held when
    // painting began.
    const qsizetype stride = image.bytesPerLine();
    auto* row = const_cast<uchar*>(image.constBits()) + rect.top() * stride;
    for (int y = rect.top(); y <= rect.bottom(); ++y, row += stride) {
        auto* first = reinterpret_cast<QRgb*>(row) + rect.left();
        std::fill(first, first + rect.width(), pixel);
    }
}
} // namespace

namespace PixelFill {
void fillRects(QPainter* painter, const std::vector<QRect>& rects, const QColor& colour)
{
    painter->setPen(Qt::NoPen);
    painter->setBrush(colour);
    QPoint offset;
    QImage* image = directTarget(painter, colour, offset);
    if (!image) {
        painter->drawRects(rects.data(), int(rects.size()));
        return;
    }
    // What the engine was told to paint (a widget's paint area), else all of the image.
    const QRegion systemClip = painter->paintEngine()->systemClip();
    const QRegion within =
        systemClip.isEmpty() ? QRegion(image->rect()) : systemClip & image->rect();
    const QRgb pixel = colour.rgba();
    for (const QRect& area : within) {
        for (const QRect& rect : rects) {
            const QRect part = rect.translated(offset) & area;
            if (!part.isEmpty())
                fill(*image, part, pixel);
        }
    }
}
} // namespace PixelFill
