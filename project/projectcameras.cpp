// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "projectcameras.h"

#include "boxrounding.h"
#include "projectcodec.h"
#include "sensorformattable.h"
#include "trace.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {
// The distance boxes in feet hold metres to this many decimals (see LengthSpinBox).
constexpr int feetDistanceDecimals = 6;

// The last item of the format boxes is the camera's custom sensor.
double sensorDiagonal(const CameraRecord& camera, int format)
{
    static const SensorFormatTable table;
    if (format == table.customIndex())
        return std::hypot(camera.sensorWidth, camera.sensorHeight);
    if (format < 0 || format >= table.formatCount())
        return std::numeric_limits<double>::quiet_NaN();
    return table.diagonal(format);
}

const CameraRecord& cameraOf(const ProjectRecord& project, int index)
{
    return index == 0 ? project.camera1 : project.camera2;
}

double held(double value, const ProjectCodec::ValueRange& range)
{
    return roundedAsBox(value, range.decimals);
}

CameraRecord cameraAsHeld(CameraRecord c)
{
    using namespace ProjectCodec;
    // The focus boxes take a project's distance exactly, finer than they show it.
    c.aperture = held(c.aperture, apertureRange);
    c.focalLength = held(c.focalLength, focalLengthRange);
    c.circleOfConfusion = held(c.circleOfConfusion, cocRange);
    c.lensQuality = held(c.lensQuality, lensQualityRange);
    c.viewDistance = held(c.viewDistance, viewDistanceRange);
    c.imageWidth = held(c.imageWidth, imageWidthRange);
    c.sensorWidth = held(c.sensorWidth, sensorSideRange);
    c.sensorHeight = held(c.sensorHeight, sensorSideRange);
    c.megapixels = held(c.megapixels, megapixelRange);
    // A chosen lens moves neither the focal length nor the f-number: a file whose values lie
    // outside what its lens is set to is refused when it is read (see GearRecord).
    return c;
}
} // namespace

namespace ProjectCameras {

CocPresets::SensorSides sensorSides(const CameraRecord& camera, const SensorFormatTable& table,
                                    double crop)
{
    const int index = camera.cocMode == CocByCropFactor  ? camera.cropFactorFormat
                      : camera.cocMode == CocByPixelSize ? camera.pixelSizeFormat
                                                         : -1;
    if (index >= 0 && index < table.formatCount())
        return {table.width(index), table.height(index)};
    if (index == table.customIndex())
        return {camera.sensorWidth, camera.sensorHeight};
    return CocPresets::sidesOfDiagonal(CocPresets::fullFrameDiagonal / crop);
}

double pixelCount(const CameraRecord& camera)
{
    if (camera.pixelCountPreset == CocPresets::customPixelCountIndex)
        return camera.megapixels * 1e6;
    return CocPresets::pixelCount(camera.pixelCountPreset);
}

double heldByCocBox(double coc)
{
    using ProjectCodec::cocRange;
    return std::clamp(roundedAsBox(coc, cocRange.decimals), cocRange.minimum, cocRange.maximum);
}

std::optional<CocPresets::CocAndCrop> cocAndCrop(const CameraRecord& c)
{
    CocPresets::CocAndCrop result{};
    switch (c.cocMode) {
    case CocByCropFactor:
        result = CocPresets::byCropFactor(sensorDiagonal(c, c.cropFactorFormat));
        break;
    case CocByPixelSize:
        result = CocPresets::byPixelSize(sensorDiagonal(c, c.pixelSizeFormat), pixelCount(c));
        break;
    case CocByViewDistance:
        result = CocPresets::byViewDistance(c.viewDistance, c.imageWidth, c.formFactor);
        break;
    case CocManual:
        return CocPresets::CocAndCrop{c.circleOfConfusion,
                                      CocPresets::cropForManualCoc(c.circleOfConfusion)};
    default:
        return std::nullopt;
    }
    if (!std::isfinite(result.coc) || !std::isfinite(result.crop))
        return std::nullopt;
    result.coc = heldByCocBox(result.coc);
    return result;
}

Cameras derive(const ProjectRecord& project, double diffractionFactor,
               std::array<double, 2> previousCrops)
{
    Cameras cameras;
    for (int k = 0; k < 2; ++k) {
        const CameraRecord& c = cameraOf(project, k);
        if (c.cocMode == CocByPixelSize)
            Trace::out() << pixelCount(c) << std::endl;
        const std::optional<CocPresets::CocAndCrop> coc = cocAndCrop(c);
        cameras.cocs[k] = coc ? coc->coc : c.circleOfConfusion;
        cameras.crops[k] = coc ? coc->crop : previousCrops[k];
    }
    for (int k = 0; k < 2; ++k) {
        const CameraRecord& c = cameraOf(project, k);
        cameras.setups[k].init(c.focusDistance * 1000, c.aperture, c.focalLength, cameras.cocs[k],
                               cameras.crops[k], c.withDiffraction ? 1 : 0, c.lensQuality,
                               diffractionFactor);
    }
    return cameras;
}

CameraSetup pinnedSetup(const CameraRecord& c, double diffractionFactor)
{
    const std::optional<CocPresets::CocAndCrop> coc = cocAndCrop(c);
    CameraSetup setup;
    setup.init(c.focusDistance * 1000, c.aperture, c.focalLength,
               coc ? coc->coc : c.circleOfConfusion, coc ? coc->crop : 1, c.withDiffraction ? 1 : 0,
               c.lensQuality, diffractionFactor);
    return setup;
}

PlotInput plotInput(const ProjectRecord& project, const Cameras& cameras)
{
    PlotInput input;
    input.cameras = cameras.setups;
    input.switchedOn = {project.camera1.switchedOn, project.camera2.switchedOn};
    input.leftBorder = project.leftBorder;
    input.fromCamera = project.distanceFromCamera;
    input.distanceScale = project.distanceScale;
    input.zcScale = project.zcScale;
    for (int k = 0; k < 2; ++k) {
        const CameraRecord& c = cameraOf(project, k);
        input.gear[k] = {c.body.isSet() ? c.body.name() : QString(),
                         c.lens.isSet() ? c.lens.name() : QString()};
    }
    const double diffractionFactor = cameras.setups[0].getDiffFactor();
    for (const PinnedSetup& setup : project.pinnedSetups) {
        if (setup.shown)
            input.pinned.push_back({pinnedSetup(setup.camera, diffractionFactor), setup.name,
                                    setup.colour, setup.bandShown});
    }
    return input;
}

ProjectRecord asControlsHold(const ProjectRecord& project, LengthUnit unit)
{
    ProjectRecord r = project;
    const int distanceDecimals =
        unit == LengthUnit::Feet ? feetDistanceDecimals : ProjectCodec::focusDistanceRange.decimals;
    r.leftBorder = roundedAsBox(r.leftBorder, distanceDecimals);
    // The radio buttons receive them in file order: the focus plane wins a file that
    // claims both.
    r.distanceFromCamera = r.distanceFromCamera && !r.distanceFromFocusPlane;
    r.camera1 = cameraAsHeld(r.camera1);
    r.camera2 = cameraAsHeld(r.camera2);
    return r;
}

ProjectRecord startupProject()
{
    ProjectRecord r;
    r.leftBorder = 1;
    r.distanceScale = 20;
    r.zcScale = 50;
    // Simple mode: Camera 1 alone, by pixel size with diffraction, its focus, aperture and
    // focal length from the sliders' first positions; Camera 2 as the form has it.
    CameraRecord c;
    c.cocMode = CocByPixelSize;
    c.focusDistance = 5;
    c.aperture = 4;
    c.focalLength = 50;
    c.circleOfConfusion = 0.0288;
    c.withDiffraction = true;
    c.cropFactorFormat = 3;
    c.pixelSizeFormat = 3;
    c.viewDistance = 1.2;
    c.imageWidth = 1;
    r.camera2 = c;
    c.switchedOn = true;
    c.aperture = 1.8;
    r.camera1 = c;
    return r;
}

} // namespace ProjectCameras
