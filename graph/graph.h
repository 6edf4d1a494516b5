// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include "textlayoutcache.h"

#include <QImage>
#include <QPen>
#include <QString>
#include <QWidget>

#include <array>

class CameraSetup;
class PlotGeometry;
class QPainter;
class mainWin;

// The three lines of a camera's caption box.
struct CaptionTexts
{
    QString title;    // "Camera 1:"
    QString settings; // focal length, f-number, focus distance, CoC
    QString values;   // blur at infinity, depth of field, full-frame scale, field diagonal
};

// The blur plot. It keeps nothing between paints but the layouts of its texts: every paint
// reads the display controls and camera records of the main window and draws from scratch,
// on screen and in exports.
class graph : public QWidget
{
    Q_OBJECT

public:
    graph();
    void setMainWindow(mainWin* window) { mainWindow = window; }
    // Writes the plot, as exported, in the format the file name's suffix names (an image
    // format, "svg" or "pdf"); an existing file is replaced only by a complete image. A
    // bitmap gets pixelRatio device pixels per pixel. False when nothing could be written.
    bool saveImage(const QString& fileName, qreal pixelRatio = 1);
    // The plot at the widget's size on the opaque grey background of exported images, with
    // pixelRatio device pixels per pixel (the image's devicePixelRatio).
    QImage renderImage(qreal pixelRatio = 1);
    // The caption of camera 1 or 2 as graphDraw writes it; evaluates the camera's limits.
    CaptionTexts captionTexts(int camera);
    // Scales, margins and size of the plot as graphDraw lays it out now.
    PlotGeometry currentGeometry() const;

public slots:
    void paintEvent(QPaintEvent* event) override;
    void graphDraw(QPainter* painter);

private:
    enum PenRole
    {
        Camera1Pen,
        Camera2Pen,
        TextPen,
        GridPen,
        PenCount
    };
    // Columns where the curve enters and leaves the acceptable blur.
    struct DofColumns
    {
        int nearColumn = -1;
        int farColumn = 99999;
    };

    void drawTitles(QPainter* painter, const PlotGeometry& plot);
    void drawGrid(QPainter* painter, const PlotGeometry& plot);
    void drawDistanceTicks(QPainter* painter, const PlotGeometry& plot);
    void drawAxes(QPainter* painter, const PlotGeometry& plot);
    void drawCamera(QPainter* painter, const PlotGeometry& plot, int camera);
    DofColumns drawCurve(QPainter* painter, const PlotGeometry& plot, CameraSetup& camera,
                         QPen& pen);
    void drawBand(QPainter* painter, const PlotGeometry& plot, const DofColumns& dof,
                  QColor colour);
    void drawCaption(QPainter* painter, const PlotGeometry& plot, int camera, QColor colour);

    mainWin* mainWindow = nullptr;
    std::array<QPen, PenCount> pens;
    TextLayoutCache textCache;
    int leftMargin;
    int rightMargin;
    int topMargin;
    int bottomMargin;
};
