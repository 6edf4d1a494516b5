// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "languagechoice.h"

#include "readernumbers.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QString>
#include <QTranslator>

namespace {
// Chosen once at start-up, before any window exists.
QLocale& chosenLocale()
{
    static QLocale locale = QLocale::c();
    return locale;
}
} // namespace

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

void installGermanCatalogues(QTranslator& program, QTranslator& toolkit,
                             const QString& installedDir)
{
    // The current directory comes first; an installed program also finds the catalogue it
    // shipped with.
    if (!program.load(germanCatalogueName()))
        (void)program.load(germanCatalogueName(), installedDir);
    QCoreApplication::installTranslator(&program);
    if (toolkit.load(QStringLiteral("qtbase_de"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&toolkit);
    const QLocale german(QLocale::German, QLocale::Germany);
    setProgramLocale(german);
    // The boxes write their numbers as the captions do, whatever the system's language.
    QLocale::setDefault(german);
}

QLocale programLocale()
{
    return chosenLocale();
}

void setProgramLocale(const QLocale& locale)
{
    chosenLocale() = locale;
    // What a person reads is written as typed.
    ReaderNumbers::setDecimalMark(locale.decimalPoint().front());
}
