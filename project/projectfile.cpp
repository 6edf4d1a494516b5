// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "projectfile.h"

#include "projectcodec.h"

#include <QFile>
#include <QSaveFile>

namespace ProjectFile {

ReadResult read(const QString& name)
{
    ReadResult result;
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = file.errorString();
        return result;
    }
    // The additions after the fields of format 1.3 belong to the file too; far beyond what
    // any project holds, the cap keeps a wrong file from filling the memory, and what it cuts
    // off the decoder finds missing.
    constexpr qint64 largestRead = 1 << 20;
    result.bytes = file.read(largestRead);
    if (file.error() != QFileDevice::NoError) {
        result.error = file.errorString();
        result.bytes.clear();
    }
    return result;
}

bool write(const QString& name, const QByteArray& bytes, QString& error)
{
    QSaveFile file(name);
    // Normally the new file is written beside the old one and renamed over it, so a failed
    // save never leaves a half-written project. In a folder that takes no new files that
    // is impossible, yet the project file itself may be writable: only then write it in place.
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly)) {
        error = file.errorString();
        return false;
    }
    // The bytes sit in the device's buffer until flushed. commit() flushes too, but it
    // ignores a failed flush (Qt 6.4 renames a short temporary file over the target when
    // the disk fills up), so the flush is done and checked here.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        error = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        error = file.errorString();
        return false;
    }
    return true;
}

} // namespace ProjectFile
