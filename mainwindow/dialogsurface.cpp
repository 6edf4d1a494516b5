// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "cameracontrols.h"
#include "gearcommands.h"
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

ShotPlans::FocusBox mainWin::focusLimits(int camera) const
{
    const LengthSpinBox* focus = camera == 1 ? c1_fdist : c2_fdist;
    return {focus->minimum() * 1000, focus->maximum() * 1000};
}

ShotPlans::ApertureRange mainWin::apertureLimits(int camera) const
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

CameraRecord mainWin::cameraInputs(int camera) const
{
    CameraRecord record = cameraFromControls(cameraControls(*this, camera));
    const GearCommands::Gear& gear = gearCommands->gear(camera);
    record.body = gear.body;
    record.lens = gear.lens;
    return record;
}

void mainWin::putCamera(int camera, const CameraRecord& record)
{
    RecalcBatch batch(this);
    // Camera 2 and every box of Camera 1 are those of expert mode.
    if (expertMode == 0)
        switchpromode();
    const CameraControls controls = cameraControls(*this, camera);
    CameraRecord put = record;
    put.switchedOn = true;
    put.lockMagnification = controls.lockMagnification->isChecked();
    // The lens's ranges first, so that its focal length and f-number arrive whole.
    gearCommands->restore(camera, put.body, put.lens);
    applyCameraToControls(controls, put);
}

Ui_mainWin& windowForm(mainWin& window)
{
    return window;
}

const Ui_mainWin& windowForm(const mainWin& window)
{
    return window;
}
