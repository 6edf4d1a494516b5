// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "setupnumbers.h"

#include <cmath>
#include <limits>

namespace {
constexpr double none = std::numeric_limits<double>::quiet_NaN();

double ratio(double part, double whole)
{
    return std::isfinite(part) && std::isfinite(whole) && whole > 0 ? part / whole : none;
}

double backgroundBlur(CameraSetup& camera)
{
    return camera.formsImage() ? camera.getBackgroundBlur() : none;
}

double depthOfField(const DepthRules::DepthLimits& limits)
{
    return limits.kind == DepthRules::DepthOfField::Finite ? limits.length() : none;
}
} // namespace

SetupNumbers setupNumbers(CameraSetup setup, CameraSetup cameraOne)
{
    SetupNumbers numbers;
    numbers.focus = setup.getFdist();
    numbers.aperture = setup.getAperture();
    numbers.limits = DepthRules::depthLimits(setup);
    numbers.backgroundBlurRatio = ratio(backgroundBlur(setup), backgroundBlur(cameraOne));
    numbers.depthOfFieldRatio =
        ratio(depthOfField(numbers.limits), depthOfField(DepthRules::depthLimits(cameraOne)));
    return numbers;
}
