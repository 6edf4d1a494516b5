// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "shotplans.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace ShotPlans {

namespace {
// Fine enough to find every crossing of zc = 1 and the least blur between the f-numbers a
// lens has; bisection then narrows them far below the aperture box's 0.1.
constexpr double gridStepsPerDoubling = 48;
constexpr int bisections = 100;

// The marked f-numbers in thirds of a stop.
constexpr double thirdStops[] = {0.5, 0.56, 0.63, 0.7, 0.8, 0.9, 1.0, 1.1, 1.2, 1.4, 1.6, 1.8, 2,
                                 2.2, 2.5,  2.8,  3.2, 3.5, 4,   4.5, 5,   5.6, 6.3, 7.1, 8,   9,
                                 10,  11,   13,   14,  16,  18,  20,  22,  25,  29,  32,  36,  40,
                                 45,  51,   57,   64,  72,  80,  90,  100, 114, 128};

CameraSetup at(const CameraSetup& camera, double focus, double aperture)
{
    CameraSetup trial = camera;
    trial.setFdist(focus);
    trial.setAperture(aperture);
    return trial;
}

// Where the zone's two ends are equally blurred: nearer, the far end is the blurrier, farther
// the near end. That focus holds the zone's largest zc lowest.
double balancedFocus(const CameraSetup& camera, const Zone& zone)
{
    double lo = zone.nearDistance;
    // Far beyond any focus that matters: there the near end is far the blurrier.
    double hi = std::min(zone.farDistance, 1e15);
    for (int i = 0; i < bisections && hi - lo > hi * 1e-13; ++i) {
        const double middle = lo + (hi - lo) / 2;
        CameraSetup trial = camera;
        trial.setFdist(middle);
        (zcAt(trial, zone.nearDistance) < zcAt(trial, zone.farDistance) ? lo : hi) = middle;
    }
    return lo + (hi - lo) / 2;
}

// The zone's largest zc at an f-number, focused where it is lowest.
double bestBlur(const CameraSetup& camera, const Zone& zone, double aperture)
{
    CameraSetup trial = camera;
    trial.setAperture(aperture);
    trial.setFdist(balancedFocus(trial, zone));
    return zoneBlur(trial, zone);
}

// Between an f-number that holds the zone and one that does not, where it stops holding.
template <typename Blur> double crossing(Blur blur, double holding, double failing)
{
    for (int i = 0; i < bisections && std::fabs(failing - holding) > holding * 1e-12; ++i) {
        const double middle = holding + (failing - holding) / 2;
        (blur(middle) <= 1 ? holding : failing) = middle;
    }
    return holding;
}

double roundToStep(double value, double step)
{
    if (step >= 1)
        return std::round(value / step) * step;
    // Dividing by the whole count of steps per unit gives 1.4 itself rather than 14 * 0.1.
    const double stepsPerUnit = std::round(1 / step);
    return std::round(value * stepsPerUnit) / stepsPerUnit;
}
} // namespace

double zcAt(CameraSetup& camera, double distance)
{
    return distance == infinity ? camera.getZcAtInfinity() : camera.getZc(distance);
}

ZoneFault zoneFault(const CameraSetup& camera, const Zone& zone)
{
    if (!(zone.nearDistance > camera.getFlength()))
        return ZoneFault::NotBeyondFocalLength;
    if (!(zone.farDistance > zone.nearDistance))
        return ZoneFault::FarNotBeyondNear;
    return ZoneFault::None;
}

double zoneBlur(const CameraSetup& camera, const Zone& zone)
{
    CameraSetup trial = camera;
    return std::max(zcAt(trial, zone.nearDistance), zcAt(trial, zone.farDistance));
}

ZonePlan planZone(const CameraSetup& camera, const Zone& zone, const ApertureRange& apertures,
                  const FocusBox& focusBox)
{
    ZonePlan plan;
    plan.fault = zoneFault(camera, zone);
    if (plan.fault != ZoneFault::None)
        return plan;
    const auto blur = [&](double aperture) { return bestBlur(camera, zone, aperture); };

    // The f-numbers of the range, the last one its end.
    std::vector<double> grid;
    const double doublings = std::log2(apertures.maximum / apertures.minimum);
    const int steps = std::max(1, int(std::ceil(gridStepsPerDoubling * doublings)));
    for (int i = 0; i <= steps; ++i)
        grid.push_back(apertures.minimum * std::pow(2.0, doublings * i / steps));
    std::vector<double> blurs;
    std::transform(grid.begin(), grid.end(), std::back_inserter(blurs), blur);

    // The least blur: on the grid, then by golden section between its neighbours.
    const auto least = std::min_element(blurs.begin(), blurs.end()) - blurs.begin();
    double sharpest = grid[least];
    if (least > 0 && least + 1 < long(grid.size())) {
        double lo = grid[least - 1];
        double hi = grid[least + 1];
        const double ratio = (std::sqrt(5.0) - 1) / 2;
        for (int i = 0; i < bisections && hi - lo > hi * 1e-10; ++i) {
            const double a = hi - ratio * (hi - lo);
            const double b = lo + ratio * (hi - lo);
            if (blur(a) < blur(b))
                hi = b;
            else
                lo = a;
        }
        sharpest = lo + (hi - lo) / 2;
        plan.sharpest = sharpest;
    }
    plan.sharpestBlur = std::min(blur(sharpest), blurs[least]);

    const auto first = std::find_if(blurs.begin(), blurs.end(), [](double z) { return z <= 1; });
    plan.holds = first != blurs.end();
    if (!plan.holds) {
        plan.widest = sharpest;
        plan.focus = balancedFocus(at(camera, camera.getFdist(), sharpest), zone);
        plan.roundedFocus = roundToStep(plan.focus, focusBox.step);
        return plan;
    }
    const auto firstIndex = first - blurs.begin();
    plan.widest =
        firstIndex == 0 ? grid[0] : crossing(blur, grid[firstIndex], grid[firstIndex - 1]);
    const auto last = std::find_if(blurs.rbegin(), blurs.rend(), [](double z) { return z <= 1; });
    const auto lastIndex = long(blurs.size()) - 1 - (last - blurs.rbegin());
    if (lastIndex + 1 < long(grid.size()))
        plan.diffractionLimit = crossing(blur, grid[lastIndex], grid[lastIndex + 1]);

    plan.focus = balancedFocus(at(camera, camera.getFdist(), plan.widest), zone);
    plan.roundedFocus =
        std::clamp(roundToStep(plan.focus, focusBox.step), focusBox.minimum, focusBox.maximum);
    // A hair below the widest, so that a widest f-number of exactly a third stop is that stop.
    for (const double stop : thirdStops) {
        if (stop < plan.widest * (1 - 1e-9) || stop < apertures.minimum || stop > apertures.maximum)
            continue;
        if (zoneBlur(at(camera, plan.roundedFocus, stop), zone) <= 1) {
            plan.thirdStop = stop;
            break;
        }
    }
    return plan;
}

} // namespace ShotPlans
