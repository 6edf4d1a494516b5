// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

// Prints the time per project of one zidov-render call over a batch of 1000 projects, for
// PNG, SVG and CSV output, and the share of a PNG project spent in encoding.
void renderBatchFigures();
