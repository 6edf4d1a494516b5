// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "optimizer.h"

#include "camerasetup.h"
#include "searchrandom.h"
#include "trace.h"

#include <cmath>

namespace {
constexpr double startAperture = 5.6;
constexpr double minAperture = 1.2;
constexpr double maxAperture = 64;
constexpr double apertureStep = 0.1;
// The search gives up after this many iterations in a row without an improvement.
constexpr int patience = 100;
// Every accepted move strictly lowers the error, so the search ends; this bound only makes
// sure of it whatever the table holds (far beyond any search seen, about 3 s at 99 rows).
constexpr long maxIterations = 1000000;

// One distance step is k tenths of ln(fdist) mm, k from -100 to 100: coarse far away,
// fine close up.
void moveDistance(CameraSetup& camera, SearchRandom& random)
{
    const int k = random.draw(201) - 100;
    const double old = camera.getFdist();
    double moved = old + std::log(old) * 10 * k / 100;
    if (moved > farthestOptimizedFocus)
        moved = farthestOptimizedFocus;
    if (moved < 2 * camera.getFlength())
        moved = 2 * camera.getFlength();
    camera.setFdist(moved);
}

void moveAperture(CameraSetup& camera, SearchRandom& random)
{
    const int j = random.draw(3) - 1;
    double a = camera.getAperture() + apertureStep * j;
    if (a < minAperture)
        a = minAperture;
    else if (a > maxAperture)
        a = maxAperture;
    camera.setAperture(a);
}
} // namespace

double calcError(CameraSetup& camera, const ReferenceTable& references)
{
    double error = 0;
    for (const ReferencePoint& reference : references) {
        const double model = camera.getZc(reference.distanceMetres * 1000);
        const double deviation = (model - reference.zc) / ((model + reference.zc) * 0.5);
        error += reference.weight * deviation * deviation;
    }
    return error;
}

void optimize(CameraSetup& camera, const ReferenceTable& references, SearchRandom& random)
{
    // Without references there is no start point (the mean of nothing).
    if (references.empty())
        return;
    Trace::out() << "opti: " << camera.getFdist() << " aperture: " << camera.getAperture() << "\n";

    double distanceSum = 0;
    for (const ReferencePoint& reference : references)
        distanceSum += reference.distanceMetres * 1000;
    camera.setFdist(distanceSum / double(references.size()));
    camera.setAperture(startAperture);

    // Comparisons with a NaN error are false, so a table that makes the error NaN never
    // improves and the search ends at its start point.
    double best = 0;
    double savedAperture = 0;
    int counter = 0;
    bool restart = true;
    for (long iteration = 0; (restart || counter < patience) && iteration < maxIterations;
         ++iteration) {
        if (restart) {
            best = calcError(camera, references);
            savedAperture = camera.getAperture();
            counter = 0;
            restart = false;
        }

        const double oldDistance = camera.getFdist();
        moveDistance(camera, random);
        const double afterDistance = calcError(camera, references);
        if (afterDistance < best) {
            best = afterDistance;
            counter = 0;
        } else {
            camera.setFdist(oldDistance);
            ++counter;
        }

        moveAperture(camera, random);
        if (calcError(camera, references) < best)
            restart = true;
        else
            camera.setAperture(savedAperture);
    }
}
