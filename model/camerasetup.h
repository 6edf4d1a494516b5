// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include <cmath>
#include <cstddef>

// The optical parameters of one camera and lens, and the blur model on them.
// Every length is in millimetres.
class CameraSetup
{
public:
    // A far limit that stands for "infinitely far" (no diffraction, focused at or past H);
    // DepthRules::isInfinite tells it. A plan's far distance at infinity is ShotPlans::infinity.
    static constexpr double infiniteFarLimit = 99999001.0;
    // getHyperfocal() when even focusing at infinity cannot bring the blur under the CoC.
    static constexpr double noHyperfocal = -1.0;

    // Whether a getHyperfocal() result is a distance one can focus at.
    static bool isHyperfocalDistance(double value)
    {
        return value != noHyperfocal && std::isfinite(value);
    }

    void init(double fdist, double aperture, double flength, double coc, double crop,
              int diffraction, double lensQuality, double diffFactor);

    double getZc(double dist);
    // The limit of getZc for a point ever farther away, which a point at 10 km only comes
    // near: sqrt(G² + D² + L²) / c with the geometric blur G = F² / (N |S - F|).
    double getZcAtInfinity();
    // The same blur disc in mm, and as a fraction of the sensor's diagonal: what a viewer
    // sees of the background at the same print size, whatever CoC the camera is judged by.
    double getBlurAtInfinity();
    double getBackgroundBlur();
    // Whether the lens forms a real image of the focused distance: the focus lies beyond
    // the focal length.
    bool formsImage() const { return fdist > flength; }
    // Without diffraction, the hyperfocal distance H of the depth-of-field formulas,
    // F² / (N sqrt(c² - L²)); with it, the nearest focus at which the blur at infinity is
    // at most the CoC. noHyperfocal when diffraction and lens leave no blur to spend.
    double getHyperfocal();
    // The nearest focus distance at which the far limit is infinite, which the hyperfocal
    // button shows and sets: H + F without diffraction, since the thin-lens far limit is
    // infinite only from S - F >= H on; with diffraction getHyperfocal already is that focus.
    double getHyperfocalFocus();
    // Exact: the geometric blur may use what diffraction and lens leave of the CoC. Both
    // are the focus when nothing is left.
    double getNearLimit();
    double getFarLimit();
    double getScale() const;
    // The full-frame scale, after a trace line of its parts.
    double getFFScale() const;
    // The same without the trace, for what is asked at every recalculation.
    double getFullFrameScale() const;
    double getFieldDiag() const;
    // The focus distance, or the focal length, at which the full-frame scale is 1:target;
    // a value the inputs give no real answer for stays as it was.
    void fitFdistToScale(double target);
    void fitFlengthToScale(double target);

    double getFdist() const { return fdist; }
    double getAperture() const { return aperture; }
    double getFlength() const { return flength; }
    double getCoc() const { return coc; }
    double getCrop() const { return crop; }
    int getDiffraction() const { return diffraction; }
    double getLensQuality() const { return lensQuality; }
    double getDiffFactor() const { return diffFactor; }
    double getDiffSpot() const { return diffSpot; }
    double getAdia() const { return adia; }

    // The optimizer moves focus and aperture together; keeps adia consistent.
    void setFdist(double value) { fdist = value; }
    void setAperture(double value)
    {
        aperture = value;
        adia = flength / value;
    }

private:
    friend class ZcCurve;

    double diffractionBlur() const;
    double lensBlur() const;
    // What diffraction and lens leave of the CoC for the geometric blur, sqrt(c² - D² - L²);
    // 0 when they use it all.
    double blurBudget() const;
    // H of the limit formulas for that budget, F² / (N budget).
    double limitHyperfocal() const;

    double fdist = 0;
    double aperture = 0;
    double flength = 0;
    double coc = 0;
    double crop = 0;
    int diffraction = 0;
    double adia = 0;
    double diffSpot = 0;
    double lensQuality = 0;
    double diffFactor = 0;
};

// getZc of one setting for many distances, as the plot asks for one per pixel column: what
// does not depend on the distance is worked out once. getZc itself goes through here, so
// the values are the same to the last bit.
class ZcCurve
{
public:
    // Leaves the camera's diffraction spot as getZc does.
    explicit ZcCurve(CameraSetup& camera);
    double at(double dist) const;
    // at() of count distances into blurs, each to the last bit the same; a plot's columns
    // at once, which the processor works out several at a time.
    void at(const double* distances, double* blurs, std::size_t count) const;
    // Equal curves give the same blur at every distance.
    bool operator==(const ZcCurve& other) const
    {
        return flength == other.flength && adia == other.adia && coc == other.coc &&
               focusImageDist == other.focusImageDist && diffractionBlur == other.diffractionBlur &&
               lensBlur == other.lensBlur;
    }

private:
    double flength;
    double adia;
    double coc;
    double focusImageDist;
    double diffractionBlur = 0;
    double lensBlur = 0;
};
