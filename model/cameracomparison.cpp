// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "cameracomparison.h"

#include "camerasetup.h"
#include "depthoffield.h"

namespace {
double ratio(double two, double one)
{
    // Also two zeros, or two infinities.
    if (two == one)
        return 1;
    return two / one;
}
} // namespace

CameraComparison compareCameras(CameraSetup& one, CameraSetup& two)
{
    using DepthRules::DepthOfField;
    const DepthRules::DepthLimits first = DepthRules::depthLimits(one);
    const DepthRules::DepthLimits second = DepthRules::depthLimits(two);
    CameraComparison comparison;
    comparison.blurRatio = ratio(two.getBackgroundBlur(), one.getBackgroundBlur());
    comparison.depthRatio = ratio(second.length(), first.length());
    comparison.bothEndless =
        first.kind == DepthOfField::Endless && second.kind == DepthOfField::Endless;
    comparison.bothNone = first.kind == DepthOfField::None && second.kind == DepthOfField::None;
    comparison.scaleOne = one.getFullFrameScale();
    comparison.scaleTwo = two.getFullFrameScale();
    return comparison;
}
