// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "boxrounding.h"
#include "fuzzcheck.h"
#include "projectcodec.h"

#include <cmath>

// Feeds arbitrary bytes to the project file decoder. Besides the sanitizers' checks it
// aborts when a refusal does not say where, or when the decoder hands on a value the
// controls, tables or a chosen lens would not take as it is.

namespace {

using FuzzCheck::require;

// Whether value lies within the limits once rounded as its control rounds it.
bool within(double value, const ProjectCodec::ValueRange& range)
{
    return std::isfinite(value) && range.holds(value);
}

bool index(qint32 value, int count)
{
    return value >= 0 && value < count;
}

// A chosen lens's range fits the focal-length and aperture boxes, and the boxes it limits,
// rounding their limits to their decimals, hold the camera's focal length and f-number as
// stored.
bool withinItsLens(const CameraRecord& c)
{
    const LensRange& lens = c.lens.stated;
    if (!lens.isSet())
        return true;
    if (!(lens.minFocal >= 1 && lens.minFocal <= lens.maxFocal && lens.maxFocal <= 5000))
        return false;
    const double focal = roundedAsBox(c.focalLength, 1);
    if (focal < roundedAsBox(lens.minFocal, 1) || focal > roundedAsBox(lens.maxFocal, 1))
        return false;
    if (lens.widestAtMin == 0)
        return lens.widestAtMax == 0;
    const bool ordered =
        lens.widestAtMin >= 0.7 && lens.widestAtMin <= 64 &&
        (lens.widestAtMax == 0 || (lens.widestAtMax >= lens.widestAtMin && lens.widestAtMax <= 64));
    return ordered && roundedAsBox(c.aperture, 1) >= roundedAsBox(lens.widestAperture(focal), 1);
}

bool usable(const CameraRecord& c)
{
    using namespace ProjectCodec;
    return index(c.cocMode, cocModeCount) && index(c.cropFactorFormat, additionsFormatCount) &&
           index(c.pixelSizeFormat, additionsFormatCount) &&
           index(c.pixelCountPreset, additionsPixelCountCount) &&
           index(c.formFactor, formFactorCount) && within(c.focusDistance, focusDistanceRange) &&
           within(c.aperture, apertureRange) && within(c.focalLength, focalLengthRange) &&
           within(c.circleOfConfusion, cocRange) && within(c.lensQuality, lensQualityRange) &&
           within(c.viewDistance, viewDistanceRange) && within(c.imageWidth, imageWidthRange) &&
           within(c.sensorWidth, sensorSideRange) && within(c.sensorHeight, sensorSideRange) &&
           within(c.megapixels, megapixelRange) && withinItsLens(c);
}

bool usable(const FocusStackRecord& stack)
{
    if (stack.camera == 0)
        return stack.focusDistances.isEmpty();
    if ((stack.camera != 1 && stack.camera != 2) || stack.focusDistances.isEmpty() ||
        stack.focusDistances.size() > 999 || !within(stack.aperture, ProjectCodec::apertureRange))
        return false;
    double nearer = 0;
    for (const double focus : stack.focusDistances) {
        if (!(focus > nearer) || !within(focus, ProjectCodec::focusDistanceRange))
            return false;
        nearer = focus;
    }
    return true;
}

bool printable(const QByteArray& tag)
{
    if (tag.size() != 4)
        return false;
    for (const char c : tag)
        if (c < ' ' || c > '~')
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = FuzzCheck::bytesOf(data, size);
    const ProjectCodec::DecodeResult result = ProjectCodec::decode(bytes);
    if (!result.ok()) {
        require(result.offset >= 0 && result.offset <= bytes.size());
        require(!result.message.isEmpty());
        return 0;
    }

    const ProjectRecord& r = result.record;
    const bool current = r.version == ProjectCodec::currentVersion;
    require(current || r.version == ProjectCodec::previousVersion);
    require(bytes.size() <= ProjectCodec::largestFileSize || !current);
    const ProjectCodec::ValueRange& border = r.distanceFromFocusPlane
                                                 ? ProjectCodec::leftBorderFromFocusPlaneRange
                                                 : ProjectCodec::leftBorderFromCameraRange;
    require(within(r.leftBorder, border) &&
            within(r.distanceScale, ProjectCodec::distanceScaleRange) &&
            within(r.zcScale, ProjectCodec::zcScaleRange) && usable(r.camera1) &&
            usable(r.camera2) && usable(r.focusStack));
    // Records of other tags are kept as they are, and only where they came from.
    for (const ProjectExtension::Record& other : r.otherRecords)
        require(current && printable(other.tag) && other.tag != "GEAR" && other.tag != "STCK");
    return 0;
}
