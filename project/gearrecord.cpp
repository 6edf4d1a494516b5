// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "gearrecord.h"

#include "boxrounding.h"
#include "cocpresets.h"
#include "projectcodec.h"
#include "sensorformattable.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QIODevice>

#include <cmath>

namespace GearRecord {

namespace {
bool positiveOrNone(double value)
{
    return std::isfinite(value) && value >= 0 && value < 1e6;
}

QString translated(const char* text)
{
    return QCoreApplication::translate("ProjectFile", text);
}

// What a lens's range that states no focal range may hold: nothing the window reads.
bool harmlessUnset(const LensRange& lens)
{
    return positiveOrNone(lens.minFocal) && positiveOrNone(lens.maxFocal) &&
           lens.maxFocal >= lens.minFocal && positiveOrNone(lens.widestAtMin) &&
           positiveOrNone(lens.widestAtMax);
}

// Why the values read cannot be the gear of a camera, empty when they can.
QString outOfRange(int camera, const CameraRecord& read, const QString& where)
{
    using ProjectCodec::shownNumber;
    struct Index
    {
        qint32 value;
        int count;
        const char* name;
    };
    for (const Index& index :
         {Index{read.cropFactorFormat, ProjectCodec::additionsFormatCount,
                QT_TRANSLATE_NOOP("ProjectFile", "sensor format for the crop factor")},
          Index{read.pixelSizeFormat, ProjectCodec::additionsFormatCount,
                QT_TRANSLATE_NOOP("ProjectFile", "sensor format for the pixel size")},
          Index{read.pixelCountPreset, ProjectCodec::additionsPixelCountCount,
                QT_TRANSLATE_NOOP("ProjectFile", "pixel count")}}) {
        if (index.value < 0 || index.value >= index.count)
            return QCoreApplication::translate(
                       "ProjectFile", "The file is damaged: the gear of camera %1 gives list entry %2 "
                                  "for the %3, but only 0 to %4 exist (%5).")
                .arg(camera)
                .arg(index.value)
                .arg(translated(index.name))
                .arg(index.count - 1)
                .arg(where);
    }
    struct Number
    {
        double value;
        const ProjectCodec::ValueRange& range;
        const char* name;
    };
    for (const Number& number :
         {Number{read.sensorWidth, ProjectCodec::sensorSideRange,
                 QT_TRANSLATE_NOOP("ProjectFile", "width of the custom sensor in mm")},
          Number{read.sensorHeight, ProjectCodec::sensorSideRange,
                 QT_TRANSLATE_NOOP("ProjectFile", "height of the custom sensor in mm")},
          Number{read.megapixels, ProjectCodec::megapixelRange,
                 QT_TRANSLATE_NOOP("ProjectFile", "pixel count in millions")}}) {
        if (!std::isfinite(number.value) || !number.range.holds(number.value))
            return QCoreApplication::translate(
                       "ProjectFile", "The file is damaged: the gear of camera %1 gives %2 for the "
                                  "%3, but only %4 to %5 are allowed (%6).")
                .arg(camera)
                .arg(shownNumber(number.value), translated(number.name),
                     shownNumber(number.range.minimum), shownNumber(number.range.maximum), where);
    }
    if (!positiveOrNone(read.body.crop))
        return QCoreApplication::translate("ProjectFile",
                                           "The file is damaged: the gear of camera %1 gives %2 "
                                           "as the crop factor of its body, which is none (%3).")
            .arg(camera)
            .arg(shownNumber(read.body.crop), where);
    const LensRange& lens = read.lens.stated;
    if (lens.isSet() ? !lens.isUsable() : !harmlessUnset(lens))
        return QCoreApplication::translate(
                   "ProjectFile", "The file is damaged: the gear of camera %1 gives its lens a range "
                              "of %2 to %3 mm and f/%4 to f/%5, which the focal length and "
                              "aperture boxes cannot hold (%6).")
            .arg(camera)
            .arg(shownNumber(lens.minFocal), shownNumber(lens.maxFocal),
                 shownNumber(lens.widestAtMin), shownNumber(lens.widestAtMax), where);
    if (!needed(read))
        return QCoreApplication::translate(
                   "ProjectFile", "The file is damaged: the gear of camera %1 names no body or lens "
                              "and chooses no sensor format or pixel count that needs it (%2).")
            .arg(camera)
            .arg(where);
    return {};
}

// The codec's rule: never hand the controls a value they would change. With a lens chosen
// the focal-length box keeps to its range and the aperture box to what it opens to there,
// each rounded to the box's decimals as it sets its limits.
QString outsideItsLens(int camera, const CameraRecord& c, const QString& where)
{
    const LensRange& lens = c.lens.stated;
    if (!lens.isSet())
        return {};
    using ProjectCodec::shownNumber;
    const int focalDecimals = ProjectCodec::focalLengthRange.decimals;
    const double focal = roundedAsBox(c.focalLength, focalDecimals);
    const double shortest = roundedAsBox(lens.minFocal, focalDecimals);
    const double longest = roundedAsBox(lens.maxFocal, focalDecimals);
    if (focal < shortest || focal > longest) {
        const QString text =
            lens.isZoom()
                ? QCoreApplication::translate("ProjectFile", "Camera %1 is set to %2 mm, but its "
                                                         "lens, %3, reaches only %4 to %5 mm (%6).")
                      .arg(camera)
                      .arg(shownNumber(c.focalLength), c.lens.name(), shownNumber(lens.minFocal),
                           shownNumber(lens.maxFocal), where)
                : QCoreApplication::translate("ProjectFile",
                                              "Camera %1 is set to %2 mm, but its lens, %3, has a "
                                              "fixed focal length of %4 mm (%5).")
                      .arg(camera)
                      .arg(shownNumber(c.focalLength), c.lens.name(), shownNumber(lens.minFocal),
                           where);
        return text;
    }
    if (lens.widestAtMin <= 0)
        return {};
    const int apertureDecimals = ProjectCodec::apertureRange.decimals;
    const double widest = roundedAsBox(lens.widestAperture(focal), apertureDecimals);
    if (roundedAsBox(c.aperture, apertureDecimals) >= widest)
        return {};
    return QCoreApplication::translate(
               "ProjectFile", "Camera %1 is set to f/%2, but at %3 mm its lens, %4, opens only to f/%5 "
                          "(%6).")
        .arg(camera)
        .arg(shownNumber(c.aperture), shownNumber(focal), c.lens.name(), shownNumber(widest),
             where);
}
} // namespace

bool needed(const CameraRecord& c)
{
    const int listed = SensorFormatTable::firstFormatCount;
    return c.cropFactorFormat >= listed || c.pixelSizeFormat >= listed ||
           c.pixelCountPreset >= CocPresets::pixelPresetCount || c.body.isSet() || c.lens.isSet();
}

ProjectExtension::Record encode(int camera, const CameraRecord& c)
{
    QByteArray payload;
    QDataStream out(&payload, QIODevice::WriteOnly);
    ProjectCodec::configure(out);
    out << quint8(camera) << c.cropFactorFormat << c.pixelSizeFormat << c.pixelCountPreset
        << c.sensorWidth << c.sensorHeight << c.megapixels << c.body.maker << c.body.model
        << c.body.shortModel << c.body.mount << c.body.crop << c.lens.maker << c.lens.model
        << c.lens.stated.minFocal << c.lens.stated.maxFocal << c.lens.stated.widestAtMin
        << c.lens.stated.widestAtMax;
    return {QByteArray(tag), payload};
}

int cameraOf(const QByteArray& payload)
{
    return payload.isEmpty() ? 0 : quint8(payload.at(0));
}

QString decode(const QByteArray& payload, const QString& where, ProjectRecord& project)
{
    QDataStream in(payload);
    ProjectCodec::configure(in);
    quint8 camera = 0;
    CameraRecord read;
    in >> camera >> read.cropFactorFormat >> read.pixelSizeFormat >> read.pixelCountPreset >>
        read.sensorWidth >> read.sensorHeight >> read.megapixels >> read.body.maker >>
        read.body.model >> read.body.shortModel >> read.body.mount >> read.body.crop >>
        read.lens.maker >> read.lens.model >> read.lens.stated.minFocal >>
        read.lens.stated.maxFocal >> read.lens.stated.widestAtMin >> read.lens.stated.widestAtMax;
    if (in.status() != QDataStream::Ok)
        return QCoreApplication::translate(
                   "ProjectFile", "The file is damaged: the gear of a camera is cut short (%1).")
            .arg(where);
    if (camera != 1 && camera != 2)
        return QCoreApplication::translate("ProjectFile",
                                           "The file is damaged: it holds gear for camera %1, but "
                                           "only cameras 1 and 2 exist (%2).")
            .arg(camera)
            .arg(where);
    if (const QString problem = outOfRange(camera, read, where); !problem.isEmpty())
        return problem;
    CameraRecord target = camera == 1 ? project.camera1 : project.camera2;
    target.cropFactorFormat = read.cropFactorFormat;
    target.pixelSizeFormat = read.pixelSizeFormat;
    target.pixelCountPreset = read.pixelCountPreset;
    target.sensorWidth = read.sensorWidth;
    target.sensorHeight = read.sensorHeight;
    target.megapixels = read.megapixels;
    target.body = read.body;
    target.lens = read.lens;
    if (const QString problem = outsideItsLens(camera, target, where); !problem.isEmpty())
        return problem;
    (camera == 1 ? project.camera1 : project.camera2) = target;
    return {};
}

} // namespace GearRecord
