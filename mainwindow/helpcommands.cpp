// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "helppages.h"
#include "mainwin.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QUrl>

namespace {
QString docsFolder()
{
    return HelpPages::docsFolder(QCoreApplication::applicationDirPath());
}

// A page that is not there is no fault of the browser: say so, and where it was looked for.
void reportMissingPage(mainWin* window, const QString& page)
{
    QStringList places;
    for (const QString& folder :
         HelpPages::candidateFolders(QCoreApplication::applicationDirPath()))
        places << QDir::toNativeSeparators(folder + QLatin1String("/links"));
    QMessageBox::warning(window, QStringLiteral("Zidov"),
                         mainWin::tr("The help pages are not installed: %1 is missing.\n"
                                     "They were looked for in:\n%2")
                             .arg(QFileInfo(page).fileName(), places.join(QLatin1Char('\n'))));
}

// Without a program to show the page the desktop says why only on the console, where a
// photographer does not look; the message tells where the page is, to open it by hand.
void openPage(mainWin* window, const QUrl& page)
{
    if (page.isLocalFile() && !QFileInfo::exists(page.toLocalFile())) {
        reportMissingPage(window, page.toLocalFile());
        return;
    }
    if (QDesktopServices::openUrl(page))
        return;
    const QString where =
        page.isLocalFile() ? QDir::toNativeSeparators(page.toLocalFile()) : page.toString();
    QMessageBox::warning(window, QStringLiteral("Zidov"),
                         mainWin::tr("No web browser could be started to show the page.\n"
                                     "Open it by hand:\n%1")
                             .arg(where));
}
} // namespace

void mainWin::about()
{
    QMessageBox box;
    box.addButton(QMessageBox::Ok);
    box.setDefaultButton(QMessageBox::Ok);
    box.setText(tr("Zidov %1\n\n"
                   "Zidov compares the out-of-focus blur of two camera and lens setups over the "
                   "distance of the subject. For every distance it computes the relative blur zc, "
                   "the diameter of the blur spot divided by the circle of confusion, draws both "
                   "curves with their depth of field, and can fit focus distance and aperture to "
                   "the blur you want.\n\n"
                   "Copyright (c) 2026 The Zidov developers\n"
                   "Released under the MIT licence.\n\n"
                   "Qt version %2")
                    .arg(version, QString::fromLatin1(qVersion())) +
                QStringLiteral("\n\n") +
                tr("Camera bodies and lenses by name come from the lensfun database "
                   "(lensfun.github.io): its data under the Creative Commons licence CC BY-SA 3.0, "
                   "read through its library under the GNU LGPL 3."));
    box.setIcon(QMessageBox::Information);
    box.setWindowTitle(QStringLiteral("Zidov"));
    box.exec();
}

void mainWin::tutorial()
{
    openPage(this, QUrl(HelpPages::address(tr("%1/links/ZidovTutorial.html"), docsFolder())));
}

void mainWin::help()
{
    // %1 stands for the folder of the pages and %2 for the version; a translation names its
    // own page.
    const QString pattern = tr("%1/links/Zidov%2.html").replace(QLatin1String("%2"), version);
    openPage(this, QUrl(HelpPages::address(pattern, docsFolder())));
}
