// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "renderbatch.h"

#include "graph.h"
#include "mainwin.h"

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QImageWriter>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
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
    window.boxC2->setChecked(true);
    QStringList names;
    for (int i = 0; i < batchSize; ++i) {
        window.c1_fdist->setValue(1 + 0.02 * i);
        window.c2_apature->setValue(1.4 + 0.01 * i);
        names.append(dir.filePath(QStringLiteral("p%1.mvx").arg(i, 4, 10, QLatin1Char('0'))));
        if (!window.saveTo(names.last()))
            std::exit(1);
    }
    return names;
}

// Milliseconds of wall and processor time per project.
std::pair<double, double> timeBatch(const QString& renderer, const QStringList& projects,
                                    const QString& format, const QString& outputDir)
{
    QProcess render;
    render.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const double cpuBefore = childCpuSeconds();
    QElapsedTimer timer;
    timer.start();
    render.start(renderer, QStringList{QStringLiteral("--output-dir"), outputDir,
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

// The encoding alone of the first project's chart, at the renderer's default size.
double pngEncodingMs(const QString& project, QSize plot)
{
    mainWin window;
    window.graphWidget->setFixedSize(plot);
    if (!window.loadFrom(project))
        std::exit(1);
    const QImage image = window.graphWidget->renderImage();
    std::vector<double> times;
    for (int i = 0; i < 50; ++i) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QElapsedTimer timer;
        timer.start();
        QImageWriter(&buffer, "png").write(image);
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}
} // namespace

void renderBatchFigures(const QString& otherRenderer)
{
    QTemporaryDir dir;
    const QStringList projects = writeProjects(QDir(dir.path()));
    double pngMs = 0;
    for (const char* format : {"png", "svg", "csv"}) {
        const QString out = dir.filePath(QLatin1String(format));
        const auto [wallMs, cpuMs] =
            timeBatch(QStringLiteral(ZIDOV_RENDER), projects, QLatin1String(format), out);
        const QString label = QStringLiteral("zidov-render, batch of %1 projects, per %2 project")
                                  .arg(batchSize)
                                  .arg(QString::fromLatin1(format).toUpper());
        std::printf("%-58s %10.2f ms  (%.2f ms processor time)\n", qPrintable(label), wallMs,
                    cpuMs);
        if (QLatin1String(format) == QLatin1String("png"))
            pngMs = cpuMs;
        if (otherRenderer.isEmpty())
            continue;
        const QString otherOut = out + QStringLiteral("-other");
        const auto [otherWallMs, otherCpuMs] =
            timeBatch(otherRenderer, projects, QLatin1String(format), otherOut);
        std::printf("%-58s %10.2f ms  (%.2f ms processor time), this build %.2f x its time\n",
                    "  the other build", otherWallMs, otherCpuMs, wallMs / otherWallMs);
    }
    const QString firstPng = QDir(dir.filePath(QStringLiteral("png"))).filePath("p0000.png");
    const QSize plot = QImage(firstPng).size();
    const double encodeMs = pngEncodingMs(projects.first(), plot);
    std::printf("%-58s %10.2f ms  (%.0f %% of a PNG project, plot %dx%d)\n",
                "  of which PNG encoding", encodeMs, 100 * encodeMs / pngMs, plot.width(),
                plot.height());
}
