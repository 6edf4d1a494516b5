// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include "camerasetup.h"
#include "plotgeometry.h"
#include "stackoverlay.h"

#include <QColor>
#include <QLine>
#include <QRect>
#include <QRegion>
#include <QString>

#include <array>
#include <memory>
#include <optional>
#include <vector>

// The three lines of a camera's caption box.
struct CaptionTexts
{
    QString title;    // "Camera 1:"
    QString settings; // focal length, f-number, focus distance, CoC
    QString values;   // blur at infinity, depth of field, full-frame scale, field diagonal

    bool operator==(const CaptionTexts& other) const
    {
        return title == other.title && settings == other.settings && values == other.values;
    }
};

// A camera's curve as the plot draws it, one segment per pixel column, with what it was
// traced from: a camera whose blur did not change keeps its curve without a single new
// evaluation. The segments are not cut to the plot's area; the drawing does that.
struct CurveTrace
{
    // Segments are grouped this many to a chunk, the unit in which a paint that covers
    // only part of the plot picks the ones it needs.
    static constexpr int chunkColumns = 32;

    CurveTrace(const ZcCurve& zc, double focus, double closest, const PlotGeometry& plot,
               bool fromCamera)
        : zc(zc), focus(focus), closest(closest), plot(plot), fromCamera(fromCamera)
    {
    }
    bool tracedFrom(const ZcCurve& otherZc, double otherFocus, const PlotGeometry& otherPlot,
                    bool otherFromCamera) const
    {
        return zc == otherZc && focus == otherFocus && plot == otherPlot &&
               fromCamera == otherFromCamera;
    }
    // After the segments are in: every pixel each chunk may touch with the widest pen.
    void boundChunks();
    // The zc the curve shows at a distance (mm): the camera's, pinned high nearer than closest.
    double blurAt(double distance) const
    {
        return distance > closest ? zc.at(distance) : CurveRule::pinnedBlur;
    }

    ZcCurve zc;
    double focus;
    double closest; // nearer than this the curve is pinned high
    PlotGeometry plot;
    bool fromCamera;

    std::vector<QLine> segments;
    // The zc each column's segment ends at, column 1 first: what the curve shows there.
    std::vector<double> blur;
    std::vector<QRect> chunkReach;
    // Columns where the curve enters and leaves the acceptable blur.
    int nearColumn = -1;
    int farColumn = 99999;
};

// What one camera adds to the plot.
struct CameraScene
{
    std::shared_ptr<const CurveTrace> curve;
    QColor colour;
    int penWidth = 1;
    bool smoothed = false;
    int bandAlpha = 0;
    QRect band; // empty where the curve never gets sharp
    int captionOffset = 0;
    QColor captionFill; // the box's tint over the plot's background
    QRect captionArea;  // the box with its texts
    CaptionTexts caption;
};

// What a pinned setup adds to the plot: a thin curve, its band where asked for, and a line
// of the legend with its name rather than a caption box.
struct PinnedScene
{
    std::shared_ptr<const CurveTrace> curve;
    QColor colour;
    int bandAlpha = 0;
    QRect band; // empty where not shown or where the curve never gets sharp
    QString name;
    QRect legendLine; // the name and its sample of the curve, inside the legend

    bool operator==(const PinnedScene& other) const;
};

// Everything one paint of the plot draws, as values: two scenes that compare equal give
// the same pixels.
struct PlotScene
{
    PlotGeometry plot;
    QRect curveArea; // what curves and bands may cover
    qreal pixelRatio = 1;
    // What lies behind the plot: the caption boxes are filled with their tint over it.
    QColor background;
    QString version;
    QString distanceTitle;
    std::array<std::optional<CameraScene>, 2> cameras;
    std::shared_ptr<const StackScene> stack; // none without a focus stack on show
    std::vector<PinnedScene> pinned;
    QRect legendArea;  // the box around the pinned setups' names, empty without any
    QColor legendFill; // opaque, so the names read over any curve
};

// Where the pixels of after can differ from those of before, in widget coordinates: the
// whole plot when its frame changed, otherwise the columns of a curve that moved, the
// strips a depth-of-field band gained or lost and a caption whose texts changed. A caption
// lies over the curves and bands, so a paint of any part of it paints that part of the box.
QRegion changedArea(const PlotScene& before, const PlotScene& after);
