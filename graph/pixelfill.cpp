// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "pixelfill.h"

#include "paintarea.h"

#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QRegion>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {
// Each of a pixel's four bytes times a/255, rounded as the paint engine rounds it.
uint byteMul(uint x, uint a)
{
    uint low = (x & 0xff00ff) * a;
    low = ((low + ((low >> 8) & 0xff00ff) + 0x800080) >> 8) & 0xff00ff;
    uint high = ((x >> 8) & 0xff00ff) * a;
    high = (high + ((high >> 8) & 0xff00ff) + 0x800080) & 0xff00ff00;
    return high | low;
}

// The image the painter's engine writes into, where an opaque fill there sets each pixel to
// the colour and the rectangles reach it moved by whole pixels only.
QImage* directTarget(QPainter* painter, const QColor& colour, QPoint& offset)
{
    if (colour.alpha() != 255 || painter->hasClipping() || painter->opacity() != 1 ||
        painter->compositionMode() != QPainter::CompositionMode_SourceOver)
        return nullptr;
    QImage* image = PixelFill::paintedImage(painter);
    if (!image)
        return nullptr;
    const QImage::Format format = image->format();
    if (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32 &&
        format != QImage::Format_ARGB32_Premultiplied)
        return nullptr;
    int scale = 0;
    if (!PixelFill::onWholePixels(painter, scale, offset) || scale != 1)
        return nullptr;
    return image;
}

void fill(QImage& image, int left, int top, int right, int bottom, QRgb pixel)
{
    // The rows the engine writes: its buffer, shared or not, is the one the image held when
    // painting began.
    const qsizetype stride = image.bytesPerLine();
    auto* row = const_cast<uchar*>(image.constBits()) + top * stride;
    for (int y = top; y <= bottom; ++y, row += stride) {
        auto* first = reinterpret_cast<QRgb*>(row) + left;
        std::fill(first, first + (right - left + 1), pixel);
    }
}
} // namespace

namespace PixelFill {
QImage* paintedImage(const QPainter* painter)
{
    QPaintEngine* engine = painter->paintEngine();
    if (!engine || engine->type() != QPaintEngine::Raster)
        return nullptr;
    QPaintDevice* device = engine->paintDevice();
    if (!device || device->devType() != QInternal::Image)
        return nullptr;
    return static_cast<QImage*>(device);
}

QRegion paintedPixels(const QPainter* painter, const QImage& image)
{
    const QRegion systemClip = painter->paintEngine()->systemClip();
    return systemClip.isEmpty() ? QRegion(image.rect()) : systemClip & image.rect();
}

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
    const QRegion within = paintedPixels(painter, *image);
    // In device pixels and by their left edges, so that each of the area's rectangles (a
    // repaint's may be dozens) takes only the rectangles that can reach into it.
    std::vector<QRect> placed;
    placed.reserve(rects.size());
    int widest = 0;
    for (const QRect& rect : rects) {
        if (rect.isEmpty())
            continue;
        placed.push_back(rect.translated(offset));
        widest = std::max(widest, rect.width());
    }
    const auto byLeft = [](const QRect& a, const QRect& b) { return a.left() < b.left(); };
    // A curve's rectangles come nearly in order: each moves only a few places.
    for (auto next = placed.begin(); next != placed.end(); ++next)
        std::rotate(std::upper_bound(placed.begin(), next, *next, byLeft), next, next + 1);
    const QRgb pixel = colour.rgba();
    for (const QRect& area : within) {
        const QRect reach(area.left() - widest + 1, 0, 1, 1);
        for (auto rect = std::lower_bound(placed.begin(), placed.end(), reach, byLeft);
             rect != placed.end() && rect->left() <= area.right(); ++rect) {
            const int left = std::max(rect->left(), area.left());
            const int right = std::min(rect->right(), area.right());
            const int top = std::max(rect->top(), area.top());
            const int bottom = std::min(rect->bottom(), area.bottom());
            if (left <= right && top <= bottom)
                fill(*image, left, top, right, bottom, pixel);
        }
    }
}

bool onWholePixels(const QPainter* painter, int& scale, QPoint& offset)
{
    const QTransform& toDevice = painter->deviceTransform();
    const qreal ratio = toDevice.m11();
    if (toDevice.type() > QTransform::TxScale || ratio < 1 || ratio != std::floor(ratio) ||
        toDevice.m22() != ratio || toDevice.dx() != std::floor(toDevice.dx()) ||
        toDevice.dy() != std::floor(toDevice.dy()))
        return false;
    scale = int(ratio);
    offset = QPoint(int(toDevice.dx()), int(toDevice.dy()));
    return true;
}

QImage* wholePixelImage(const QPainter* painter, int& scale, QPoint& offset)
{
    QImage* const image = paintedImage(painter);
    if (!image ||
        (image->format() != QImage::Format_RGB32 &&
         image->format() != QImage::Format_ARGB32_Premultiplied) ||
        painter->hasClipping() || painter->opacity() != 1 ||
        painter->compositionMode() != QPainter::CompositionMode_SourceOver ||
        !onWholePixels(painter, scale, offset))
        return nullptr;
    return image;
}

void blendRect(QPainter* painter, const QRect& rect, const QColor& colour)
{
    int scale = 1;
    QPoint offset;
    QImage* const image = wholePixelImage(painter, scale, offset);
    if (!image) {
        // In strips, which the painter fills at once where it would hand a tall fill over to
        // other threads and wait for them, far longer than the fill takes.
        for (const QRect& strip : PaintArea::strips(rect, painter->deviceTransform().m22()))
            painter->fillRect(strip, colour);
        return;
    }
    // The engine's own source-over of a premultiplied colour, rounding included.
    const uint pixel = qPremultiply(colour.rgba64()).toArgb32();
    const uint keep = 255 - qAlpha(pixel);
    const QRect pixels(rect.topLeft() * scale + offset, rect.size() * scale);
    const qsizetype stride = image->bytesPerLine();
    auto* const bits = const_cast<uchar*>(image->constBits());
    for (const QRect& area : paintedPixels(painter, *image) & pixels) {
        uchar* row = bits + area.top() * stride;
        for (int y = area.top(); y <= area.bottom(); ++y, row += stride) {
            auto* const first = reinterpret_cast<uint*>(row) + area.left();
            for (uint* at = first; at != first + area.width(); ++at)
                *at = pixel + byteMul(*at, keep);
        }
    }
}

void fillPixels(QPainter* painter, const QRect& pixels, const QColor& colour)
{
    int scale = 1;
    QPoint offset;
    QImage* const image = wholePixelImage(painter, scale, offset);
    if (!image || colour.alpha() != 255)
        return;
    const QRgb pixel = colour.rgba();
    for (const QRect& area : paintedPixels(painter, *image) & pixels.translated(offset))
        fill(*image, area.left(), area.top(), area.right(), area.bottom(), pixel);
}

bool copyPixels(QPainter* painter, const QImage& source, const QRect& from, QPoint to)
{
    int scale = 1;
    QPoint offset;
    QImage* const image = paintedImage(painter);
    if (!image || source.format() != image->format() || image->depth() % 8 != 0 ||
        painter->hasClipping() || !onWholePixels(painter, scale, offset))
        return false;
    const int bytesPerPixel = image->depth() / 8;
    const QPoint shift = to + offset - from.topLeft();
    const QRect pixels = (from & source.rect()).translated(shift);
    const qsizetype stride = image->bytesPerLine();
    auto* const bits = const_cast<uchar*>(image->constBits());
    for (const QRect& area : paintedPixels(painter, *image) & pixels) {
        const size_t rowBytes = size_t(area.width()) * size_t(bytesPerPixel);
        for (int y = area.top(); y <= area.bottom(); ++y)
            std::memcpy(bits + y * stride + area.left() * bytesPerPixel,
                        source.constScanLine(y - shift.y()) +
                            (area.left() - shift.x()) * bytesPerPixel,
                        rowBytes);
    }
    return true;
}
} // namespace PixelFill
