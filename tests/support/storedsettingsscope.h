// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include "storedsettings.h"

// The stored settings on, and empty, for as long as it lives, then empty and off again, also
// when a check fails half-way: test functions that store run the same alone as after those
// that did. The folder is the test process's own (ZIDOV_GUITEST_MAIN), never the user's.
class StoredSettingsScope
{
public:
    StoredSettingsScope()
    {
        StoredSettings::enable();
        StoredSettings::open()->clear();
    }
    ~StoredSettingsScope()
    {
        StoredSettings::open()->clear();
        StoredSettings::disable();
    }
    StoredSettingsScope(const StoredSettingsScope&) = delete;
    StoredSettingsScope& operator=(const StoredSettingsScope&) = delete;
};
