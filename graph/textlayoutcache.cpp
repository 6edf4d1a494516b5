// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "textlayoutcache.h"

#include <QPaintEngine>
#include <QPainter>
#include <QTextLine>

namespace {
// Labels and titles come back at every paint; the numbers of a caption change as the user
// drags a control, so the cache starts afresh when it holds far more than one plot shows.
constexpr qsizetype maxEntries = 512;

constexpr int alignmentFlags = Qt::AlignHorizontal_Mask | Qt::AlignVertical_Mask;

// What the plain call lays out as a single line from the left, with nothing to replace:
// no line breaks, tabs, mnemonics, length variants or spaces at either end, and no script
// written from the right (every text of the plot is far below that block).
bool plainLine(const QString& text)
{
    if (text.isEmpty() || text.front().isSpace() || text.back().isSpace())
        return false;
    for (const QChar c : text) {
        if (c == u'\n' || c == u'\r' || c == u'\t' || c == u'&' || c == QChar(0x9c) ||
            c.unicode() >= 0x0590)
            return false;
    }
    return true;
}
} // namespace

const TextLayoutCache::Entry& TextLayoutCache::entry(const QPainter* painter, const QString& text)
{
    const QPaintDevice* device = painter->device();
    Key key{text, painter->font(), device->logicalDpiX(), device->logicalDpiY(),
            int(painter->layoutDirection())};
    const auto found = entries.constFind(key);
    if (found != entries.cend())
        return *found;
    if (entries.size() >= maxEntries)
        entries.clear();

    // Set up as the plain call sets up its own layout: no device, left aligned, one line
    // far wider than any text.
    Entry fresh;
    fresh.layout = std::make_shared<QTextLayout>(text, key.font);
    QTextOption option;
    option.setTextDirection(painter->layoutDirection());
    option.setAlignment(Qt::AlignLeft);
    fresh.layout->setTextOption(option);
    fresh.layout->setCacheEnabled(true);
    fresh.layout->beginLayout();
    QTextLine line = fresh.layout->createLine();
    line.setLineWidth(0x01000000);
    line.setPosition(QPointF(0, 0));
    fresh.layout->endLayout();
    fresh.width = line.naturalTextWidth();
    fresh.height = line.ascent() + line.descent();
    fresh.ascent = line.ascent();
    return *entries.insert(std::move(key), std::move(fresh));
}

bool TextLayoutCache::cacheable(const QPainter* painter, const QString& text)
{
    const QPaintEngine* engine = painter->paintEngine();
    return engine && engine->type() == QPaintEngine::Raster &&
           painter->layoutDirection() != Qt::RightToLeft && painter->pen().style() != Qt::NoPen &&
           plainLine(text);
}

void TextLayoutCache::drawText(QPainter* painter, int x, int y, const QString& text)
{
    if (!cacheable(painter, text)) {
        painter->drawText(x, y, text);
        return;
    }
    const QTextLine line = entry(painter, text).layout->lineAt(0);
    line.draw(painter, QPointF(x, y - line.ascent()));
}

QRect TextLayoutCache::baselineBounds(QPainter* painter, int x, int y, const QString& text)
{
    const Entry& laidOut = entry(painter, text);
    return QRectF(x, y - laidOut.ascent, laidOut.width, laidOut.height).toAlignedRect();
}

void TextLayoutCache::drawText(QPainter* painter, const QRect& rect, int flags, const QString& text)
{
    if ((flags & ~alignmentFlags) != 0 || (flags & Qt::AlignJustify) != 0 ||
        !cacheable(painter, text)) {
        painter->drawText(rect, flags, text);
        return;
    }
    const Entry& laidOut = entry(painter, text);
    const QRectF r(rect);
    qreal yoff = 0;
    if (flags & Qt::AlignBottom)
        yoff = r.height() - laidOut.height;
    else if (flags & Qt::AlignVCenter)
        yoff = (r.height() - laidOut.height) / 2;
    qreal xoff = 0;
    if (flags & Qt::AlignRight)
        xoff = r.width() - laidOut.width;
    else if (flags & Qt::AlignHCenter)
        xoff = (r.width() - laidOut.width) / 2;

    // Like the plain call, clip only a text that does not fit.
    const bool clip =
        !r.contains(QRectF(r.x() + xoff, r.y() + yoff, laidOut.width, laidOut.height));
    if (clip) {
        painter->save();
        painter->setClipRect(r, Qt::IntersectClip);
    }
    const QTextLine line = laidOut.layout->lineAt(0);
    const qreal advance = line.horizontalAdvance();
    xoff = 0;
    if (flags & Qt::AlignRight)
        xoff = r.width() - advance;
    else if (flags & Qt::AlignHCenter)
        xoff = (r.width() - advance) / 2;
    line.draw(painter, QPointF(r.x() + xoff, r.y() + yoff));
    if (clip)
        painter->restore();
}
