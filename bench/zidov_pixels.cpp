// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
//
// Writes the plot of many window states as PNG files into the folder named on the command
// line: each state as the step to it left it in the window (where the plot repaints only
// what changed), as the widget renders itself (a grab, which goes through paintEvent), as
// exported, and as a synchronous repaint of the whole plot leaves it in the window. Built from two
// revisions and run under the same QT_SCALE_FACTOR, the folders must be byte for byte the same when
// a change to the drawing is meant to keep every pixel; bench/compare-pixels.sh does that for scale
// factors 1, 2 and 1.5.
#include "graph.h"
#include "languagechoice.h"
#include "mainwin.h"
#include "pinnedsetups.h"
#include "projectcodec.h"
#include "projectcontrols.h"
#include "projectfile.h"
#include "settings.h"
#include "setupcommands.h"
#include "trace.h"
#include "windowform.h"

#include <QApplication>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMouseEvent>
#include <QPixmap>
#include <QScreen>
#include <QTranslator>

#include <cstdio>
#include <functional>
#include <utility>
#include <vector>

namespace {
using Step = std::function<void(mainWin&)>;

QDoubleSpinBox* diffractionFactorBox(mainWin& w)
{
    return w.settingsDialog()->findChild<QDoubleSpinBox*>(QStringLiteral("dsb_difffact"));
}

// The pointer over the plot at a share of its width, halfway up, as the window system sends it.
void pointTo(mainWin& w, double share, int columns = 0)
{
    QWidget* plot = w.graphWidget;
    const QPoint point(int(plot->width() * share) + columns, plot->height() / 2);
    QMouseEvent move(QEvent::MouseMove, point, plot->mapToGlobal(point), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(plot, &move);
}

void pointerLeaves(mainWin& w)
{
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(w.graphWidget, &leave);
}

void pinSetups(mainWin& w, int count)
{
    PinnedSetups pins;
    for (int i = 0; i < count; ++i) {
        CameraRecord camera = projectFromControls(w).camera1;
        camera.focalLength = 24 + 12 * i;
        camera.aperture = 2 + i;
        pins.add(camera);
        pins.setBandShown(i, i % 2 == 0);
    }
    w.setupCommands->restore(pins.setups());
    w.run();
}

// Applied one after the other to one window; each leaves a state worth a picture. The
// controls only the expert mode shows change nothing visible in the simple mode, where the
// sliders rule, so the simple run takes its own slider states.
std::vector<std::pair<const char*, Step>> expertStates()
{
    return {
        {"start", [](mainWin&) {}},
        {"both-cameras",
         [](mainWin& w) {
             windowForm(w).boxC2->setChecked(true);
             windowForm(w).c1_calcDef->setChecked(true);
             windowForm(w).c2_calcDef->setChecked(true);
         }},
        {"dof-range", [](mainWin& w) { windowForm(w).dofMode->click(); }},
        {"focus-5.1", [](mainWin& w) { windowForm(w).c1_fdist->setValue(5.1); }},
        {"focus-0", [](mainWin& w) { windowForm(w).c1_fdist->setValue(0); }},
        {"focus-99999", [](mainWin& w) { windowForm(w).c2_fdist->setValue(99999); }},
        {"aperture-0.7", [](mainWin& w) { windowForm(w).c1_apature->setValue(0.7); }},
        {"aperture-64", [](mainWin& w) { windowForm(w).c2_apature->setValue(64); }},
        {"flength-5000", [](mainWin& w) { windowForm(w).c1_flength->setValue(5000); }},
        {"flength-1", [](mainWin& w) { windowForm(w).c1_flength->setValue(1); }},
        {"ordinary",
         [](mainWin& w) {
             windowForm(w).c1_fdist->setValue(3);
             windowForm(w).c1_apature->setValue(2.8);
             windowForm(w).c1_flength->setValue(50);
             windowForm(w).c2_fdist->setValue(3);
             windowForm(w).c2_apature->setValue(2.8);
             windowForm(w).c2_flength->setValue(25);
         }},
        // The read-out moving over the plot, across a refresh, and gone again.
        {"pointer-shown", [](mainWin& w) { pointTo(w, 1 / 3.0); }},
        {"pointer-moved", [](mainWin& w) { pointTo(w, 1 / 3.0, 7); }},
        {"pointer-refreshed", [](mainWin& w) { windowForm(w).c1_fdist->setValue(3.5); }},
        {"pointer-after-refresh", [](mainWin& w) { pointTo(w, 1 / 3.0, 40); }},
        {"pointer-far", [](mainWin& w) { pointTo(w, 0.8); }},
        {"pointer-left", [](mainWin& w) { pointerLeaves(w); }},
        {"coc-manual-tiny",
         [](mainWin& w) {
             windowForm(w).c1_cocSet->setCurrentIndex(3);
             windowForm(w).c1_coc->setValue(0.0001);
         }},
        {"coc-manual-large", [](mainWin& w) { windowForm(w).c1_coc->setValue(10); }},
        {"lens-worst", [](mainWin& w) { windowForm(w).c2_lensQ->setValue(0); }},
        {"no-diffraction", [](mainWin& w) { windowForm(w).c2_calcDef->setChecked(false); }},
        {"diffraction-0.1", [](mainWin& w) { diffractionFactorBox(w)->setValue(0.1); }},
        {"diffraction-10", [](mainWin& w) { diffractionFactorBox(w)->setValue(10); }},
        {"xscale-1", [](mainWin& w) { windowForm(w).qxscale->setValue(1); }},
        {"xscale-49", [](mainWin& w) { windowForm(w).qxscale->setValue(49); }},
        {"xscale-36", [](mainWin& w) { windowForm(w).qxscale->setValue(36); }},
        {"yscale-1", [](mainWin& w) { windowForm(w).qyscale->setValue(1); }},
        {"yscale-5", [](mainWin& w) { windowForm(w).qyscale->setValue(5); }},
        {"yscale-10", [](mainWin& w) { windowForm(w).qyscale->setValue(10); }},
        {"yscale-100", [](mainWin& w) { windowForm(w).qyscale->setValue(100); }},
        {"log-scale",
         [](mainWin& w) {
             windowForm(w).useLog->setChecked(true);
             w.run();
         }},
        {"log-yscale-1", [](mainWin& w) { windowForm(w).qyscale->setValue(1); }},
        {"linear-again",
         [](mainWin& w) {
             windowForm(w).useLog->setChecked(false);
             windowForm(w).qyscale->setValue(30);
             w.run();
         }},
        {"focus-plane", [](mainWin& w) { windowForm(w).distanceFP->setChecked(true); }},
        {"left-border-min",
         [](mainWin& w) {
             windowForm(w).DSB_leftBorder->setValue(windowForm(w).DSB_leftBorder->minimum());
         }},
        {"left-border-99999", [](mainWin& w) { windowForm(w).DSB_leftBorder->setValue(99999); }},
        {"left-border-2",
         [](mainWin& w) {
             windowForm(w).DSB_leftBorder->setValue(2);
             windowForm(w).distanceCam->setChecked(true);
         }},
        {"depth-only", [](mainWin& w) { windowForm(w).dofMode->click(); }},
        {"swapped", [](mainWin& w) { w.swapLR(); }},
        {"copied", [](mainWin& w) { w.copyR(); }},
        {"hyperfocal-1", [](mainWin& w) { w.setC1Hyper(); }},
        {"hyperfocal-2", [](mainWin& w) { w.setC2Hyper(); }},
        {"camera-1-off", [](mainWin& w) { windowForm(w).boxC1->setChecked(false); }},
        {"camera-1-on", [](mainWin& w) { windowForm(w).boxC1->setChecked(true); }},
        {"size-smallest", [](mainWin& w) { w.resize(1, 1); }},
        {"size-800x500", [](mainWin& w) { w.resize(800, 500); }},
        {"size-1920x1080", [](mainWin& w) { w.resize(1920, 1080); }},
        {"size-3840x2160", [](mainWin& w) { w.resize(3840, 2160); }},
        {"size-3840x2160-xscale-1", [](mainWin& w) { windowForm(w).qxscale->setValue(1); }},
        {"size-default", [](mainWin& w) { w.resize(1292, 725); }},
        // Last, so that the states before them keep their numbers: pinned setups, half of
        // them with their bands, and eight of them with the pointer's read-out.
        {"pinned-three",
         [](mainWin& w) {
             diffractionFactorBox(w)->setValue(1);
             windowForm(w).c1_lensQ->setValue(100);
             windowForm(w).c1_fdist->setValue(3);
             pinSetups(w, 3);
         }},
        {"pinned-eight", [](mainWin& w) { pinSetups(w, 8); }},
        {"pinned-pointer", [](mainWin& w) { pointTo(w, 0.4); }},
        {"pinned-none", [](mainWin& w) { pinSetups(w, 0); }},
        // The read-out back where it was, whose box is then put together from kept pixels:
        // the last picture must be the first one's.
        {"pointer-again", [](mainWin& w) { pointTo(w, 1 / 3.0); }},
        {"pointer-again-moved", [](mainWin& w) { pointTo(w, 1 / 3.0, 7); }},
        {"pointer-again-back", [](mainWin& w) { pointTo(w, 1 / 3.0); }},
    };
}

std::vector<std::pair<const char*, Step>> simpleStates()
{
    return {
        {"start", [](mainWin&) {}},
        {"focus-slider-0", [](mainWin& w) { windowForm(w).horizontalSlider->setValue(0); }},
        {"focus-slider-41", [](mainWin& w) { windowForm(w).horizontalSlider->setValue(41); }},
        {"focus-slider-150", [](mainWin& w) { windowForm(w).horizontalSlider->setValue(150); }},
        {"focus-slider-199", [](mainWin& w) { windowForm(w).horizontalSlider->setValue(199); }},
        {"aperture-slider-0", [](mainWin& w) { windowForm(w).horizontalSlider_2->setValue(0); }},
        {"aperture-slider-36", [](mainWin& w) { windowForm(w).horizontalSlider_2->setValue(36); }},
        {"flength-slider-0", [](mainWin& w) { windowForm(w).horizontalSlider_3->setValue(0); }},
        {"flength-slider-195", [](mainWin& w) { windowForm(w).horizontalSlider_3->setValue(195); }},
        {"ordinary",
         [](mainWin& w) {
             windowForm(w).horizontalSlider->setValue(40);
             windowForm(w).horizontalSlider_2->setValue(9);
             windowForm(w).horizontalSlider_3->setValue(45);
         }},
        {"dof-range", [](mainWin& w) { windowForm(w).dofMode->click(); }},
        {"xscale-1", [](mainWin& w) { windowForm(w).qxscale->setValue(1); }},
        {"xscale-49", [](mainWin& w) { windowForm(w).qxscale->setValue(49); }},
        {"yscale-1", [](mainWin& w) { windowForm(w).qyscale->setValue(1); }},
        {"yscale-100", [](mainWin& w) { windowForm(w).qyscale->setValue(100); }},
        {"size-3840x2160", [](mainWin& w) { w.resize(3840, 2160); }},
        {"size-default", [](mainWin& w) { w.resize(1292, 725); }},
    };
}

void settle()
{
    for (int round = 0; round < 10; ++round)
        QCoreApplication::processEvents();
}

// A plot squeezed to nothing has no picture; an empty file stands for it.
bool savePicture(const QImage& image, const QString& fileName)
{
    if (image.isNull()) {
        QFile empty(fileName);
        return empty.open(QIODevice::WriteOnly);
    }
    return image.save(fileName);
}

// What the plot's part of the window's backing store shows, where the plot sits at an
// offset as on screen; after a synchronous repaint of the whole plot when asked. Only the
// plot's part: a text cursor elsewhere blinks on its own time.
QImage windowPicture(mainWin& w, bool repaintFirst)
{
    if (repaintFirst)
        w.graphWidget->repaint();
    // The offscreen screen hands out device pixels for a size in device pixels.
    const qreal ratio = w.devicePixelRatioF();
    const QImage window =
        QGuiApplication::primaryScreen()
            ->grabWindow(w.winId(), 0, 0, qRound(w.width() * ratio), qRound(w.height() * ratio))
            .toImage();
    const QRect plot(w.graphWidget->mapTo(&w, QPoint(0, 0)) * ratio, w.graphWidget->size() * ratio);
    return window.copy(plot.intersected(window.rect()));
}

// Where each state is also written as a project, for bench/compare-render.sh; empty for none.
QString projectFolder;

bool writeProject(mainWin& w, const QString& name)
{
    QString error;
    return projectFolder.isEmpty() ||
           ProjectFile::write(QDir(projectFolder).filePath(name + QStringLiteral(".mvx")),
                              ProjectCodec::encode(projectFromControls(w)), error);
}

bool writeStates(const QString& folder, const char* mode, bool expert)
{
    mainWin w;
    w.show();
    w.resize(1292, 725);
    if (expert != (w.expertMode == 1))
        w.switchpromode();
    settle();
    bool ok = true;
    int index = 0;
    for (const auto& [name, step] : expert ? expertStates() : simpleStates()) {
        step(w);
        settle();
        const QString base = QStringLiteral("%1/%2-%3-%4")
                                 .arg(folder, QLatin1String(mode),
                                      QString::number(index++).rightJustified(2, QLatin1Char('0')),
                                      QLatin1String(name));
        ok = savePicture(windowPicture(w, false), base + QStringLiteral("-stepped.png")) && ok;
        ok = savePicture(w.graphWidget->grab().toImage(), base + QStringLiteral("-screen.png")) &&
             ok;
        ok = savePicture(w.graphWidget->renderImage(), base + QStringLiteral("-export.png")) && ok;
        ok = savePicture(windowPicture(w, true), base + QStringLiteral("-window.png")) && ok;
        ok = writeProject(w, QFileInfo(base).fileName()) && ok;
    }
    return ok;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s FOLDER [PROJECT_FOLDER]\n", argv[0]);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Trace::sendTo(nullptr);
    // Named *_de.exe it draws the German program, with the catalogue from the current
    // directory, as the program itself does.
    QTranslator program;
    QTranslator toolkit;
    if (wantsGerman(argv[0]))
        installGermanCatalogues(program, toolkit, QString());
    const QString folder = QString::fromLocal8Bit(argv[1]);
    if (argc > 2)
        projectFolder = QString::fromLocal8Bit(argv[2]);
    if (!QDir().mkpath(folder) || (!projectFolder.isEmpty() && !QDir().mkpath(projectFolder))) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    const bool ok = writeStates(folder, "expert", true) && writeStates(folder, "simple", false);
    if (!ok)
        std::fprintf(stderr, "not every image could be written to %s\n", argv[1]);
    return ok ? 0 : 1;
}
