// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "lengthunit.h"

#include <QLocale>

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

QString text(double metres, LengthUnit unit, int decimals)
{
    const double length = fromMetres(metres, unit);
    QString number = QString::number(length, 'f', decimals);
    if (number.toDouble() == 0 && length != 0)
        number = QString::number(length, 'g', 2);
    return number + QLatin1Char(' ') + symbol(unit);
}

LengthUnit forLocale(const QLocale& locale)
{
    return locale.measurementSystem() == QLocale::MetricSystem ? LengthUnit::Metres
                                                               : LengthUnit::Feet;
}
} // namespace LengthUnits
