// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include "ui_mainWin.h"

class mainWin;

// The main window's widgets by name, for the window's own command classes in this folder
// and for tests that drive the real form. Dialogs never take this: they see WindowSurface.
Ui_mainWin& windowForm(mainWin& window);
const Ui_mainWin& windowForm(const mainWin& window);
