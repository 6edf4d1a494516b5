// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
//
// zidov-render: the plot of Zidov projects, and the numbers behind it, without a window.
#include "batchrun.h"
#include "plotinput.h"
#include "renderoptions.h"
#include "trace.h"

#include <QApplication>

#include <csignal>
#include <cstdio>
#include <iostream>

namespace {
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
    // Here standard output carries data, so the trace never goes there.
    Trace::sendTo(nullptr);

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
        return RenderRefused;
    }
    if (options.trace) {
        Trace::sendTo(std::cerr.rdbuf());
        showToolkitMessages = true;
    }

    const QStringList projects =
        options.projects.isEmpty() ? QStringList(QString()) : options.projects;
    const RenderStatus status = BatchRun(options).run(projects);
    return status;
}
