// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "commandline.h"
#include "languagechoice.h"
#include "mainwin.h"
#include "storedsettings.h"
#include "trace.h"
#include "unitchoice.h"

#include <QApplication>
#include <QGuiApplication>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>
#include <iostream>

namespace {
// Without a display the toolkit aborts with a message about platform plugins that does
// not tell a photographer what to do; say it plainly instead.
bool displayAvailable()
{
#ifdef Q_OS_LINUX
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return true;
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#else
    return true;
#endif
}

QString installedCatalogueDir()
{
    return QCoreApplication::applicationDirPath() + QLatin1String("/../share/zidov/translations");
}

QStringList argumentsOf(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

// The language the program speaks, for as long as this lives.
class Language
{
public:
    explicit Language(const char* argv0)
    {
        // A missing catalogue is not an error: the program then runs in English.
        if (wantsGerman(argv0))
            installGermanCatalogues(program, toolkit, installedCatalogueDir());
    }

private:
    QTranslator program;
    QTranslator toolkit;
};
} // namespace

int main(int argc, char* argv[])
{
    const char* const argv0 = argc > 0 ? argv[0] : nullptr;
    // The trace lines of a run go to the console the program was started from.
    Trace::sendTo(std::cout.rdbuf());
    // Help, the version and a mistyped option need no display. The toolkit takes its own
    // options (-style, -session and the like) off the command line only once it runs, so
    // where it can run an option unknown here is looked at again then.
    const CommandLine::Request early = CommandLine().parse(argumentsOf(argc, argv));
    if (early == CommandLine::Request::Help || early == CommandLine::Request::Version ||
        (early == CommandLine::Request::BadUsage && !displayAvailable())) {
        QCoreApplication terminal(argc, argv);
        const Language language(argv0);
        CommandLine commandLine;
        commandLine.parse(QCoreApplication::arguments());
        return commandLine.answer();
    }
    if (!displayAvailable()) {
        std::fprintf(stderr,
                     "Zidov needs a graphical display, and none was found (DISPLAY and "
                     "WAYLAND_DISPLAY are unset).\nStart it from a desktop session, or run it "
                     "under a virtual display:  xvfb-run -a ./Zidov\n");
        return EXIT_FAILURE;
    }
    QApplication application(argc, argv);
    StoredSettings::enable();
    const Language language(argv0);
    CommandLine commandLine;
    if (commandLine.parse(QCoreApplication::arguments()) != CommandLine::Request::Start)
        return commandLine.answer();
    mainWin window;
    window.setLengthUnit(UnitChoice::atStart());
    commandLine.showWindow(window);
    return application.exec();
}
