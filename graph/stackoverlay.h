// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include "camerasetup.h"
#include "plotgeometry.h"
#include "plotinput.h"
#include "projectrecord.h"

#include <QColor>
#include <QJsonObject>
#include <QLineF>
#include <QRect>

#include <memory>
#include <optional>
#include <utility>
#include <vector>

class PaintArea;
class PlotClip;
class QPainter;
struct PlotScene;

// A focus stack handed to the plot: the camera it was planned for, as it was then at the
// stack's f-number, and the focus distance of each shot (mm, nearest first). On a focusing
// rail the lens keeps railFocus and the camera moves, so that each shot's focus plane lies
// where its focus says; by the focus ring railFocus is 0.
struct StackOnPlot
{
    int camera = 1;
    CameraSetup setup;
    std::vector<double> focuses;
    double railFocus = 0;
};

// A project's stack as the plot shows it for the cameras of the input: none where the project
// has none or its camera is switched off. What the window's Plan menu shows of an opened
// project, and zidov-render draws.
std::optional<StackOnPlot> stackOnPlot(const FocusStackRecord& record, const PlotInput& input);
// The stack for the exported numbers: camera, f-number and shots with focus, near and far
// limit in mm (far null where endless), and on a focusing rail the lens's focus and the step.
QJsonObject stackJson(const StackOnPlot& stack);

// What the stack adds to a paint: its combined blur (at each distance the least zc of its
// shots) as a dashed line in the camera's colour, and a mark on the distance axis at each
// shot's focus. The dashes are laid out once along the whole curve, so that a paint of part
// of the plot draws the same pixels there as a paint of all of it.
struct StackScene
{
    QColor colour;
    int penWidth = 1;
    QRect area;                     // what the dashes may cover
    std::vector<QLineF> dashes;     // inside the area with the widest pen
    std::vector<QLineF> edgeDashes; // reaching out of it, drawn cut to it
    std::vector<QLine> marks;

    bool operator==(const StackScene& other) const
    {
        return colour == other.colour && penWidth == other.penWidth && area == other.area &&
               dashes == other.dashes && edgeDashes == other.edgeDashes && marks == other.marks;
    }
};

// Keeps the stack the plot shows and its traced scene while neither it nor the plot changes.
class StackOverlay
{
public:
    void set(std::optional<StackOnPlot> stack);
    bool shown() const { return stack.has_value(); }
    const std::optional<StackOnPlot>& shownStack() const { return stack; }
    // For a scene whose cameras are in: nothing where there is no stack or its camera is off.
    std::shared_ptr<const StackScene> sceneFor(const PlotScene& scene, const PlotClip& clip);
    static void draw(QPainter* painter, const StackScene& scene, const PaintArea* area);

private:
    std::optional<StackOnPlot> stack;
    // What the traced scene was traced for: the plot, and the camera's distances and look.
    struct TracedFor
    {
        PlotGeometry plot;
        bool fromCamera;
        double focus; // where distances are from the focus plane
        double closest;
        QColor colour;
        int penWidth;
        QRect area;
        bool operator==(const TracedFor& other) const
        {
            return plot == other.plot && fromCamera == other.fromCamera && focus == other.focus &&
                   closest == other.closest && colour == other.colour &&
                   penWidth == other.penWidth && area == other.area;
        }
    };
    std::shared_ptr<const StackScene> traced;
    std::optional<TracedFor> tracedFor;
};
