// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "lastfolder.h"

#include "storedsettings.h"

#include <QDir>
#include <QFileInfo>
#include <QString>

namespace {
const QString settingsKey = QStringLiteral("lastFolder");
} // namespace

QString LastFolder::startDirectory()
{
    if (const auto settings = StoredSettings::open()) {
        const QString folder = settings->value(settingsKey).toString();
        // A folder removed or unmounted since would leave the dialog somewhere arbitrary.
        if (!folder.isEmpty() && QDir(folder).exists())
            return folder;
    }
    return QDir::currentPath();
}

void LastFolder::remember(const QString& fileName)
{
    if (const auto settings = StoredSettings::open())
        settings->setValue(settingsKey, QFileInfo(fileName).absolutePath());
}
