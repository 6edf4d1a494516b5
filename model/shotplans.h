// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include "camerasetup.h"
#include "cocpresets.h"
#include "lengthunit.h"

#include <limits>
#include <optional>
#include <vector>

// Answers to the photographer's questions the other way round: not "what is sharp at this
// focus and f-number?" but "where do I focus, at what f-number, or how many shots do I stack
// to have this zone sharp?" and "where do I stand to fill the frame with this subject?".
// Every answer comes from the camera's own blur (getZc, diffraction and lens quality as
// set); a point counts as sharp where zc is at most 1. Distances are in mm.
namespace ShotPlans {

// A focus box's range in mm. It holds a focus finer than it shows it.
struct FocusBox
{
    double minimum;
    double maximum;
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
// From the camera's exact limits.
SharpRange sharpRange(const CameraSetup& camera);

// How an f-number is written, a tenth below f/10 and whole numbers above, rounded so that
// what is said holds: up for the widest that holds, down for the last that does.
using FNumberRounding = LengthUnits::Rounding;
double shownFNumber(double aperture, FNumberRounding rounding);

struct ZonePlan
{
    ZoneFault fault = ZoneFault::None;
    // The focus at which the zone's ends are equally blurred, 2nf / (n + f).
    double focus = 0;
    // The focus the answer names and Apply sets: the balanced one as a reader sees it, with
    // as many more digits as keep the widest f-number within one written step of the
    // balanced focus's ("299.7 mm" and f/59, where 300 mm would take f/60 and 299.67 mm
    // f/58). Every f-number below is the one of this focus.
    double roundedFocus = 0;
    int focusDigits = 0; // the extra digits of LengthUnits::readerText
    // Whether some f-number in the range holds the zone.
    bool holds = false;
    // The widest f-number that holds the zone (or, where none does, the sharpest).
    double widest = 0;
    // With diffraction, the zone's blur falls and then rises again with the f-number: the
    // f-number of its least largest zc, where that lies inside the range.
    std::optional<double> sharpest;
    double sharpestBlur = 0;
    // The largest f-number that still holds the zone, where the range goes beyond it.
    std::optional<double> diffractionLimit;
    // What Apply sets with the focus: the widest standard third stop that holds the zone
    // there; none where no third stop in the range does.
    std::optional<double> thirdStop;
};
ZonePlan planZone(const CameraSetup& camera, const Zone& zone, const ApertureRange& apertures,
                  const FocusBox& focusBox, LengthUnit unit);

// How the shots of a stack move the sharp zone: refocusing the lens for each (the fewest
// shots), or moving the whole camera on a focusing rail in equal steps with the lens focused
// once, as macro photographers do; the magnification then stays, and every shot has the same
// depth of field.
enum class StackMethod
{
    FocusRing,
    FocusingRail
};

struct Shot
{
    // The focus plane's distance from where the camera stands for the first shot.
    double focus;
    SharpRange range; // from there too
};

enum class StackOutcome
{
    Planned,
    BadZone,         // see zoneFault
    NoDepthOfField,  // even the focused distance is blurred at this f-number
    TooManyShots,    // more than maxShots
    OutOfFocusRange, // the zone lies beyond what the focus box reaches
    RailToInfinity   // a rail moves the sharp zone by steps, never out to infinity
};

struct FocusStack
{
    StackOutcome outcome = StackOutcome::Planned;
    ZoneFault fault = ZoneFault::None;
    StackMethod method = StackMethod::FocusRing;
    double aperture = 0;
    // Nearest first; each far limit at or beyond the next shot's near limit.
    std::vector<Shot> shots;
    // On a rail: the focus the lens keeps, the first shot's, and the step the camera moves
    // towards the subject between shots (the depth of field, down to three digits in mm).
    double lensFocus = 0;
    double railStep = 0;
    // The extra digits of LengthUnits::readerText of the grid the focus distances (on a rail
    // the lens focus) were rounded to, and those that show each shot's focus as planned: on a
    // rail the camera's steps may need more (in metres).
    int focusDigits = 0;
    int shotDigits = 0;

    // Where the camera stands for a shot, from where it stood for the first.
    double cameraOffset(const Shot& shot) const
    {
        return method == StackMethod::FocusingRail ? shot.focus - lensFocus : 0;
    }
};
constexpr int maxShots = 999;
// The fewest shots at the camera's f-number whose depths of field together cover the zone,
// with the focus distances as coarse as a reader sees them where that costs no shot, finer
// where it would.
FocusStack planStack(const CameraSetup& camera, const Zone& zone, const FocusBox& focusBox,
                     StackMethod method, LengthUnit unit);
// The shots of a stack of known focus distances (a project's): camera at the stack's
// f-number; a lens focus of 0 for the focus ring.
FocusStack stackOf(const CameraSetup& camera, const std::vector<double>& focuses, double lensFocus);

// The combined blur of a stack at a distance: the least zc of its shots. camera is the
// camera the stack was planned for.
double stackBlur(const CameraSetup& camera, const FocusStack& stack, double distance);

// The sides of the frame a subject may fill, whichever way the camera is held.
enum class FrameSide
{
    ShortSide,
    LongSide,
    Diagonal
};
double frameSide(const CocPresets::SensorSides& sensor, FrameSide side);

// The focus (thin lens) at which a subject subjectSize tall fills a frame side sensorSide
// long, both in mm, with a lens of focalLength mm.
double focusForSubjectSize(double focalLength, double sensorSide, double subjectSize);

} // namespace ShotPlans
