// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "mainwin.h"

void mainWin::load() {}

void mainWin::save() {}

void mainWin::saveAs() {}
