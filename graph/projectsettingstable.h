// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include "plotinput.h"
#include "projectrecord.h"
#include "settingstable.h"

// The settings table of a project as the plot draws it: the cameras switched on, named as the
// window's boxes name their format, pixel count and CoC mode, in the input's unit, with the
// status bar's comparison where both cameras are shown in expert mode. The window and
// zidov-render alike make their tables here.
SettingsTable projectSettingsTable(const ProjectRecord& project, const PlotInput& input);
