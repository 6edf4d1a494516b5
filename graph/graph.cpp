// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "graph.h"

#include <QPaintEvent>
#include <QPainter>

#include <utility>

graph::graph()
{
    setToolTip(tr("Relative blur zc over the subject distance, one curve per camera "
                  "switched on.\nzc is the diameter of a point's blur spot divided by the circle "
                  "of confusion: below 1 the point looks sharp, 5 means a spot five times the "
                  "largest one still seen as a point.\nThe shaded band is the depth of field."
                  "\nPoint between the axes to read the blur at a distance; click there to "
                  "focus, turn the wheel to zoom."));
}

void graph::setInput(const PlotInput& input)
{
    plotDrawing.setInput(input);
    refresh();
}

PlotDrawing& graph::drawing()
{
    // A hidden widget learns of a resize only when it is shown; its size is right at once.
    plotDrawing.setSize(size(), devicePixelRatioF());
    return plotDrawing;
}

PlotGeometry graph::currentGeometry()
{
    return drawing().currentGeometry();
}

void graph::refresh()
{
    if (!input())
        return;
    PlotScene scene = drawing().buildScene(palette().color(backgroundRole()));
    QRegion changed = shown ? changedArea(*shown, scene) : QRegion(rect());
    changed += pointer.followScene(scene);
    pending = std::move(scene);
    repaint(changed);
    pending.reset();
}

void graph::paintEvent(QPaintEvent* event)
{
    if (!input())
        return;
    const bool refreshing = pending.has_value();
    // The read-out moving draws the scene on screen again where it was, without a rebuild.
    const bool readoutOnly = !refreshing && readoutPaint && shown;
    if (readoutOnly) {
        QPainter painter(this);
        const auto drawShown = [this](QPainter* painter, const QRegion& region) {
            drawing().drawSceneWithin(painter, region, *shown);
        };
        if (picture.paint(&painter, *this, event->region(), drawShown,
                          !testAttribute(Qt::WA_OpaquePaintEvent), pointer.opaqueArea())) {
            pointer.draw(&painter);
            return;
        }
        // Nothing was painted under this paint: a paint of the usual kind follows.
        if (testAttribute(Qt::WA_OpaquePaintEvent))
            update(event->region());
    }
    PlotScene scene = refreshing    ? std::move(*pending)
                      : readoutOnly ? *shown
                                    : drawing().buildScene(palette().color(backgroundRole()));
    pending.reset();
    {
        QPainter painter(this);
        drawing().drawSceneWithin(&painter, event->region(), scene);
        pointer.draw(&painter);
    }
    // Only a refresh knows that it painted the screen. Any other paint of another scene (a
    // grab, an expose after a change that has not been refreshed yet) leaves the screen
    // unknown, and the next refresh paints all of it.
    if (refreshing) {
        shown = std::move(scene);
        picture.repainted(event->region());
    } else if (!readoutOnly && shown && !changedArea(*shown, scene).isEmpty()) {
        shown.reset();
        picture.forget();
    }
}

bool graph::event(QEvent* event)
{
    // The picture is the size of the plot on screen; a hidden plot needs none.
    if (event->type() == QEvent::Hide)
        picture.drop();
    return (input() && pointer.handle(event)) || QWidget::event(event);
}

void graph::repaintReadout(const QRegion& area)
{
    readoutPaint = true;
    // What the picture covers needs nothing painted under it.
    const bool opaque = picture.covers(*this);
    if (opaque)
        setAttribute(Qt::WA_OpaquePaintEvent, true);
    repaint(area);
    if (opaque)
        setAttribute(Qt::WA_OpaquePaintEvent, false);
    readoutPaint = false;
}
