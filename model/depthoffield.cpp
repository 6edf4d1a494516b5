// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "depthoffield.h"

#include "camerasetup.h"

#include <limits>

namespace DepthRules {

bool isInfinite(double farLimit)
{
    return farLimit > infiniteDistance;
}

DepthOfField depthOfField(double zcAtFocus, double zcAtInfinity, double farLimit)
{
    // Written so that NaN blur (a focus at the focal length, a CoC of 0) counts as blurred.
    if (!(zcAtFocus < 1))
        return DepthOfField::None;
    if (zcAtInfinity < 1 || isInfinite(farLimit))
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
    limits.zcAtInfinity = camera.getZc(infiniteDistance);
    const double zcAtFocus = camera.getZc(camera.getFdist());
    if (zcAtFocus < 1) {
        limits.nearLimit = camera.getNearLimit();
        limits.farLimit = camera.getFarLimit();
    }
    limits.kind = depthOfField(zcAtFocus, limits.zcAtInfinity, limits.farLimit);
    return limits;
}

} // namespace DepthRules
