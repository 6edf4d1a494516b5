// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include <QString>

class QLocale;

// The unit distances are shown and typed in. It changes only what is shown: the model works
// in millimetres and the distance boxes and project files hold metres in either unit.
enum class LengthUnit
{
    Metres,
    Feet
};

namespace LengthUnits {
// Exact by definition.
constexpr double metresPerFoot = 0.3048;
constexpr double metresPerInch = 0.0254;

// A length in metres expressed in the unit, and back; metres pass unchanged.
double fromMetres(double metres, LengthUnit unit);
double toMetres(double length, LengthUnit unit);
// "m" or "ft", as written straight after a number.
QString symbol(LengthUnit unit);
// "2.97 m" or "9.74 ft", for messages, with the program's decimal mark (see ReaderNumbers). A
// length that the decimals would turn into 0 keeps two significant digits.
QString text(double metres, LengthUnit unit, int decimals = 2);
// The number of text() alone, "2.97", as a spreadsheet's cell takes it.
QString number(double metres, LengthUnit unit, int decimals = 2);
// How a length for reading is rounded: to the nearest, or down or up where what is shown
// must stay on one side of what was asked.
enum class Rounding
{
    Nearest,
    Down,
    Up
};
// A length as the reader sees it: in the small unit (mm, in) below 1 m (3 ft), else in the
// unit itself, with the decimals shown.
struct ReaderLength
{
    double length;
    bool small;
    int decimals;
    LengthUnit unit;

    QString number() const;
    // "mm" or "in" where small, else the unit's own symbol.
    QString symbol() const;
};
ReaderLength readerLength(double metres, LengthUnit unit, int extraDigits = 0,
                          Rounding rounding = Rounding::Nearest);
// A length as a photographer reads it: millimetres (inches in feet) to three significant
// digits below 1 m (3 ft), where a macro depth of field of 2.77 mm would otherwise read
// 0.00 m, and as text() writes it above. extraDigits shows that many digits more, where the
// reader needs them: "299.7 mm".
QString readerText(double metres, LengthUnit unit, int extraDigits = 0);
// The length readerText shows, in metres, rounded as asked.
double readerRounded(double metres, LengthUnit unit, int extraDigits = 0,
                     Rounding rounding = Rounding::Nearest);
// Feet where the locale measures in imperial units, metres elsewhere (the C locale too).
LengthUnit forLocale(const QLocale& locale);
} // namespace LengthUnits
