// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "typednumber.h"

#include "languagechoice.h"

#include <QLocale>

#include <cmath>

namespace {
std::optional<double> readNumber(QLocale locale, const QString& text)
{
    // "1.000" is not a thousand in the German program but 1 in the C locale, as typed.
    locale.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double value = locale.toDouble(text, &ok);
    if (!ok || std::isnan(value))
        return std::nullopt;
    return value;
}
} // namespace

std::optional<double> typedNumber(const QString& text)
{
    if (const auto value = readNumber(programLocale(), text))
        return value;
    return readNumber(QLocale::c(), text);
}
