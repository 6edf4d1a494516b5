// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "readoutlines.h"

#include <QGlyphRun>
#include <QPaintDevice>
#include <QRawFont>
#include <QTextLine>

namespace {
// A few dozen columns of three lines each; at a 2x scale the pixels of all of them take a few
// megabytes.
constexpr qsizetype maxLines = 128;

const QColor white(255, 255, 255);

// Whether every pixel of image outside inside is white.
bool whiteAround(const QImage& image, const QRect& inside)
{
    const QRgb pixel = white.rgba();
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (!inside.contains(x, y) && (row[x] | 0xff000000) != pixel)
                return false;
        }
    }
    return true;
}
} // namespace

ReadoutLine::ReadoutLine(const QString& text, const QFont& font, const QPaintDevice* metrics)
    : laidOut(text, font, metrics)
{
    laidOut.setCacheEnabled(true);
    laidOut.beginLayout();
    QTextLine line = laidOut.createLine();
    line.setPosition(QPointF(0, 0));
    laidOut.endLayout();
    textWidth = line.naturalTextWidth();
    textHeight = line.height();
}

bool ReadoutLine::shownBefore(const Look& look) const
{
    if (shown == look)
        return true;
    shown = look;
    drawn = false;
    image = QImage();
    return false;
}

const QImage* ReadoutLine::pixels(const Look& look) const
{
    shownBefore(look);
    if (drawn)
        return image.isNull() ? nullptr : &image;
    drawn = true;
    const QSize band = look.band;
    const int scale = look.scale;
    // Glyphs that reach out of the band would draw over the frame or another line, not over
    // white. The font's outlines say where the ink lies, give or take what hinting and
    // smoothing add: a pixel more all round must be inside the band, and a pixel's room round
    // the band is drawn too and must stay white.
    QRectF ink;
    for (const QGlyphRun& run : laidOut.glyphRuns()) {
        const QRawFont font = run.rawFont();
        const QList<quint32> glyphs = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        for (qsizetype i = 0; i < glyphs.size(); ++i)
            ink |= font.boundingRect(glyphs[i]).translated(positions[i]);
    }
    if (!QRectF(QPointF(0, 0), band).contains(ink.translated(look.textAt).adjusted(-1, -1, 1, 1)))
        return nullptr;
    QImage around((band + QSize(2, 2)) * scale, look.format);
    if (around.isNull())
        return nullptr;
    around.setDevicePixelRatio(scale);
    around.fill(white);
    {
        QPainter painter(&around);
        painter.setRenderHints(look.hints);
        painter.setPen(look.colour);
        laidOut.draw(&painter, look.textAt + QPoint(1, 1));
    }
    const QRect inside(QPoint(scale, scale), band * scale);
    if (!whiteAround(around, inside))
        return nullptr;
    image = around.copy(inside);
    image.setDevicePixelRatio(1);
    return &image;
}

std::shared_ptr<const ReadoutLine> ReadoutLines::line(const QString& text, const QFont& font,
                                                      const QPaintDevice* metrics)
{
    if (font != linesFont || metrics->logicalDpiX() != dpiX || metrics->logicalDpiY() != dpiY) {
        lines.clear();
        linesFont = font;
        dpiX = metrics->logicalDpiX();
        dpiY = metrics->logicalDpiY();
    }
    const auto found = lines.constFind(text);
    if (found != lines.cend())
        return *found;
    if (lines.size() >= maxLines)
        lines.clear();
    return *lines.insert(text, std::make_shared<const ReadoutLine>(text, font, metrics));
}
