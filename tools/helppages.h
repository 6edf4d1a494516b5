// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

// Where the help and tutorial pages that ship with the program are, and how their addresses
// are made. The pages are looked up relative to the executable, never to the current
// directory, so the program finds them wherever it is started from.
namespace HelpPages {

// The folder that holds links/ with the pages: <applicationDir>/docs in the build tree,
// otherwise <applicationDir>/../share/zidov/docs as installed. When neither has the pages
// the installed place is returned, so the browser names the file it could not find.
QString docsFolder(const QString& applicationDir);
// The folders docsFolder looks in, in that order.
QStringList candidateFolders(const QString& applicationDir);

// Puts the folder's address in place of %1 in a (translatable) address pattern. A pattern
// without %1, such as a translation that sends the user to a web page, is used as it stands.
QString address(const QString& pattern, const QString& docsFolder);

} // namespace HelpPages
