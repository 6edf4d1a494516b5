// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
//
// zidov-render: the plot of Zidov projects, and the numbers behind it, without a window.
#include "batchrun.h"
#include "plotinput.h"
#include "renderoptions.h"

#include <QApplication>

#include <csignal>
#include <cstdio>
#include <iostream>
#include <streambuf>

namespace {
// Swallows what it is given: the trace when nobody asked for it.
class NullBuffer : public std::streambuf
{
protected:
    int overflow(int c) override { return traits_type::not_eof(c); }
};

bool showToolkitMessages = false;

// The offscreen platform's remarks about windows nobody sees are noise in a batch.
void toolkitMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (showToolkitMessages || type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}
} // namespace

int main(int argc, char* argv[])
{
    // The model, the loader and the derivation write trace lines to std::cout; here
    // standard output carries data, so they never go there.
    NullBuffer discard;
    std::streambuf* const standardOutput = std::cout.rdbuf(&discard);

    // A reader that goes away (`| head`) makes the next write fail with a message and exit
    // status 1, instead of killing the program without a word.
    std::signal(SIGPIPE, SIG_IGN);

    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(toolkitMessages);
    QApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("zidov-render"));
    QCoreApplication::setApplicationVersion(programVersion());

    RenderOptions options;
    QString error;
    if (!RenderCommandLine().parse(QCoreApplication::arguments(), options, error)) {
        std::fprintf(stderr, "zidov-render: %s\n%s\n", error.toLocal8Bit().constData(),
                     RenderCommandLine::tr("Try 'zidov-render --help'.").toLocal8Bit().constData());
        std::cout.rdbuf(standardOutput);
        return RenderRefused;
    }
    if (options.trace) {
        std::cout.rdbuf(std::cerr.rdbuf());
        showToolkitMessages = true;
    }

    const QStringList projects =
        options.projects.isEmpty() ? QStringList(QString()) : options.projects;
    const RenderStatus status = BatchRun(options).run(projects);
    std::cout.rdbuf(standardOutput);
    return status;
}
