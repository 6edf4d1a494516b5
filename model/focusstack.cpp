// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "shotplans.h"

#include "depthoffield.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <utility>

namespace ShotPlans {

namespace {
constexpr int bisections = 200;
// Focus distances finer than this many extra digits are not worth reading.
constexpr int maxFocusDigits = 6;

SharpRange rangeAt(const CameraSetup& camera, double focus)
{
    CameraSetup trial = camera;
    trial.setFdist(focus);
    return sharpRange(trial);
}

bool reaches(const SharpRange& range, double farDistance)
{
    return range.endless || (farDistance != infinity && range.farLimit >= farDistance);
}

// Between a focus where holds is true and a farther one where it is not: the last focus
// where it is and the first where it is not, as close as doubles go.
template <typename Holds> std::pair<double, double> edge(double lo, double hi, Holds holds)
{
    for (int i = 0; i < bisections; ++i) {
        const double middle = lo + (hi - lo) / 2;
        if (middle <= lo || middle >= hi)
            break;
        (holds(middle) ? lo : hi) = middle;
    }
    return {lo, hi};
}

// The farthest focus up to farthest whose near limit lies at or before the distance; the
// distance itself is one, as nothing beyond a focus is its near limit.
double farthestCovering(const CameraSetup& camera, double distance, double farthest)
{
    const auto covers = [&](double focus) { return rangeAt(camera, focus).nearLimit <= distance; };
    return covers(farthest) ? farthest : edge(distance, farthest, covers).first;
}

// The nearest focus from nearest on that reaches the far distance, where farthest does.
double nearestReaching(const CameraSetup& camera, double farDistance, double nearest,
                       double farthest)
{
    const auto fallsShort = [&](double focus) {
        return !reaches(rangeAt(camera, focus), farDistance);
    };
    return fallsShort(nearest) ? edge(nearest, farthest, fallsShort).second : nearest;
}

// Focus distances as a reader sees them with some extra digits, or exact.
struct FocusGrid
{
    std::optional<int> digits;
    LengthUnit unit;

    double rounded(double millimetres, LengthUnits::Rounding rounding) const
    {
        return digits
                   ? LengthUnits::readerRounded(millimetres / 1000, unit, *digits, rounding) * 1000
                   : millimetres;
    }
};

// Whether a shot at the focus keeps what is covered so far and moves it on. A focus rounded
// down may not; the exact one fails only where the focused distance itself is blurred.
bool movesOn(const CameraSetup& camera, const FocusBox& box, double focus, const SharpRange& range,
             double covered)
{
    return focus > camera.getFlength() && focus >= box.minimum && range.nearLimit <= covered &&
           range.farLimit > covered;
}

FocusStack failed(FocusStack stack, StackOutcome outcome)
{
    stack.outcome = outcome;
    stack.shots.clear();
    return stack;
}

// Each shot focused as far out as keeps its near limit at or before what the shots before
// it cover; the last the nearest that reaches the far end: it covers what is left and holds
// the far end sharpest.
FocusStack byFocusRing(const CameraSetup& camera, const Zone& zone, const FocusBox& box,
                       const FocusGrid& grid)
{
    FocusStack stack;
    stack.aperture = camera.getAperture();
    double covered = zone.nearDistance;
    double previous = camera.getFlength();
    while (true) {
        if (covered > box.maximum)
            return failed(stack, StackOutcome::OutOfFocusRange);
        if (int(stack.shots.size()) == maxShots)
            return failed(stack, StackOutcome::TooManyShots);
        const double focus = grid.rounded(farthestCovering(camera, covered, box.maximum),
                                          LengthUnits::Rounding::Down);
        const SharpRange range = rangeAt(camera, focus);
        if (!movesOn(camera, box, focus, range, covered))
            return failed(stack, StackOutcome::NoDepthOfField);
        if (reaches(range, zone.farDistance)) {
            const double last =
                grid.rounded(nearestReaching(camera, zone.farDistance, previous, focus),
                             LengthUnits::Rounding::Up);
            const SharpRange lastRange = rangeAt(camera, last);
            const bool lastHolds = last <= focus &&
                                   movesOn(camera, box, last, lastRange, covered) &&
                                   reaches(lastRange, zone.farDistance);
            stack.shots.push_back(lastHolds ? Shot{last, lastRange} : Shot{focus, range});
            return stack;
        }
        stack.shots.push_back({focus, range});
        covered = range.farLimit;
        previous = focus;
    }
}

// The lens focused once, as for the first shot by the ring, and the camera moved on by the
// largest step that leaves no gap: the depth of field, rounded down as the step is read.
FocusStack byFocusingRail(const CameraSetup& camera, const Zone& zone, const FocusBox& box,
                          const FocusGrid& grid)
{
    FocusStack stack;
    stack.method = StackMethod::FocusingRail;
    stack.aperture = camera.getAperture();
    if (zone.nearDistance > box.maximum)
        return failed(stack, StackOutcome::OutOfFocusRange);
    const double focus = grid.rounded(farthestCovering(camera, zone.nearDistance, box.maximum),
                                      LengthUnits::Rounding::Down);
    const SharpRange range = rangeAt(camera, focus);
    if (!movesOn(camera, box, focus, range, zone.nearDistance))
        return failed(stack, StackOutcome::NoDepthOfField);
    if (reaches(range, zone.farDistance)) {
        // One shot, which needs no rail: the one the ring would take.
        FocusStack single = byFocusRing(camera, zone, box, grid);
        single.method = StackMethod::FocusingRail;
        single.lensFocus = single.shots.empty() ? 0 : single.shots.front().focus;
        return single;
    }
    if (zone.toInfinity())
        return failed(stack, StackOutcome::RailToInfinity);
    // The slack keeps a step that the rounding would leave at the depth of field itself a
    // hair inside it.
    const double depth = (range.farLimit - range.nearLimit) * (1 - 1e-9);
    const double step = LengthUnits::readerRounded(depth / 1000, LengthUnit::Metres, 0,
                                                   LengthUnits::Rounding::Down) *
                        1000;
    if (!(step > 0))
        return failed(stack, StackOutcome::NoDepthOfField);
    const double moves = std::ceil((zone.farDistance - range.farLimit) / step);
    if (!(moves < maxShots))
        return failed(stack, StackOutcome::TooManyShots);
    std::vector<double> focuses;
    for (int k = 0; k <= int(moves) || range.farLimit + (k - 1) * step < zone.farDistance; ++k) {
        if (k == maxShots)
            return failed(stack, StackOutcome::TooManyShots);
        focuses.push_back(focus + k * step);
    }
    FocusStack planned = stackOf(camera, focuses, focus);
    planned.railStep = step;
    return planned;
}
} // namespace

SharpRange sharpRange(const CameraSetup& camera)
{
    CameraSetup trial = camera;
    SharpRange range;
    range.nearLimit = trial.getNearLimit();
    const double farLimit = trial.getFarLimit();
    range.endless = DepthRules::isInfinite(farLimit);
    range.farLimit = range.endless ? infinity : farLimit;
    return range;
}

FocusStack planStack(const CameraSetup& camera, const Zone& zone, const FocusBox& focusBox,
                     StackMethod method, LengthUnit unit)
{
    FocusStack stack;
    stack.method = method;
    stack.aperture = camera.getAperture();
    stack.fault = zoneFault(camera, zone);
    if (stack.fault != ZoneFault::None)
        return failed(stack, StackOutcome::BadZone);
    const auto plan = [&](const FocusGrid& grid) {
        return method == StackMethod::FocusingRail ? byFocusingRail(camera, zone, focusBox, grid)
                                                   : byFocusRing(camera, zone, focusBox, grid);
    };
    FocusStack exact = plan({std::nullopt, unit});
    if (exact.outcome != StackOutcome::Planned)
        return exact;
    // As coarse as costs no shot: 625 mm and 1.26 m where that does, 291.2 mm where a macro
    // stack needs it.
    for (int digits = 0; digits <= maxFocusDigits; ++digits) {
        FocusStack rounded = plan({digits, unit});
        if (rounded.outcome == StackOutcome::Planned &&
            rounded.shots.size() == exact.shots.size()) {
            rounded.focusDigits = rounded.shotDigits = digits;
            // A rail's shots lie where the camera's steps put them, which may take a digit or
            // two more to read: 293.56 mm from 291 mm in steps of 2.56 mm.
            const auto onGrid = [&](const Shot& shot) {
                return std::fabs(FocusGrid{rounded.shotDigits, unit}.rounded(
                                     shot.focus, LengthUnits::Rounding::Nearest) -
                                 shot.focus) <= shot.focus * 1e-12;
            };
            while (rounded.shotDigits < digits + 3 &&
                   !std::all_of(rounded.shots.begin(), rounded.shots.end(), onGrid))
                ++rounded.shotDigits;
            return rounded;
        }
    }
    exact.focusDigits = exact.shotDigits = maxFocusDigits;
    return exact;
}

FocusStack stackOf(const CameraSetup& camera, const std::vector<double>& focuses, double lensFocus)
{
    FocusStack stack;
    stack.aperture = camera.getAperture();
    if (!(lensFocus > 0)) {
        for (const double focus : focuses)
            stack.shots.push_back({focus, rangeAt(camera, focus)});
        return stack;
    }
    stack.method = StackMethod::FocusingRail;
    stack.lensFocus = lensFocus;
    if (focuses.size() > 1)
        stack.railStep = focuses[1] - focuses[0];
    // Every shot as the first, moved on with the camera.
    const SharpRange onRail = rangeAt(camera, lensFocus);
    for (const double focus : focuses) {
        const double offset = focus - lensFocus;
        stack.shots.push_back(
            {focus, {onRail.nearLimit + offset, onRail.farLimit + offset, onRail.endless}});
    }
    return stack;
}

double stackBlur(const CameraSetup& camera, const FocusStack& stack, double distance)
{
    double least = std::numeric_limits<double>::infinity();
    CameraSetup trial = camera;
    trial.setAperture(stack.aperture);
    for (const Shot& shot : stack.shots) {
        const bool onRail = stack.method == StackMethod::FocusingRail;
        trial.setFdist(onRail ? stack.lensFocus : shot.focus);
        const double fromCamera = distance - stack.cameraOffset(shot);
        if (fromCamera > trial.getFlength())
            least = std::min(least, zcAt(trial, fromCamera));
    }
    return least;
}

double frameSide(const CocPresets::SensorSides& sensor, FrameSide side)
{
    switch (side) {
    case FrameSide::ShortSide:
        return std::min(sensor.width, sensor.height);
    case FrameSide::LongSide:
        return std::max(sensor.width, sensor.height);
    case FrameSide::Diagonal:
        break;
    }
    return std::hypot(sensor.width, sensor.height);
}

double focusForSubjectSize(double focalLength, double sensorSide, double subjectSize)
{
    // The magnification is sensorSide / subjectSize = F / (S - F).
    return focalLength + focalLength * subjectSize / sensorSide;
}

} // namespace ShotPlans
