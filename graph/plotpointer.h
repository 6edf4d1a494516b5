// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include "plotreadout.h"

#include <QCoreApplication>
#include <QRegion>
#include <QStringList>

#include <optional>

class QEvent;
class QKeyEvent;
class QMouseEvent;
class QPainter;
class QShortcut;
class QWheelEvent;
class graph;

// Whole wheel notches out of turns of any size: a touchpad or a fine wheel sends a notch in
// several smaller turns, which add up; turning back starts afresh.
class WheelNotches
{
public:
    static constexpr int notch = 120;
    int take(int angleDelta);

private:
    int remainder = 0;
};

// What the pointer and the keyboard do on the plot: the read-out under the pointer (or at
// a column chosen with the arrow keys), focus by click, drag or Enter, zoom by the wheel.
// A move of the read-out repaints only where it was and where it goes, over the scene
// already on screen; after a refresh it follows the new scene.
class PlotPointer
{
    Q_DECLARE_TR_FUNCTIONS(PlotPointer)

public:
    explicit PlotPointer(graph& plot);

    // The plot's pointer, wheel, key, focus and help events; true for those taken here.
    bool handle(QEvent* event);
    // After a refresh built a new scene: the read-out laid out on it. Returns where the
    // read-out changes, for the refresh to repaint with the rest.
    QRegion followScene(const PlotScene& scene);
    // Over whatever a paint of the widget drew; the painter keeps it to the paint's area.
    void draw(QPainter* painter) const;
    // What draw covers with opaque pixels, wherever the widget sits on whole device pixels.
    QRegion opaqueArea() const { return readout ? readout->opaqueArea() : QRegion(); }
    // The read-out's lines as shown; empty while hidden.
    QStringList texts() const;

private:
    bool mouseMoved(QMouseEvent* event);
    bool pressed(QMouseEvent* event);
    bool wheelTurned(QWheelEvent* event);
    bool keyPressed(QKeyEvent* event);
    void showAt(int column, int row);
    // Shows the read-out where the pointer is, when it is over the plot area: its column.
    std::optional<int> showUnder(QPointF position);
    void moveBy(int columns);
    void hide();
    void focusHere(bool secondCamera);
    // The plot as on screen, or as it would be drawn now before anything is.
    PlotGeometry geometry() const;
    bool fromCamera() const;
    void describe(const PlotScene& scene);

    graph& plot;
    // Esc removes the read-out also while the keyboard works elsewhere in the window.
    QShortcut* escape;
    std::optional<PlotReadout> readout;
    ReadoutLines readoutLines;
    // Where the read-out is wanted, also while it waits for a scene to be laid out on.
    bool wanted = false;
    int column = 0;
    int row = -1;
    bool dragging = false;
    WheelNotches distanceWheel;
    WheelNotches blurWheel;
    // The distance a run of wheel notches keeps in the pointer's column, for as long as the
    // pointer stays there and nothing else moves the view.
    struct ZoomAnchor
    {
        int column;
        double distance;
        long long leftBorder;
        int distanceScale;
    };
    std::optional<ZoomAnchor> zoomAnchor;
};
