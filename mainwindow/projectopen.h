// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include <QString>

#include <ostream>

class mainWin;

// Opens a project file into the window's controls exactly as File > Open does (codec,
// controls in file order, one recalculation), writing the loader's trace to trace, but
// shows nothing: returns the message for a refused file, empty when the project is loaded.
// A refused file changes no control, not even the mode.
QString openProjectFile(mainWin& window, const QString& name, std::ostream& trace);
