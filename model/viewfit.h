// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include "depthoffield.h"

#include <optional>
#include <vector>

// The view of the distance axis that shows the cameras' depths of field with room on both
// sides: from half the nearest near limit to twice the farthest far limit, or to three times
// the farthest focus where a far limit is infinite. A camera with no depth of field at all
// counts with its focus as both limits. Every distance is in millimetres.
namespace ViewFit {

struct Camera
{
    double focus;
    DepthRules::DepthLimits limits;
};

// From the camera, on the axis.
struct Span
{
    double from;
    double to;
};
// Empty without cameras.
std::optional<Span> spanOf(const std::vector<Camera>& cameras, bool fromCamera);

struct View
{
    double leftBorder;
    int distanceScale;
};

struct Axis
{
    // Pixel columns that stand for a distance.
    int columns;
    // The distance scale's range, mm per column.
    int smallestScale;
    int largestScale;
    // The left border keeps whole multiples of this.
    double borderStep;
};

// The left border and the smallest distance scale in range at which the span fills the
// axis; a span too narrow for the smallest scale sits in the middle, and one too wide for
// the largest starts at the left border. fromCamera false: the axis counts from each
// camera's own focus plane. Empty without cameras or columns.
std::optional<View> fit(const std::vector<Camera>& cameras, bool fromCamera, const Axis& axis);

} // namespace ViewFit
