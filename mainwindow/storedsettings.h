// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include <QSettings>

#include <memory>

// The settings that outlive a run (the unit, recent projects, the last folder), stored for
// organisation and application "Zidov". Only the program itself turns them on: a window
// that a test or zidov-render builds reads and writes nothing, so neither depends on, nor
// changes, what the user chose.
class StoredSettings
{
public:
    // Called once by the program's main(), before the window is built.
    static void enable();
    // Off again: a test that turned them on leaves the process as it found it.
    static void disable();
    static bool enabled();
    // The user's settings; null while they are not enabled.
    static std::unique_ptr<QSettings> open();
};
