// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "helppages.h"

#include <QDir>
#include <QFileInfo>

namespace HelpPages {

QString docsFolder(const QString& applicationDir)
{
    const QDir dir(applicationDir);
    const QString buildTree = QDir::cleanPath(dir.filePath(QStringLiteral("docs")));
    const QString installed = QDir::cleanPath(dir.filePath(QStringLiteral("../share/zidov/docs")));
    for (const QString& candidate : {buildTree, installed}) {
        if (QFileInfo(candidate + QLatin1String("/links")).isDir())
            return candidate;
    }
    return installed;
}

QString address(const QString& pattern, const QString& docsFolder)
{
    if (!pattern.contains(QLatin1String("%1")))
        return pattern;
    // Fully encoded, so that a '#' or '?' in a folder name stays part of the path.
    return pattern.arg(QUrl::fromLocalFile(docsFolder).toString(QUrl::FullyEncoded));
}

} // namespace HelpPages
