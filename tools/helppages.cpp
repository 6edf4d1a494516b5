// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "helppages.h"

#include <QDir>
#include <QFileInfo>

namespace HelpPages {

QStringList candidateFolders(const QString& applicationDir)
{
    const QDir dir(applicationDir);
    return {QDir::cleanPath(dir.filePath(QStringLiteral("docs"))),
            QDir::cleanPath(dir.filePath(QStringLiteral("../share/zidov/docs")))};
}

QString docsFolder(const QString& applicationDir)
{
    const QStringList candidates = candidateFolders(applicationDir);
    for (const QString& candidate : candidates) {
        if (QFileInfo(candidate + QLatin1String("/links")).isDir())
            return candidate;
    }
    return candidates.last();
}

QString address(const QString& pattern, const QString& docsFolder)
{
    if (!pattern.contains(QLatin1String("%1")))
        return pattern;
    // Fully encoded, so that a '#' or '?' in a folder name stays part of the path.
    return pattern.arg(QUrl::fromLocalFile(docsFolder).toString(QUrl::FullyEncoded));
}

} // namespace HelpPages
