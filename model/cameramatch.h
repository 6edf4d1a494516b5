// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include "camerasetup.h"

// Settings for Camera 2 that match Camera 1 in one respect; the rest of Camera 2, its
// diffraction and lens quality included, stays as it is. Each answer is rounded to the step
// of its input box and checked against the box's range.
namespace CameraMatch {

// An input box's range and the step its decimals allow, in the model's units.
struct BoxRange
{
    double minimum;
    double maximum;
    double step;
};

struct InputBoxes
{
    BoxRange focus; // mm
    BoxRange aperture;
    BoxRange focalLength; // mm
};

enum class Setting
{
    Focus,
    Aperture,
    FocalLength
};

// What of Camera 1 an f-number search makes Camera 2 meet.
enum class Quantity
{
    BlurAtInfinity,
    DepthOfField, // its length
    NearLimit
};

enum class Outcome
{
    Matched,        // Camera 2 gets focus, aperture and focalLength
    OutOfRange,     // setting would have to be needed; its box ends at limit
    Unreachable,    // no f-number makes quantity target; the nearest Camera 2 comes is closest
    NothingToMatch, // Camera 1 has no finite blur at infinity, or no depth of field
    NoSharpImage    // camera is focused at or inside its focal length
};

struct Result
{
    Outcome outcome = Outcome::Matched;
    double focus = 0; // mm
    double aperture = 0;
    double focalLength = 0; // mm

    Setting setting = Setting::Aperture;
    double needed = 0;
    double limit = 0;

    Quantity quantity = Quantity::BlurAtInfinity;
    double target = 0; // zc, or mm
    double closest = 0;

    int camera = 1;
};

// The same focus, and focal length and f-number scaled by the ratio of the crop factors:
// the same angle of view, depth of field and background blur.
Result equivalentSettings(const CameraSetup& one, const CameraSetup& two, const InputBoxes& boxes);
// The focus at which Camera 2's full-frame scale is Camera 1's.
Result sameFraming(const CameraSetup& one, const CameraSetup& two, const InputBoxes& boxes);
// The f-number at which Camera 2's blur disc at infinity takes the same fraction of its
// sensor's diagonal as Camera 1's; target and closest are zc as Camera 1's CoC judges them.
Result sameBackgroundBlur(const CameraSetup& one, const CameraSetup& two, const InputBoxes& boxes);
// The f-number at which Camera 2's depth of field is as long as Camera 1's; where Camera 1's
// reaches infinity, the one at which Camera 2's begins at Camera 1's near limit.
Result sameDepthOfField(const CameraSetup& one, const CameraSetup& two, const InputBoxes& boxes);

// The focus (mm) beyond the focal point at which a lens of this focal length (mm) on a
// sensor of this crop factor has the full-frame scale 1:scale.
double focusForFullFrameScale(double focalLength, double crop, double scale);

} // namespace CameraMatch
