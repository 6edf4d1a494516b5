// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "languagechoice.h"

#include <QString>

bool wantsGerman(const char* argv0)
{
    if (argv0 == nullptr)
        return false;
    return QString::fromLatin1(argv0).endsWith(QLatin1String("_de.exe"), Qt::CaseInsensitive);
}

QString germanCatalogueName()
{
    return QStringLiteral("Zidov_de");
}
