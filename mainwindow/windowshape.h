// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include <QSize>

class QAbstractSpinBox;
class QWidget;
class mainWin;

// How the main window holds its shape: a plot that keeps a usable height, so that the
// window's minimum size follows from it and the controls; controls whose widths do not follow
// the values and texts they show, so that nothing moves under the pointer; and a first window
// that fits a screen smaller than it.
namespace WindowShape {

constexpr int minimumPlotHeight = 200;

// Called once the form's texts and combo box items are in. Puts the controls below the plot
// into a scroll area, which scrolls only where the window is too small for them.
void holdSteady(mainWin& window);
// Before the plot is painted: the window laid out for the controls shown now.
void settle(mainWin& window);
// After a switch between simple and expert mode: each camera box as wide as its widest CoC
// mode needs in this mode, so that choosing another mode moves nothing.
void fixCameraBoxWidths(mainWin& window);

// A box that only shows a value, or one that takes typing: a read-out has no arrows, frame,
// text cursor or field background, and keeps the size it has as a field.
void showAsReadOut(QAbstractSpinBox* box, bool readOut);

// Whether a window of this size, with the frame the window system adds once it is shown,
// fits into a screen's available area.
bool fits(const QSize& window, const QSize& available);

// The size of a window made to fit into a screen's available area with its frame, but not
// below its least size.
QSize fittedSize(const QSize& window, const QSize& available, const QSize& minimum);

// Shows the program's first window: at its own size where that fits its screen, otherwise
// fitted to the screen's available area and maximised.
void showFirstWindow(QWidget& window);

} // namespace WindowShape
