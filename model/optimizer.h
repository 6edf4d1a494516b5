// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include <vector>

class CameraSetup;
class SearchRandom;

// One point the user wants the camera's blur curve to pass through.
struct ReferencePoint
{
    double distanceMetres = 0;
    double zc = 0;
    double weight = 0;
};

using ReferenceTable = std::vector<ReferencePoint>;

// The farthest focus the search moves to, in mm (10 km).
constexpr double farthestOptimizedFocus = 10000000.0;

// Weighted squared deviation of the camera's zc from the references, each deviation taken
// relative to the mean of model and reference, so that missing by a factor k or 1/k costs
// the same.
double calcError(CameraSetup& camera, const ReferenceTable& references);

// Random walk on focus distance and aperture that keeps only improvements, starting at the
// mean reference distance and f/5.6; leaves the best point found in the record. Focal length,
// CoC, lens quality and diffraction stay as they are. An empty table leaves the record alone.
void optimize(CameraSetup& camera, const ReferenceTable& references, SearchRandom& random);
