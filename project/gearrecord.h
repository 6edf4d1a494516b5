// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include "projectextension.h"
#include "projectrecord.h"

// The "GEAR" addition of one camera: its sensor format and pixel-count indices as the
// window lists them today, the custom sensor, the typed pixel count, and the body and lens
// by name with what Zidov took from them. Written only for a camera that has any of them.
//
// Payload, big-endian: the camera (quint8, 1 or 2); the crop-factor format, pixel-size format
// and pixel-count indices (qint32 each); sensor width and height in mm and the megapixels
// (doubles); the body's maker, model, short model and mount (Qt strings) and crop factor
// (double, 0 for none); the lens's maker and model (Qt strings), its shortest and longest
// focal length in mm and its widest f-numbers there (doubles, 0 for none).
namespace GearRecord {

constexpr char tag[] = "GEAR";

// Whether the camera has anything format 1.3 cannot hold.
bool needed(const CameraRecord& camera);
ProjectExtension::Record encode(int camera, const CameraRecord& record);
// The camera a payload is for, as it names it.
int cameraOf(const QByteArray& payload);
// Reads the payload into its camera of the project, whose settings must already be read;
// an empty result when it was read, otherwise why not, ending in `where` (the record's
// place in the file). Only what encode() writes is read: a record the camera would not
// need, or a focal length or f-number its lens cannot be set to, is refused.
QString decode(const QByteArray& payload, const QString& where, ProjectRecord& project);

} // namespace GearRecord
