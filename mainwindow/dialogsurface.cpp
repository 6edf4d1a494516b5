// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "cameracontrols.h"
#include "lengthspinbox.h"
#include "mainwin.h"
#include "projectcameras.h"
#include "projectcontrols.h"
#include "windowform.h"

const CameraSetup& mainWin::cameraRecord(int camera) const
{
    return camera == 1 ? cam1 : cam2;
}

bool mainWin::switchedOn(int camera) const
{
    return (camera == 1 ? boxC1 : boxC2)->isChecked();
}

CocPresets::SensorSides mainWin::sensorSides(int camera) const
{
    const CameraControls controls = cameraControls(*this, camera);
    return ProjectCameras::sensorSides(cameraFromControls(controls), sensorTable,
                                       cameraRecord(camera).getCrop());
}

WindowSurface::Limits mainWin::focusLimits(int camera) const
{
    const LengthSpinBox* focus = camera == 1 ? c1_fdist : c2_fdist;
    return {focus->minimum() * 1000, focus->maximum() * 1000};
}

WindowSurface::Limits mainWin::apertureLimits(int camera) const
{
    const QDoubleSpinBox* aperture = camera == 1 ? c1_apature : c2_apature;
    return {aperture->minimum(), aperture->maximum()};
}

void mainWin::setFocus(int camera, double millimetres, FocusHeld held)
{
    LengthSpinBox* focus = camera == 1 ? c1_fdist : c2_fdist;
    if (held == FocusHeld::Exactly)
        focus->setExactValue(millimetres / 1000);
    else
        focus->setValue(millimetres / 1000);
}

void mainWin::setAperture(int camera, double fNumber)
{
    (camera == 1 ? c1_apature : c2_apature)->setValue(fNumber);
}

Ui_mainWin& windowForm(mainWin& window)
{
    return window;
}

const Ui_mainWin& windowForm(const mainWin& window)
{
    return window;
}
