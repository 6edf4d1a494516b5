// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include <QColor>
#include <QFont>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QTextLayout>

#include <memory>

class QPaintDevice;

// One line of the read-out's box: its text laid out once, and the pixels it draws over the
// box's white, kept for drawing it again once the whole box has been shown before. Where the
// glyphs reach out of their band of the box, no pixels are kept: the line is drawn with the
// rest of the box instead.
class ReadoutLine
{
public:
    // How a line is drawn: in colour over white into a band of band (in the painter's
    // pixels) whose text starts at textAt, at scale device pixels per pixel, into an image of
    // format, with the painter's hints.
    struct Look
    {
        QColor colour;
        QSize band;
        QPoint textAt;
        int scale = 0;
        QImage::Format format = QImage::Format_Invalid;
        QPainter::RenderHints hints;
        bool operator==(const Look& other) const
        {
            return colour == other.colour && band == other.band && textAt == other.textAt &&
                   scale == other.scale && format == other.format && hints == other.hints;
        }
    };

    ReadoutLine(const QString& text, const QFont& font, const QPaintDevice* metrics);

    const QTextLayout& layout() const { return laidOut; }
    qreal width() const { return textWidth; }
    qreal height() const { return textHeight; }

    // Whether the line was shown so the last time; from now on it was.
    bool shownBefore(const Look& look) const;
    // The band's device pixels, or null where they would not be the painter's.
    const QImage* pixels(const Look& look) const;

private:
    QTextLayout laidOut;
    qreal textWidth = 0;
    qreal textHeight = 0;
    // A read-out draws a line in one colour on one screen: only the last look is kept.
    mutable Look shown;
    mutable bool drawn = false;
    mutable QImage image;
};

// The lines of the read-out met lately, by their texts. A pointer going back over a part of
// the plot shows the same distances and blurs again, and laying them out and drawing them
// took most of a move.
class ReadoutLines
{
public:
    std::shared_ptr<const ReadoutLine> line(const QString& text, const QFont& font,
                                            const QPaintDevice* metrics);

private:
    QHash<QString, std::shared_ptr<const ReadoutLine>> lines;
    QFont linesFont;
    int dpiX = 0;
    int dpiY = 0;
};
