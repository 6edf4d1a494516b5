// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "pinrecord.h"

#include "boxrounding.h"
#include "projectcodec.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QIODevice>

#include <cmath>

namespace PinRecord {

namespace {
QString translated(const char* text)
{
    return QCoreApplication::translate("ProjectFile", text);
}

void writeCamera(QDataStream& out, const CameraRecord& c)
{
    out << c.cocMode << c.focusDistance << c.aperture << c.focalLength << c.circleOfConfusion
        << c.lensQuality << c.withDiffraction << c.lockMagnification << c.cropFactorFormat
        << c.pixelSizeFormat << c.pixelCountPreset << c.viewDistance << c.formFactor << c.imageWidth
        << c.sensorWidth << c.sensorHeight << c.megapixels << c.body.maker << c.body.model
        << c.body.shortModel << c.body.mount << c.body.crop << c.lens.maker << c.lens.model
        << c.lens.stated.minFocal << c.lens.stated.maxFocal << c.lens.stated.widestAtMin
        << c.lens.stated.widestAtMax;
}

void readCamera(QDataStream& in, CameraRecord& c)
{
    in >> c.cocMode >> c.focusDistance >> c.aperture >> c.focalLength >> c.circleOfConfusion >>
        c.lensQuality >> c.withDiffraction >> c.lockMagnification >> c.cropFactorFormat >>
        c.pixelSizeFormat >> c.pixelCountPreset >> c.viewDistance >> c.formFactor >> c.imageWidth >>
        c.sensorWidth >> c.sensorHeight >> c.megapixels >> c.body.maker >> c.body.model >>
        c.body.shortModel >> c.body.mount >> c.body.crop >> c.lens.maker >> c.lens.model >>
        c.lens.stated.minFocal >> c.lens.stated.maxFocal >> c.lens.stated.widestAtMin >>
        c.lens.stated.widestAtMax;
}

// Why the camera of setup `number` cannot be opened as it is, empty when it can: every value
// as the window's boxes would hold it unchanged, as for the two live cameras.
QString refusedCamera(int number, const CameraRecord& c, const QString& where)
{
    using namespace ProjectCodec;
    struct Index
    {
        qint32 value;
        int count;
        const char* name;
    };
    for (const Index& index :
         {Index{c.cocMode, cocModeCount, QT_TRANSLATE_NOOP("ProjectFile", "CoC mode")},
          Index{c.cropFactorFormat, additionsFormatCount,
                QT_TRANSLATE_NOOP("ProjectFile", "sensor format for the crop factor")},
          Index{c.pixelSizeFormat, additionsFormatCount,
                QT_TRANSLATE_NOOP("ProjectFile", "sensor format for the pixel size")},
          Index{c.pixelCountPreset, additionsPixelCountCount,
                QT_TRANSLATE_NOOP("ProjectFile", "pixel count")},
          Index{c.formFactor, formFactorCount, QT_TRANSLATE_NOOP("ProjectFile", "form factor")}}) {
        if (index.value < 0 || index.value >= index.count)
            return QCoreApplication::translate(
                       "ProjectFile",
                       "The file is damaged: pinned setup %1 gives list entry %2 for "
                       "the %3, but only 0 to %4 exist (%5).")
                .arg(number)
                .arg(index.value)
                .arg(translated(index.name))
                .arg(index.count - 1)
                .arg(where);
    }
    struct Number
    {
        double value;
        const ValueRange& range;
        const char* name;
    };
    for (const Number& field :
         {Number{c.focusDistance, focusDistanceRange,
                 QT_TRANSLATE_NOOP("ProjectFile", "focus distance")},
          Number{c.aperture, apertureRange, QT_TRANSLATE_NOOP("ProjectFile", "aperture")},
          Number{c.focalLength, focalLengthRange, QT_TRANSLATE_NOOP("ProjectFile", "focal length")},
          Number{c.circleOfConfusion, cocRange,
                 QT_TRANSLATE_NOOP("ProjectFile", "circle of confusion")},
          Number{c.lensQuality, lensQualityRange, QT_TRANSLATE_NOOP("ProjectFile", "lens quality")},
          Number{c.viewDistance, viewDistanceRange,
                 QT_TRANSLATE_NOOP("ProjectFile", "view distance")},
          Number{c.imageWidth, imageWidthRange, QT_TRANSLATE_NOOP("ProjectFile", "image width")},
          Number{c.sensorWidth, sensorSideRange,
                 QT_TRANSLATE_NOOP("ProjectFile", "width of the custom sensor in mm")},
          Number{c.sensorHeight, sensorSideRange,
                 QT_TRANSLATE_NOOP("ProjectFile", "height of the custom sensor in mm")},
          Number{c.megapixels, megapixelRange,
                 QT_TRANSLATE_NOOP("ProjectFile", "pixel count in millions")}}) {
        if (!std::isfinite(field.value) || !field.range.holds(field.value))
            return QCoreApplication::translate(
                       "ProjectFile", "The file is damaged: pinned setup %1 gives %2 for the %3, "
                                      "but only %4 to %5 are allowed (%6).")
                .arg(number)
                .arg(shownNumber(field.value), translated(field.name),
                     shownNumber(field.range.minimum), shownNumber(field.range.maximum), where);
    }
    const LensRange& lens = c.lens.stated;
    const bool usableBody = std::isfinite(c.body.crop) && c.body.crop >= 0 && c.body.crop < 1e6;
    const bool usableLens = lens.isSet() ? lens.isUsable()
                                         : lens.minFocal == 0 && lens.maxFocal == 0 &&
                                               lens.widestAtMin == 0 && lens.widestAtMax == 0;
    if (!usableBody || !usableLens)
        return QCoreApplication::translate("ProjectFile",
                                           "The file is damaged: the gear of pinned setup %1 "
                                           "cannot be the gear of a camera (%2).")
            .arg(number)
            .arg(where);
    if (!lens.isSet())
        return {};
    // As the boxes hold their limits while the lens is chosen (see GearRecord).
    const double focal = roundedAsBox(c.focalLength, focalLengthRange.decimals);
    const bool focalFits = focal >= roundedAsBox(lens.minFocal, focalLengthRange.decimals) &&
                           focal <= roundedAsBox(lens.maxFocal, focalLengthRange.decimals);
    const bool apertureFits = lens.widestAtMin <= 0 ||
                              roundedAsBox(c.aperture, apertureRange.decimals) >=
                                  roundedAsBox(lens.widestAperture(focal), apertureRange.decimals);
    if (focalFits && apertureFits)
        return {};
    return QCoreApplication::translate("ProjectFile",
                                       "The file is damaged: pinned setup %1 is set to %2 mm and "
                                       "f/%3, which its lens, %4, cannot be set to (%5).")
        .arg(number)
        .arg(shownNumber(c.focalLength), shownNumber(c.aperture), c.lens.name(), where);
}
} // namespace

ProjectExtension::Record encode(const QList<PinnedSetup>& setups)
{
    QByteArray payload;
    QDataStream out(&payload, QIODevice::WriteOnly);
    ProjectCodec::configure(out);
    out << quint8(setups.size());
    for (const PinnedSetup& setup : setups) {
        out << setup.name << setup.shown << setup.bandShown << quint8(setup.colour);
        writeCamera(out, setup.camera);
    }
    return {QByteArray(tag), payload};
}

QString decode(const QByteArray& payload, const QString& where, ProjectRecord& project)
{
    QDataStream in(payload);
    ProjectCodec::configure(in);
    const QString cutShort =
        QCoreApplication::translate("ProjectFile",
                                    "The file is damaged: the pinned setups are cut short (%1).")
            .arg(where);
    quint8 count = 0;
    in >> count;
    if (in.status() != QDataStream::Ok)
        return cutShort;
    if (count < 1 || count > maxSetups)
        return QCoreApplication::translate("ProjectFile",
                                           "The file is damaged: it holds %1 pinned setups, but "
                                           "only 1 to %2 are allowed (%3).")
            .arg(count)
            .arg(maxSetups)
            .arg(where);
    QList<PinnedSetup> read;
    for (int number = 1; number <= count; ++number) {
        PinnedSetup setup;
        quint8 colour = 0;
        in >> setup.name >> setup.shown >> setup.bandShown >> colour;
        readCamera(in, setup.camera);
        if (in.status() != QDataStream::Ok)
            return cutShort;
        if (setup.name.trimmed().isEmpty())
            return QCoreApplication::translate(
                       "ProjectFile", "The file is damaged: pinned setup %1 has no name (%2).")
                .arg(number)
                .arg(where);
        if (colour >= colourCount)
            return QCoreApplication::translate("ProjectFile",
                                               "The file is damaged: pinned setup %1 is drawn in "
                                               "colour %2, but only 0 to %3 exist (%4).")
                .arg(number)
                .arg(colour)
                .arg(colourCount - 1)
                .arg(where);
        setup.colour = colour;
        if (const QString problem = refusedCamera(number, setup.camera, where); !problem.isEmpty())
            return problem;
        read.append(setup);
    }
    project.pinnedSetups = read;
    return {};
}

} // namespace PinRecord
