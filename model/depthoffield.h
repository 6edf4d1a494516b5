// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

class CameraSetup;

// When a camera's depth of field counts as endless, finite or none at all. The caption, the
// exported numbers and the comparison of the two cameras all go by these rules, so that
// they cannot disagree.
namespace DepthRules {
// Whether a far limit stands for infinity; a finite one may lie beyond 10 km.
bool isInfinite(double farLimit);

enum class DepthOfField
{
    None,   // even the focused distance is blurred: diffraction and lens alone exceed the CoC
    Finite, // from the near to the far limit
    Endless // sharp out to infinity
};
// Sharp to infinity where the far limit is infinite, which is exactly where the blur of a
// point at infinity is at most the CoC; a finite far limit may lie beyond 10 km.
DepthOfField depthOfField(double zcAtFocus, double farLimit);

// What the caption and the exported numbers say of a camera's depth of field; the limits
// mean something only where the kind allows (no far limit when Endless, none when None).
struct DepthLimits
{
    DepthOfField kind = DepthOfField::None;
    double nearLimit = 0;
    double farLimit = 0;
    // NaN where no image forms.
    double zcAtInfinity = 0;

    // In mm: infinite when Endless, 0 when None.
    double length() const;
};
// None for a camera that forms no image of its focus.
DepthLimits depthLimits(CameraSetup& camera);
} // namespace DepthRules
