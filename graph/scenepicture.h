// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include <QColor>
#include <QImage>
#include <QRegion>
#include <QSize>

#include <functional>

class QPainter;
class QWidget;

// The plot on screen without the read-out, kept as an image of the screen's own device pixels
// and format: a move of the read-out copies the pixels it uncovers from here instead of drawing
// the scene under them again. The image follows the screen lazily: a refresh only marks what it
// repainted, and the next copy draws the scene there first.
class ScenePicture
{
public:
    // Draws the scene on screen into the painter, which covers only area (widget coordinates).
    using DrawScene = std::function<void(QPainter* painter, const QRegion& area)>;

    // Where the scene on screen changed since the last copy.
    void repainted(const QRegion& area) { stale += area; }
    // The screen shows a scene the picture knows nothing of: it is drawn anew before the next copy.
    void forget() { whole = true; }
    // Gives the memory back; the next copy draws everything.
    void drop();

    // Whether the last copy succeeded and the picture still fits the widget: a copy then gives
    // every pixel of its area, and the window need not paint under it first.
    bool covers(const QWidget& widget) const;
    // Copies the picture in area onto the widget's painter, after bringing it up to date with
    // drawScene. False, with nothing painted, where the copy could not give the screen's bytes:
    // a device that is not an image, a scale that puts the widget between device pixels, a
    // background that is not one opaque colour.
    // filledUnder: the window has filled the area before the widget paints.
    // paintedOver: what the widget paints opaque over the picture afterwards, left uncopied.
    bool paint(QPainter* screen, const QWidget& widget, const QRegion& area,
               const DrawScene& drawScene, bool filledUnder = true,
               const QRegion& paintedOver = QRegion());

private:
    // The picture's pixels in area (widget coordinates) onto the screen's image.
    void copyRows(QPainter* screen, const QRegion& area, int scale) const;
    // The colour the window fills the widget's area with before the widget paints.
    static QColor backgroundOf(const QWidget& widget);

    QImage image;
    qreal pixelRatio = 0;
    QColor background;
    QRegion stale;
    bool whole = true;
    bool copied = false;
};
