// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

class CameraSetup;

// When a camera's depth of field counts as endless, finite or none at all. The caption, the
// exported numbers and the comparison of the two cameras all go by these rules, so that
// they cannot disagree.
namespace DepthRules {
// Far limits beyond this many mm stand for infinity.
constexpr double infiniteDistance = 10000000.0;

bool isInfinite(double farLimit);

enum class DepthOfField
{
    None,   // even the focused distance is blurred: diffraction and lens alone exceed the CoC
    Finite, // from the near to the far limit
    Endless // sharp out to infinity
};
// A camera sharp at the model's infinity is sharp to infinity, also where the diffraction
// search, which stops there, returns a finite far limit.
DepthOfField depthOfField(double zcAtFocus, double zcAtInfinity, double farLimit);

// What the caption and the exported numbers say of a camera's depth of field; the limits
// mean something only where the kind allows (no far limit when Endless, none when None).
struct DepthLimits
{
    DepthOfField kind = DepthOfField::None;
    double nearLimit = 0;
    double farLimit = 0;
    double zcAtInfinity = 0;

    // In mm: infinite when Endless, 0 when None.
    double length() const;
};
// Runs the camera's limit searches, which are skipped where there is nothing to search for.
DepthLimits depthLimits(CameraSetup& camera);
} // namespace DepthRules
