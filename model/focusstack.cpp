// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "shotplans.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace ShotPlans {

namespace {
constexpr int bisections = 200;
// Far beyond any far limit short of infinity that a lens has.
constexpr double farthestSearched = 1e15;

bool sharpAt(CameraSetup& camera, double distance)
{
    return zcAt(camera, distance) <= 1;
}

// The distance between one that is sharp and one that is not where sharpness ends.
double edge(CameraSetup& camera, double sharp, double blurred)
{
    for (int i = 0; i < bisections && std::fabs(blurred - sharp) > sharp * 1e-13; ++i) {
        const double middle = sharp + (blurred - sharp) / 2;
        (camera.getZc(middle) <= 1 ? sharp : blurred) = middle;
    }
    return sharp;
}

// Focus distances are whole steps of the focus box.
class FocusSteps
{
public:
    FocusSteps(const CameraSetup& camera, const FocusBox& box)
        : camera(camera), step(box.step),
          lowest(std::max(std::ceil(box.minimum / box.step),
                          std::floor(camera.getFlength() / box.step) + 1)),
          highest(std::floor(box.maximum / box.step))
    {
    }
    double focus(long long k) const { return double(k) * step; }
    // The first step at or beyond a distance.
    long long atOrBeyond(double distance) const
    {
        return std::max<long long>(lowest, (long long)(std::ceil(distance / step - 1e-9)));
    }
    long long last() const { return highest; }
    bool covers(long long k, double distance) const
    {
        CameraSetup trial = camera;
        trial.setFdist(focus(k));
        return sharpAt(trial, distance);
    }
    // The last step in [from, to] that covers the distance, where from does; focusing
    // farther away moves the near limit out.
    long long farthestCovering(long long from, long long to, double distance) const
    {
        while (from < to) {
            const long long middle = from + (to - from + 1) / 2;
            if (covers(middle, distance))
                from = middle;
            else
                to = middle - 1;
        }
        return from;
    }
    // The first step in [from, to] that covers the distance, where to does; focusing farther
    // away moves the far limit out.
    long long nearestCovering(long long from, long long to, double distance) const
    {
        while (from < to) {
            const long long middle = from + (to - from) / 2;
            if (covers(middle, distance))
                to = middle;
            else
                from = middle + 1;
        }
        return to;
    }

private:
    const CameraSetup& camera;
    double step;
    long long lowest;
    long long highest;
};

Shot shotAt(const CameraSetup& camera, double focus)
{
    CameraSetup trial = camera;
    trial.setFdist(focus);
    return {focus, sharpRange(trial)};
}
} // namespace

SharpRange sharpRange(const CameraSetup& camera)
{
    CameraSetup trial = camera;
    const double focus = camera.getFdist();
    SharpRange range;
    if (!sharpAt(trial, focus)) {
        range.nearLimit = range.farLimit = focus;
        return range;
    }
    // Nearer than the focal length no point is imaged.
    const double closest = camera.getFlength() * (1 + 1e-12);
    range.nearLimit = sharpAt(trial, closest) ? closest : edge(trial, focus, closest);
    range.endless = sharpAt(trial, infinity);
    range.farLimit = range.endless ? infinity : edge(trial, focus, farthestSearched);
    return range;
}

FocusStack planStack(const CameraSetup& camera, const Zone& zone, const FocusBox& focusBox)
{
    FocusStack stack;
    stack.aperture = camera.getAperture();
    stack.fault = zoneFault(camera, zone);
    if (stack.fault != ZoneFault::None) {
        stack.outcome = StackOutcome::BadZone;
        return stack;
    }
    const FocusSteps steps(camera, focusBox);
    double covered = zone.nearDistance;
    // The last shot may lie nearer than what is covered, beyond the shot before it.
    long long previous = steps.atOrBeyond(0) - 1;
    while (true) {
        const long long from = steps.atOrBeyond(covered);
        if (from > steps.last()) {
            stack.outcome = StackOutcome::OutOfFocusRange;
            break;
        }
        if (!steps.covers(from, covered)) {
            CameraSetup atCovered = camera;
            atCovered.setFdist(covered);
            stack.outcome = sharpAt(atCovered, covered) ? StackOutcome::StepTooCoarse
                                                        : StackOutcome::NoDepthOfField;
            break;
        }
        if (int(stack.shots.size()) == maxShots) {
            stack.outcome = StackOutcome::TooManyShots;
            break;
        }
        const long long farthest = steps.farthestCovering(from, steps.last(), covered);
        // The last shot is the nearest that reaches the far end: it covers what is left and
        // holds the far end sharpest.
        if (steps.covers(farthest, zone.farDistance)) {
            const long long last = steps.nearestCovering(previous + 1, farthest, zone.farDistance);
            stack.shots.push_back(shotAt(camera, steps.focus(last)));
            break;
        }
        const Shot shot = shotAt(camera, steps.focus(farthest));
        if (!(shot.range.farLimit > covered)) {
            stack.outcome = StackOutcome::StepTooCoarse;
            break;
        }
        stack.shots.push_back(shot);
        covered = shot.range.farLimit;
        previous = farthest;
    }
    if (stack.outcome != StackOutcome::Planned)
        stack.shots.clear();
    return stack;
}

double stackBlur(const CameraSetup& camera, const FocusStack& stack, double distance)
{
    double least = std::numeric_limits<double>::infinity();
    CameraSetup trial = camera;
    for (const Shot& shot : stack.shots) {
        trial.setFdist(shot.focus);
        least = std::min(least, trial.getZc(distance));
    }
    return least;
}

double focusForSubjectSize(double focalLength, double sensorSide, double subjectSize)
{
    // The magnification is sensorSide / subjectSize = F / (S - F).
    return focalLength + focalLength * subjectSize / sensorSide;
}

} // namespace ShotPlans
