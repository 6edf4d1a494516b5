// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QString>
#include <QStringList>

class mainWin;

// Zidov [FILE]: what the program is asked to do at start. Help, the version and bad usage are
// answered on the terminal, without a window.
class CommandLine
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    enum class Request
    {
        Start,
        Help,
        Version,
        BadUsage
    };

    // The texts are those of the catalogue installed at this moment.
    CommandLine();

    Request parse(const QStringList& arguments);
    // Prints what the last parse asked for (help, version, or the mistake and the usage on
    // standard error) and returns the exit status.
    int answer() const;
    // The project named on the command line as an absolute path; empty for none.
    QString projectFile() const;

    // Shows the window and opens the project named on the command line exactly as File > Open
    // does, the message for a refused file included.
    void showWindow(mainWin& window) const;

private:
    QCommandLineParser parser;
    QCommandLineOption help;
    QCommandLineOption version;
    QString programName;
    QString project;
    Request request = Request::Start;
};
