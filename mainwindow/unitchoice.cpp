// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "unitchoice.h"

#include "storedsettings.h"

#include <QLocale>

namespace {
const QString unitKey = QStringLiteral("view/units");
const QString metresName = QStringLiteral("metres");
const QString feetName = QStringLiteral("feet");
} // namespace

namespace UnitChoice {
LengthUnit atStart()
{
    if (const auto settings = StoredSettings::open()) {
        const QString stored = settings->value(unitKey).toString();
        if (stored == metresName)
            return LengthUnit::Metres;
        if (stored == feetName)
            return LengthUnit::Feet;
    }
    return LengthUnits::forLocale(QLocale::system());
}

void remember(LengthUnit unit)
{
    if (const auto settings = StoredSettings::open())
        settings->setValue(unitKey, unit == LengthUnit::Feet ? feetName : metresName);
}
} // namespace UnitChoice
