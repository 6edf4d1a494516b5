// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "plotcommands.h"

#include "cameracontrols.h"
#include "graph.h"
#include "lengthspinbox.h"
#include "mainwin.h"
#include "plotgeometry.h"
#include "plotinput.h"
#include "simplesliders.h"
#include "viewfit.h"
#include "windowform.h"

#include <algorithm>
#include <cmath>
#include <vector>

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

int distanceScaleAt(int sliderPosition)
{
    return PlotInput::millimetresPerPixel(sliderPosition);
}

int sliderPositionOf(int distanceScale)
{
    return 51 - distanceScale;
}
} // namespace

namespace PlotCommands {

void focusCameraAt(mainWin& window, int camera, double metres)
{
    // From the focus plane the axis shows no distance to focus at.
    if (!windowForm(window).distanceCam->isChecked() || (camera == 2 && window.expertMode == 0))
        return;
    const CameraControls controls = cameraControls(window, camera);
    if (!controls.box->isChecked())
        return;
    if (window.expertMode == 0) {
        windowForm(window).horizontalSlider->setValue(
            nearestFocusPosition(*windowForm(window).horizontalSlider, metres));
        return;
    }
    // What the box would show for the distance, read back: its own rounding, in its unit.
    QDoubleSpinBox* const focus = controls.fdist;
    focus->setValue(focus->valueFromText(focus->textFromValue(metres)));
}

int zoomedDistanceScale(int scale, int notches)
{
    for (; notches > 0; --notches)
        scale = std::min<int>(scale - 1, std::lround(scale / zoomRatio));
    for (; notches < 0; ++notches)
        scale = std::max<int>(scale + 1, std::lround(scale * zoomRatio));
    return scale;
}

void zoomDistanceAt(mainWin& window, int column, int notches, double keptDistance)
{
    QSlider* const slider = windowForm(window).qxscale;
    // The slider grows to the right while the distance per column shrinks.
    const int scale = distanceScaleAt(slider->value());
    const int zoomed =
        std::clamp(zoomedDistanceScale(scale, notches), distanceScaleAt(slider->maximum()),
                   distanceScaleAt(slider->minimum()));
    if (zoomed == scale)
        return;
    const mainWin::RecalcBatch batch(&window);
    slider->setValue(sliderPositionOf(zoomed));
    windowForm(window).DSB_leftBorder->setValue(
        (keptDistance - column * static_cast<double>(zoomed)) / 1000);
}

void stepBlurScale(mainWin& window, int notches)
{
    windowForm(window).qyscale->setValue(windowForm(window).qyscale->value() + notches);
}

void fitToFocus(mainWin& window)
{
    std::vector<ViewFit::Camera> cameras;
    for (int camera : {1, 2}) {
        if (!cameraControls(window, camera).box->isChecked())
            continue;
        CameraSetup& setup = camera == 1 ? window.cam1 : window.cam2;
        cameras.push_back({setup.getFdist(), DepthRules::depthLimits(setup)});
    }
    const PlotGeometry plot = window.graphWidget->currentGeometry();
    QSlider* const slider = windowForm(window).qxscale;
    LengthSpinBox* const border = windowForm(window).DSB_leftBorder;
    // Whole steps of the border box, so that what it shows is what was fitted.
    const double borderStep = border->shownStep() * 1000;
    const ViewFit::Axis axis{plot.plotWidth() - 1, distanceScaleAt(slider->maximum()),
                             distanceScaleAt(slider->minimum()), borderStep};
    const std::optional<ViewFit::View> view =
        ViewFit::fit(cameras, windowForm(window).distanceCam->isChecked(), axis);
    if (!view)
        return;
    const mainWin::RecalcBatch batch(&window);
    slider->setValue(sliderPositionOf(view->distanceScale));
    border->setValue(view->leftBorder / 1000);
}

} // namespace PlotCommands
