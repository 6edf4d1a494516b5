// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "pinnedsetups.h"

#include "boxrounding.h"
#include "pinrecord.h"
#include "projectcameras.h"
#include "projectcodec.h"
#include "readernumbers.h"
#include "sensorformattable.h"

#include <algorithm>
#include <cmath>

using namespace CameraMatch;

namespace {
constexpr double millimetresPerFoot = 304.8;

// As a box of one decimal shows it; a value that would show as 0 keeps two significant digits.
QString boxNumber(double value)
{
    const double shown = roundedAsBox(value, 1);
    if (shown == 0 && value != 0)
        return ReaderNumbers::significant(value, 2);
    return ReaderNumbers::significant(shown, 12);
}

QString distance(double millimetres, LengthUnit unit)
{
    return LengthUnits::text(millimetres / 1000, unit);
}

// The format the camera's CoC comes from, as the format boxes name it.
QString formatName(const CameraRecord& camera)
{
    static const SensorFormatTable table;
    int format = -1;
    if (camera.cocMode == CocByCropFactor)
        format = camera.cropFactorFormat;
    else if (camera.cocMode == CocByPixelSize)
        format = camera.pixelSizeFormat;
    if (format == table.customIndex())
        return QStringLiteral("%1 × %2 mm")
            .arg(ReaderNumbers::significant(camera.sensorWidth, 4),
                 ReaderNumbers::significant(camera.sensorHeight, 4));
    if (format >= 0 && format < table.formatCount())
        return table.name(format).trimmed();
    return QStringLiteral("CoC %1 mm").arg(ReaderNumbers::significant(camera.circleOfConfusion, 3));
}
} // namespace

QString PinnedSetups::defaultName(const CameraRecord& camera)
{
    QStringList gear;
    if (camera.body.isSet())
        gear.append(camera.body.name());
    if (camera.lens.isSet())
        gear.append(camera.lens.name());
    if (!gear.isEmpty())
        return gear.join(QStringLiteral(" · "));
    return QStringLiteral("%1 mm f/%2 · %3")
        .arg(ReaderNumbers::significant(camera.focalLength, 6),
             ReaderNumbers::significant(camera.aperture, 6), formatName(camera));
}

PinnedSetups::Added PinnedSetups::add(const CameraRecord& camera)
{
    if (count() >= maxCount)
        return {-1,
                tr("At most %1 setups can be pinned; remove one to pin another.").arg(maxCount)};
    PinnedSetup setup;
    setup.name = defaultName(camera);
    setup.camera = camera;
    // A pinned setup is drawn when shown, whatever its camera's switch said.
    setup.camera.switchedOn = false;
    for (int colour = 0; colour < PinRecord::colourCount; ++colour) {
        if (std::none_of(list.begin(), list.end(),
                         [colour](const PinnedSetup& other) { return other.colour == colour; })) {
            setup.colour = colour;
            break;
        }
    }
    list.append(setup);
    return {count() - 1, QString()};
}

bool PinnedSetups::remove(int index)
{
    if (index < 0 || index >= count())
        return false;
    list.removeAt(index);
    return true;
}

bool PinnedSetups::setShown(int index, bool shown)
{
    if (index < 0 || index >= count())
        return false;
    list[index].shown = shown;
    return true;
}

bool PinnedSetups::setBandShown(int index, bool shown)
{
    if (index < 0 || index >= count())
        return false;
    list[index].bandShown = shown;
    return true;
}

QString PinnedSetups::rename(int index, const QString& name)
{
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty())
        return tr("A pinned setup needs a name.");
    if (index >= 0 && index < count())
        list[index].name = trimmed;
    return QString();
}

InputBoxes PinnedSetups::boxesOf(const CameraRecord& camera, LengthUnit unit)
{
    using namespace ProjectCodec;
    const double focusStep = unit == LengthUnit::Feet ? millimetresPerFoot / 100 : 10;
    InputBoxes boxes{
        {focusDistanceRange.minimum * 1000, focusDistanceRange.maximum * 1000, focusStep},
        {apertureRange.minimum, apertureRange.maximum, 0.1},
        {focalLengthRange.minimum, focalLengthRange.maximum, 0.1}};
    // A chosen lens holds the boxes to what it can be set to, as it holds a live camera's.
    const LensRange& lens = camera.lens.stated;
    if (lens.isSet()) {
        boxes.focalLength.minimum = roundedAsBox(lens.minFocal, focalLengthRange.decimals);
        boxes.focalLength.maximum = roundedAsBox(lens.maxFocal, focalLengthRange.decimals);
        if (lens.widestAtMin > 0)
            boxes.aperture.minimum = std::max(
                boxes.aperture.minimum,
                roundedAsBox(lens.widestAperture(camera.focalLength), apertureRange.decimals));
    }
    return boxes;
}

QString PinnedSetups::matchAll(const QList<int>& selected, const CameraSetup& cameraOne,
                               Solver solve, LengthUnit unit, double diffractionFactor)
{
    QList<PinnedSetup> matched = list;
    QStringList refusals;
    for (const int index : selected) {
        if (index < 0 || index >= count())
            continue;
        CameraRecord& camera = matched[index].camera;
        const CameraSetup setup = ProjectCameras::pinnedSetup(camera, diffractionFactor);
        const Result result = solve(cameraOne, setup, boxesOf(camera, unit));
        if (result.outcome != Outcome::Matched) {
            refusals.append(refusal(result, list[index].name, unit));
            continue;
        }
        const LensRange& lens = camera.lens.stated;
        // A new focal length may take the lens where it does not open as far.
        if (lens.isSet() && lens.widestAtMin > 0) {
            const double widest = roundedAsBox(lens.widestAperture(result.focalLength), 1);
            if (roundedAsBox(result.aperture, 1) < widest) {
                refusals.append(tr("%1 would need f/%2; at %3 mm its lens, %4, opens only to "
                                   "f/%5.")
                                    .arg(list[index].name, boxNumber(result.aperture),
                                         boxNumber(result.focalLength), camera.lens.name(),
                                         boxNumber(widest)));
                continue;
            }
        }
        camera.focusDistance = result.focus / 1000;
        camera.aperture = result.aperture;
        camera.focalLength = result.focalLength;
    }
    if (!refusals.isEmpty())
        return refusals.join(QLatin1Char('\n'));
    list = matched;
    return QString();
}

SetupNumbers PinnedSetups::numbers(const PinnedSetup& setup, const CameraSetup& cameraOne,
                                   double diffractionFactor)
{
    return setupNumbers(ProjectCameras::pinnedSetup(setup.camera, diffractionFactor), cameraOne);
}

QString PinnedSetups::refusal(const Result& result, const QString& name, LengthUnit unit)
{
    switch (result.outcome) {
    case Outcome::OutOfRange: {
        const bool tooSmall = result.needed < result.limit;
        switch (result.setting) {
        case Setting::Aperture:
            return (tooSmall ? tr("%1 would need f/%2; the smallest f-number is f/%3.")
                             : tr("%1 would need f/%2; the largest f-number is f/%3."))
                .arg(name, boxNumber(result.needed), boxNumber(result.limit));
        case Setting::FocalLength:
            return (tooSmall ? tr("%1 would need %2 mm; the shortest focal length is %3 mm.")
                             : tr("%1 would need %2 mm; the longest focal length is %3 mm."))
                .arg(name, boxNumber(result.needed), boxNumber(result.limit));
        case Setting::Focus:
            return (tooSmall ? tr("%1 would need a focus of %2; the nearest is %3.")
                             : tr("%1 would need a focus of %2; the farthest is %3."))
                .arg(name, distance(result.needed, unit), distance(result.limit, unit));
        }
        break;
    }
    case Outcome::Unreachable:
        if (std::isnan(result.closest))
            return tr("No f-number lets %1 match Camera 1 in this.").arg(name);
        switch (result.quantity) {
        case Quantity::BlurAtInfinity:
            return tr("No f-number gives %1 the blur at infinity of Camera 1 (zc %2); the "
                      "nearest it comes is zc %3.")
                .arg(name, ReaderNumbers::significant(result.target, 3),
                     ReaderNumbers::significant(result.closest, 3));
        case Quantity::DepthOfField:
            return tr("No f-number gives %1 a depth of field as long as Camera 1's (%2); the "
                      "nearest it comes is %3.")
                .arg(name, distance(result.target, unit), distance(result.closest, unit));
        case Quantity::NearLimit:
            return tr("No f-number gives %1 the near limit of Camera 1 (%2); the nearest it "
                      "comes is %3.")
                .arg(name, distance(result.target, unit), distance(result.closest, unit));
        }
        break;
    case Outcome::NothingToMatch:
        if (result.quantity == Quantity::BlurAtInfinity)
            return tr("Camera 1 has no finite blur at infinity to match.");
        return tr("Camera 1 has no depth of field to match: even at its focus distance the blur "
                  "exceeds the circle of confusion.");
    case Outcome::NoSharpImage:
        if (result.camera == 1)
            return tr("Camera 1 forms no sharp image: its focus is closer than the focal length.");
        return tr("%1 forms no sharp image: its focus is closer than the focal length.").arg(name);
    case Outcome::Matched:
        break;
    }
    return QString();
}
