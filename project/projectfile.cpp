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
        result.error = QCoreApplication::translate("ProjectFile", "It is not a regular file.");
        return result;
    }
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = file.errorString();
        return result;
    }
    // Past the largest file with additions, a file is damaged whatever follows; one byte more
    // than that is enough to tell.
    result.bytes = file.read(ProjectCodec::largestFileSize + 1);
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

bool save(const QString& name, const ProjectRecord& project, QString& error)
{
    const ProjectCodec::Encoded encoded = ProjectCodec::encodeChecked(project);
    if (!encoded.problem.isEmpty()) {
        error = encoded.problem;
        return false;
    }
    return write(name, encoded.bytes, error);
}

} // namespace ProjectFile
