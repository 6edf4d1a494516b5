// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

class QString;

// The program speaks German when started under a name ending in "_de.exe", in any case.
bool wantsGerman(const char* argv0);

// The catalogue's base name, resolved against the current directory by the translator.
QString germanCatalogueName();
