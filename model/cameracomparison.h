// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

class CameraSetup;

// Camera 2 against Camera 1 in the numbers of the comparison read-out. A ratio is 1 where both
// cameras have the same value, infinite where only Camera 1's is 0, and NaN where a camera's
// value is not a number (a focus at the focal length).
struct CameraComparison
{
    // The blur disc at infinity as a fraction of the sensor's diagonal, Camera 2's over
    // Camera 1's: the same print size, whatever CoC each camera is judged by.
    double blurRatio = 0;
    // Lengths of depth of field, each judged by its camera's own CoC, by the caption's rules:
    // endless counts as infinitely long, none as 0.
    double depthRatio = 0;
    bool bothEndless = false;
    bool bothNone = false;
    // The x of each full-frame scale 1:x.
    double scaleOne = 0;
    double scaleTwo = 0;
};

CameraComparison compareCameras(CameraSetup& one, CameraSetup& two);
