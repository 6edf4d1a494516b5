// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "batchrun.h"

#include <QThreadPool>

#include <algorithm>
#include <cstdio>
#include <deque>
#include <future>
#include <memory>

namespace {
struct InFlight
{
    std::shared_ptr<RenderedProject> project;
    std::future<void> written;
};

RenderStatus report(const RenderedProject& project)
{
    for (const QString& message : project.messages())
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    return project.status();
}
} // namespace

BatchRun::BatchRun(const RenderOptions& options_) : options(options_), renderer(options_) {}

RenderStatus BatchRun::run(const QStringList& projects)
{
    RenderStatus status = RenderDone;
    if (options.jobs <= 1) {
        for (const QString& project : projects) {
            const std::unique_ptr<RenderedProject> rendered = renderer.draw(project);
            rendered->write(options.pngCompression);
            status = std::max(status, report(*rendered));
        }
        return status;
    }

    QThreadPool writers;
    writers.setMaxThreadCount(options.jobs);
    // Drawn pictures wait here for their writers; a few per thread keep every thread busy
    // without holding a whole batch of pictures in memory.
    const size_t mostWaiting = 2 * size_t(options.jobs);
    std::deque<InFlight> inFlight;
    const auto reportFirst = [&] {
        inFlight.front().written.wait();
        status = std::max(status, report(*inFlight.front().project));
        inFlight.pop_front();
    };
    for (const QString& project : projects) {
        std::shared_ptr<RenderedProject> rendered = renderer.draw(project);
        auto done = std::make_shared<std::promise<void>>();
        inFlight.push_back({rendered, done->get_future()});
        const int compression = options.pngCompression;
        writers.start([rendered, done, compression] {
            rendered->write(compression);
            done->set_value();
        });
        while (!inFlight.empty() && (inFlight.size() > mostWaiting ||
                                     inFlight.front().written.wait_for(std::chrono::seconds(0)) ==
                                         std::future_status::ready))
            reportFirst();
    }
    while (!inFlight.empty())
        reportFirst();
    return status;
}
