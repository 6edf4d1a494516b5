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
// A focus finer than this many extra digits is not worth reading.
constexpr int maxFocusDigits = 4;

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

// Where the zone's two ends are equally blurred. The geometric blur of a point at x is
// A F |S - x| / (x (S - F)), and diffraction and lens blur both ends alike, so that is where
// (S - n) / n = (f - S) / f, whatever the f-number.
double balancedFocus(const Zone& zone)
{
    if (zone.toInfinity())
        return 2 * zone.nearDistance;
    return 2 * zone.nearDistance * zone.farDistance / (zone.nearDistance + zone.farDistance);
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

// What the f-numbers of the range do for the zone at one focus.
struct ApertureAnswer
{
    bool holds = false;
    double widest = 0; // the sharpest where none holds
    std::optional<double> sharpest;
    double sharpestBlur = 0;
    std::optional<double> diffractionLimit;
};

ApertureAnswer aperturesAt(const CameraSetup& camera, const Zone& zone, double focus,
                           const ApertureRange& apertures)
{
    const auto blur = [&](double aperture) { return zoneBlur(at(camera, focus, aperture), zone); };
    ApertureAnswer answer;

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
        answer.sharpest = sharpest;
    }
    answer.sharpestBlur = std::min(blur(sharpest), blurs[least]);

    const auto first = std::find_if(blurs.begin(), blurs.end(), [](double z) { return z <= 1; });
    answer.holds = first != blurs.end();
    if (!answer.holds) {
        answer.widest = sharpest;
        return answer;
    }
    const auto firstIndex = first - blurs.begin();
    answer.widest =
        firstIndex == 0 ? grid[0] : crossing(blur, grid[firstIndex], grid[firstIndex - 1]);
    const auto last = std::find_if(blurs.rbegin(), blurs.rend(), [](double z) { return z <= 1; });
    const auto lastIndex = long(blurs.size()) - 1 - (last - blurs.rbegin());
    if (lastIndex + 1 < long(grid.size()))
        answer.diffractionLimit = crossing(blur, grid[lastIndex], grid[lastIndex + 1]);
    return answer;
}
} // namespace

double shownFNumber(double aperture, FNumberRounding rounding)
{
    // A tenth below f/10, whole numbers above, as f-numbers are written.
    const double steps = aperture < 10 ? 10 : 1;
    const double scaled = aperture * steps;
    // A hair's slack, so that f/8 found as 8.0000000001 is not written f/8.1.
    const double rounded = rounding == FNumberRounding::Up     ? std::ceil(scaled - 1e-6)
                           : rounding == FNumberRounding::Down ? std::floor(scaled + 1e-6)
                                                               : std::round(scaled);
    return rounded / steps;
}

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
                  const FocusBox& focusBox, LengthUnit unit)
{
    ZonePlan plan;
    plan.fault = zoneFault(camera, zone);
    if (plan.fault != ZoneFault::None)
        return plan;
    plan.focus = balancedFocus(zone);
    const ApertureAnswer balanced = aperturesAt(camera, zone, plan.focus, apertures);
    // The widest f-number as written at the balanced focus, and one written step narrower,
    // which a focus a reader can set may cost: f/59 where the balanced 299.67 mm takes f/58.
    const double best = shownFNumber(balanced.widest, FNumberRounding::Up);
    const double allowed = shownFNumber(best + (best < 10 ? 0.1 : 1), FNumberRounding::Nearest);
    ApertureAnswer answer;
    for (int digits = 0; digits <= maxFocusDigits; ++digits) {
        plan.focusDigits = digits;
        plan.roundedFocus =
            std::clamp(LengthUnits::readerRounded(plan.focus / 1000, unit, digits) * 1000,
                       focusBox.minimum, focusBox.maximum);
        answer = aperturesAt(camera, zone, plan.roundedFocus, apertures);
        if (!balanced.holds ||
            (answer.holds && shownFNumber(answer.widest, FNumberRounding::Up) <= allowed))
            break;
    }
    plan.holds = answer.holds;
    plan.widest = answer.widest;
    plan.sharpest = answer.sharpest;
    plan.sharpestBlur = answer.sharpestBlur;
    plan.diffractionLimit = answer.diffractionLimit;
    if (!plan.holds)
        return plan;
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
