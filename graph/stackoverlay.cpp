// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "stackoverlay.h"

#include "paintarea.h"
#include "plotclip.h"
#include "plotgeometry.h"
#include "plotscene.h"
#include "shotplans.h"

#include <QJsonArray>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {
constexpr double dashLength = 6;
constexpr double gapLength = 4;
constexpr int markHeight = 7;

// Rows far outside the area are held just beyond it: the dashes are laid out along what
// shows, not along millions of rows of a curve pinned high.
QPointF heldTo(QPointF point, const QRect& area)
{
    return {point.x(), std::clamp(point.y(), area.top() - 2.0, area.bottom() + 2.0)};
}

std::vector<QLineF> dashesAlong(const std::vector<QPointF>& points)
{
    std::vector<QLineF> dashes;
    double phase = 0; // how far into the current dash-and-gap period
    const double period = dashLength + gapLength;
    for (size_t i = 1; i < points.size(); ++i) {
        const QLineF line(points[i - 1], points[i]);
        const double length = line.length();
        double at = 0;
        while (at < length) {
            const bool inDash = phase < dashLength;
            const double step = std::min(length - at, (inDash ? dashLength : period) - phase);
            if (inDash && length > 0)
                dashes.emplace_back(line.pointAt(at / length), line.pointAt((at + step) / length));
            at += step;
            phase = std::fmod(phase + step, period);
        }
    }
    return dashes;
}

StackScene trace(const StackOnPlot& stack, const CameraScene& camera, const PlotClip& clip)
{
    const CurveTrace& curve = *camera.curve;
    const PlotGeometry& plot = curve.plot;
    // Each shot's curve, and how far its camera stands beyond where the plot measures from.
    std::vector<std::pair<ZcCurve, double>> shots;
    for (const double focus : stack.focuses) {
        CameraSetup shot = stack.setup;
        const bool onRail = stack.railFocus > 0;
        shot.setFdist(onRail ? stack.railFocus : focus);
        shots.emplace_back(ZcCurve(shot), onRail ? focus - stack.railFocus : 0);
    }
    const double flength = stack.setup.getFlength();
    StackScene scene;
    scene.colour = camera.colour;
    scene.penWidth = camera.penWidth;
    scene.area = clip.area();
    std::vector<QPointF> points;
    for (int column = 1; column < plot.plotWidth(); ++column) {
        const double distance = plot.sampleDistance(column, curve.fromCamera, curve.focus);
        double blur = CurveRule::pinnedBlur;
        if (distance > curve.closest) {
            blur = std::numeric_limits<double>::infinity();
            for (const auto& [shot, offset] : shots) {
                if (distance - offset > flength)
                    blur = std::min(blur, shot.at(distance - offset));
            }
        }
        points.push_back(heldTo(QPointF(plot.axisX() + column, plot.rowOfBlur(blur)), scene.area));
    }
    // A clip of the painter costs much under a repaint of many rectangles: only the dashes
    // that reach out of the area get one, and those wholly above or below it are left out.
    const double top = scene.area.top();
    const double bottom = scene.area.bottom();
    const double margin = scene.penWidth;
    for (const QLineF& dash : dashesAlong(points)) {
        const double high = std::min(dash.y1(), dash.y2());
        const double low = std::max(dash.y1(), dash.y2());
        if (high >= top + margin && low <= bottom - margin)
            scene.dashes.push_back(dash);
        else if (low >= top && high <= bottom)
            scene.edgeDashes.push_back(dash);
    }
    // The column whose distance interval holds the focus.
    for (const double focus : stack.focuses) {
        const double onAxis = curve.fromCamera ? focus : focus - curve.focus;
        const double column = std::ceil((onAxis - plot.leftBorder()) / plot.distanceScale());
        if (column < 1 || column >= plot.plotWidth())
            continue;
        const int x = plot.axisX() + int(column);
        scene.marks.emplace_back(x, plot.axisY() - markHeight, x, plot.axisY());
    }
    return scene;
}
} // namespace

std::optional<StackOnPlot> stackOnPlot(const FocusStackRecord& record, const PlotInput& input)
{
    if ((record.camera != 1 && record.camera != 2) || record.focusDistances.isEmpty() ||
        !input.switchedOn[record.camera - 1])
        return std::nullopt;
    StackOnPlot stack{record.camera, input.cameras[record.camera - 1], {}};
    stack.setup.setAperture(record.aperture);
    for (const double metres : record.focusDistances)
        stack.focuses.push_back(metres * 1000);
    stack.railFocus = record.railFocus * 1000;
    return stack;
}

QJsonObject stackJson(const StackOnPlot& stack)
{
    const ShotPlans::FocusStack shots =
        ShotPlans::stackOf(stack.setup, stack.focuses, stack.railFocus);
    QJsonArray shotObjects;
    for (const ShotPlans::Shot& shot : shots.shots) {
        const ShotPlans::SharpRange& range = shot.range;
        shotObjects.append(
            QJsonObject{{QStringLiteral("focus"), shot.focus},
                        {QStringLiteral("near"), range.nearLimit},
                        {QStringLiteral("far"), range.endless ? QJsonValue(QJsonValue::Null)
                                                              : QJsonValue(range.farLimit)}});
    }
    QJsonObject object{{QStringLiteral("camera"), stack.camera},
                       {QStringLiteral("f_number"), stack.setup.getAperture()},
                       {QStringLiteral("shots"), shotObjects}};
    // Only for a rail, so that a stack by the ring reads as it always has.
    if (shots.method == ShotPlans::StackMethod::FocusingRail) {
        object.insert(QStringLiteral("focusing_rail"),
                      QJsonObject{{QStringLiteral("lens_focus"), shots.lensFocus},
                                  {QStringLiteral("step"), shots.railStep}});
    }
    return object;
}

void StackOverlay::set(std::optional<StackOnPlot> newStack)
{
    stack = std::move(newStack);
    traced.reset();
    tracedFor.reset();
}

std::shared_ptr<const StackScene> StackOverlay::sceneFor(const PlotScene& scene,
                                                         const PlotClip& clip)
{
    if (!stack || !scene.cameras[stack->camera - 1])
        return nullptr;
    const CameraScene& camera = *scene.cameras[stack->camera - 1];
    const CurveTrace& curve = *camera.curve;
    // From the camera, a focus change of its own leaves the stack where it is.
    const TracedFor now{curve.plot,    curve.fromCamera, curve.fromCamera ? 0 : curve.focus,
                        curve.closest, camera.colour,    camera.penWidth,
                        clip.area()};
    if (traced && tracedFor == now)
        return traced;
    tracedFor = now;
    traced = std::make_shared<StackScene>(trace(*stack, camera, clip));
    return traced;
}

void StackOverlay::draw(QPainter* painter, const StackScene& scene, const PaintArea* area)
{
    QPen pen(scene.colour);
    pen.setWidth(scene.penWidth);
    painter->save();
    painter->setPen(pen);
    // Only the dashes in the part painted, which stay the same whatever part that is.
    const int reach = scene.penWidth + 1;
    const auto painted = [&](const std::vector<QLineF>& all) {
        std::vector<QLineF> dashes;
        dashes.reserve(all.size());
        for (const QLineF& dash : all) {
            const QRect bounds = QRectF(dash.p1(), dash.p2()).normalized().toAlignedRect();
            if (!area || area->touches(bounds.adjusted(-reach, -reach, reach, reach)))
                dashes.push_back(dash);
        }
        return dashes;
    };
    const std::vector<QLineF> inside = painted(scene.dashes);
    painter->drawLines(inside.data(), int(inside.size()));
    const std::vector<QLineF> edge = painted(scene.edgeDashes);
    if (!edge.empty()) {
        painter->save();
        painter->setClipRect(scene.area, Qt::IntersectClip);
        painter->drawLines(edge.data(), int(edge.size()));
        painter->restore();
    }
    pen.setWidth(2);
    painter->setPen(pen);
    painter->drawLines(scene.marks.data(), int(scene.marks.size()));
    painter->restore();
}
