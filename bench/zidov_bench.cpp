// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
//
// Prints how long the program takes from an input change to finished pixels, and how much
// memory it needs. Every figure is a median over many repetitions, also given as a share
// of a 60 Hz frame.
#include "camerasetup.h"
#include "graph.h"
#include "mainwin.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QProcess>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <iostream>
#include <sstream>
#include <vector>

namespace {
constexpr double frameMs60Hz = 1000.0 / 60.0;

// The window writes trace lines on every recalculation; keep them out of the figures.
class DiscardStdout
{
public:
    DiscardStdout() : previous(std::cout.rdbuf(sink.rdbuf())) {}
    ~DiscardStdout() { std::cout.rdbuf(previous); }
    void clear() { sink.str(std::string()); }

private:
    std::ostringstream sink;
    std::streambuf* previous;
};

class PaintCounter : public QObject
{
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

double medianMs(int repetitions, const std::function<void(int)>& action, DiscardStdout& out)
{
    std::vector<double> times;
    times.reserve(repetitions);
    for (int i = 0; i < repetitions; ++i) {
        QElapsedTimer timer;
        timer.start();
        action(i);
        times.push_back(timer.nsecsElapsed() / 1e6);
        out.clear();
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void report(const char* what, double ms)
{
    std::printf("%-58s %10.3f ms  %6.3f frames@60Hz\n", what, ms, ms / frameMs60Hz);
}

long peakMemoryKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return -1;
}

void prepareExpertWindow(mainWin& w, QSize size)
{
    w.show();
    w.resize(size);
    if (w.expertMode == 0)
        w.switchpromode();
    w.boxC2->setChecked(true);
    w.c1_calcDef->setChecked(true);
    w.c2_calcDef->setChecked(true);
    w.dofMode->setChecked(true);
    w.run();
    QCoreApplication::processEvents();
}

void focusChange(mainWin& w, QSize size, const char* label, DiscardStdout& out)
{
    prepareExpertWindow(w, size);
    const double ms = medianMs(
        300, [&](int i) { w.c1_fdist->setValue(i % 2 ? 5.0 : 5.1); }, out);
    report(label, ms);
}

// Run as a child: time from process start to the first finished paint, then memory.
int startupChild(int argc, char** argv)
{
    QApplication app(argc, argv);
    DiscardStdout quiet;
    mainWin w;
    PaintCounter counter;
    w.graphWidget->installEventFilter(&counter);
    w.show();
    while (counter.paints == 0)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    std::fprintf(stdout, "painted\n");
    std::fflush(stdout);
    prepareExpertWindow(w, QSize(1292, 725));
    for (int i = 0; i < 50; ++i)
        w.c1_fdist->setValue(i % 2 ? 5.0 : 5.1);
    std::fprintf(stdout, "%ld\n", peakMemoryKiB());
    return 0;
}

void startupFigures(const char* program)
{
    std::vector<double> times;
    long peak = 0;
    for (int i = 0; i < 15; ++i) {
        QProcess child;
        QElapsedTimer timer;
        timer.start();
        child.start(QString::fromLocal8Bit(program), {QStringLiteral("--startup-child")});
        child.waitForReadyRead(10000);
        times.push_back(timer.nsecsElapsed() / 1e6);
        child.waitForFinished(20000);
        const QList<QByteArray> lines = child.readAllStandardOutput().split('\n');
        if (lines.size() > 1)
            peak = std::max(peak, lines[1].toLong());
    }
    std::sort(times.begin(), times.end());
    report("start-up: process start to first finished paint", times[times.size() / 2]);
    std::printf("%-58s %10.1f MiB\n", "peak memory after start-up and 50 recalculations",
                peak / 1024.0);
}
} // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && qstrcmp(argv[1], "--startup-child") == 0)
        return startupChild(argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication app(argc, argv);
    DiscardStdout out;
    {
        mainWin w;
        focusChange(w, QSize(1292, 725), "event to pixels: c1_fdist change, 1292 x 725", out);
        focusChange(w, QSize(3840, 2160), "event to pixels: c1_fdist change, 3840 x 2160", out);

        w.resize(1292, 725);
        QCoreApplication::processEvents();
        QImage image(w.graphWidget->size(), QImage::Format_ARGB32);
        report("graphDraw into an image, 1292 x 725 window",
               medianMs(
                   200,
                   [&](int) {
                       QPainter painter(&image);
                       w.graphWidget->graphDraw(&painter);
                   },
                   out));
    }
    {
        mainWin w;
        w.show();
        w.resize(1292, 725);
        QCoreApplication::processEvents();
        PaintCounter counter;
        w.graphWidget->installEventFilter(&counter);
        const int recalculationsBefore = w.recalculationCount();
        const int steps = 200;
        report("simple mode: one horizontalSlider step",
               medianMs(
                   steps, [&](int i) { w.horizontalSlider->setValue(i % 2 ? 40 : 41); }, out));
        std::printf("%-58s %10.2f paints, %.2f recalculations\n", "  per slider step",
                    double(counter.paints) / steps,
                    double(w.recalculationCount() - recalculationsBefore) / steps);
    }

    CameraSetup camera;
    camera.init(5000, 2.8, 50, 0.03, 1, 1, 100, 1.8);
    out.clear();
    volatile double sink = 0;
    report("hyperfocal search with diffraction",
           medianMs(
               2000, [&](int) { sink = sink + camera.getHyperfocal(); }, out));
    const int calls = 1000000;
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < calls; ++i)
        sink = sink + camera.getZc(1000 + i);
    std::printf("%-58s %10.1f ns\n", "one getZc call", double(timer.nsecsElapsed()) / calls);

    startupFigures(argv[0]);
    return 0;
}
