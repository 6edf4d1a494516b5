// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include "projectrenderer.h"
#include "renderoptions.h"

#include <QStringList>

// A run of zidov-render over its projects. The plot is drawn on the main thread, one
// project after another; encoding and writing, most of a bitmap project's time, go to
// options.jobs threads. Messages reach standard error in the order of the projects, as
// each project's turn comes, whatever thread finished first.
class BatchRun
{
public:
    explicit BatchRun(const RenderOptions& options);
    // The worst status of any project. An empty name renders the start-up state.
    RenderStatus run(const QStringList& projects);

private:
    const RenderOptions& options;
    ProjectRenderer renderer;
};
