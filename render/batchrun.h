// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include "projectrenderer.h"
#include "renderoptions.h"

#include <QStringList>

// A run of zidov-render over its projects. With more than one job, options.jobs threads
// read, draw, encode and write the projects at once, each project wholly on one thread.
// What a project says (its trace lines, then its messages) waits for its turn, so that
// standard error reads as it does when the projects are rendered one after another.
class BatchRun
{
public:
    explicit BatchRun(const RenderOptions& options);
    // The worst status of any project. An empty name renders the start-up state.
    RenderStatus run(const QStringList& projects);

private:
    RenderStatus runInOrder(const QStringList& projects);
    RenderStatus runAtOnce(const QStringList& projects);

    const RenderOptions& options;
    ProjectRenderer renderer;
};
