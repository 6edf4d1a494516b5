// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include "graph.h"
#include "projectrecord.h"
#include "renderoptions.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include <memory>

// Exit statuses of zidov-render; a worse one wins over a better one.
enum RenderStatus
{
    RenderDone = 0,
    RenderWriteFailed = 1,
    RenderRefused = 2
};

// Renders one project into the outputs the options ask for, as a freshly started program
// shows it after File > Open: the record as the window's controls would hold it, its
// cameras derived as the window's recalculation derives them, drawn by a plot that is
// never shown. No window is made.
class ProjectRenderer
{
    Q_DECLARE_TR_FUNCTIONS(ProjectRenderer)

public:
    explicit ProjectRenderer(const RenderOptions& options);

    // An empty name renders the start-up state. Messages go to standard error.
    RenderStatus render(const QString& project);

private:
    bool writeChart(const QString& name, const QString& format);
    bool writeData(const QByteArray& bytes, const QString& name);
    bool writeOutputs(const QString& project);

    const RenderOptions& options;
    // The project drawn, as the window's controls would hold it.
    ProjectRecord record;
    // A new one for each project, as each project used to get a window of its own: the
    // pens of a plot keep the widths of its last paint, which a vector file writes out.
    std::unique_ptr<graph> plot;
};
