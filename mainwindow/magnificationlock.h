// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include <optional>

class CameraSetup;

// "Lock Magnification" of one camera: while it is on, a new focal length or crop value moves
// the focus so that the full-frame scale stays the one the user saw before the change. A focus
// set by hand or by a command is a new framing to keep.
class MagnificationLock
{
public:
    // The focus (mm) that keeps the framing with this focal length and crop value, or nothing
    // when neither changed since the last recalculation.
    std::optional<double> focusFor(double focalLength, double crop);
    // After each recalculation, with the record it left. One in which the lock moved the focus
    // keeps the framing it was keeping, so that the focus box's rounding cannot creep in.
    void remember(const CameraSetup& shown);
    // Switched on (or off): the framing to keep is the one shown now.
    void restart() { kept = shownScale; }
    // The x of the full-frame scale 1:x being kept.
    double keptScale() const { return kept; }

private:
    bool known = false;
    bool moved = false;
    double shownFocalLength = 0;
    double shownCrop = 0;
    double shownScale = 0;
    double kept = 0;
};
