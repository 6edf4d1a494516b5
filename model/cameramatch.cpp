// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "cameramatch.h"

#include "boxrounding.h"
#include "depthoffield.h"

#include <cmath>
#include <limits>
#include <optional>

namespace CameraMatch {

namespace {
// Far beyond the f-numbers of any lens, so that an answer the boxes cannot take is still
// found and can be named.
constexpr double lowestSearchedAperture = 0.001;
constexpr double highestSearchedAperture = 100000;
// Steps of a twelfth of a stop find the first crossing; bisection then narrows it far below
// the aperture box's 0.1.
constexpr double gridStepsPerDoubling = 24;
constexpr double relativePrecision = 1e-12;
constexpr int maxBisections = 200;

enum class Direction
{
    Falling, // with a growing f-number, as blur at infinity and the near limit do
    Rising   // as the length of the depth of field does
};

// Stores the rounded value in field when the box can take it; otherwise says why not.
bool setRounded(double& field, double value, const BoxRange& box, Setting setting, Result& result)
{
    const double rounded = roundedToStep(value, box.step);
    if (rounded >= box.minimum && rounded <= box.maximum) {
        field = rounded;
        return true;
    }
    result.outcome = Outcome::OutOfRange;
    result.setting = setting;
    result.needed = value;
    result.limit = rounded < box.minimum ? box.minimum : box.maximum;
    return false;
}

Result unchanged(const CameraSetup& two)
{
    Result result;
    result.focus = two.getFdist();
    result.aperture = two.getAperture();
    result.focalLength = two.getFlength();
    return result;
}

// A camera focused at or inside its focal length has nothing to compare.
std::optional<Result> noSharpImage(const CameraSetup& one, const CameraSetup* two = nullptr)
{
    const int camera = !one.formsImage() ? 1 : two && !two->formsImage() ? 2 : 0;
    if (camera == 0)
        return std::nullopt;
    Result result;
    result.outcome = Outcome::NoSharpImage;
    result.camera = camera;
    return result;
}

Result nothingToMatch(Quantity quantity)
{
    Result result;
    result.outcome = Outcome::NothingToMatch;
    result.quantity = quantity;
    return result;
}

// The smallest f-number at which value(f-number) reaches target. value moves in the given
// direction at first and may turn back at larger f-numbers, where diffraction takes over;
// the first crossing is the one on the side of the lens' own blur.
template <typename Value>
Result apertureFor(Value value, double target, Direction direction, Quantity quantity,
                   const BoxRange& apertureBox, Result result)
{
    result.quantity = quantity;
    result.target = target;
    const auto reached = [&](double v) {
        return direction == Direction::Falling ? v <= target : v >= target;
    };
    const auto steps = int(std::ceil(gridStepsPerDoubling *
                                     std::log2(highestSearchedAperture / lowestSearchedAperture)));
    double closest = std::numeric_limits<double>::quiet_NaN();
    double below = 0;
    for (int step = 0; step <= steps; ++step) {
        const double aperture = lowestSearchedAperture * std::pow(2.0, step / gridStepsPerDoubling);
        const double v = value(aperture);
        if (std::isfinite(v) &&
            (std::isnan(closest) || std::fabs(v - target) < std::fabs(closest - target)))
            closest = v;
        if (!reached(v)) {
            below = aperture;
            continue;
        }
        // Reached before any f-number a lens could have: as good as never.
        if (step == 0)
            break;
        double above = aperture;
        for (int i = 0; i < maxBisections && above - below > above * relativePrecision; ++i) {
            const double middle = below + (above - below) / 2;
            (reached(value(middle)) ? above : below) = middle;
        }
        setRounded(result.aperture, above, apertureBox, Setting::Aperture, result);
        return result;
    }
    result.outcome = Outcome::Unreachable;
    result.closest = closest;
    return result;
}
} // namespace

double focusForFullFrameScale(double focalLength, double crop, double scale)
{
    return focalLength + scale * crop * focalLength;
}

Result equivalentSettings(const CameraSetup& one, const CameraSetup& two, const InputBoxes& boxes)
{
    if (const auto refused = noSharpImage(one))
        return *refused;
    const double ratio = one.getCrop() / two.getCrop();
    Result result = unchanged(two);
    if (setRounded(result.focalLength, one.getFlength() * ratio, boxes.focalLength,
                   Setting::FocalLength, result) &&
        setRounded(result.aperture, one.getAperture() * ratio, boxes.aperture, Setting::Aperture,
                   result))
        setRounded(result.focus, one.getFdist(), boxes.focus, Setting::Focus, result);
    return result;
}

Result sameFraming(const CameraSetup& one, const CameraSetup& two, const InputBoxes& boxes)
{
    if (const auto refused = noSharpImage(one))
        return *refused;
    Result result = unchanged(two);
    setRounded(result.focus,
               focusForFullFrameScale(two.getFlength(), two.getCrop(), one.getFullFrameScale()),
               boxes.focus, Setting::Focus, result);
    return result;
}

Result sameBackgroundBlur(const CameraSetup& one, const CameraSetup& two, const InputBoxes& boxes)
{
    if (const auto refused = noSharpImage(one, &two))
        return *refused;
    CameraSetup first = one;
    const double target = first.getZcAtInfinity();
    // Camera 1's zc per fraction of its diagonal, to speak of Camera 2's blur in its terms.
    const double zcPerFraction = target / first.getBackgroundBlur();
    if (!std::isfinite(target) || !std::isfinite(zcPerFraction))
        return nothingToMatch(Quantity::BlurAtInfinity);
    const Result result = unchanged(two);
    // Camera 2 as it would be at the f-number tried.
    CameraSetup trial = two;
    const auto blur = [&trial, zcPerFraction](double aperture) {
        trial.setAperture(aperture);
        return trial.getBackgroundBlur() * zcPerFraction;
    };
    return apertureFor(blur, target, Direction::Falling, Quantity::BlurAtInfinity, boxes.aperture,
                       result);
}

Result sameDepthOfField(const CameraSetup& one, const CameraSetup& two, const InputBoxes& boxes)
{
    using DepthRules::DepthOfField;
    if (const auto refused = noSharpImage(one, &two))
        return *refused;
    CameraSetup first = one;
    const DepthRules::DepthLimits limits = DepthRules::depthLimits(first);
    if (limits.kind == DepthOfField::None)
        return nothingToMatch(Quantity::DepthOfField);
    const Result result = unchanged(two);
    // Camera 2 as it would be at the f-number tried.
    CameraSetup trial = two;
    if (limits.kind == DepthOfField::Endless) {
        const auto nearLimit = [&trial](double aperture) {
            trial.setAperture(aperture);
            const DepthRules::DepthLimits own = DepthRules::depthLimits(trial);
            return own.kind == DepthOfField::None ? std::numeric_limits<double>::infinity()
                                                  : own.nearLimit;
        };
        return apertureFor(nearLimit, limits.nearLimit, Direction::Falling, Quantity::NearLimit,
                           boxes.aperture, result);
    }
    const auto length = [&trial](double aperture) {
        trial.setAperture(aperture);
        return DepthRules::depthLimits(trial).length();
    };
    return apertureFor(length, limits.length(), Direction::Rising, Quantity::DepthOfField,
                       boxes.aperture, result);
}

} // namespace CameraMatch
