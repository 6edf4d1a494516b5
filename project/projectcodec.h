// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include "projectrecord.h"

#include <QByteArray>
#include <QString>

// Bytes of a project file to a ProjectRecord and back, without files, dialogs or widgets.
//
// The format is one big-endian data stream: the version double, the plot settings and
// one block per camera (see projectcodec.cpp for the field order). Decoding checks the
// whole file before anyone touches a control, so a damaged file can be rejected whole.
namespace ProjectCodec {

constexpr double currentVersion = 1.3;
// Files of the previous version lack the lens quality; it loads as a perfect lens.
constexpr double previousVersion = 1.2;
constexpr double perfectLensQuality = 100;
constexpr int currentFileSize = 184;
constexpr int previousFileSize = 168;

// Items of the stored combo boxes. An index outside them would make the CoC presets look
// outside their tables, so such a file is rejected.
constexpr int cocModeCount = 4;
constexpr int sensorFormatCount = 15;
constexpr int pixelCountPresetCount = 15;
constexpr int formFactorCount = 2;

enum class DecodeError
{
    None,
    EndsEarly,
    WrongVersion,
    IndexOutOfRange,
    NotFinite
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

// Always writes the current version, currentFileSize bytes.
QByteArray encode(const ProjectRecord& record);

} // namespace ProjectCodec
