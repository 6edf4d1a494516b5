// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "depthoffield.h"

#include "camerasetup.h"

#include <limits>

namespace DepthRules {

namespace {
constexpr double tenKilometres = 10000000.0;
}

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
    // Without diffraction the caption has always shown the blur of a point 10 km away, a
    // hair below the limit; whether infinity is sharp is settled by the far limit, which is
    // exact, so only the third digit of that number would change.
    limits.zcAtInfinity =
        camera.getDiffraction() == 1 ? camera.getZcAtInfinity() : camera.getZc(tenKilometres);
    // No real image of the focus, so nothing in front of the lens is sharp.
    if (!camera.formsImage())
        return limits;
    const double zcAtFocus = camera.getZc(camera.getFdist());
    if (zcAtFocus < 1) {
        limits.nearLimit = camera.getNearLimit();
        limits.farLimit = camera.getFarLimit();
    }
    limits.kind = depthOfField(zcAtFocus, limits.farLimit);
    return limits;
}

} // namespace DepthRules
