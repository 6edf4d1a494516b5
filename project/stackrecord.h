// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include "projectextension.h"
#include "projectrecord.h"

// The "STCK" addition: the focus stack on show on the plot, written only while one is.
//
// Payload, big-endian: the camera (quint8, 1 or 2), the stack's f-number (double), the number
// of shots (quint32) and each shot's focus distance in metres (doubles), nearest first; for a
// stack on a focusing rail then the focus the lens keeps (double, metres), which builds that
// read no further take for a stack by the focus ring.
namespace StackRecord {

constexpr char tag[] = "STCK";
// As many shots as the stack planner plans at most.
constexpr quint32 maxShots = 999;

ProjectExtension::Record encode(const FocusStackRecord& stack);
// Reads the payload into the project; an empty result when it was read, otherwise why not,
// ending in `where` (the record's place in the file).
QString decode(const QByteArray& payload, const QString& where, ProjectRecord& project);

} // namespace StackRecord
