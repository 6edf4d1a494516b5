// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include <optional>

class QString;

// A number as typed into a table cell: in the program's language ("7,5" in the German
// program) or with a decimal point, never with group separators. Nothing when the text is
// not a number.
std::optional<double> typedNumber(const QString& text);
