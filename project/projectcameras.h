// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include "camerasetup.h"
#include "cocpresets.h"
#include "lengthunit.h"
#include "plotinput.h"
#include "projectrecord.h"
#include "sensorformattable.h"

#include <array>
#include <optional>

// From a project's inputs to the comparison: each camera's CoC and crop value as its CoC
// mode gives them, and the two CameraSetup records the plot draws. The window's
// recalculation and zidov-render both derive through here:
//
//   ProjectRecord (the controls, or a file as the controls would hold it)
//     -> ProjectCameras::derive -> CameraSetup records, crop values, CoCs
//     -> ProjectCameras::plotInput (+ the views a file does not store) -> graph::setInput
namespace ProjectCameras {

// The sides of a camera's sensor in mm: those of the format its CoC mode chooses, a custom
// sensor's own, else (a CoC by view distance or by hand) a 3:2 sensor of the crop value.
CocPresets::SensorSides sensorSides(const CameraRecord& camera, const SensorFormatTable& table,
                                    double crop);

// The pixel count of a camera's preset, or the one typed in millions for the last item.
double pixelCount(const CameraRecord& camera);

// The CoC box's share: a CoC rounded to its decimals and held within its range.
double heldByCocBox(double coc);

// What a camera's CoC mode gives, the CoC as its box holds it; nothing where the mode or
// its tables have no answer, and the camera keeps its CoC and previous crop value.
std::optional<CocPresets::CocAndCrop> cocAndCrop(const CameraRecord& camera);

struct Cameras
{
    std::array<CameraSetup, 2> setups{};
    std::array<double, 2> crops{};
    std::array<double, 2> cocs{}; // as the CoC boxes hold them
};

// Writes the trace lines the recalculation always has: the pixel count of a camera whose
// CoC follows its pixel size, then each record's init line.
Cameras derive(const ProjectRecord& project, double diffractionFactor,
               std::array<double, 2> previousCrops = {});

// The record a pinned setup draws from: its camera derived as a live one is, without the
// trace lines of the recalculation; a CoC mode without an answer keeps its CoC and crop 1.
CameraSetup pinnedSetup(const CameraRecord& camera, double diffractionFactor);

// The plot of a project with its stored settings; the views a project does not store (log
// scale, DOF limits, mode, unit) stay at PlotInput's defaults. The pinned setups on show
// take Camera 1's diffraction factor, the window's one for all cameras.
PlotInput plotInput(const ProjectRecord& project, const Cameras& cameras);

// A loaded project as the window's controls hold it: each value rounded to its control's
// decimals but the focus distances, which are held exactly (the left border box holds feet
// to the micrometre), the focus plane winning the distance reference.
ProjectRecord asControlsHold(const ProjectRecord& project, LengthUnit unit);

// The inputs of a freshly started program, in simple mode, and its diffraction factor.
ProjectRecord startupProject();
constexpr double startupDiffractionFactor = 1.8;

} // namespace ProjectCameras
