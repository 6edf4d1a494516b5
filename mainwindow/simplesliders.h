// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

// The focus distance in metres that the simple mode's focus slider gives at a position.
double focusFromSlider(int position);
