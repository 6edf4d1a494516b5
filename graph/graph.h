// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include "plotdrawing.h"
#include "plotpointer.h"
#include "plotscene.h"
#include "scenepicture.h"

#include <QImage>
#include <QString>
#include <QWidget>

#include <optional>

class PlotGeometry;
class QPainter;
class SettingsTable;

// The blur plot on screen. It is given what it draws (setInput), and its PlotDrawing turns
// that into a PlotScene at each paint and draws the scene, on screen and in exports.
// Between paints it keeps the scene on screen, so that a refresh repaints only the area
// that changed. What the pointer, the wheel and the keys ask for on the plot leaves it as
// signals; the plot changes no input itself.
class graph : public QWidget
{
    Q_OBJECT

public:
    graph();
    // What to draw from now on; repaints at once, and only where the picture changes.
    void setInput(const PlotInput& input);
    // Nothing is drawn before the first input.
    const PlotInput* input() const { return plotDrawing.input(); }
    // What draws the plot, at the widget's size: for exports and the numbers behind it.
    PlotDrawing& drawing();
    // Writes the plot, as exported, in the format the file name's suffix names (an image
    // format, "svg" or "pdf"); an existing file is replaced only by a complete image. A
    // bitmap gets pixelRatio device pixels per pixel. A settings table, where given, goes below
    // the plot. False when nothing could be written, with the reason in error when asked for.
    bool saveImage(const QString& fileName, qreal pixelRatio = 1,
                   const SettingsTable* table = nullptr, QString* error = nullptr);
    // The plot at the widget's size on the opaque grey background of exported images, with
    // pixelRatio device pixels per pixel (the image's devicePixelRatio).
    QImage renderImage(qreal pixelRatio = 1) { return drawing().renderImage(pixelRatio); }
    static QColor exportBackground() { return PlotDrawing::exportBackground(); }
    static QColor cameraColour(int camera) { return PlotDrawing::cameraColour(camera); }
    static constexpr int pinnedColourCount = PlotDrawing::pinnedColourCount;
    static QColor pinnedColour(int index) { return PlotDrawing::pinnedColour(index); }
    // The caption of camera 1 or 2 as graphDraw writes it; evaluates the camera's limits.
    CaptionTexts captionTexts(int camera) { return drawing().captionTexts(camera); }
    // Scales, margins and size of the plot as graphDraw lays it out now.
    PlotGeometry currentGeometry();
    // Repaints at once where the picture of the input changes, e.g. after a resize.
    void refresh();
    // What the read-out under the pointer says, line by line; empty while it is hidden.
    QStringList readoutTexts() const { return pointer.texts(); }
    // A focus stack to draw over its camera's curve until it is handed nothing; shown from
    // the next refresh on.
    void setFocusStack(std::optional<StackOnPlot> stack)
    {
        plotDrawing.setFocusStack(std::move(stack));
    }
    bool showsFocusStack() const { return plotDrawing.showsFocusStack(); }
    const std::optional<StackOnPlot>& focusStack() const { return plotDrawing.focusStack(); }

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
    void graphDraw(QPainter* painter) { drawing().graphDraw(painter); }

protected:
    bool event(QEvent* event) override;

private:
    friend class PlotPointer;
    // Repaints where the read-out was or goes: the scene on screen copied from its picture
    // there, or drawn where no picture can give the screen's pixels.
    void repaintReadout(const QRegion& area);
    PlotDrawing plotDrawing;
    // The scene the widget shows everywhere, where known, and the one refresh asks to paint.
    std::optional<PlotScene> shown;
    std::optional<PlotScene> pending;
    // What shown looks like, for the read-out to move over.
    ScenePicture picture;
    // While the read-out alone asks for a paint: nothing but it changed.
    bool readoutPaint = false;
    PlotPointer pointer{*this};
};
