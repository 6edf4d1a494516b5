// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "projectfile.h"

#include "projectcodec.h"
#include "wholefile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace ProjectFile {

ReadResult read(const QString& name)
{
    ReadResult result;
    // Opening a pipe would wait for a writer for ever, and a device may never end.
    const QFileInfo info(name);
    if (info.exists() && !info.isFile()) {
        result.error = QCoreApplication::translate("mainWin", "It is not a regular file.");
        return result;
    }
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
    return WholeFile::write(name, bytes, error);
}

} // namespace ProjectFile
