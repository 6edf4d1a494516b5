// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include "plotscene.h"
#include "readoutlines.h"

#include <QColor>
#include <QCoreApplication>
#include <QPoint>
#include <QRect>
#include <QRegion>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

class QPaintDevice;
class QPainter;

// The read-out under the pointer: a cursor line at a pixel column of the plot and a box
// beside it with the distance there and the zc of each drawn camera. Laid out from the
// scene on screen, whose curves keep the zc they were drawn from, so the box says what the
// curves show; drawn over the plot on screen, never into an export.
class PlotReadout
{
    Q_DECLARE_TR_FUNCTIONS(PlotReadout)

public:
    struct Line
    {
        QString text;
        QColor colour;
        // Laid out once, for the box's width and for every paint of it.
        std::shared_ptr<const ReadoutLine> laidOut;
        bool operator==(const Line& other) const
        {
            return text == other.text && colour == other.colour;
        }
    };

    // The column a point of the widget lies over, between the axes; none elsewhere.
    static std::optional<int> columnAt(const PlotGeometry& plot, QPoint point);

    // fromCamera: distances from the camera, otherwise from each camera's focus plane.
    // pointerRow: the box sits below the pointer where it fits, above it where not; beside a
    // caption box rather than over it.
    // metrics: the device the box's texts are laid out for; lines: those laid out before.
    PlotReadout(const PlotScene& scene, int column, int pointerRow, bool fromCamera,
                const QPaintDevice* metrics, ReadoutLines& lines);

    int column() const { return cursorColumn; }
    const std::vector<Line>& lines() const { return texts; }
    // Every pixel the read-out covers, and one more around it for fractional scales.
    QRegion area() const;
    // What a move from before to here repaints: both read-outs, and little more.
    QRegion areaOfMoveFrom(const PlotReadout& before) const;
    // The box, which draw fills whole where the read-out sits on whole device pixels.
    QRect opaqueArea() const { return box; }
    void draw(QPainter* painter) const;

    bool operator==(const PlotReadout& other) const
    {
        return cursorColumn == other.cursorColumn && cursor == other.cursor && box == other.box &&
               texts == other.texts;
    }
    bool operator!=(const PlotReadout& other) const { return !(*this == other); }

private:
    static QString distanceText(const PlotGeometry& plot, int column, bool fromCamera);
    void placeBox(const PlotGeometry& plot, int pointerRow, const std::vector<QRect>& captions,
                  const QPaintDevice* metrics, ReadoutLines& lines);
    QRect grown(const QRect& rect) const;
    // The box from its lines' kept pixels, straight into the rows of the image the painter
    // writes; false, with nothing drawn, where it cannot.
    bool drawBoxPixels(QPainter* painter) const;
    void drawBox(QPainter* painter) const;

    int cursorColumn;
    QRect cursor;
    QRect box;
    int lineHeight = 0;
    // Around what is drawn: a pixel where a fractional scale rounds edges outwards.
    int margin = 0;
    std::vector<Line> texts;
};
