// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "batchrun.h"

#include "trace.h"

#include <QThreadPool>

#include <algorithm>
#include <cstdio>
#include <future>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace {
RenderStatus report(const RenderedProject& project)
{
    for (const QString& message : project.messages())
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    return project.status();
}

// A project done on a thread of the batch: only what it has to say is kept, since its
// files are written.
struct Finished
{
    std::unique_ptr<RenderedProject> project;
    std::string trace;
};
} // namespace

BatchRun::BatchRun(const RenderOptions& options_) : options(options_), renderer(options_) {}

RenderStatus BatchRun::run(const QStringList& projects)
{
    return options.jobs <= 1 || projects.size() <= 1 ? runInOrder(projects) : runAtOnce(projects);
}

RenderStatus BatchRun::runInOrder(const QStringList& projects)
{
    RenderStatus status = RenderDone;
    for (const QString& project : projects) {
        const std::unique_ptr<RenderedProject> rendered = renderer.draw(project);
        rendered->write(options.pngCompression);
        status = std::max(status, report(*rendered));
    }
    return status;
}

RenderStatus BatchRun::runAtOnce(const QStringList& projects)
{
    QThreadPool threads;
    threads.setMaxThreadCount(options.jobs);
    std::vector<std::future<Finished>> finished;
    finished.reserve(size_t(projects.size()));
    for (const QString& project : projects) {
        auto task = std::make_shared<std::packaged_task<Finished()>>([this, project] {
            // The trace lines of a project wait with its messages; without --trace the
            // thread still gets a stream of its own to write nothing to.
            std::stringbuf traced;
            const Trace::ThreadTarget target(options.trace ? &traced : nullptr);
            Finished done{renderer.draw(project), {}};
            done.project->write(options.pngCompression);
            done.trace = traced.str();
            return done;
        });
        finished.push_back(task->get_future());
        threads.start([task] { (*task)(); });
    }
    RenderStatus status = RenderDone;
    for (std::future<Finished>& next : finished) {
        const Finished done = next.get();
        std::fputs(done.trace.c_str(), stderr);
        status = std::max(status, report(*done.project));
    }
    return status;
}
