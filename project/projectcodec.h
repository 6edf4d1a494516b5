// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include "projectrecord.h"

#include <QByteArray>
#include <QDataStream>
#include <QString>

// Bytes of a project file to a ProjectRecord and back, without files, dialogs or widgets.
//
// The format is one big-endian data stream: the version double, the plot settings and
// one block per camera (see projectcodec.cpp for the field order), then possibly tagged
// additions (projectextension.h) that builds before them do not read. Decoding checks the
// whole file before anyone touches a control, so a damaged file can be rejected whole.
namespace ProjectCodec {

constexpr double currentVersion = 1.3;
// Files of the previous version lack the lens quality; it loads as a perfect lens.
constexpr double previousVersion = 1.2;
constexpr double perfectLensQuality = 100;
constexpr int currentFileSize = 184;
constexpr int previousFileSize = 168;
// Additions included; a longer file is refused as damaged.
constexpr int largestFileSize = 1 << 20;

// Items of the stored combo boxes. An index outside them would make the CoC presets look
// outside their tables, so such a file is rejected.
constexpr int cocModeCount = 4;
constexpr int sensorFormatCount = 15;
constexpr int pixelCountPresetCount = 15;
constexpr int formFactorCount = 2;
// What the additions may hold: the formats of today with a custom sensor last, and the
// presets with a typed count last.
constexpr int additionsFormatCount = 19;
constexpr int additionsPixelCountCount = pixelCountPresetCount + 1;

// A stored number as its control takes it: the control rounds the value to its decimals
// and then holds it within minimum and maximum. A value that rounds to outside would load
// as a different one, so such a file is refused; more decimals than the control shows are
// in range and load rounded (the distance boxes hold them as stored).
struct ValueRange
{
    double minimum;
    double maximum;
    int decimals;

    bool holds(double value) const;
};

// The ranges of the main window's controls, in the units the file stores (a test checks
// that they agree with the controls).
constexpr ValueRange focusDistanceRange{0, 99999, 2};
constexpr ValueRange apertureRange{LensLimits::widestFNumber, LensLimits::narrowestFNumber, 1};
constexpr ValueRange focalLengthRange{LensLimits::shortestFocal, LensLimits::longestFocal, 1};
constexpr ValueRange cocRange{0.0001, 10, 4};
constexpr ValueRange lensQualityRange{0, 100, 2};
constexpr ValueRange viewDistanceRange{0.1, 99999, 2};
constexpr ValueRange imageWidthRange{0.1, 99999, 2};
constexpr ValueRange distanceScaleRange{1, 49, 0};
constexpr ValueRange zcScaleRange{1, 100, 0};
// Of the additions: a custom sensor's sides in mm and a typed pixel count in millions.
constexpr ValueRange sensorSideRange{0.5, 200, 2};
constexpr ValueRange megapixelRange{0.1, 1000, 1};
// From the camera the plot starts at 0 at the earliest. From the focus plane the window
// lets it start up to the larger focus distance in front of that plane, as that distance
// was when the reference was chosen, so a saved border may lie as far out as any focus.
constexpr ValueRange leftBorderFromCameraRange{0, 99999, 2};
constexpr ValueRange leftBorderFromFocusPlaneRange{-focusDistanceRange.maximum, 99999, 2};

enum class DecodeError
{
    None,
    EndsEarly,
    WrongVersion,
    IndexOutOfRange,
    NotFinite,
    OutOfRange,
    DamagedAdditions
};

struct DecodeResult
{
    DecodeError error = DecodeError::None;
    // Complete only when there is no error; record.version holds the version once read.
    ProjectRecord record;
    bool versionRead = false;
    // Where the offending field starts, -1 without error.
    int offset = -1;
    // The reason in words for the user (translated in the main window's context).
    QString message;

    bool ok() const { return error == DecodeError::None; }
};

DecodeResult decode(const QByteArray& bytes);

// The stream settings of the format, for the payloads of its additions too.
void configure(QDataStream& stream);

// Always writes the current version: currentFileSize bytes, followed by the additions of
// projectextension.h where the record has any.
QByteArray encode(const ProjectRecord& record);

// What saving writes: the bytes, only where they would be opened again as they are, and
// otherwise why not.
struct Encoded
{
    QByteArray bytes;
    QString problem;
};
Encoded encodeChecked(const ProjectRecord& record);

// A stored number as messages show it: with as many digits as it takes to tell it apart, so
// that a value just past a limit does not read as the limit itself; NaN and infinities by
// name.
QString shownNumber(double value);

} // namespace ProjectCodec
