// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "plotcommands.h"

#include "cameracontrols.h"
#include "graph.h"
#include "mainwin.h"
#include "plotgeometry.h"
#include "simplesliders.h"

#include <algorithm>
#include <cmath>

namespace {
// The slider position whose focus lies nearest, the nearer end of a tie.
int nearestFocusPosition(const QSlider& slider, double metres)
{
    int best = slider.minimum();
    for (int position = slider.minimum(); position <= slider.maximum(); ++position) {
        if (std::abs(focusFromSlider(position) - metres) < std::abs(focusFromSlider(best) - metres))
            best = position;
    }
    return best;
}
} // namespace

namespace PlotCommands {

void focusCameraAt(mainWin& window, int camera, double metres)
{
    // From the focus plane the axis shows no distance to focus at.
    if (!window.distanceCam->isChecked() || (camera == 2 && window.expertMode == 0))
        return;
    const CameraControls controls = cameraControls(window, camera);
    if (!controls.box->isChecked())
        return;
    if (window.expertMode == 0) {
        window.horizontalSlider->setValue(nearestFocusPosition(*window.horizontalSlider, metres));
        return;
    }
    // What the box would show for the distance, read back: its own rounding, in its unit.
    QDoubleSpinBox* const focus = controls.fdist;
    focus->setValue(focus->valueFromText(focus->textFromValue(metres)));
}

void zoomDistanceAt(mainWin& window, int column, int notches)
{
    QSlider* const scale = window.qxscale;
    const int position = std::clamp(scale->value() + notches, scale->minimum(), scale->maximum());
    if (position == scale->value())
        return;
    const PlotGeometry before = window.graphWidget->currentGeometry();
    const mainWin::RecalcBatch batch(&window);
    scale->setValue(position);
    window.DSB_leftBorder->setValue(
        before.leftBorderKeeping(column, PlotInput::millimetresPerPixel(position)));
}

void stepBlurScale(mainWin& window, int notches)
{
    window.qyscale->setValue(window.qyscale->value() + notches);
}

} // namespace PlotCommands
