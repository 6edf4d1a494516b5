// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "settingstablesource.h"

#include "mainwin.h"
#include "projectcontrols.h"
#include "projectsettingstable.h"

SettingsTable settingsTableOf(mainWin& window)
{
    return projectSettingsTable(projectFromControls(window), window.plotInput());
}
