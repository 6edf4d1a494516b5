// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "viewfit.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double nearRoom = 0.5;
constexpr double farRoom = 2;
constexpr double endlessRoom = 3;

// On the axis: from the camera, or from the camera's own focus plane.
ViewFit::Span cameraSpan(const ViewFit::Camera& camera, bool fromCamera)
{
    using DepthRules::DepthOfField;
    const DepthRules::DepthLimits& limits = camera.limits;
    const bool none = limits.kind == DepthOfField::None;
    const double nearLimit = none ? camera.focus : limits.nearLimit;
    const double to = limits.kind == DepthOfField::Endless
                          ? endlessRoom * camera.focus
                          : farRoom * (none ? camera.focus : limits.farLimit);
    const double shift = fromCamera ? 0 : camera.focus;
    return {nearRoom * nearLimit - shift, to - shift};
}
} // namespace

namespace ViewFit {

std::optional<Span> spanOf(const std::vector<Camera>& cameras, bool fromCamera)
{
    std::optional<Span> span;
    for (const Camera& camera : cameras) {
        const Span one = cameraSpan(camera, fromCamera);
        if (!span)
            span = one;
        span->from = std::min(span->from, one.from);
        span->to = std::max(span->to, one.to);
    }
    return span;
}

std::optional<View> fit(const std::vector<Camera>& cameras, bool fromCamera, const Axis& axis)
{
    const std::optional<Span> span = spanOf(cameras, fromCamera);
    if (!span || axis.columns < 1 || !std::isfinite(span->from) || !std::isfinite(span->to))
        return std::nullopt;
    const auto onStep = [&axis](double distance) {
        return std::floor(distance / axis.borderStep) * axis.borderStep;
    };
    // Rounded down, so that the near end stays in view.
    double border = onStep(span->from);
    const double needed = std::ceil((span->to - border) / axis.columns);
    const int scale =
        static_cast<int>(std::clamp<double>(needed, axis.smallestScale, axis.largestScale));
    if (needed < axis.smallestScale)
        border = onStep((span->from + span->to) / 2 - axis.columns * scale / 2.0);
    return View{border, scale};
}

} // namespace ViewFit
