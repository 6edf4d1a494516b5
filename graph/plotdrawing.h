// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include "plotinput.h"
#include "plotscene.h"
#include "segmentshapes.h"
#include "stackoverlay.h"
#include "textlayoutcache.h"

#include <QColor>
#include <QCoreApplication>
#include <QPen>
#include <QSize>
#include <QString>

#include <array>
#include <memory>
#include <optional>
#include <vector>

class CameraSetup;
class PlotGeometry;
class PaintArea;
class PlotClip;
class QImage;
class QPainter;
class QRegion;

// What the plot draws and how, on any paint device and in any thread: a PlotInput at a
// size turned into a PlotScene and drawn. It keeps the layouts of its texts and each
// camera's curve while the camera's blur stays the same. The plot widget holds one for the
// screen; a batch of exports holds one per project, each in its own thread, since it
// needs no widget.
class PlotDrawing
{
    // The plot's texts have always been translated as the widget's.
    Q_DECLARE_TR_FUNCTIONS(graph)

public:
    PlotDrawing();

    void setInput(const PlotInput& input) { given = input; }
    // Nothing is drawn before the first input.
    const PlotInput* input() const { return given ? &*given : nullptr; }
    // The plot's size in pixels, and the device pixels per pixel of the screen it is shown
    // on, which a scene records.
    void setSize(QSize size, qreal pixelRatio);
    QSize size() const { return plotSize; }
    int width() const { return plotSize.width(); }
    int height() const { return plotSize.height(); }

    // The background of exported images; graphDraw fills the caption boxes as over it.
    static QColor exportBackground() { return QColor(220, 220, 220); }
    // The colour of camera 1 or 2: its curve, band, caption and column of the settings table.
    static QColor cameraColour(int camera);
    // The colour of a pinned setup by its index in the palette, 0 to pinnedColourCount - 1:
    // apart from the cameras' and from each other, dark enough for the grey background and
    // for print.
    static constexpr int pinnedColourCount = 8;
    static QColor pinnedColour(int index);

    // background: what the plot is drawn over, the window's or an export's.
    PlotScene buildScene(const QColor& background);
    // The whole plot as exported, over the export background.
    void graphDraw(QPainter* painter);
    // The scene drawn only where it reaches into region (plot coordinates).
    void drawSceneWithin(QPainter* painter, const QRegion& region, const PlotScene& scene);
    // The plot at its size on the opaque grey background of exported images, with
    // pixelRatio device pixels per pixel (the image's devicePixelRatio).
    QImage renderImage(qreal pixelRatio = 1);
    // The caption of camera 1 or 2 as graphDraw writes it; evaluates the camera's limits.
    CaptionTexts captionTexts(int camera);
    // Scales, margins and size of the plot as graphDraw lays it out now.
    PlotGeometry currentGeometry() const;

    // A focus stack to draw over its camera's curve until it is handed nothing.
    void setFocusStack(std::optional<StackOnPlot> stack) { stackOverlay.set(std::move(stack)); }
    bool showsFocusStack() const { return stackOverlay.shown(); }
    const std::optional<StackOnPlot>& focusStack() const { return stackOverlay.shownStack(); }

private:
    enum PenRole
    {
        Camera1Pen,
        Camera2Pen,
        TextPen,
        GridPen,
        PenCount
    };
    CameraScene cameraScene(const PlotGeometry& plot, const PlotClip& clip, int camera,
                            const QColor& background);
    std::shared_ptr<const CurveTrace> traceCurve(const PlotGeometry& plot, int camera);
    std::shared_ptr<const CurveTrace> traceCurve(const PlotGeometry& plot, CameraSetup& setup,
                                                 std::shared_ptr<const CurveTrace>& kept);
    void addPinned(PlotScene& scene, const PlotClip& clip);
    void drawScene(QPainter* painter, const PlotScene& scene);

    void drawTitles(QPainter* painter, const PlotScene& scene);
    void drawGrid(QPainter* painter, const PlotGeometry& plot);
    void drawDistanceTicks(QPainter* painter, const PlotGeometry& plot);
    void drawAxes(QPainter* painter, const PlotGeometry& plot);
    void drawReferenceLine(QPainter* painter, const PlotGeometry& plot);
    // The top of the highest grid label's box.
    static int topGridLabelTop(const PlotGeometry& plot);
    void drawCamera(QPainter* painter, const PlotScene& scene, const CameraScene& camera,
                    int number);
    // The curve as the painter's device shows it: pixel by pixel on screen, smooth where an
    // export shows finer than whole pixels. Cut to area.
    void drawCurve(QPainter* painter, const CurveTrace& curve, const QPen& pen, const QRect& area);
    void drawPixelCurve(QPainter* painter, const CurveTrace& curve, const QPen& pen,
                        const QRect& area);
    void drawSmoothCurve(QPainter* painter, const CurveTrace& curve, const QPen& pen,
                         int samplesPerPixel);
    void drawBand(QPainter* painter, const CameraScene& camera);
    void drawBand(QPainter* painter, QColor colour, int alpha, const QRect& band);
    void drawPinned(QPainter* painter, const PlotScene& scene, const PinnedScene& pinned);
    void drawLegend(QPainter* painter, const PlotScene& scene);
    void drawCaption(QPainter* painter, const PlotGeometry& plot, const CameraScene& camera);

    // A paint may cover only part of the plot: what lies wholly outside is not drawn.
    bool touches(const QRect& bounds) const;
    void drawText(QPainter* painter, const QRect& rect, int flags, const QString& text);
    void drawText(QPainter* painter, int x, int y, const QString& text);
    void drawLine(QPainter* painter, const QPen& pen, QPoint from, QPoint to);

    // Lines and the band stop this far below the top margin.
    static constexpr int topGap = 10;
    // The lowest row of the vertical axis's title, its lowered c included.
    static constexpr int titleBottom = 16;

    std::optional<PlotInput> given;
    QSize plotSize;
    qreal screenPixelRatio = 1;
    std::array<QPen, PenCount> pens;
    TextLayoutCache textCache;
    std::array<std::shared_ptr<const CurveTrace>, 2> curves;
    // The pinned setups' curves by their place in the input.
    std::vector<std::shared_ptr<const CurveTrace>> pinnedCurves;
    std::optional<SegmentShapes> segmentShapes;
    // Room for a curve's sample distances, kept from one curve to the next.
    std::vector<double> sampleDistances;
    // During a paint of part of the plot, the area it covers; null while drawing all of it
    // (an export draws everything).
    const PaintArea* paintArea = nullptr;
    int leftMargin = 30;
    int rightMargin = 10;
    int topMargin = 10;
    int bottomMargin = 30;
    StackOverlay stackOverlay;
};
