// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "depthoffield.h"

#include "camerasetup.h"

#include <limits>

namespace DepthRules {

bool isInfinite(double farLimit)
{
    return farLimit == CameraSetup::infiniteFarLimit;
}

DepthOfField depthOfField(double zcAtFocus, double farLimit)
{
    // Written so that NaN blur (a focus at the focal length, a CoC of 0) counts as blurred.
    if (!(zcAtFocus < 1))
        return DepthOfField::None;
    if (isInfinite(farLimit))
        return DepthOfField::Endless;
    return DepthOfField::Finite;
}

double DepthLimits::length() const
{
    switch (kind) {
    case DepthOfField::None:
        return 0;
    case DepthOfField::Endless:
        return std::numeric_limits<double>::infinity();
    case DepthOfField::Finite:
        break;
    }
    return farLimit - nearLimit;
}

DepthLimits depthLimits(CameraSetup& camera)
{
    DepthLimits limits;
    // No real image of the focus, so nothing in front of the lens is sharp, and there is no
    // blur of infinity to speak of either.
    if (!camera.formsImage()) {
        limits.zcAtInfinity = std::numeric_limits<double>::quiet_NaN();
        return limits;
    }
    // The limit itself, not the blur of a far point: a point 10 km away is less blurred by
    // S / 10 km, which for a long lens focused far away calls infinity sharp while the far
    // limit is finite.
    limits.zcAtInfinity = camera.getZcAtInfinity();
    const double zcAtFocus = camera.getZc(camera.getFdist());
    if (zcAtFocus < 1) {
        limits.nearLimit = camera.getNearLimit();
        limits.farLimit = camera.getFarLimit();
    }
    limits.kind = depthOfField(zcAtFocus, limits.farLimit);
    return limits;
}

} // namespace DepthRules
