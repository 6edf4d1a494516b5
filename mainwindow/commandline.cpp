// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "commandline.h"

#include "mainwin.h"
#include "windowshape.h"

#include <QFileInfo>

#include <cstdio>

namespace {
void print(FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}
} // namespace

CommandLine::CommandLine()
    : help({QStringLiteral("h"), QStringLiteral("help")}, tr("Show this help and end.")),
      version({QStringLiteral("v"), QStringLiteral("version")},
              tr("Show the program's version and end."))
{
    parser.setApplicationDescription(
        tr("Compares the out-of-focus blur of two camera setups over the distance of the "
           "subject."));
    parser.addOption(help);
    parser.addOption(version);
    parser.addPositionalArgument(tr("file"),
                                 tr("A project file (.mvx) to open at start, as File > Open does."),
                                 tr("[file]"));
}

CommandLine::Request CommandLine::parse(const QStringList& arguments)
{
    programName = QFileInfo(arguments.value(0)).fileName();
    if (!parser.parse(arguments))
        request = Request::BadUsage;
    else if (parser.isSet(help))
        request = Request::Help;
    else if (parser.isSet(version))
        request = Request::Version;
    else if (parser.positionalArguments().size() > 1)
        request = Request::BadUsage;
    else
        request = Request::Start;
    // Relative to the folder Zidov was started in.
    project = request == Request::Start && !parser.positionalArguments().isEmpty()
                  ? QFileInfo(parser.positionalArguments().first()).absoluteFilePath()
                  : QString();
    return request;
}

int CommandLine::answer() const
{
    switch (request) {
    case Request::Help:
        print(stdout, parser.helpText());
        return 0;
    case Request::Version:
        print(stdout, QLatin1String("Zidov ") + mainWin::programVersion() + QLatin1Char('\n'));
        return 0;
    case Request::BadUsage: {
        const QString mistake = parser.errorText().isEmpty()
                                    ? tr("Only one project file can be opened at a time.")
                                    : parser.errorText();
        print(stderr, programName + QLatin1String(": ") + mistake + QLatin1String("\n\n") +
                          parser.helpText());
        return 2;
    }
    case Request::Start:
        break;
    }
    return 0;
}

QString CommandLine::projectFile() const
{
    return project;
}

void CommandLine::showWindow(mainWin& window) const
{
    WindowShape::showFirstWindow(window);
    const QString file = projectFile();
    if (!file.isEmpty())
        window.openProject(file);
}
