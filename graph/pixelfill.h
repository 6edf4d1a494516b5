// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QRegion>

#include <vector>

class QImage;
class QPainter;

// Opaque rectangles of one colour, filled as QPainter::drawRects fills them with that brush
// and no pen. Where the painter paints straight into a 32-bit image (the window's backing
// store, a bitmap export) with nothing between its pixels and the rectangles but a move by
// whole pixels, they are written into the image's rows: a curve is a rectangle per column,
// and the paint engine's work per rectangle cost a plot of ten curves most of its redraw.
// Anywhere else the painter fills them. Either way the painter is left with no pen and the
// colour as its brush.
namespace PixelFill {
void fillRects(QPainter* painter, const std::vector<QRect>& rects, const QColor& colour);
// A rectangle of a see-through colour, blended as QPainter::fillRect blends it: straight into
// the rows where the painter writes a premultiplied or opaque 32-bit image and maps the
// rectangle onto whole device pixels, with no clip of its own beside the paint's area.
void blendRect(QPainter* painter, const QRect& rect, const QColor& colour);

// Whether the painter's pixels fall on whole device pixels: whole device pixels per pixel
// (scale), and where its origin lies in them (offset).
bool onWholePixels(const QPainter* painter, int& scale, QPoint& offset);
// Where a painter writes a premultiplied or opaque 32-bit image, with no clip of its own and
// its coordinates on whole device pixels: the image, scale and offset as above. Null anywhere
// else; fillPixels then does nothing, so it is for a caller that asked first.
QImage* wholePixelImage(const QPainter* painter, int& scale, QPoint& offset);
// An opaque colour into pixels, in device pixels from the painter's origin, within the paint.
void fillPixels(QPainter* painter, const QRect& pixels, const QColor& colour);
// The pixels of source in from to device pixel to from the painter's origin, as they are,
// within the paint: where the painter writes an image of source's format, of whole bytes per
// pixel, on whole device pixels and with no clip of its own. False, with nothing copied,
// anywhere else.
bool copyPixels(QPainter* painter, const QImage& source, const QRect& from, QPoint to);

// What writing straight into a painter's pixels takes: the image its raster engine writes
// into (null where it paints on anything else), and the pixels of that image it was told to
// paint, its system clip (a widget's paint area) or else all of the image.
QImage* paintedImage(const QPainter* painter);
QRegion paintedPixels(const QPainter* painter, const QImage& image);
} // namespace PixelFill
