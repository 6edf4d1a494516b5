// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include <QString>

// What the focal-length and aperture boxes hold; a lens's range that reaches outside them
// would move their limits past what a project file may store (a test checks them against
// the boxes).
namespace LensLimits {
constexpr double shortestFocal = 1;
constexpr double longestFocal = 5000;
constexpr double widestFNumber = 0.7;
constexpr double narrowestFNumber = 64;
} // namespace LensLimits

// What a lens promises: its focal range and the widest f-number at either end. A
// variable-aperture zoom ("18-135mm f/3.5-5.6") opens to 3.5 at 18 mm and to 5.6 at 135 mm.
struct LensRange
{
    double minFocal = 0;
    double maxFocal = 0;
    double widestAtMin = 0;
    double widestAtMax = 0;

    bool isSet() const { return minFocal > 0; }
    bool isZoom() const { return maxFocal > minFocal; }
    // Set, finite, ordered (the long end no wider than the short one) and inside LensLimits;
    // f-numbers may be left out (0), and 0 at the long end is the short end's.
    bool isUsable() const;
    // The focal length kept within the range.
    double focalWithin(double focal) const;
    // The widest f-number at a focal length, between the two ends in proportion.
    double widestAperture(double focal) const;
    // "16-55mm f/2.8", "18-135mm f/3.5-5.6", "85mm f/1.8"; empty when not set.
    QString text() const;

    friend bool operator==(const LensRange& a, const LensRange& b)
    {
        return a.minFocal == b.minFocal && a.maxFocal == b.maxFocal &&
               a.widestAtMin == b.widestAtMin && a.widestAtMax == b.widestAtMax;
    }
};

// A camera body by name, with what Zidov takes from it: the crop factor (0 when none is set).
struct BodyChoice
{
    QString maker;
    QString model;
    // The maker's own short model name where it differs ("ILCE-7M3" for "Alpha 7 III").
    QString shortModel;
    QString mount;
    double crop = 0;

    bool isSet() const { return !model.isEmpty(); }
    QString name() const { return maker + QLatin1Char(' ') + model; }
    // lensfun names the mount of a camera with a fixed lens in small letters ("kmZ10").
    bool takesLenses() const { return !mount.isEmpty() && !mount.front().isLower(); }

    friend bool operator==(const BodyChoice& a, const BodyChoice& b)
    {
        return a.maker == b.maker && a.model == b.model && a.shortModel == b.shortModel &&
               a.mount == b.mount && a.crop == b.crop;
    }
};

struct LensChoice
{
    QString maker;
    QString model;
    LensRange stated;

    bool isSet() const { return !model.isEmpty(); }
    // The lens's model name, which usually starts with its maker's.
    QString name() const;

    friend bool operator==(const LensChoice& a, const LensChoice& b)
    {
        return a.maker == b.maker && a.model == b.model && a.stated == b.stated;
    }
};

// The focal range and f-numbers a lens's name states ("Fujifilm XF 16-55mm f/2.8 R LM WR",
// "Sony FE 85mm F1.8", "Canon EF 70-200mm 1:4"); what the name leaves out stays 0, and a
// range that is not usable (see LensRange::isUsable) is no range at all.
LensRange lensRangeFromName(const QString& name);

// A lens's range from what lensfun keeps of it, its focal range and widest f-number (0 where
// it keeps none), and from its name only what lensfun does not keep: the widest f-number at
// the long end. Without a focal range from lensfun the name states it all.
LensRange lensRangeOf(const QString& name, double minFocal, double maxFocal, double widest);
