// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include <QImage>

#include <functional>

class QPainter;
class QRegion;

// The finished plot of the scene on screen (curves, bands, captions, axes) as a picture in
// the screen's own pixels, drawn once per scene, so that the read-out moving over it copies
// pixels back instead of drawing the scene again. Only where the plot lies on whole device
// pixels: at a fractional offset a copy would not match what the painter draws.
class PlotCache
{
public:
    // The scene on screen changed or is unknown.
    void forget() { picture = QImage(); }
    // Paints the area of the widget (its own coordinates) from the picture, drawing the
    // picture first with drawScene where it is missing. False, having painted nothing, where
    // the painter's device cannot take a copy.
    bool paint(QPainter& painter, const QRegion& area, const QSize& size, const QColor& background,
               const std::function<void(QPainter&)>& drawScene);

private:
    QImage picture;
    qreal pictureRatio = 1;
};
