// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include <QFont>
#include <QHash>
#include <QString>
#include <QTextLayout>

#include <memory>

class QPainter;
class QRect;

// Draws a text exactly as QPainter::drawText does, in a rectangle or from a baseline point,
// but lays each text out only once per font and resolution instead of at every paint: the
// shaping took a large part of a paint of the small plot. Only the painter's font, its
// device's resolution, the layout direction and the text itself decide a layout, so that
// is the key, never the value a text shows; where a text is drawn comes in at drawing time.
// Anything but a raster device, and any text or flag the plain call treats specially, takes the
// plain call, so that vector files keep their texts as the painter writes them.
class TextLayoutCache
{
public:
    void drawText(QPainter* painter, const QRect& rect, int flags, const QString& text);
    // As QPainter::drawText(x, y, text): the text's baseline starts at (x, y).
    void drawText(QPainter* painter, int x, int y, const QString& text);
    // The line box of that text, before any overhang of its glyphs.
    QRect baselineBounds(QPainter* painter, int x, int y, const QString& text);

private:
    struct Key
    {
        QString text;
        QFont font;
        int dpiX;
        int dpiY;
        int direction;
        bool operator==(const Key& other) const
        {
            return dpiX == other.dpiX && dpiY == other.dpiY && direction == other.direction &&
                   text == other.text && font == other.font;
        }
    };
    friend size_t qHash(const Key& key, size_t seed)
    {
        return qHashMulti(seed, key.text, key.font, key.dpiX, key.dpiY, key.direction);
    }
    struct Entry
    {
        std::shared_ptr<QTextLayout> layout;
        qreal width = 0;
        qreal height = 0;
        qreal ascent = 0;
    };

    static bool cacheable(const QPainter* painter, const QString& text);
    const Entry& entry(const QPainter* painter, const QString& text);

    QHash<Key, Entry> entries;
};
