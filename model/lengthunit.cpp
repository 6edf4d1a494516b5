// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "lengthunit.h"

#include "readernumbers.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

namespace LengthUnits {
double fromMetres(double metres, LengthUnit unit)
{
    return unit == LengthUnit::Feet ? metres / metresPerFoot : metres;
}

double toMetres(double length, LengthUnit unit)
{
    return unit == LengthUnit::Feet ? length * metresPerFoot : length;
}

QString symbol(LengthUnit unit)
{
    return unit == LengthUnit::Feet ? QStringLiteral("ft") : QStringLiteral("m");
}

QString number(double metres, LengthUnit unit, int decimals)
{
    const double length = fromMetres(metres, unit);
    if (QString::number(length, 'f', decimals).toDouble() == 0 && length != 0)
        return ReaderNumbers::significant(length, 2);
    return ReaderNumbers::fixed(length, decimals);
}

QString text(double metres, LengthUnit unit, int decimals)
{
    return number(metres, unit, decimals) + QLatin1Char(' ') + symbol(unit);
}

namespace {
double smallUnitsPerMetre(LengthUnit unit)
{
    return unit == LengthUnit::Feet ? 1 / metresPerInch : 1000;
}

double roundedTo(double length, int decimals, Rounding rounding)
{
    const double scale = std::pow(10.0, decimals);
    const double scaled = length * scale;
    // A hair's slack, so that a length already on the grid stays where it is.
    const double steps = rounding == Rounding::Down ? std::floor(scaled * (1 + 1e-12))
                         : rounding == Rounding::Up ? std::ceil(scaled * (1 - 1e-12))
                                                    : std::round(scaled);
    return steps / scale;
}
} // namespace

ReaderLength readerLength(double metres, LengthUnit unit, int extraDigits, Rounding rounding)
{
    const bool feet = unit == LengthUnit::Feet;
    const double smallLimit = feet ? 36 : 1000; // in the small unit: 3 ft, 1 m
    const double small = metres * smallUnitsPerMetre(unit);
    if (std::isfinite(small) && std::fabs(small) < smallLimit) {
        const int magnitude =
            small == 0 ? 0 : int(std::floor(std::log10(std::fabs(small) * (1 + 1e-12))));
        // Held to what a double can say of a length at all.
        int decimals = std::clamp(2 + extraDigits - magnitude, 0, 15);
        double length = roundedTo(small, decimals, rounding);
        // 9.996 mm reads 10.0 mm, with the digits of its new magnitude.
        if (decimals > 0 && std::fabs(length) >= std::pow(10.0, magnitude + 1))
            length = roundedTo(small, --decimals, rounding);
        // 999.7 mm reads 1.00 m, not 1000 mm.
        if (std::fabs(length) < smallLimit)
            return {length, true, decimals, unit};
    }
    const int decimals = 2 + extraDigits;
    return {roundedTo(fromMetres(metres, unit), decimals, rounding), false, decimals, unit};
}

QString ReaderLength::number() const
{
    return ReaderNumbers::fixed(length, decimals);
}

QString ReaderLength::symbol() const
{
    if (!small)
        return LengthUnits::symbol(unit);
    return unit == LengthUnit::Feet ? QStringLiteral("in") : QStringLiteral("mm");
}

QString readerText(double metres, LengthUnit unit, int extraDigits)
{
    const ReaderLength shown = readerLength(metres, unit, extraDigits, Rounding::Nearest);
    if (!shown.small)
        return text(metres, unit, shown.decimals);
    return shown.number() + QLatin1Char(' ') + shown.symbol();
}

double readerRounded(double metres, LengthUnit unit, int extraDigits, Rounding rounding)
{
    const ReaderLength shown = readerLength(metres, unit, extraDigits, rounding);
    return shown.small ? shown.length / smallUnitsPerMetre(unit) : toMetres(shown.length, unit);
}

LengthUnit forLocale(const QLocale& locale)
{
    return locale.measurementSystem() == QLocale::MetricSystem ? LengthUnit::Metres
                                                               : LengthUnit::Feet;
}
} // namespace LengthUnits
