// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include "settingstable.h"

class mainWin;

// The settings table of the cameras the window shows, as the last recalculation left them,
// in the window's unit, with the status bar's comparison: the one source of what exports,
// Copy numbers and zidov-render say.
SettingsTable settingsTableOf(mainWin& window);
