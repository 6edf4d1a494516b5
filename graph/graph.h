// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include "plotinput.h"
#include "plotpointer.h"
#include "plotscene.h"
#include "scenepicture.h"
#include "segmentshapes.h"
#include "stackoverlay.h"
#include "textlayoutcache.h"

#include <QImage>
#include <QPen>
#include <QString>
#include <QWidget>

#include <array>
#include <memory>
#include <optional>

class CameraSetup;
class PlotGeometry;
class PaintArea;
class PlotClip;
class QPainter;
class SettingsTable;

// The blur plot. It is given what it draws (setInput), turns that into a PlotScene at each
// paint and draws the scene, on screen and in exports. Between paints it keeps the layouts
// of its texts, each camera's curve while the camera's blur stays the same, and the scene
// on screen, so that a refresh repaints only the area that changed. What the pointer, the
// wheel and the keys ask for on the plot leaves it as signals; the plot changes no input
// itself.
class graph : public QWidget
{
    Q_OBJECT

public:
    graph();
    // What to draw from now on; repaints at once, and only where the picture changes.
    void setInput(const PlotInput& input);
    // Nothing is drawn before the first input.
    const PlotInput* input() const { return given ? &*given : nullptr; }
    // Writes the plot, as exported, in the format the file name's suffix names (an image
    // format, "svg" or "pdf"); an existing file is replaced only by a complete image. A
    // bitmap gets pixelRatio device pixels per pixel. A settings table, where given, goes below
    // the plot. False when nothing could be written, with the reason in error when asked for.
    bool saveImage(const QString& fileName, qreal pixelRatio = 1,
                   const SettingsTable* table = nullptr, QString* error = nullptr);
    // The plot at the widget's size on the opaque grey background of exported images, with
    // pixelRatio device pixels per pixel (the image's devicePixelRatio).
    QImage renderImage(qreal pixelRatio = 1);
    // The background of exported images; graphDraw fills the caption boxes as over it.
    static QColor exportBackground() { return QColor(220, 220, 220); }
    // The colour of camera 1 or 2: its curve, band, caption and column of the settings table.
    static QColor cameraColour(int camera);
    // The colour of a pinned setup by its index in the palette, 0 to pinnedColourCount - 1:
    // apart from the cameras' and from each other, dark enough for the grey background and
    // for print.
    static constexpr int pinnedColourCount = 8;
    static QColor pinnedColour(int index);
    // The caption of camera 1 or 2 as graphDraw writes it; evaluates the camera's limits.
    CaptionTexts captionTexts(int camera);
    // Scales, margins and size of the plot as graphDraw lays it out now.
    PlotGeometry currentGeometry() const;
    // Repaints at once where the picture of the input changes, e.g. after a resize.
    void refresh();
    // What the read-out under the pointer says, line by line; empty while it is hidden.
    QStringList readoutTexts() const { return pointer.texts(); }
    // A focus stack to draw over its camera's curve until it is handed nothing; shown from
    // the next refresh on.
    void setFocusStack(std::optional<StackOnPlot> stack) { stackOverlay.set(std::move(stack)); }
    bool showsFocusStack() const { return stackOverlay.shown(); }
    const std::optional<StackOnPlot>& focusStack() const { return stackOverlay.shownStack(); }

signals:
    // Focus camera 1 or 2 at a distance in metres from the camera (a click or Enter).
    void focusRequested(int camera, double metres);
    // More detail for positive notches, keeping the plot column at distance (mm on the axis):
    // the distance the column showed when a run of wheel turns began, so that zooming in and
    // out again comes back to the same view.
    void distanceZoomRequested(int column, int notches, double distance);
    // More detail of the zc scale for positive notches.
    void blurZoomRequested(int notches);

public slots:
    void paintEvent(QPaintEvent* event) override;
    void graphDraw(QPainter* painter);

protected:
    bool event(QEvent* event) override;

private:
    friend class PlotPointer;
    // Repaints where the read-out was or goes: the scene on screen copied from its picture
    // there, or drawn where no picture can give the screen's pixels.
    void repaintReadout(const QRegion& area);
    enum PenRole
    {
        Camera1Pen,
        Camera2Pen,
        TextPen,
        GridPen,
        PenCount
    };
    // background: what the plot is drawn over, the window's or an export's.
    PlotScene buildScene(const QColor& background);
    CameraScene cameraScene(const PlotGeometry& plot, const PlotClip& clip, int camera,
                            const QColor& background);
    std::shared_ptr<const CurveTrace> traceCurve(const PlotGeometry& plot, int camera);
    std::shared_ptr<const CurveTrace> traceCurve(const PlotGeometry& plot, CameraSetup& setup,
                                                 std::shared_ptr<const CurveTrace>& kept);
    void addPinned(PlotScene& scene, const PlotClip& clip);
    void drawScene(QPainter* painter, const PlotScene& scene);
    // The scene on the widget, drawn only where it reaches into region (widget coordinates).
    void drawSceneWithin(QPainter* painter, const QRegion& region, const PlotScene& scene);

    void drawTitles(QPainter* painter, const PlotScene& scene);
    void drawGrid(QPainter* painter, const PlotGeometry& plot);
    void drawDistanceTicks(QPainter* painter, const PlotGeometry& plot);
    void drawAxes(QPainter* painter, const PlotGeometry& plot);
    void drawReferenceLine(QPainter* painter, const PlotGeometry& plot);
    // The top of the highest grid label's box.
    static int topGridLabelTop(const PlotGeometry& plot);
    void drawCamera(QPainter* painter, const PlotScene& scene, const CameraScene& camera,
                    int number);
    void drawCurve(QPainter* painter, const CurveTrace& curve, const QPen& pen, const QRect& area);
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
    std::array<QPen, PenCount> pens;
    TextLayoutCache textCache;
    std::array<std::shared_ptr<const CurveTrace>, 2> curves;
    // The pinned setups' curves by their place in the input.
    std::vector<std::shared_ptr<const CurveTrace>> pinnedCurves;
    std::optional<SegmentShapes> segmentShapes;
    // The scene the widget shows everywhere, where known, and the one refresh asks to paint.
    std::optional<PlotScene> shown;
    std::optional<PlotScene> pending;
    // What shown looks like, for the read-out to move over.
    ScenePicture picture;
    // During a paint of the widget, the area it covers; null while drawing elsewhere (an
    // export draws everything).
    const PaintArea* paintArea = nullptr;
    // While the read-out alone asks for a paint: nothing but it changed.
    bool readoutPaint = false;
    int leftMargin;
    int rightMargin;
    int topMargin;
    int bottomMargin;
    PlotPointer pointer{*this};
    StackOverlay stackOverlay;
};
