// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "projectcontrols.h"

#include "cameracontrols.h"
#include "gearcommands.h"
#include "mainwin.h"
#include "plancommands.h"
#include "projectcodec.h"

namespace {

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

class Tracer
{
public:
    explicit Tracer(std::ostream& out_) : out(out_) {}
    void operator()(const char* label, double value) { out << label << value << std::endl; }
    void operator()(const char* label, qint32 value) { out << label << value << std::endl; }
    void operator()(const char* label, bool value) { out << label << int(value) << std::endl; }

private:
    std::ostream& out;
};

void applyCamera(const CameraControls& c, const CameraRecord& r, bool withLensQuality,
                 const char* switchedOnLabel, Tracer& trace)
{
    trace("old 3: ", r.cocMode);
    c.cocMode->setCurrentIndex(r.cocMode);
    trace(switchedOnLabel, r.switchedOn);
    c.box->setChecked(r.switchedOn);
    trace("fdist: ", r.focusDistance);
    c.fdist->setExactValue(r.focusDistance);
    trace("apature: ", r.aperture);
    c.aperture->setValue(r.aperture);
    trace("flength: ", r.focalLength);
    c.flength->setValue(r.focalLength);
    trace("coc: ", r.circleOfConfusion);
    c.coc->setValue(r.circleOfConfusion);
    if (withLensQuality)
        trace("lensQ: ", r.lensQuality);
    c.lensQuality->setValue(r.lensQuality);
    trace("diff: ", r.withDiffraction);
    c.diffraction->setChecked(r.withDiffraction);
    trace("lock mag: ", r.lockMagnification);
    c.lockMagnification->setChecked(r.lockMagnification);
    // Before the indices that may choose them; the trace stays that of format 1.3.
    c.sensorWidth->setValue(r.sensorWidth);
    c.sensorHeight->setValue(r.sensorHeight);
    c.megapixels->setValue(r.megapixels);
    trace("0: ", r.cropFactorFormat);
    c.cropFactorFormat->setCurrentIndex(r.cropFactorFormat);
    trace("1: ", r.pixelSizeFormat);
    c.pixelSizeFormat->setCurrentIndex(r.pixelSizeFormat);
    trace("2: ", r.pixelCountPreset);
    c.pixelCount->setCurrentIndex(r.pixelCountPreset);
    trace("4: ", r.viewDistance);
    c.viewDistance->setValue(r.viewDistance);
    trace("5: ", r.formFactor);
    c.formFactor->setCurrentIndex(r.formFactor);
    trace("6: ", r.imageWidth);
    c.imageWidth->setValue(r.imageWidth);
}

} // namespace

ProjectRecord projectFromControls(mainWin& w)
{
    ProjectRecord r;
    r.version = ProjectCodec::currentVersion;
    r.leftBorder = w.DSB_leftBorder->value();
    r.distanceFromCamera = w.distanceCam->isChecked();
    r.distanceFromFocusPlane = w.distanceFP->isChecked();
    r.distanceScale = w.qxscale->value();
    r.zcScale = w.qyscale->value();
    r.camera1 = cameraFromControls(cameraControls(w, 1));
    r.camera2 = cameraFromControls(cameraControls(w, 2));
    for (CameraRecord* camera : {&r.camera1, &r.camera2}) {
        const GearCommands::Gear& gear = w.gearCommands->gear(camera == &r.camera1 ? 1 : 2);
        camera->body = gear.body;
        camera->lens = gear.lens;
    }
    r.otherRecords = w.keptAdditions;
    r.focusStack = w.planCommands->stackRecord();
    return r;
}

void applyProjectToControls(mainWin& w, const ProjectRecord& r, std::ostream& out)
{
    Tracer trace(out);
    traceVersion(out, r.version);
    trace("lb: ", r.leftBorder);
    w.DSB_leftBorder->setExactValue(r.leftBorder);
    trace("distCam: ", r.distanceFromCamera);
    w.distanceCam->setChecked(r.distanceFromCamera);
    trace("distFP: ", r.distanceFromFocusPlane);
    w.distanceFP->setChecked(r.distanceFromFocusPlane);
    trace("xscale: ", r.distanceScale);
    w.qxscale->setValue(r.distanceScale);
    trace("yscale: ", r.zcScale);
    w.qyscale->setValue(r.zcScale);
    const bool withLensQuality = r.version != ProjectCodec::previousVersion;
    // The lens's ranges first, so that its focal length and f-number arrive whole.
    w.gearCommands->restore(1, r.camera1.body, r.camera1.lens);
    w.gearCommands->restore(2, r.camera2.body, r.camera2.lens);
    w.keptAdditions = r.otherRecords;
    applyCamera(cameraControls(w, 1), r.camera1, withLensQuality, "calc c1: ", trace);
    applyCamera(cameraControls(w, 2), r.camera2, withLensQuality, "calc c2: ", trace);
    // Switching the distance reference above reset the border; now that the focus distances
    // that bound it are loaded too, the project opens at the border it was saved with.
    w.restoreLeftBorder(r.leftBorder);
    // Shown once the recalculation knows the cameras it was planned for.
    w.planCommands->restoreStack(r.focusStack);
}

void traceVersion(std::ostream& out, double version)
{
    out << "ver: " << version << std::endl;
}
