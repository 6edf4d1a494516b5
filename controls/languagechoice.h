// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

class QLocale;
class QString;
class QTranslator;

// The program speaks German when started under a name ending in "_de.exe", in any case.
bool wantsGerman(const char* argv0);

// The catalogue's base name, resolved against the current directory by the translator.
QString germanCatalogueName();

// Loads and installs the German catalogues: the program's own (from the current directory,
// else from installedDir) into program, and Qt's, for the file dialogs and standard buttons,
// into toolkit. Both must outlive every window. A missing catalogue leaves its texts English.
// Numbers typed by the user are then read the German way too.
void installGermanCatalogues(QTranslator& program, QTranslator& toolkit,
                             const QString& installedDir);

// The locale of the program's language, in which typed numbers are read besides the C
// locale: the C locale itself until German is chosen.
QLocale programLocale();
void setProgramLocale(const QLocale& locale);
