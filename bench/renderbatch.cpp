// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "renderbatch.h"

#include "graph.h"
#include "mainwin.h"
#include "plotexport.h"
#include "renderoptions.h"
#include "windowform.h"

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QImageWriter>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <sys/resource.h>

namespace {
constexpr int batchSize = 200;

double childCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Projects that differ, so that no two charts are alike.
QStringList writeProjects(const QDir& dir)
{
    mainWin window;
    window.switchpromode();
    windowForm(window).boxC2->setChecked(true);
    QStringList names;
    for (int i = 0; i < batchSize; ++i) {
        windowForm(window).c1_fdist->setValue(1 + 0.02 * i);
        windowForm(window).c2_apature->setValue(1.4 + 0.01 * i);
        names.append(dir.filePath(QStringLiteral("p%1.mvx").arg(i, 4, 10, QLatin1Char('0'))));
        if (!window.saveTo(names.last()))
            std::exit(1);
    }
    return names;
}

struct BatchTime
{
    double wallMs = 0; // per project
    double cpuMs = 0;
};

BatchTime timeBatch(const QString& renderer, const QStringList& projects, const QString& format,
                    const QString& outputDir, const QStringList& options = {})
{
    QProcess render;
    render.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const double cpuBefore = childCpuSeconds();
    QElapsedTimer timer;
    timer.start();
    render.start(renderer, options +
                               QStringList{QStringLiteral("--output-dir"), outputDir,
                                           QStringLiteral("--format"), format} +
                               projects);
    if (!render.waitForFinished(-1) || render.exitCode() != 0 ||
        QDir(outputDir).entryList(QDir::Files).size() != projects.size()) {
        std::fprintf(stderr, "zidov-render failed on the %s batch\n", qPrintable(format));
        std::exit(1);
    }
    const double wallMs = timer.nsecsElapsed() / 1e6;
    return {wallMs / projects.size(), (childCpuSeconds() - cpuBefore) * 1000 / projects.size()};
}

void printBatch(const QString& label, const BatchTime& time)
{
    std::printf("%-58s %10.2f ms  (%.2f ms processor time, %.0f projects/s)\n", qPrintable(label),
                time.wallMs, time.cpuMs, 1000 / time.wallMs);
}

// The median encoding time of the first project's chart, at the renderer's default size,
// and the bytes it takes.
std::pair<double, qint64> pngEncoding(const QImage& image, int compression)
{
    std::vector<double> times;
    qint64 bytes = 0;
    for (int i = 0; i < 15; ++i) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QElapsedTimer timer;
        timer.start();
        PlotExport::encode(image, buffer, QStringLiteral("png"), compression);
        times.push_back(timer.nsecsElapsed() / 1e6);
        bytes = buffer.size();
    }
    std::sort(times.begin(), times.end());
    return {times[times.size() / 2], bytes};
}

QImage firstChart(const QString& project, QSize plot)
{
    mainWin window;
    window.graphWidget->setFixedSize(plot);
    if (!window.loadFrom(project))
        std::exit(1);
    return window.graphWidget->renderImage();
}
} // namespace

void renderBatchFigures(const QString& otherRenderer)
{
    double load[3] = {};
    if (getloadavg(load, 3) == 3)
        std::printf("load average %.2f %.2f %.2f on %d cores\n", load[0], load[1], load[2],
                    QThread::idealThreadCount());
    QTemporaryDir dir;
    const QStringList projects = writeProjects(QDir(dir.path()));
    const QString renderer = QStringLiteral(ZIDOV_RENDER);
    const QString label = QStringLiteral("zidov-render, batch of %1 projects, per %2 project");
    const auto out = [&dir](const QString& name) { return dir.filePath(name); };

    // Projects per second as the threads grow; all cores is the default.
    const int cores = std::max(1, QThread::idealThreadCount());
    std::vector<int> jobCounts{1, 2};
    if (cores > 2)
        jobCounts.push_back(cores);
    BatchTime allCores;
    for (const int jobs : jobCounts) {
        allCores = timeBatch(renderer, projects, QStringLiteral("png"),
                             out(QStringLiteral("png-%1").arg(jobs)),
                             {QStringLiteral("--jobs"), QString::number(jobs)});
        printBatch(label.arg(batchSize).arg(QStringLiteral("PNG")) +
                       QStringLiteral(", %1 job%2").arg(jobs).arg(jobs == 1 ? "" : "s"),
                   allCores);
    }
    const BatchTime level6 =
        timeBatch(renderer, projects, QStringLiteral("png"), out(QStringLiteral("png-level6")),
                  {QStringLiteral("--png-compression"), QStringLiteral("6")});
    printBatch(QStringLiteral("  all cores, --png-compression 6 (the bytes of --jobs 1 before)"),
               level6);
    if (!otherRenderer.isEmpty()) {
        const BatchTime other = timeBatch(otherRenderer, projects, QStringLiteral("png"),
                                          out(QStringLiteral("png-other")));
        printBatch(QStringLiteral("  the other build"), other);
        std::printf("%-58s %10.2f x  (%.2f x with --png-compression 6)\n",
                    "  this build on all cores over the other build",
                    allCores.wallMs / other.wallMs, level6.wallMs / other.wallMs);
    }
    for (const char* format : {"svg", "csv"}) {
        const QString name = QString::fromLatin1(format);
        const BatchTime time = timeBatch(renderer, projects, name, out(name));
        printBatch(label.arg(batchSize).arg(name.toUpper()), time);
        if (otherRenderer.isEmpty())
            continue;
        const BatchTime other = timeBatch(otherRenderer, projects, name, out(name + "-other"));
        printBatch(QStringLiteral("  the other build, this build %1 x its time")
                       .arg(time.wallMs / other.wallMs, 0, 'f', 2),
                   other);
    }

    const QString firstPng = QDir(out(QStringLiteral("png-1"))).filePath("p0000.png");
    const QImage chart = firstChart(projects.first(), QImage(firstPng).size());
    const auto [todayMs, todayBytes] = pngEncoding(chart, -1);
    std::printf("%-58s %10.2f ms  (%.0f %% of a PNG project's processor time, plot %dx%d)\n",
                "  of which PNG encoding at the window's level 6", todayMs,
                100 * todayMs / level6.cpuMs, chart.width(), chart.height());
    for (int level = 0; level <= 9; ++level) {
        const auto [ms, bytes] = pngEncoding(chart, level);
        std::printf("    --png-compression %d%s %32.2f ms  (%.2f x the bytes of level 6)\n", level,
                    level == RenderOptions::defaultPngCompression ? " (default)" : "          ", ms,
                    double(bytes) / todayBytes);
    }
}
