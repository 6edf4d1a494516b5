// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "plotpointer.h"

#include "graph.h"

#include <QFocusEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QShortcut>
#include <QToolTip>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace {
// Shift moves the keyboard's cursor this many columns at a time.
constexpr int fastStep = 10;

QPoint pixelOf(QPointF position)
{
    return QPoint(int(std::floor(position.x())), int(std::floor(position.y())));
}
} // namespace

int WheelNotches::take(int angleDelta)
{
    if ((angleDelta > 0 && remainder < 0) || (angleDelta < 0 && remainder > 0))
        remainder = 0;
    remainder += angleDelta;
    const int notches = remainder / notch;
    remainder -= notches * notch;
    return notches;
}

PlotPointer::PlotPointer(graph& plot_)
    : plot(plot_), escape(new QShortcut(QKeySequence(Qt::Key_Escape), &plot))
{
    plot.setMouseTracking(true);
    plot.setFocusPolicy(Qt::StrongFocus);
    plot.setAccessibleName(tr("Blur plot"));
    // Only while the read-out shows, so that Esc keeps every other use.
    escape->setEnabled(false);
    QObject::connect(escape, &QShortcut::activated, &plot, [this]() { hide(); });
}

bool PlotPointer::handle(QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseMove:
        return mouseMoved(static_cast<QMouseEvent*>(event));
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        return pressed(static_cast<QMouseEvent*>(event));
    case QEvent::MouseButtonRelease:
        dragging = false;
        return false;
    case QEvent::Wheel:
        return wheelTurned(static_cast<QWheelEvent*>(event));
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress:
        return keyPressed(static_cast<QKeyEvent*>(event));
    case QEvent::Leave:
        hide();
        return false;
    case QEvent::FocusIn: {
        // Reached with the keyboard: the read-out shows where the arrow keys start.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (!wanted && (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason))
            moveBy(0);
        return false;
    }
    case QEvent::FocusOut:
        if (!plot.underMouse())
            hide();
        return false;
    case QEvent::ToolTip:
        // The plot's explanation shows over the axes, never over the read-out.
        if (PlotReadout::columnAt(geometry(), static_cast<QHelpEvent*>(event)->pos())) {
            QToolTip::hideText();
            event->ignore();
            return true;
        }
        return false;
    case QEvent::Resize:
    case QEvent::Hide:
        // The whole plot is painted anew; the pointer places the read-out again.
        wanted = false;
        dragging = false;
        escape->setEnabled(false);
        readout.reset();
        return false;
    default:
        return false;
    }
}

std::optional<int> PlotPointer::showUnder(QPointF position)
{
    const QPoint point = pixelOf(position);
    const std::optional<int> at = PlotReadout::columnAt(geometry(), point);
    if (at)
        showAt(*at, point.y());
    return at;
}

bool PlotPointer::mouseMoved(QMouseEvent* event)
{
    const int before = column;
    const std::optional<int> at = showUnder(event->position());
    if (!at) {
        hide();
        return false;
    }
    if (QToolTip::isVisible())
        QToolTip::hideText();
    const bool moved = *at != before;
    if (dragging && moved && (event->buttons() & Qt::LeftButton))
        focusHere(event->modifiers() & Qt::ShiftModifier);
    return true;
}

bool PlotPointer::pressed(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !showUnder(event->position()))
        return false;
    dragging = true;
    focusHere(event->modifiers() & Qt::ShiftModifier);
    return true;
}

bool PlotPointer::wheelTurned(QWheelEvent* event)
{
    const std::optional<int> at = showUnder(event->position());
    if (!at)
        return false;
    if (event->modifiers() & Qt::ControlModifier) {
        if (const int notches = blurWheel.take(event->angleDelta().y()))
            emit plot.blurZoomRequested(notches);
    } else if (const int notches = distanceWheel.take(event->angleDelta().y())) {
        const PlotGeometry now = plot.currentGeometry();
        if (!zoomAnchor || zoomAnchor->column != *at ||
            zoomAnchor->leftBorder != now.leftBorder() ||
            zoomAnchor->distanceScale != now.distanceScale())
            zoomAnchor = ZoomAnchor{*at, double(now.intervalEnd(*at)), 0, 0};
        emit plot.distanceZoomRequested(*at, notches, zoomAnchor->distance);
        const PlotGeometry after = plot.currentGeometry();
        zoomAnchor->leftBorder = after.leftBorder();
        zoomAnchor->distanceScale = after.distanceScale();
    }
    event->accept();
    return true;
}

bool PlotPointer::keyPressed(QKeyEvent* event)
{
    // A shortcut of the window must not take a key the plot answers.
    const bool overriding = event->type() == QEvent::ShortcutOverride;
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
        if (geometry().plotWidth() < 2)
            return false;
        if (!overriding)
            moveBy((event->key() == Qt::Key_Left ? -1 : 1) * (shift ? fastStep : 1));
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!wanted)
            return false;
        if (!overriding)
            focusHere(shift);
        break;
    case Qt::Key_Escape:
        if (!wanted)
            return false;
        if (!overriding)
            hide();
        break;
    default:
        return false;
    }
    event->accept();
    return true;
}

void PlotPointer::moveBy(int columns)
{
    const PlotGeometry now = geometry();
    if (now.plotWidth() < 2)
        return;
    const int top = now.axisY() - now.plotHeight();
    // The keyboard starts where the pointer left the read-out, or in the middle.
    const bool placed = column >= 1 && column < now.plotWidth();
    const int from = placed ? column : now.plotWidth() / 2;
    const int to = wanted ? std::clamp(from + columns, 1, now.plotWidth() - 1) : from;
    showAt(to, row >= top && row < now.axisY() ? row : top + now.plotHeight() / 2);
}

void PlotPointer::showAt(int at, int pointerRow)
{
    column = at;
    row = pointerRow;
    wanted = true;
    escape->setEnabled(true);
    // Nothing known on screen to lay the read-out out on: a refresh paints all of it.
    if (!plot.shown) {
        plot.refresh();
        return;
    }
    PlotReadout next(*plot.shown, column, row, fromCamera(), &plot, readoutLines);
    if (readout && *readout == next)
        return;
    const QRegion area = readout ? next.areaOfMoveFrom(*readout) : next.area();
    readout = std::move(next);
    plot.repaintReadout(area);
}

void PlotPointer::hide()
{
    wanted = false;
    dragging = false;
    escape->setEnabled(false);
    if (!readout)
        return;
    const QRegion area = readout->area();
    readout.reset();
    plot.repaintReadout(area);
}

void PlotPointer::focusHere(bool secondCamera)
{
    const double metres = geometry().intervalEnd(column) / 1000.0;
    emit plot.focusRequested(secondCamera ? 2 : 1, metres);
}

QRegion PlotPointer::followScene(const PlotScene& scene)
{
    describe(scene);
    if (column >= scene.plot.plotWidth())
        wanted = false;
    escape->setEnabled(wanted);
    std::optional<PlotReadout> next;
    if (wanted)
        next.emplace(scene, column, row, fromCamera(), &plot, readoutLines);
    if (next == readout)
        return {};
    QRegion area;
    if (readout && next)
        area = next->areaOfMoveFrom(*readout);
    else if (readout || next)
        area = (readout ? readout : next)->area();
    readout = std::move(next);
    return area;
}

void PlotPointer::draw(QPainter* painter) const
{
    if (readout)
        readout->draw(painter);
}

QStringList PlotPointer::texts() const
{
    QStringList lines;
    if (readout) {
        for (const PlotReadout::Line& line : readout->lines())
            lines.append(line.text);
    }
    return lines;
}

PlotGeometry PlotPointer::geometry() const
{
    return plot.shown ? plot.shown->plot : plot.currentGeometry();
}

bool PlotPointer::fromCamera() const
{
    return plot.input()->fromCamera;
}

void PlotPointer::describe(const PlotScene& scene)
{
    QStringList captions;
    for (const std::optional<CameraScene>& camera : scene.cameras) {
        if (camera)
            captions.append(camera->caption.title + QLatin1Char(' ') + camera->caption.settings +
                            QLatin1Char('\n') + camera->caption.values);
    }
    const QString description = captions.join(QLatin1Char('\n'));
    if (plot.accessibleDescription() != description)
        plot.setAccessibleDescription(description);
}
