// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "camerasetup.h"

#include "cocpresets.h"
#include "trace.h"

#include <cmath>

namespace {
// Airy disc diameter per f-number at 550 nm, in mm.
constexpr double airyPerFNumber = 1.22 * 0.00055;
// The diagonal the object field is scaled to; deliberately the short form of 43.26661531.
constexpr double fieldDiagonalBase = 43.2666;
} // namespace

void CameraSetup::init(double fdist_, double aperture_, double flength_, double coc_, double crop_,
                       int diffraction_, double lensQuality_, double diffFactor_)
{
    fdist = fdist_;
    aperture = aperture_;
    flength = flength_;
    coc = coc_;
    crop = crop_;
    diffraction = diffraction_;
    lensQuality = lensQuality_;
    diffFactor = diffFactor_;
    adia = flength / aperture;
    Trace::out() << "init - fdist: " << fdist << " aperture: " << aperture
                 << " flength: " << flength << " coc: " << coc << " adia: " << adia
                 << "crop: " << crop << "\n";
}

namespace {
// The parts of the blur model shared by getZc and ZcCurve, so that both give the same
// values to the last bit; small enough to be inlined into each.
double focusImageDistance(double flength, double fdist)
{
    return 1.0 / (1.0 / flength - 1.0 / fdist);
}

double diffractionBlurOf(double diffFactor, double aperture, double flength, double fdist)
{
    // Working f-number of the focused distance: it depends on S, not on dist.
    return diffFactor * airyPerFNumber * aperture *
           (1.0 / (std::fabs(flength - fdist) / flength) + 1.0);
}

double lensBlurOf(double lensQuality, double aperture)
{
    return lensQuality < 100 ? (lensQuality * (-9.9999) / 100 + 10) / (aperture * aperture) : 0;
}

double blurAt(double dist, double flength, double adia, double focusImageDist,
              double diffractionBlur, double lensBlur, double coc)
{
    const double imageDist = 1.0 / (1.0 / flength - 1.0 / dist);
    const double geometric = adia * std::fabs(imageDist - focusImageDist) / imageDist;
    return std::sqrt(geometric * geometric + diffractionBlur * diffractionBlur +
                     lensBlur * lensBlur) /
           coc;
}
} // namespace

double CameraSetup::getZc(double dist)
{
    double diffractionBlur = 0;
    if (diffraction == 1) {
        diffractionBlur = diffractionBlurOf(diffFactor, aperture, flength, fdist);
        diffSpot = diffractionBlur;
    }
    return blurAt(dist, flength, adia, focusImageDistance(flength, fdist), diffractionBlur,
                  lensBlurOf(lensQuality, aperture), coc);
}

ZcCurve::ZcCurve(CameraSetup& camera)
    : flength(camera.flength), adia(camera.adia), coc(camera.coc),
      focusImageDist(focusImageDistance(camera.flength, camera.fdist)),
      lensBlur(lensBlurOf(camera.lensQuality, camera.aperture))
{
    if (camera.diffraction == 1) {
        diffractionBlur =
            diffractionBlurOf(camera.diffFactor, camera.aperture, camera.flength, camera.fdist);
        camera.diffSpot = diffractionBlur;
    }
}

double ZcCurve::at(double dist) const
{
    return blurAt(dist, flength, adia, focusImageDist, diffractionBlur, lensBlur, coc);
}

void ZcCurve::at(const double* distances, double* blurs, std::size_t count) const
{
    // Nothing in the loop but the blur, with the curve's terms in locals, so that the
    // compiler may take the distances two or more at a time.
    const double f = flength;
    const double a = adia;
    const double s = focusImageDist;
    const double d = diffractionBlur;
    const double l = lensBlur;
    const double c = coc;
    for (std::size_t i = 0; i < count; ++i)
        blurs[i] = blurAt(distances[i], f, a, s, d, l, c);
}

double CameraSetup::diffractionBlur() const
{
    return diffraction == 1 ? diffractionBlurOf(diffFactor, aperture, flength, fdist) : 0;
}

double CameraSetup::lensBlur() const
{
    return lensBlurOf(lensQuality, aperture);
}

double CameraSetup::getZcAtInfinity()
{
    return getBlurAtInfinity() / coc;
}

double CameraSetup::getBlurAtInfinity()
{
    const double diffractionPart = diffractionBlur();
    if (diffraction == 1)
        diffSpot = diffractionPart;
    const double lensPart = lensBlur();
    // The image of infinity lies at F, so the geometric blur is A |F - Vs| / F.
    const double geometric = adia * flength / std::fabs(fdist - flength);
    return std::sqrt(geometric * geometric + diffractionPart * diffractionPart +
                     lensPart * lensPart);
}

double CameraSetup::getBackgroundBlur()
{
    return getBlurAtInfinity() * crop / CocPresets::fullFrameDiagonal;
}

double CameraSetup::blurBudget() const
{
    const double diffractionPart = diffractionBlur();
    const double lensPart = lensBlur();
    // Also what keeps the plain thin-lens numbers to the last bit.
    if (diffractionPart == 0 && lensPart == 0)
        return coc;
    const double left = coc * coc - diffractionPart * diffractionPart - lensPart * lensPart;
    return left > 0 ? std::sqrt(left) : 0;
}

double CameraSetup::limitHyperfocal() const
{
    return flength * flength / (blurBudget() * aperture);
}

double CameraSetup::getHyperfocal()
{
    if (diffraction != 1) {
        if (!(blurBudget() > 0))
            return noHyperfocal;
        return limitHyperfocal();
    }
    // The diffraction spot shrinks as the focus moves out, D = D0 (1 + F u) with
    // u = 1 / (S - F), and the geometric blur at infinity is a u with a = A F. The blur at
    // infinity reaches the CoC where (a² + b²) u² + 2 D0 b u + D0² + L² - c² = 0, b = D0 F;
    // the root is written so that it does not cancel.
    const double farthestSpot = diffFactor * airyPerFNumber * aperture;
    const double lensPart = lensBlur();
    const double left = coc * coc - farthestSpot * farthestSpot - lensPart * lensPart;
    if (!(left > 0))
        return noHyperfocal;
    const double a = adia * flength;
    const double b = farthestSpot * flength;
    const double u = left / (farthestSpot * b + std::sqrt(farthestSpot * farthestSpot * b * b +
                                                          (a * a + b * b) * left));
    return flength + 1 / u;
}

double CameraSetup::getHyperfocalFocus()
{
    const double hyperfocal = getHyperfocal();
    if (hyperfocal == noHyperfocal)
        return noHyperfocal;
    return diffraction == 1 ? hyperfocal : hyperfocal + flength;
}

double CameraSetup::getFarLimit()
{
    if (!(blurBudget() > 0))
        return fdist;
    const double hyperfocal = limitHyperfocal();
    if (hyperfocal > fdist - flength)
        return fdist * hyperfocal / (hyperfocal - (fdist - flength));
    return infiniteFarLimit;
}

double CameraSetup::getNearLimit()
{
    if (!(blurBudget() > 0))
        return fdist;
    const double hyperfocal = limitHyperfocal();
    return fdist * hyperfocal / (hyperfocal + (fdist - flength));
}

double CameraSetup::getScale() const
{
    return std::fabs(flength - fdist) / flength;
}

double CameraSetup::getFFScale() const
{
    Trace::out() << "scale: " << getScale() << " crop: " << crop << "\n";
    return getFullFrameScale();
}

double CameraSetup::getFullFrameScale() const
{
    return getScale() / crop;
}

double CameraSetup::getFieldDiag() const
{
    return getScale() * fieldDiagonalBase / crop;
}

namespace {
// A fitted length replaces the old one only where the inputs allow a real answer.
void takeFitted(double& length, double fitted)
{
    if (std::isfinite(fitted) && fitted > 0)
        length = fitted;
}
} // namespace

// The full-frame scale (S - F) / (F crop) of a real image, solved for S or for F.
void CameraSetup::fitFdistToScale(double target)
{
    takeFitted(fdist, flength * (1 + target * crop));
}

void CameraSetup::fitFlengthToScale(double target)
{
    takeFitted(flength, fdist / (1 + target * crop));
}
