// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "mainwin.h"

void mainWin::about() {}

void mainWin::help() {}

void mainWin::tutorial() {}
