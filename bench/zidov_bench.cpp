// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
//
// Prints how long the program takes from an input change to finished pixels, and how much
// memory it needs. Every figure is a median over many repetitions, also given as a share
// of a 60 Hz frame, and each event-to-pixels figure also as a multiple of the floor under
// it: a repaint of the plot that draws nothing of its own. The figures are taken once more
// with QT_SCALE_FACTOR=2, as on a high-density screen, in a second process.
// "--focus-changes N [4k|hd]" runs only N focus changes, for a profiler, and "--zoom-steps N
// [4k|hd]" N zoom steps, each of which redraws the whole plot; "--redraw" takes only the
// redraw figures and "--render-batch [OTHER_ZIDOV_RENDER]" only the figures of zidov-render,
// beside those of another build's when named; "--startup" takes only the start-up figures,
// and "--first-paint" starts the window once and ends at its first paint, for a profiler.
#include "camerasetup.h"
#include "gearchooser.h"
#include "geardatabase.h"
#include "graph.h"
#include "mainwin.h"
#include "pinnedsetups.h"
#include "plancommands.h"
#include "projectcameras.h"
#include "renderbatch.h"
#include "trace.h"
#include "windowform.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QMainWindow>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QProcess>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <iostream>
#include <memory>
#include <sstream>
#include <vector>

namespace {
constexpr double frameMs60Hz = 1000.0 / 60.0;

// The window writes trace lines on every recalculation; keep them out of the figures.
class DiscardStdout
{
public:
    DiscardStdout() : previous(Trace::sendTo(sink.rdbuf())) {}
    ~DiscardStdout() { Trace::sendTo(previous); }
    void clear() { sink.str(std::string()); }

private:
    std::ostringstream sink;
    std::streambuf* previous;
};

class PaintCounter : public QObject
{
public:
    int paints = 0;
    QRegion lastArea; // what the last paint covered
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            ++paints;
            lastArea = static_cast<QPaintEvent*>(event)->region();
        }
        return false;
    }
};

// Swallows the plot's own paint events: what is left of a repaint is the parent's
// background under the plot and the flush, the floor of any redraw of that area.
class PaintSwallower : public QObject
{
public:
    bool eventFilter(QObject*, QEvent* event) override { return event->type() == QEvent::Paint; }
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

// Shown and hidden controls move the layout in several rounds of posted events; the
// figures are for the settled window.
void settle(mainWin& w)
{
    for (QSize plot; plot != w.graphWidget->size();) {
        plot = w.graphWidget->size();
        for (int round = 0; round < 5; ++round)
            QCoreApplication::processEvents();
    }
}

void prepareExpertWindow(mainWin& w, QSize size)
{
    w.show();
    w.resize(size);
    if (w.expertMode == 0)
        w.switchpromode();
    windowForm(w).boxC2->setChecked(true);
    windowForm(w).c1_calcDef->setChecked(true);
    windowForm(w).c2_calcDef->setChecked(true);
    windowForm(w).dofMode->setChecked(true);
    w.run();
    settle(w);
}

// A figure taken in another state than its label says would be worthless; stop instead.
void requireExpertState(const mainWin& w, QSize size)
{
    const bool ok = w.isVisible() && w.size() == size && w.expertMode == 1 &&
                    windowForm(w).boxC1->isChecked() && windowForm(w).boxC2->isChecked() &&
                    windowForm(w).c1_calcDef->isChecked() &&
                    windowForm(w).c2_calcDef->isChecked() && windowForm(w).dofMode->isChecked() &&
                    w.graphWidget->width() > size.width() / 2;
    if (!ok) {
        std::fprintf(stderr, "window not in the measured state: %dx%d, plot %dx%d\n", w.width(),
                     w.height(), w.graphWidget->width(), w.graphWidget->height());
        std::exit(1);
    }
}

double emptyRepaintMs(mainWin& w, int repetitions, DiscardStdout& out,
                      const QRegion& area = QRegion())
{
    PaintSwallower swallower;
    w.graphWidget->installEventFilter(&swallower);
    const QRegion covered = area.isEmpty() ? QRegion(w.graphWidget->rect()) : area;
    const double ms = medianMs(
        repetitions, [&](int) { w.graphWidget->repaint(covered); }, out);
    w.graphWidget->removeEventFilter(&swallower);
    return ms;
}

// The two actions the figures time, step i of many: a focus change, which moves one curve
// and its caption, and a zoom step, which moves every pixel of the plot.
void focusStep(mainWin& w, int i)
{
    windowForm(w).c1_fdist->setValue(i % 2 ? 5.0 : 5.1);
}

void zoomStep(mainWin& w, int i)
{
    windowForm(w).qxscale->setValue(i % 2 ? 20 : 21);
}

void pointerTo(graph* plot, QPoint point)
{
    QMouseEvent event(QEvent::MouseMove, point, plot->mapToGlobal(point), Qt::NoButton,
                      Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(plot, &event);
}

// The pointer to one of two places a few columns apart in the plot's left third.
void pointerStep(mainWin& w, int i)
{
    graph* const plot = w.graphWidget;
    pointerTo(plot, QPoint(plot->width() / 3 + (i % 2 ? 7 : 0), plot->height() / 2));
}

// The pointer a column on at each step, across half the plot: every read-out is new.
void pointerSweepStep(mainWin& w, int i)
{
    graph* const plot = w.graphWidget;
    pointerTo(plot, QPoint(plot->width() / 6 + i % (plot->width() / 2), plot->height() / 2));
}

// No part of the last paint can stay after a zoom step.
void zoomFigure(mainWin& w, int repetitions, double floorMs, DiscardStdout& out)
{
    const int zoom = windowForm(w).qxscale->value();
    const double ms = medianMs(
        repetitions, [&](int i) { zoomStep(w, i); }, out);
    report("  a zoom step, which redraws the whole plot", ms);
    std::printf("%-58s %10.2f times the empty repaint\n", "", ms / floorMs);
    windowForm(w).qxscale->setValue(zoom);
}

void focusChange(mainWin& w, QSize size, const char* label, DiscardStdout& out)
{
    prepareExpertWindow(w, size);
    requireExpertState(w, size);
    PaintCounter counter;
    w.graphWidget->installEventFilter(&counter);
    const int repetitions = 300;
    // Taken alternately, so that a machine busy with something else weighs on both alike.
    std::vector<double> changes;
    std::vector<double> floors;
    for (int round = 0; round < 10; ++round) {
        changes.push_back(medianMs(
            repetitions / 10, [&](int i) { focusStep(w, i); }, out));
        floors.push_back(emptyRepaintMs(w, repetitions / 10, out));
    }
    std::sort(changes.begin(), changes.end());
    std::sort(floors.begin(), floors.end());
    const double ms = changes[changes.size() / 2];
    const double floorMs = floors[floors.size() / 2];
    report(label, ms);
    report("  empty repaint of the plot (its paint events swallowed)", floorMs);
    std::printf("%-58s %10.2f times the empty repaint\n", "", ms / floorMs);
    std::printf("%-58s %10.2f plot paints per change (plot %dx%d)\n", "",
                double(counter.paints) / repetitions, w.graphWidget->width(),
                w.graphWidget->height());
    // A change repaints only the part of the plot it changed; the floor of that part alone.
    const QRegion changedArea = counter.lastArea;
    const double areaFloorMs = emptyRepaintMs(w, repetitions, out, changedArea);
    long long changedPixels = 0;
    for (const QRect& rect : changedArea)
        changedPixels += static_cast<long long>(rect.width()) * rect.height();
    report("  empty repaint of just the area a change repaints", areaFloorMs);
    std::printf("%-58s %10.2f times that (%d rectangles, %.1f %% of the plot)\n", "",
                ms / areaFloorMs, int(changedArea.rectCount()),
                100.0 * changedPixels / (w.graphWidget->width() * w.graphWidget->height()));
    // What the synchronous repaint leaves to the event loop (the changed spin box, the
    // button texts) is part of the way to the screen too.
    QCoreApplication::processEvents();
    report("  the same, until deferred paints are done as well",
           medianMs(
               repetitions,
               [&](int i) {
                   focusStep(w, i);
                   QCoreApplication::processEvents();
               },
               out));
    w.graphWidget->removeEventFilter(&counter);
    zoomFigure(w, repetitions, floorMs, out);
}

// The read-out following the pointer: a move repaints the cursor and box it leaves and the
// ones it draws, over the scene on screen. step: back and forth between two places, whose
// lines the read-out has met before, or a sweep over columns it has not.
void pointerMove(mainWin& w, QSize size, const char* label, DiscardStdout& out,
                 void (*step)(mainWin&, int) = pointerStep)
{
    prepareExpertWindow(w, size);
    requireExpertState(w, size);
    graph* const plot = w.graphWidget;
    int moves = 0;
    const auto move = [&w, &moves, step](int) { step(w, ++moves); };
    move(0);
    PaintCounter counter;
    plot->installEventFilter(&counter);
    move(0);
    const QRegion area = counter.lastArea;
    counter.paints = 0;
    const int repetitions = 300;
    std::vector<double> times;
    std::vector<double> floors;
    for (int round = 0; round < 10; ++round) {
        times.push_back(medianMs(repetitions / 10, move, out));
        if (!area.isEmpty())
            floors.push_back(emptyRepaintMs(w, repetitions / 10, out, area));
    }
    const int paints = counter.paints;
    QCoreApplication::processEvents();
    const int restingPaints = counter.paints - paints;
    plot->removeEventFilter(&counter);
    std::sort(times.begin(), times.end());
    const double ms = times[times.size() / 2];
    report(label, ms);
    std::printf("%-58s %10.2f plot paints per move, %d while the pointer rests\n", "",
                double(paints) / repetitions, restingPaints);
    // A build without the read-out paints nothing; its figures stay in line, as zeros.
    std::sort(floors.begin(), floors.end());
    const double floorMs = floors.empty() ? 0 : floors[floors.size() / 2];
    long long pixels = 0;
    for (const QRect& rect : area)
        pixels += static_cast<long long>(rect.width()) * rect.height();
    report("  empty repaint of just the area a move repaints", floorMs);
    std::printf("%-58s %10.2f times that (%.1f %% of the plot)\n", "",
                floorMs > 0 ? ms / floorMs : 0, 100.0 * pixels / (plot->width() * plot->height()));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(plot, &leave);
}

// A focus change of Camera 1 with a focus stack of five shots shown for it, which the change
// leaves on show, beside the same change without it; taken alternately.
void stackFigure(mainWin& w, QSize size, const char* label, DiscardStdout& out)
{
    prepareExpertWindow(w, size);
    requireExpertState(w, size);
    ShotPlans::FocusStack stack;
    stack.aperture = w.cam1.getAperture();
    for (const double metres : {2.0, 3.0, 5.0, 8.0, 13.0})
        stack.shots.push_back({metres * 1000, {}});
    const auto show = [&w](const ShotPlans::FocusStack& shown) {
        w.planCommands->showStack(1, shown);
        w.run();
    };
    const int repetitions = 300;
    std::vector<double> with;
    std::vector<double> without;
    for (int round = 0; round < 10; ++round) {
        show(stack);
        if (!w.graphWidget->showsFocusStack()) {
            std::fprintf(stderr, "the stack is not on show\n");
            std::exit(1);
        }
        with.push_back(medianMs(
            repetitions / 10, [&](int i) { focusStep(w, i); }, out));
        show(ShotPlans::FocusStack());
        without.push_back(medianMs(
            repetitions / 10, [&](int i) { focusStep(w, i); }, out));
    }
    std::sort(with.begin(), with.end());
    std::sort(without.begin(), without.end());
    const double ms = with[with.size() / 2];
    report(label, ms);
    std::printf("%-58s %10.2f times the same change without the stack\n", "",
                ms / without[without.size() / 2]);
}

// A redraw of the whole plot (a zoom step) with eight pinned setups shown, half of them with
// their bands, beside the same redraw without them; taken alternately on a plot of its own,
// as the window hands the plot its input.
void pinnedFigure(QSize size, const char* label, DiscardStdout& out)
{
    ProjectRecord project = ProjectCameras::startupProject();
    project.camera2.switchedOn = true;
    PinnedSetups pins;
    for (int i = 0; i < PinnedSetups::maxCount; ++i) {
        CameraRecord camera = project.camera1;
        camera.focalLength = 24 + 12 * i;
        camera.aperture = 2 + i;
        pins.add(camera);
        pins.setBandShown(i, i % 2 == 0);
    }
    ProjectRecord pinned = project;
    pinned.pinnedSetups = pins.setups();
    const auto inputOf = [](const ProjectRecord& r) {
        PlotInput input = ProjectCameras::plotInput(
            r, ProjectCameras::derive(r, ProjectCameras::startupDiffractionFactor));
        input.expert = true;
        return input;
    };
    const PlotInput without = inputOf(project);
    const PlotInput with = inputOf(pinned);
    graph plot;
    plot.setFixedSize(size);
    plot.show();
    for (int round = 0; round < 5; ++round)
        QCoreApplication::processEvents();
    const auto zoomStep = [&plot](PlotInput input, int i) {
        input.distanceScale = i % 2 ? 20 : 21;
        plot.setInput(input);
    };
    std::vector<double> withTimes;
    std::vector<double> withoutTimes;
    for (int round = 0; round < 10; ++round) {
        withTimes.push_back(medianMs(
            20, [&](int i) { zoomStep(with, i); }, out));
        withoutTimes.push_back(medianMs(
            20, [&](int i) { zoomStep(without, i); }, out));
    }
    std::sort(withTimes.begin(), withTimes.end());
    std::sort(withoutTimes.begin(), withoutTimes.end());
    const double ms = withTimes[withTimes.size() / 2];
    report(label, ms);
    std::printf("%-58s %10.2f times the same redraw without them (%.3f ms)\n", "",
                ms / withoutTimes[withoutTimes.size() / 2], withoutTimes[withoutTimes.size() / 2]);
}

void redrawFigures(DiscardStdout& out)
{
    mainWin w;
    focusChange(w, QSize(1292, 725), "event to pixels: c1_fdist change, 1292 x 725", out);
    focusChange(w, QSize(3840, 2160), "event to pixels: c1_fdist change, 3840 x 2160", out);
    pointerMove(w, QSize(3840, 2160), "event to pixels: pointer move, 3840 x 2160", out);
    pointerMove(w, QSize(3840, 2160), "event to pixels: pointer sweep, 3840 x 2160", out,
                pointerSweepStep);
    stackFigure(w, QSize(1292, 725), "event to pixels: c1_fdist change, 5-shot stack, 1292 x 725",
                out);
    stackFigure(w, QSize(3840, 2160), "event to pixels: c1_fdist change, 5-shot stack, 3840 x 2160",
                out);
    pinnedFigure(QSize(1292, 725), "whole-plot redraw, 8 pinned setups, 1292 x 725", out);
    pinnedFigure(QSize(3840, 2160), "whole-plot redraw, 8 pinned setups, 3840 x 2160", out);
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
    if (qstrcmp(argv[1], "--first-paint") == 0)
        return 0;
    const QSize shown = w.size();
    prepareExpertWindow(w, QSize(1292, 725));
    for (int i = 0; i < 50; ++i)
        focusStep(w, i);
    std::fprintf(stdout, "%ld\n%d %d\n", peakMemoryKiB(), shown.width(), shown.height());
    return 0;
}

// Run as a child: the floor under the start-up figure, an empty main window of the same
// size shown the same way, timed to its first paint. With a fourth argument its middle is
// one label, which pays what any window with text pays: the font set-up and a first face.
int emptyWindowChild(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow w;
    QWidget* const central = argc > 4 ? new QLabel(QStringLiteral("Zidov")) : new QWidget;
    w.setCentralWidget(central);
    w.resize(std::atoi(argv[2]), std::atoi(argv[3]));
    PaintCounter counter;
    central->installEventFilter(&counter);
    w.show();
    while (counter.paints == 0)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    std::fprintf(stdout, "painted\n");
    std::fflush(stdout);
    return 0;
}

// Run as a child under QT_SCALE_FACTOR=2: the default window, and a 1920 x 1080 one that
// covers 3840 x 2160 device pixels as on a 4K screen at 200 %.
int scaledChild(int argc, char** argv)
{
    QApplication app(argc, argv);
    DiscardStdout out;
    mainWin w;
    focusChange(w, QSize(1292, 725), "scale 2: event to pixels: c1_fdist change, 1292 x 725", out);
    focusChange(w, QSize(1920, 1080), "scale 2: event to pixels: c1_fdist change, 1920 x 1080",
                out);
    pointerMove(w, QSize(1920, 1080), "scale 2: event to pixels: pointer move, 1920 x 1080", out);
    pointerMove(w, QSize(1920, 1080), "scale 2: event to pixels: pointer sweep, 1920 x 1080", out,
                pointerSweepStep);
    std::fflush(stdout);
    return 0;
}

void scaledFigures(const char* program)
{
    std::fflush(stdout);
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_SCALE_FACTOR"), QStringLiteral("2"));
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::ForwardedOutputChannel);
    child.start(QString::fromLocal8Bit(program), {QStringLiteral("--scaled-child")});
    if (!child.waitForFinished(300000) || child.exitCode() != 0) {
        std::fprintf(stderr, "the figures at scale factor 2 could not be taken\n");
        std::exit(1);
    }
}

// The median of 15 runs of the program as a child, from its start to its first line.
double medianChildStartMs(const char* program, const QStringList& arguments,
                          const std::function<void(const QByteArray&)>& output = {})
{
    std::vector<double> times;
    for (int i = 0; i < 15; ++i) {
        QProcess child;
        QElapsedTimer timer;
        timer.start();
        child.start(QString::fromLocal8Bit(program), arguments);
        child.waitForReadyRead(10000);
        times.push_back(timer.nsecsElapsed() / 1e6);
        child.waitForFinished(20000);
        if (output)
            output(child.readAllStandardOutput());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// The window's start-up beside that of an empty main window of the same size, shown the
// same way: the multiple is what the program itself adds.
void startupFigures(const char* program)
{
    long peak = 0;
    QSize size;
    const double ms = medianChildStartMs(
        program, {QStringLiteral("--startup-child")}, [&](const QByteArray& output) {
            const QList<QByteArray> lines = output.split('\n');
            if (lines.size() > 2) {
                peak = std::max(peak, lines[1].toLong());
                const QList<QByteArray> shown = lines[2].split(' ');
                if (shown.size() == 2)
                    size = QSize(shown[0].toInt(), shown[1].toInt());
            }
        });
    if (size.isEmpty()) {
        std::fprintf(stderr, "the start-up figures could not be taken\n");
        std::exit(1);
    }
    const QStringList empty{QStringLiteral("--empty-window-child"), QString::number(size.width()),
                            QString::number(size.height())};
    const double emptyMs = medianChildStartMs(program, empty);
    const double labelMs =
        medianChildStartMs(program, empty + QStringList{QStringLiteral("label")});
    report("start-up: process start to first finished paint", ms);
    report(qPrintable(QStringLiteral("  an empty %1 x %2 main window, the same way")
                          .arg(size.width())
                          .arg(size.height())),
           emptyMs);
    report("  the same with one label", labelMs);
    std::printf("%-58s %10.2f times the empty window\n", "", ms / emptyMs);
    std::printf("%-58s %10.2f times the window with one label\n", "", ms / labelMs);
    std::printf("%-58s %10.1f MiB\n", "peak memory after start-up and 50 recalculations",
                peak / 1024.0);
}
} // namespace

// The gear database's first load, and the chooser's filter per keystroke over the whole
// database (every body and lens in one list), typing "sony fe 85 1.8".
void gearFigures()
{
    QElapsedTimer timer;
    timer.start();
    const std::unique_ptr<GearDatabase> database = GearDatabase::loadInstalled();
    report("gear database: first load (installed lensfun data)", timer.nsecsElapsed() / 1e6);
    QStringList entries;
    for (const BodyChoice& body : database->bodies())
        entries << body.name();
    for (const GearDatabase::Lens& lens : database->lenses())
        entries << lens.choice.name() + QStringLiteral("  ·  ") + lens.choice.stated.text();
    GearChooser chooser(nullptr, QStringLiteral("bench"), entries, -1);
    chooser.show();
    QCoreApplication::processEvents();
    const QString typed = QStringLiteral("sony fe 85 1.8");
    // Each keystroke's own median over the rounds, so that one hiccup of the machine does not
    // pass for the slowest key.
    const int rounds = 9;
    std::vector<std::vector<double>> byKey(size_t(typed.size()));
    std::vector<double> times;
    for (int round = 0; round < rounds; ++round) {
        for (int length = 1; length <= typed.size(); ++length) {
            timer.start();
            chooser.filter(typed.left(length));
            QCoreApplication::processEvents();
            times.push_back(timer.nsecsElapsed() / 1e6);
            byKey[size_t(length - 1)].push_back(times.back());
        }
        chooser.filter(QString());
    }
    double slowestKey = 0;
    for (std::vector<double>& key : byKey) {
        std::sort(key.begin(), key.end());
        slowestKey = std::max(slowestKey, key[key.size() / 2]);
    }
    std::sort(times.begin(), times.end());
    const QString over = QStringLiteral("gear chooser: %1 entries, ").arg(entries.size());
    report(qPrintable(over + QStringLiteral("median keystroke")), times[times.size() / 2]);
    report(qPrintable(over + QStringLiteral("slowest keystroke")), slowestKey);
    report("  the slowest single one of all rounds", times.back());
}

int main(int argc, char** argv)
{
    if (argc > 1 && qstrcmp(argv[1], "--startup-child") == 0)
        return startupChild(argc, argv);
    if (argc > 3 && qstrcmp(argv[1], "--empty-window-child") == 0)
        return emptyWindowChild(argc, argv);
    if (argc > 1 && qstrcmp(argv[1], "--scaled-child") == 0)
        return scaledChild(argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc > 1 && qstrcmp(argv[1], "--first-paint") == 0)
        return startupChild(argc, argv);

    QApplication app(argc, argv);
    if (argc > 1 && qstrcmp(argv[1], "--gear") == 0) {
        gearFigures();
        startupFigures(argv[0]);
        return 0;
    }
    // For perf: only the redraw with and without eight pinned setups.
    if (argc > 1 && qstrcmp(argv[1], "--pinned") == 0) {
        DiscardStdout out;
        pinnedFigure(QSize(1292, 725), "whole-plot redraw, 8 pinned setups, 1292 x 725", out);
        return 0;
    }
    // For perf: only the pointer moves beside their floor; "hd" is meant for QT_SCALE_FACTOR=2.
    if (argc > 1 && qstrcmp(argv[1], "--pointer") == 0) {
        DiscardStdout out;
        mainWin w;
        const bool hd = argc > 2 && qstrcmp(argv[2], "hd") == 0;
        pointerMove(w, hd ? QSize(1920, 1080) : QSize(3840, 2160), "pointer move", out);
        pointerMove(w, hd ? QSize(1920, 1080) : QSize(3840, 2160), "pointer sweep", out,
                    pointerSweepStep);
        return 0;
    }
    if (argc > 1 && qstrcmp(argv[1], "--startup") == 0) {
        startupFigures(argv[0]);
        return 0;
    }
    if (argc > 1 && qstrcmp(argv[1], "--render-batch") == 0) {
        DiscardStdout out;
        renderBatchFigures(argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString());
        return 0;
    }
    // For perf or callgrind: only N focus changes, zoom steps, pointer moves or sweeps, at 1292 x
    // 725, 3840 x 2160 or 1920 x 1080. The trace lines go where standard output goes, as in the
    // program, and the median time of a step goes to standard error.
    const bool zoomSteps = argc > 2 && qstrcmp(argv[1], "--zoom-steps") == 0;
    const bool pointerMoves = argc > 2 && qstrcmp(argv[1], "--pointer-moves") == 0;
    const bool pointerSweeps = argc > 2 && qstrcmp(argv[1], "--pointer-sweeps") == 0;
    if (argc > 2 &&
        (qstrcmp(argv[1], "--focus-changes") == 0 || zoomSteps || pointerMoves || pointerSweeps)) {
        const char* sizeName = argc > 3 ? argv[3] : "";
        const QSize size = qstrcmp(sizeName, "4k") == 0   ? QSize(3840, 2160)
                           : qstrcmp(sizeName, "hd") == 0 ? QSize(1920, 1080)
                                                          : QSize(1292, 725);
        mainWin w;
        prepareExpertWindow(w, size);
        requireExpertState(w, size);
        std::vector<double> times;
        for (int i = 0, n = std::atoi(argv[2]); i < n; ++i) {
            QElapsedTimer timer;
            timer.start();
            if (pointerSweeps)
                pointerSweepStep(w, i);
            else if (pointerMoves)
                pointerStep(w, i);
            else
                zoomSteps ? zoomStep(w, i) : focusStep(w, i);
            times.push_back(timer.nsecsElapsed() / 1e6);
        }
        std::sort(times.begin(), times.end());
        if (!times.empty())
            std::fprintf(stderr, "median %.3f ms per step\n", times[times.size() / 2]);
        return 0;
    }
    DiscardStdout out;
    // Only the redraw figures, at both scale factors: what bench/compare-redraw.sh takes
    // from two builds in turn.
    if (argc > 1 && qstrcmp(argv[1], "--redraw") == 0) {
        redrawFigures(out);
        scaledFigures(argv[0]);
        return 0;
    }
    redrawFigures(out);
    {
        mainWin w;
        // The state of the first figure; the image is the plot's size, as in an export.
        prepareExpertWindow(w, QSize(1292, 725));
        requireExpertState(w, QSize(1292, 725));
        // As the export renders it: a fresh image of the plot's size, filled, then drawn.
        // Drawing again and again onto one image would blend the bands into a different
        // picture than the one on screen.
        const QSize plot = w.graphWidget->size();
        report(qPrintable(QStringLiteral("graphDraw into a fresh %1 x %2 image, as exported")
                              .arg(plot.width())
                              .arg(plot.height())),
               medianMs(
                   200,
                   [&](int) {
                       if (w.graphWidget->renderImage().size() != plot)
                           std::exit(1);
                   },
                   out));
    }
    {
        mainWin w;
        w.show();
        w.resize(1292, 725);
        settle(w);
        PaintCounter counter;
        w.graphWidget->installEventFilter(&counter);
        const int recalculationsBefore = w.recalculationCount();
        const int steps = 200;
        // Deferred paints included, so that the count shows every plot paint of a step.
        report("simple mode: one horizontalSlider step",
               medianMs(
                   steps,
                   [&](int i) {
                       windowForm(w).horizontalSlider->setValue(i % 2 ? 40 : 41);
                       QCoreApplication::processEvents();
                   },
                   out));
        std::printf("%-58s %10.2f plot paints, %.2f recalculations\n", "  per slider step",
                    double(counter.paints) / steps,
                    double(w.recalculationCount() - recalculationsBefore) / steps);
    }

    CameraSetup camera;
    camera.init(5000, 2.8, 50, 0.03, 1, 1, 100, 1.8);
    out.clear();
    // One search takes well under a microsecond: time batches, and keep every result
    // alive through a volatile sink so that no call can be dropped.
    volatile double sink = 0;
    const int searchesPerBatch = 1000;
    const double batchMs = medianMs(
        200,
        [&](int) {
            for (int i = 0; i < searchesPerBatch; ++i)
                sink = sink + camera.getHyperfocal();
        },
        out);
    std::printf("%-58s %10.1f ns\n", "hyperfocal search with diffraction",
                batchMs * 1e6 / searchesPerBatch);
    const int calls = 1000000;
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < calls; ++i)
        sink = sink + camera.getZc(1000 + i);
    std::printf("%-58s %10.1f ns\n", "one getZc call", double(timer.nsecsElapsed()) / calls);

    scaledFigures(argv[0]);
    gearFigures();
    startupFigures(argv[0]);
    renderBatchFigures();
    return 0;
}
