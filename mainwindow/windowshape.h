// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include <QSize>

class QWidget;
class mainWin;

// How the main window holds its shape: a plot that keeps a usable height, so that the
// window's minimum size follows from it and the controls; controls whose widths do not follow
// the values and texts they show, so that nothing moves under the pointer; and a first window
// that fits a screen smaller than it.
namespace WindowShape {

constexpr int minimumPlotHeight = 200;

// Called once the form's texts and combo box items are in.
void holdSteady(mainWin& window);
// After a switch between simple and expert mode: each camera box as wide as its widest CoC
// mode needs in this mode, so that choosing another mode moves nothing.
void fixCameraBoxWidths(mainWin& window);

// Whether a window of this size, with the frame the window system adds once it is shown,
// fits into a screen's available area.
bool fits(const QSize& window, const QSize& available);

// Shows the program's first window: at its own size where that fits its screen, otherwise
// maximised, which fits it to the screen's available area.
void showFirstWindow(QWidget& window);

} // namespace WindowShape
