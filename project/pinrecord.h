// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include "projectextension.h"
#include "projectrecord.h"

// The "PINS" addition: the project's pinned setups, written only where it has any.
//
// Payload, big-endian: the number of setups (quint8, 1 to maxSetups); then per setup its name
// (Qt string), whether it is shown and whether its depth-of-field band is (bools), its colour
// (quint8), and its camera as a project stores one: the CoC mode (qint32); focus distance in
// metres, f-number, focal length and CoC in mm, lens quality (doubles); diffraction and
// magnification lock (bools); crop-factor format, pixel-size format and pixel-count indices
// (qint32 each); view distance (double), form factor (qint32), image width (double); the
// custom sensor's width and height in mm and the megapixels (doubles); then the gear as
// GearRecord writes it, from the body's maker to the lens's widest f-number at its long end.
namespace PinRecord {

constexpr char tag[] = "PINS";
constexpr int maxSetups = 8;
constexpr int colourCount = 8;

ProjectExtension::Record encode(const QList<PinnedSetup>& setups);
// Reads the payload into the project; an empty result when it was read, otherwise why not,
// ending in `where` (the record's place in the file). Bytes after the last setup are left
// for later builds.
QString decode(const QByteArray& payload, const QString& where, ProjectRecord& project);

} // namespace PinRecord
