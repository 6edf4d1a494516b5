// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include <QString>

// Prints the time per project of one zidov-render call over a batch of 200 projects, for
// PNG, SVG and CSV output, and the share of a PNG project spent in encoding. Given another
// build's zidov-render (one built from an older revision), times it on the same batch
// right after and prints its figures and the ratio beside.
void renderBatchFigures(const QString& otherRenderer = QString());
