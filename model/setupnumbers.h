// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include "camerasetup.h"
#include "depthoffield.h"

// What a pinned setup's row, its column of the settings table and its exported numbers say
// of it beside Camera 1. All three read it from here, so they cannot disagree.
struct SetupNumbers
{
    double focus = 0; // mm
    double aperture = 0;
    DepthRules::DepthLimits limits;
    // Blur at infinity as a share of the sensor's diagonal, the setup's over Camera 1's: what
    // a viewer sees of the background at the same print size. NaN where either has none.
    double backgroundBlurRatio = 0;
    // The length of the depth of field, the setup's over Camera 1's; NaN where either is
    // endless or none, as no factor says how they compare.
    double depthOfFieldRatio = 0;
};

// Copies, since the model's getters keep their last diffraction spot.
SetupNumbers setupNumbers(CameraSetup setup, CameraSetup cameraOne);
