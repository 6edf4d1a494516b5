// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

class mainWin;

// What pointing at the plot asks of the window. Each writes controls as a user would and
// lets the recalculation follow once.
namespace PlotCommands {

// Focuses camera 1 or 2 at a distance from the camera, as its focus box shows it rounded;
// in simple mode Camera 1 through the focus slider's nearest position. Nothing happens
// from the focus plane, for a camera switched off, or for Camera 2 in simple mode.
void focusCameraAt(mainWin& window, int camera, double metres);

// Scales the distance scale by about the same ratio per notch, more detail for positive
// notches, and moves the left border so that the plot's column stands for keptDistance (mm
// on the axis), as far as the border's box allows. Computing each step from the distance
// the zoom started on, rather than from the last rounded border, keeps it from drifting.
void zoomDistanceAt(mainWin& window, int column, int notches, double keptDistance);

// The distance scale (mm per column) a number of wheel notches lead to from scale: each
// notch divides it (or, for negative notches, multiplies it) by about zoomRatio, and
// changes it by at least one.
int zoomedDistanceScale(int scale, int notches);
constexpr double zoomRatio = 1.1;

// Chooses the left border and the distance scale that show every camera switched on with
// its depth of field and room on both sides; the zc scale stays.
void fitToFocus(mainWin& window);

// Moves the zc scale by whole steps, more detail for positive notches.
void stepBlurScale(mainWin& window, int notches);

} // namespace PlotCommands
