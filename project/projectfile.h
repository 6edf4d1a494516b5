// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include "projectrecord.h"

#include <QByteArray>
#include <QString>

// Project files on disk: reading the bytes and replacing a file without ever leaving a
// half-written one behind.
namespace ProjectFile {

struct ReadResult
{
    QByteArray bytes;
    // Why the file could not be read; empty on success.
    QString error;
};

// Reads no more than a project can hold, so picking a huge file by mistake costs nothing;
// bytes after the last field are ignored anyway. What is not a regular file (a pipe, a
// device, a folder) is refused at once.
ReadResult read(const QString& name);

// Replaces the file whole (see WholeFile). Returns false and sets error on failure.
bool write(const QString& name, const QByteArray& bytes, QString& error);

// Writes the project, but only where it would open again as it is; otherwise, as on any
// other failure, the file stays as it was, and error says why.
bool save(const QString& name, const ProjectRecord& project, QString& error);

} // namespace ProjectFile
