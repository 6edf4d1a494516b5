// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include "renderoptions.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QSize>
#include <QString>

class mainWin;

// Exit statuses of zidov-render; a worse one wins over a better one.
enum RenderStatus
{
    RenderDone = 0,
    RenderWriteFailed = 1,
    RenderRefused = 2
};

// Renders one project into the outputs the options ask for. Each project gets a main
// window of its own, never shown, so that it loads exactly as File > Open loads it into a
// freshly started program; what the plot then draws is what the window would show.
class ProjectRenderer
{
    Q_DECLARE_TR_FUNCTIONS(ProjectRenderer)

public:
    explicit ProjectRenderer(const RenderOptions& options);

    // An empty name renders the start-up state. Messages go to standard error.
    RenderStatus render(const QString& project);

private:
    QSize plotSize(bool expertMode);
    bool writeChart(mainWin& window, const QString& name, const QString& format);
    bool writeData(const QByteArray& bytes, const QString& name);
    bool writeOutputs(mainWin& window, const QString& project);

    const RenderOptions& options;
    // The plot's size in the window at its default size, measured once per mode.
    QSize simplePlot;
    QSize expertPlot;
};
