// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include "lengthunit.h"

#include <QString>

// How far a text typed into a distance box is from being a length.
enum class TextState
{
    Invalid,      // no length, whatever is typed next
    Intermediate, // may become one ("16 f", "-", nothing yet)
    Acceptable
};

struct LengthReading
{
    TextState state = TextState::Invalid;
    double metres = 0;
    // A number without any unit, not even a partly typed one, read in the box's own unit.
    bool plainNumber = false;
    // Decimals typed in a plain number.
    int decimals = 0;
};

// Reads a length as photographers write it: a number with or without a unit ("5", "5 m",
// "350 cm", "16.4 ft", "16'", "197 in", "197\""), or feet and inches together ("16' 5\"",
// "16 ft 5 in", "16' 5"). A number without a unit is in plainUnit. The decimal mark is
// "." or "," in every language, or any character of decimalMarks (the reader's locale's):
// no distance here needs a group separator, and "4,5" must not become 45 in one language.
// Every beginning of a length reads as Intermediate, so no keystroke of one is refused.
LengthReading readLength(const QString& text, LengthUnit plainUnit, const QString& decimalMarks);
