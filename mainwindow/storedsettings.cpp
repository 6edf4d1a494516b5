// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "storedsettings.h"

namespace {
bool settingsEnabled = false;
} // namespace

void StoredSettings::enable()
{
    settingsEnabled = true;
}

void StoredSettings::disable()
{
    settingsEnabled = false;
}

bool StoredSettings::enabled()
{
    return settingsEnabled;
}

std::unique_ptr<QSettings> StoredSettings::open()
{
    if (!settingsEnabled)
        return nullptr;
    return std::make_unique<QSettings>(QStringLiteral("Zidov"), QStringLiteral("Zidov"));
}
