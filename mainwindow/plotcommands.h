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

// Moves the distance scale by whole steps, more detail for positive notches, and the left
// border so that the plot's column keeps its distance, as far as the border's box allows.
void zoomDistanceAt(mainWin& window, int column, int notches);

// Moves the zc scale by whole steps, more detail for positive notches.
void stepBlurScale(mainWin& window, int notches);

} // namespace PlotCommands
