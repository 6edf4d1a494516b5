// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "scenepicture.h"

#include "pixelfill.h"

#include <QPaintEngine>
#include <QPainter>
#include <QWidget>

namespace {
// Dots per metre for a resolution in dots per inch, such that the image reports that
// resolution back: the plot's fonts are sized by it, as on the widget.
int dotsPerMetre(int dpi)
{
    return qRound(dpi / 0.0254);
}
} // namespace

void ScenePicture::drop()
{
    image = QImage();
    stale = QRegion();
    whole = true;
    copied = false;
}

bool ScenePicture::covers(const QWidget& widget) const
{
    return copied && !whole && image.size() == widget.size() * int(pixelRatio) &&
           pixelRatio == widget.devicePixelRatio() && background == backgroundOf(widget);
}

QColor ScenePicture::backgroundOf(const QWidget& widget)
{
    for (const QWidget* under = &widget; under; under = under->parentWidget()) {
        if (under->testAttribute(Qt::WA_StyledBackground) ||
            under->testAttribute(Qt::WA_TranslucentBackground))
            return {};
        if (under->isWindow() || under->autoFillBackground()) {
            const QBrush& brush = under->palette().brush(under->backgroundRole());
            if (brush.style() != Qt::SolidPattern || brush.color().alpha() != 255)
                return {};
            return brush.color();
        }
    }
    return {};
}

bool ScenePicture::paint(QPainter* screen, const QWidget& widget, const QRegion& area,
                         const DrawScene& drawScene, bool filledUnder, const QRegion& paintedOver)
{
    copied = false;
    const QImage* const screenImage = PixelFill::paintedImage(screen);
    if (!screenImage || area.isEmpty())
        return false;
    const QImage& target = *screenImage;
    // Whole device pixels per pixel and a widget on whole device pixels: the picture's pixels
    // are then the screen's, only moved.
    int scale = 1;
    QPoint offset;
    const QColor fill = backgroundOf(widget);
    if (!PixelFill::onWholePixels(screen, scale, offset) || !fill.isValid())
        return false;
    const qreal ratio = scale;
    // The window has just filled the area: where that is not the colour, something else lies
    // under the plot.
    const QPoint corner = area.begin()->topLeft() * scale + offset;
    if (filledUnder && (!target.valid(corner) || target.pixel(corner) != fill.rgba()))
        return false;

    const QSize size = widget.size() * scale;
    const int dotsX = dotsPerMetre(widget.logicalDpiX());
    const int dotsY = dotsPerMetre(widget.logicalDpiY());
    if (image.size() != size || image.format() != target.format() || pixelRatio != ratio ||
        background != fill || image.dotsPerMeterX() != dotsX || image.dotsPerMeterY() != dotsY) {
        image = QImage(size, target.format());
        if (image.isNull())
            return false;
        image.setDevicePixelRatio(ratio);
        image.setDotsPerMeterX(dotsX);
        image.setDotsPerMeterY(dotsY);
        pixelRatio = ratio;
        background = fill;
        whole = true;
    }
    if (whole)
        stale = QRegion(widget.rect());
    whole = false;
    stale &= widget.rect();
    if (!stale.isEmpty()) {
        // Painted as the window paints the widget: the window's fill first, then the scene
        // limited to the area by the device, not by the painter, whose own clip would take the
        // scene's drawing down other roads.
        QPaintEngine* pictureEngine = image.paintEngine();
        pictureEngine->setSystemClip(QTransform::fromScale(ratio, ratio).map(stale));
        {
            QPainter painter(&image);
            painter.setCompositionMode(QPainter::CompositionMode_Source);
            painter.fillRect(widget.rect(), fill);
            painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
            const QPalette& palette = widget.palette();
            painter.setLayoutDirection(widget.layoutDirection());
            painter.setFont(widget.font());
            painter.setPen(QPen(palette.brush(widget.foregroundRole()), 1));
            painter.setBackground(palette.brush(widget.backgroundRole()));
            drawScene(&painter, stale);
        }
        pictureEngine->setSystemClip(QRegion());
        stale = QRegion();
    }
    copyRows(screen, area - paintedOver, scale);
    copied = true;
    return true;
}

void ScenePicture::copyRows(QPainter* screen, const QRegion& area, int scale) const
{
    // Row by row into the image the screen's painter writes: the painter would set up a
    // clip and a blit for each rectangle, most of a move over a large plot. The picture is
    // opaque and in the screen's format, so its bytes are the pixels the painter would put.
    for (const QRect& rect : area) {
        const QRect pixels(rect.topLeft() * scale, rect.size() * scale);
        if (PixelFill::copyPixels(screen, image, pixels, pixels.topLeft()))
            continue;
        screen->save();
        screen->setClipRect(rect);
        screen->drawImage(QPointF(0, 0), image);
        screen->restore();
    }
}
