// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include <QByteArray>
#include <QString>

// Replaces a file with new bytes without ever leaving a half-written one behind: the bytes go
// to a temporary file beside the target, which is renamed over it only once every byte is on
// disk, so a full disk or a lost permission keeps the previous file whole. Projects, charts
// and numbers are all written so.
namespace WholeFile {

// Returns false and sets error, which names the reason, on failure.
bool write(const QString& name, const QByteArray& bytes, QString& error);

} // namespace WholeFile
