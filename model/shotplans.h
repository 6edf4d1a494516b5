// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include "camerasetup.h"

#include <limits>
#include <optional>
#include <vector>

// Answers to the photographer's questions the other way round: not "what is sharp at this
// focus and f-number?" but "where do I focus, at what f-number, or how many shots do I stack
// to have this zone sharp?" and "where do I stand to fill the frame with this subject?".
// Every answer comes from the camera's own blur (getZc, diffraction and lens quality as
// set); a point counts as sharp where zc is at most 1. Distances are in mm.
namespace ShotPlans {

// A focus box's range and the step its decimals allow, in mm.
struct FocusBox
{
    double minimum;
    double maximum;
    double step;
};

struct ApertureRange
{
    double minimum;
    double maximum;
};

// A far distance that is infinity itself, where a point is as blurred as getZcAtInfinity says.
constexpr double infinity = std::numeric_limits<double>::infinity();

// From nearDistance to farDistance, which may be infinity.
struct Zone
{
    double nearDistance;
    double farDistance;

    bool toInfinity() const { return farDistance == infinity; }
};

// Why a zone cannot be planned at all: it must lie beyond the focal length, far beyond near.
enum class ZoneFault
{
    None,
    NotBeyondFocalLength,
    FarNotBeyondNear
};
ZoneFault zoneFault(const CameraSetup& camera, const Zone& zone);

// The camera's zc at a distance, which may be infinity.
double zcAt(CameraSetup& camera, double distance);

// The largest zc of the zone, where the camera is focused and stopped down as it is: blur
// grows with the distance from the focus, so it is that of one of the zone's ends.
double zoneBlur(const CameraSetup& camera, const Zone& zone);

// The sharp range around the camera's focus, where zc is at most 1.
struct SharpRange
{
    double nearLimit = 0;
    double farLimit = 0; // infinity where endless
    bool endless = false;
};
SharpRange sharpRange(const CameraSetup& camera);

struct ZonePlan
{
    ZoneFault fault = ZoneFault::None;
    // Whether some f-number in the range holds the zone.
    bool holds = false;
    // The focus at which the zone's ends are equally blurred, at the widest f-number that
    // holds it (or, where none does, at the sharpest).
    double focus = 0;
    double widest = 0;
    // With diffraction, the zone's blur falls and then rises again with the f-number: the
    // f-number of its least largest zc, where that lies inside the range.
    std::optional<double> sharpest;
    double sharpestBlur = 0;
    // The largest f-number that still holds the zone, where the range goes beyond it.
    std::optional<double> diffractionLimit;
    // What Apply sets: the focus rounded to the box's step, and the widest standard third
    // stop that holds the zone there; none where no third stop in the range does.
    double roundedFocus = 0;
    std::optional<double> thirdStop;
};
ZonePlan planZone(const CameraSetup& camera, const Zone& zone, const ApertureRange& apertures,
                  const FocusBox& focusBox);

struct Shot
{
    double focus;
    SharpRange range;
};

enum class StackOutcome
{
    Planned,
    BadZone,        // see zoneFault
    NoDepthOfField, // even the focused distance is blurred at this f-number
    StepTooCoarse,  // somewhere the depth of field is thinner than the focus box's step
    TooManyShots,   // more than maxShots
    OutOfFocusRange // the zone lies beyond what the focus box reaches
};

struct FocusStack
{
    StackOutcome outcome = StackOutcome::Planned;
    ZoneFault fault = ZoneFault::None;
    double aperture = 0;
    // Nearest first; each far limit at or beyond the next shot's near limit.
    std::vector<Shot> shots;
};
constexpr int maxShots = 999;
// The fewest shots at the camera's f-number whose depths of field, with the focus distances
// rounded to the box's step, together cover the zone.
FocusStack planStack(const CameraSetup& camera, const Zone& zone, const FocusBox& focusBox);

// The combined blur of a stack at a distance: the least zc of its shots. camera is the
// camera the stack was planned for.
double stackBlur(const CameraSetup& camera, const FocusStack& stack, double distance);

// The focus (thin lens) at which a subject subjectSize tall fills a frame side sensorSide
// long, both in mm, with a lens of focalLength mm.
double focusForSubjectSize(double focalLength, double sensorSide, double subjectSize);

} // namespace ShotPlans
