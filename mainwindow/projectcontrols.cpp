// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "projectcontrols.h"

#include "cameracontrols.h"
#include "gearcommands.h"
#include "mainwin.h"
#include "plancommands.h"
#include "projectcodec.h"
#include "projectread.h"
#include "setupcommands.h"
#include "windowform.h"

CameraRecord cameraFromControls(const CameraControls& c)
{
    CameraRecord r;
    r.cocMode = c.cocMode->currentIndex();
    r.switchedOn = c.box->isChecked();
    r.focusDistance = c.fdist->value();
    r.aperture = c.aperture->value();
    r.focalLength = c.flength->value();
    r.circleOfConfusion = c.coc->value();
    r.lensQuality = c.lensQuality->value();
    r.withDiffraction = c.diffraction->isChecked();
    r.lockMagnification = c.lockMagnification->isChecked();
    r.cropFactorFormat = c.cropFactorFormat->currentIndex();
    r.pixelSizeFormat = c.pixelSizeFormat->currentIndex();
    r.pixelCountPreset = c.pixelCount->currentIndex();
    r.viewDistance = c.viewDistance->value();
    r.formFactor = c.formFactor->currentIndex();
    r.imageWidth = c.imageWidth->value();
    r.sensorWidth = c.sensorWidth->value();
    r.sensorHeight = c.sensorHeight->value();
    r.megapixels = c.megapixels->value();
    return r;
}

void applyCameraToControls(const CameraControls& c, const CameraRecord& r)
{
    c.cocMode->setCurrentIndex(r.cocMode);
    c.box->setChecked(r.switchedOn);
    c.fdist->setExactValue(r.focusDistance);
    c.aperture->setValue(r.aperture);
    c.flength->setValue(r.focalLength);
    c.coc->setValue(r.circleOfConfusion);
    c.lensQuality->setValue(r.lensQuality);
    c.diffraction->setChecked(r.withDiffraction);
    c.lockMagnification->setChecked(r.lockMagnification);
    // Before the indices that may choose them.
    c.sensorWidth->setValue(r.sensorWidth);
    c.sensorHeight->setValue(r.sensorHeight);
    c.megapixels->setValue(r.megapixels);
    c.cropFactorFormat->setCurrentIndex(r.cropFactorFormat);
    c.pixelSizeFormat->setCurrentIndex(r.pixelSizeFormat);
    c.pixelCount->setCurrentIndex(r.pixelCountPreset);
    c.viewDistance->setValue(r.viewDistance);
    c.formFactor->setCurrentIndex(r.formFactor);
    c.imageWidth->setValue(r.imageWidth);
}

ProjectRecord projectFromControls(mainWin& w)
{
    ProjectRecord r;
    r.version = ProjectCodec::currentVersion;
    r.leftBorder = windowForm(w).DSB_leftBorder->value();
    r.distanceFromCamera = windowForm(w).distanceCam->isChecked();
    r.distanceFromFocusPlane = windowForm(w).distanceFP->isChecked();
    r.distanceScale = windowForm(w).qxscale->value();
    r.zcScale = windowForm(w).qyscale->value();
    r.camera1 = cameraFromControls(cameraControls(w, 1));
    r.camera2 = cameraFromControls(cameraControls(w, 2));
    for (CameraRecord* camera : {&r.camera1, &r.camera2}) {
        const GearCommands::Gear& gear = w.gearCommands->gear(camera == &r.camera1 ? 1 : 2);
        camera->body = gear.body;
        camera->lens = gear.lens;
    }
    r.otherRecords = w.keptAdditions;
    r.focusStack = w.planCommands->stackRecord();
    r.pinnedSetups = w.setupCommands->setups();
    return r;
}

void applyProjectToControls(mainWin& w, const ProjectRecord& r, std::ostream& out)
{
    // Setting the controls writes nothing itself, so the echo can go first.
    ProjectRead::traceRecord(out, r);
    windowForm(w).DSB_leftBorder->setExactValue(r.leftBorder);
    windowForm(w).distanceCam->setChecked(r.distanceFromCamera);
    windowForm(w).distanceFP->setChecked(r.distanceFromFocusPlane);
    windowForm(w).qxscale->setValue(r.distanceScale);
    windowForm(w).qyscale->setValue(r.zcScale);
    // The lens's ranges first, so that its focal length and f-number arrive whole.
    w.gearCommands->restore(1, r.camera1.body, r.camera1.lens);
    w.gearCommands->restore(2, r.camera2.body, r.camera2.lens);
    w.keptAdditions = r.otherRecords;
    applyCameraToControls(cameraControls(w, 1), r.camera1);
    applyCameraToControls(cameraControls(w, 2), r.camera2);
    // Switching the distance reference above reset the border; now that the focus distances
    // that bound it are loaded too, the project opens at the border it was saved with.
    w.restoreLeftBorder(r.leftBorder);
    w.setupCommands->restore(r.pinnedSetups);
    // Shown once the recalculation knows the cameras it was planned for.
    w.planCommands->restoreStack(r.focusStack);
}
