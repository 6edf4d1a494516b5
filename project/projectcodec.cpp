// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "projectcodec.h"

#include "boxrounding.h"
#include "cocpresets.h"
#include "gearrecord.h"
#include "pinrecord.h"
#include "sensorformattable.h"
#include "stackrecord.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QIODevice>
#include <QLocale>

#include <cmath>

namespace ProjectCodec {

// Files written by every version so far are Qt 4 streams; pinning the stream version
// keeps the bytes identical whatever Qt builds the program.
void configure(QDataStream& stream)
{
    stream.setVersion(QDataStream::Qt_4_6);
    stream.setByteOrder(QDataStream::BigEndian);
    stream.setFloatingPointPrecision(QDataStream::DoublePrecision);
}

namespace {

QString translated(const char* text)
{
    return QCoreApplication::translate("ProjectFile", text);
}

// Names a field for messages; camera 0 is the file header.
struct Field
{
    int camera;
    const char* name;
};

QString describe(Field field)
{
    const QString name = translated(field.name);
    if (field.camera == 0)
        return name;
    return QCoreApplication::translate("ProjectFile", "Camera %1, %2").arg(field.camera).arg(name);
}

QString capitalised(QString text)
{
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text;
}

// Reads fields in file order and stops at the first one that is missing or unusable,
// remembering where it started and why it was refused.
class FieldReader
{
public:
    FieldReader(const QByteArray& bytes, DecodeResult& result_)
        : stream(bytes), size(bytes.size()), result(result_)
    {
        configure(stream);
    }

    template <typename T> bool read(T& value, Field field)
    {
        if (!result.ok())
            return false;
        start = int(stream.device()->pos());
        stream >> value;
        if (stream.status() == QDataStream::Ok)
            return true;
        // Two texts rather than "%n byte(s)", which the English program would show as is.
        const QString text =
            size == 1
                ? QCoreApplication::translate(
                      "ProjectFile",
                      "The file ends after 1 byte; %2, stored from byte %3 on, is missing.")
                : QCoreApplication::translate("ProjectFile", "The file ends after %1 bytes; %2, "
                                                             "stored from byte %3 on, is missing.")
                      .arg(size);
        return fail(DecodeError::EndsEarly, text.arg(describe(field)).arg(start));
    }

    bool readFinite(double& value, Field field)
    {
        if (!read(value, field))
            return false;
        if (std::isfinite(value))
            return true;
        return fail(DecodeError::NotFinite,
                    QCoreApplication::translate(
                        "ProjectFile", "%1 (byte %2) holds %3, which is not a finite number.")
                        .arg(capitalised(describe(field)))
                        .arg(start)
                        .arg(shownNumber(value)));
    }

    bool readIndex(qint32& value, int count, Field field)
    {
        if (!read(value, field))
            return false;
        if (value >= 0 && value < count)
            return true;
        return fail(
            DecodeError::IndexOutOfRange,
            QCoreApplication::translate(
                "ProjectFile", "%1 (byte %2) holds the list index %3, but only 0 to %4 exist.")
                .arg(capitalised(describe(field)))
                .arg(start)
                .arg(value)
                .arg(count - 1));
    }

    bool readInRange(double& value, const ValueRange& range, Field field)
    {
        return readFinite(value, field) && checkRange(value, range, field, start);
    }

    bool readInRange(qint32& value, const ValueRange& range, Field field)
    {
        return read(value, field) && checkRange(value, range, field, start);
    }

    // For a field whose range depends on fields stored after it.
    bool checkRange(double value, const ValueRange& range, Field field, int offset)
    {
        if (!result.ok())
            return false;
        if (range.holds(value))
            return true;
        start = offset;
        return fail(
            DecodeError::OutOfRange,
            QCoreApplication::translate("ProjectFile",
                                        "%1 (byte %2) holds %3, but only %4 to %5 are allowed.")
                .arg(capitalised(describe(field)))
                .arg(start)
                .arg(shownNumber(value), shownNumber(range.minimum), shownNumber(range.maximum)));
    }

    bool fail(DecodeError error, const QString& message)
    {
        result.error = error;
        result.offset = start;
        result.message = message;
        return false;
    }

private:
    QDataStream stream;
    const int size;
    DecodeResult& result;
    int start = 0;
};

void readCamera(FieldReader& in, CameraRecord& c, int camera, bool withLensQuality)
{
    in.readIndex(c.cocMode, cocModeCount, {camera, QT_TRANSLATE_NOOP("ProjectFile", "CoC mode")});
    in.read(c.switchedOn, {camera, QT_TRANSLATE_NOOP("ProjectFile", "switched on")});
    in.readInRange(c.focusDistance, focusDistanceRange,
                   {camera, QT_TRANSLATE_NOOP("ProjectFile", "focus distance")});
    in.readInRange(c.aperture, apertureRange,
                   {camera, QT_TRANSLATE_NOOP("ProjectFile", "aperture")});
    in.readInRange(c.focalLength, focalLengthRange,
                   {camera, QT_TRANSLATE_NOOP("ProjectFile", "focal length")});
    in.readInRange(c.circleOfConfusion, cocRange,
                   {camera, QT_TRANSLATE_NOOP("ProjectFile", "circle of confusion")});
    if (withLensQuality)
        in.readInRange(c.lensQuality, lensQualityRange,
                       {camera, QT_TRANSLATE_NOOP("ProjectFile", "lens quality")});
    else
        c.lensQuality = perfectLensQuality;
    in.read(c.withDiffraction, {camera, QT_TRANSLATE_NOOP("ProjectFile", "diffraction switch")});
    in.read(c.lockMagnification,
            {camera, QT_TRANSLATE_NOOP("ProjectFile", "lock magnification switch")});
    in.readIndex(c.cropFactorFormat, sensorFormatCount,
                 {camera, QT_TRANSLATE_NOOP("ProjectFile", "sensor format for the crop factor")});
    in.readIndex(c.pixelSizeFormat, sensorFormatCount,
                 {camera, QT_TRANSLATE_NOOP("ProjectFile", "sensor format for the pixel size")});
    in.readIndex(c.pixelCountPreset, pixelCountPresetCount,
                 {camera, QT_TRANSLATE_NOOP("ProjectFile", "pixel count")});
    in.readInRange(c.viewDistance, viewDistanceRange,
                   {camera, QT_TRANSLATE_NOOP("ProjectFile", "view distance")});
    in.readIndex(c.formFactor, formFactorCount,
                 {camera, QT_TRANSLATE_NOOP("ProjectFile", "form factor")});
    in.readInRange(c.imageWidth, imageWidthRange,
                   {camera, QT_TRANSLATE_NOOP("ProjectFile", "image width")});
}

// Format 1.3 lists fewer formats and presets than the window; its fields hold the nearest
// of its own, which is what a build that reads no further opens.
qint32 firstFormat(const CameraRecord& c, qint32 index)
{
    static const SensorFormatTable table;
    if (index < SensorFormatTable::firstFormatCount)
        return index;
    const double diagonal = index < table.formatCount() ? table.diagonal(index)
                                                        : std::hypot(c.sensorWidth, c.sensorHeight);
    return table.nearestFirstFormat(diagonal);
}

qint32 firstPreset(const CameraRecord& c)
{
    if (c.pixelCountPreset < CocPresets::pixelPresetCount)
        return c.pixelCountPreset;
    return CocPresets::nearestPreset(c.megapixels * 1e6);
}

void writeCamera(QDataStream& out, const CameraRecord& c)
{
    // The lens quality sits between the CoC and the check boxes: it was appended to the
    // camera's numbers when version 1.3 introduced it.
    out << c.cocMode << c.switchedOn << c.focusDistance << c.aperture << c.focalLength
        << c.circleOfConfusion << c.lensQuality << c.withDiffraction << c.lockMagnification
        << firstFormat(c, c.cropFactorFormat) << firstFormat(c, c.pixelSizeFormat) << firstPreset(c)
        << c.viewDistance << c.formFactor << c.imageWidth;
}

void readAdditions(const QByteArray& bytes, DecodeResult& result)
{
    const ProjectExtension::Decoded additions = ProjectExtension::decode(bytes, currentFileSize);
    QString problem = additions.message;
    int offset = additions.offset;
    // Each record read so far per camera's gear and of the stack, counted from 1.
    int gearRecords[2] = {0, 0};
    int stackRecord = 0;
    int pinRecord = 0;
    for (int i = 0; problem.isEmpty() && i < additions.records.size(); ++i) {
        const ProjectExtension::Record& record = additions.records[i];
        const int number = i + 1;
        offset = additions.starts[i];
        const QString where = ProjectExtension::place(number, offset);
        if (record.tag == GearRecord::tag) {
            const int camera = GearRecord::cameraOf(record.payload);
            const bool again = (camera == 1 || camera == 2) && gearRecords[camera - 1] != 0;
            problem = again ? QCoreApplication::translate(
                                  "ProjectFile", "The file is damaged: it holds the gear of camera "
                                                 "%1 twice (records %2 and %3).")
                                  .arg(camera)
                                  .arg(gearRecords[camera - 1])
                                  .arg(number)
                            : GearRecord::decode(record.payload, where, result.record);
            if (problem.isEmpty())
                gearRecords[camera - 1] = number;
        } else if (record.tag == StackRecord::tag) {
            problem = stackRecord != 0
                          ? QCoreApplication::translate("ProjectFile",
                                                        "The file is damaged: it holds two focus "
                                                        "stacks (records %1 and %2).")
                                .arg(stackRecord)
                                .arg(number)
                          : StackRecord::decode(record.payload, where, result.record);
            stackRecord = number;
        } else if (record.tag == PinRecord::tag) {
            problem = pinRecord != 0
                          ? QCoreApplication::translate("ProjectFile",
                                                        "The file is damaged: it holds the pinned "
                                                        "setups twice (records %1 and %2).")
                                .arg(pinRecord)
                                .arg(number)
                          : PinRecord::decode(record.payload, where, result.record);
            pinRecord = number;
        } else {
            result.record.otherRecords.append(record);
        }
    }
    if (problem.isEmpty())
        return;
    result.error = DecodeError::DamagedAdditions;
    result.offset = offset;
    result.message = problem;
}

} // namespace

QString shownNumber(double value)
{
    if (std::isnan(value))
        return QStringLiteral("NaN");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("+infinity") : QStringLiteral("-infinity");
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

bool ValueRange::holds(double value) const
{
    const double rounded = roundedAsBox(value, decimals);
    return rounded >= minimum && rounded <= maximum;
}

DecodeResult decode(const QByteArray& bytes)
{
    DecodeResult result;
    FieldReader in(bytes, result);
    ProjectRecord& r = result.record;

    if (!in.read(r.version, {0, QT_TRANSLATE_NOOP("ProjectFile", "format version")}))
        return result;
    result.versionRead = true;
    // Exact comparison: the versions are written as these very constants.
    const bool current = r.version == currentVersion;
    if (!current && r.version != previousVersion) {
        in.fail(DecodeError::WrongVersion,
                QCoreApplication::translate("ProjectFile",
                                            "The format version %1 is neither 1.2 nor 1.3.")
                    .arg(r.version));
        return result;
    }

    const Field leftBorder{0, QT_TRANSLATE_NOOP("ProjectFile", "left border")};
    const int leftBorderOffset = 8;
    in.readFinite(r.leftBorder, leftBorder);
    in.read(r.distanceFromCamera, {0, QT_TRANSLATE_NOOP("ProjectFile", "distance from camera")});
    in.read(r.distanceFromFocusPlane,
            {0, QT_TRANSLATE_NOOP("ProjectFile", "distance from focus plane")});
    // The focus plane wins when a file claims both references, as the radio buttons
    // receive them in this order; one that claims neither keeps the window's reference,
    // and the narrower range, the camera's, is the one that holds for both.
    in.checkRange(r.leftBorder,
                  r.distanceFromFocusPlane ? leftBorderFromFocusPlaneRange
                                           : leftBorderFromCameraRange,
                  leftBorder, leftBorderOffset);
    in.readInRange(r.distanceScale, distanceScaleRange,
                   {0, QT_TRANSLATE_NOOP("ProjectFile", "distance scale")});
    in.readInRange(r.zcScale, zcScaleRange, {0, QT_TRANSLATE_NOOP("ProjectFile", "zc scale")});
    readCamera(in, r.camera1, 1, current);
    readCamera(in, r.camera2, 2, current);
    if (result.ok() && current && bytes.size() > largestFileSize) {
        result.error = DecodeError::DamagedAdditions;
        result.offset = currentFileSize;
        result.message =
            QCoreApplication::translate("ProjectFile", "The file is damaged: it is longer than a "
                                                       "project file can be (more than %1 bytes).")
                .arg(largestFileSize);
    } else if (result.ok() && current && bytes.size() > currentFileSize)
        readAdditions(bytes, result);
    return result;
}

QByteArray encode(const ProjectRecord& record)
{
    QByteArray bytes;
    bytes.reserve(currentFileSize);
    QDataStream out(&bytes, QIODevice::WriteOnly);
    configure(out);
    out << currentVersion << record.leftBorder << record.distanceFromCamera
        << record.distanceFromFocusPlane << record.distanceScale << record.zcScale;
    writeCamera(out, record.camera1);
    writeCamera(out, record.camera2);
    QList<ProjectExtension::Record> additions;
    if (GearRecord::needed(record.camera1))
        additions.append(GearRecord::encode(1, record.camera1));
    if (GearRecord::needed(record.camera2))
        additions.append(GearRecord::encode(2, record.camera2));
    if (record.focusStack.camera != 0)
        additions.append(StackRecord::encode(record.focusStack));
    if (!record.pinnedSetups.isEmpty())
        additions.append(PinRecord::encode(record.pinnedSetups));
    additions.append(record.otherRecords);
    bytes.append(ProjectExtension::encode(additions));
    return bytes;
}

Encoded encodeChecked(const ProjectRecord& record)
{
    Encoded result;
    result.bytes = encode(record);
    if (result.bytes.size() > largestFileSize) {
        result.problem = QCoreApplication::translate(
                             "ProjectFile", "The project is too large to be opened again: it would "
                                            "take %1 bytes, but a project file holds at most %2.")
                             .arg(result.bytes.size())
                             .arg(largestFileSize);
    } else if (const DecodeResult again = decode(result.bytes); !again.ok()) {
        result.problem =
            QCoreApplication::translate("ProjectFile", "Zidov would refuse to open it again:\n%1")
                .arg(again.message);
    }
    if (!result.problem.isEmpty())
        result.bytes.clear();
    return result;
}

} // namespace ProjectCodec
