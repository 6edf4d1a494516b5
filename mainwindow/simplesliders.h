// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

// The focus distance in metres that the simple mode's focus slider gives at a position.
double focusFromSlider(int position);
// The f-number and the focal length in mm of the aperture and focal-length sliders.
double apertureFromSlider(int position);
double focalLengthFromSlider(int position);
