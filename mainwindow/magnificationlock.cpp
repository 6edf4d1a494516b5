// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "magnificationlock.h"

#include "cameramatch.h"
#include "camerasetup.h"

std::optional<double> MagnificationLock::focusFor(double focalLength, double crop)
{
    if (!known || (focalLength == shownFocalLength && crop == shownCrop))
        return std::nullopt;
    moved = true;
    return CameraMatch::focusForFullFrameScale(focalLength, crop, kept);
}

void MagnificationLock::remember(const CameraSetup& shown)
{
    shownFocalLength = shown.getFlength();
    shownCrop = shown.getCrop();
    shownScale = shown.getFullFrameScale();
    if (!moved)
        kept = shownScale;
    moved = false;
    known = true;
}
