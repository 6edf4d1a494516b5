// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "languagechoice.h"
#include "mainwin.h"
#include "storedsettings.h"
#include "windowshape.h"

#include <QApplication>
#include <QGuiApplication>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>

namespace {
// Without a display the toolkit aborts with a message about platform plugins that does
// not tell a photographer what to do; say it plainly instead.
bool displayAvailable()
{
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return true;
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

QString installedCatalogueDir()
{
    return QCoreApplication::applicationDirPath() + QLatin1String("/../share/zidov/translations");
}
} // namespace

int main(int argc, char* argv[])
{
#ifdef Q_OS_LINUX
    if (!displayAvailable()) {
        std::fprintf(stderr,
                     "Zidov needs a graphical display, and none was found (DISPLAY and "
                     "WAYLAND_DISPLAY are unset).\nStart it from a desktop session, or run it "
                     "under a virtual display:  xvfb-run -a ./Zidov\n");
        return EXIT_FAILURE;
    }
#endif
    QApplication application(argc, argv);
    StoredSettings::enable();
    QTranslator translator;
    QTranslator qtTranslator;
    // A missing catalogue is not an error: the program then runs in English.
    if (wantsGerman(argc > 0 ? argv[0] : nullptr))
        installGermanCatalogues(translator, qtTranslator, installedCatalogueDir());
    mainWin window;
    WindowShape::showFirstWindow(window);
    return application.exec();
}
