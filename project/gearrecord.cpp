// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "gearrecord.h"

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

QString decode(const QByteArray& payload, ProjectRecord& project)
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
        return QCoreApplication::translate("mainWin", "The gear of a camera is cut short.");
    if (camera != 1 && camera != 2)
        return QCoreApplication::translate("mainWin",
                                           "The gear names camera %1; only cameras 1 and 2 exist.")
            .arg(camera);
    const int formats = ProjectCodec::additionsFormatCount;
    const auto index = [](qint32 value, int count) { return value >= 0 && value < count; };
    const ProjectCodec::ValueRange& sensorRange = ProjectCodec::sensorSideRange;
    const ProjectCodec::ValueRange& megapixelRange = ProjectCodec::megapixelRange;
    const LensRange& lens = read.lens.stated;
    if (!index(read.cropFactorFormat, formats) || !index(read.pixelSizeFormat, formats) ||
        !index(read.pixelCountPreset, ProjectCodec::additionsPixelCountCount) ||
        !std::isfinite(read.sensorWidth) || !sensorRange.holds(read.sensorWidth) ||
        !std::isfinite(read.sensorHeight) || !sensorRange.holds(read.sensorHeight) ||
        !std::isfinite(read.megapixels) || !megapixelRange.holds(read.megapixels) ||
        !positiveOrNone(read.body.crop) || !positiveOrNone(lens.minFocal) ||
        !positiveOrNone(lens.maxFocal) || lens.maxFocal < lens.minFocal ||
        !positiveOrNone(lens.widestAtMin) || !positiveOrNone(lens.widestAtMax))
        return QCoreApplication::translate("mainWin",
                                           "The gear of camera %1 holds a value outside its range.")
            .arg(camera);
    CameraRecord& target = camera == 1 ? project.camera1 : project.camera2;
    target.cropFactorFormat = read.cropFactorFormat;
    target.pixelSizeFormat = read.pixelSizeFormat;
    target.pixelCountPreset = read.pixelCountPreset;
    target.sensorWidth = read.sensorWidth;
    target.sensorHeight = read.sensorHeight;
    target.megapixels = read.megapixels;
    target.body = read.body;
    target.lens = read.lens;
    return {};
}

} // namespace GearRecord
