// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "cameracontrols.h"
#include "cocpresets.h"
#include "comparecommands.h"
#include "comparisonreadout.h"
#include "gearcommands.h"
#include "graph.h"
#include "mainwin.h"
#include "plancommands.h"
#include "plotgeometry.h"
#include "projectcameras.h"
#include "projectcontrols.h"
#include "projectdocument.h"
#include "readernumbers.h"
#include "settings.h"
#include "setupcommands.h"
#include "simplesliders.h"
#include "trace.h"
#include "windowshape.h"

#include <QLabel>
#include <QtMath>

#include <cmath>

namespace {
// A pass that writes rounded values into its own inputs asks for one more pass, which then
// writes the same values again and settles. The cap only guards against a control that
// never settles.
constexpr int maxPassesPerRecalculation = 8;
// Long enough to read a sentence.
constexpr int messageMilliseconds = 10000;
} // namespace

double focusFromSlider(int s1)
{
    if (s1 == 0)
        return 1;
    if (s1 < 50)
        return 1 + 0.1 * s1;
    if (s1 < 100)
        return 6 + 0.5 * (s1 - 50);
    if (s1 < 150)
        return 31 + (s1 - 100);
    if (s1 == 199)
        return 9999;
    return s1;
}

double apertureFromSlider(int s2)
{
    return std::pow(std::sqrt(2.0), s2 / 3.0);
}

double focalLengthFromSlider(int s3)
{
    const int t = s3 + 5;
    return t > 50 ? 50 + 5 * (t - 50) : t;
}

mainWin::RecalcBatch::RecalcBatch(mainWin* window_) : window(window_)
{
    window->holdRecalculation();
}

mainWin::RecalcBatch::~RecalcBatch()
{
    window->releaseRecalculation();
}

void mainWin::holdRecalculation()
{
    ++batchDepth;
}

void mainWin::releaseRecalculation()
{
    if (--batchDepth != 0)
        return;
    if (recalculationPending) {
        recalculationPending = false;
        batchEnding = true;
        run();
        batchEnding = false;
    }
    // Before the first recalculation the plot has nothing to draw.
    if (plotBehind && graphWidget->input())
        graphWidget->setInput(plotInput());
    plotBehind = false;
}

void mainWin::run()
{
    if (recalculating || batchDepth > 0) {
        recalculationPending = true;
        return;
    }
    recalculating = true;
    followLocks = !batchEnding;
    int passes = 0;
    do {
        recalculationPending = false;
        recalculateOnce();
    } while (recalculationPending && ++passes < maxPassesPerRecalculation);
    recalculationPending = false;
    planCommands->followCameras();
    // Only the plot depends on the records. The controls this pass wrote have asked for
    // their own deferred paint; painting the whole window here would draw them twice.
    WindowShape::settle(*this);
    graphWidget->setInput(plotInput());
    plotBehind = false;
    updateHyperfocalButtons();
    locks[0].remember(cam1);
    locks[1].remember(cam2);
    updateComparison();
    setupCommands->follow();
    planCommands->updateDialogs();
    ++recalculations;
    recalculating = false;
    if (projectDocument)
        projectDocument->inputsChanged();
}

void mainWin::recalculateOnce()
{
    if (expertMode == 0)
        applySliders();
    showCocModes();
    // Before the records are derived, and only for the change that started the
    // recalculation: a lock moves the focus those records are made with.
    if (followLocks) {
        followLocks = false;
        followMagnificationLocks();
    }
    qxscaled->setText(QString::number(qxscale->value()));
    qyscaled->setText(QString::number(qyscale->value()));
    SB_leftBorder->setMaximum(leftBorderSteps(leftBorderScrollReach));

    for (int camera : {1, 2}) {
        gearCommands->followSensor(camera);
        gearCommands->followLens(camera);
    }
    const ProjectCameras::Cameras derived =
        ProjectCameras::derive(projectFromControls(*this), diffraction, {c1Crop, c2Crop});
    // A CoC box that already shows the value is left untouched: setting it repaints it,
    // and every recalculation comes here for both cameras.
    for (int camera : {1, 2}) {
        QDoubleSpinBox* const coc = cameraControls(*this, camera).coc;
        if (derived.cocs[camera - 1] != coc->value())
            coc->setValue(derived.cocs[camera - 1]);
    }
    c1Crop = derived.crops[0];
    c2Crop = derived.crops[1];
    cam1 = derived.setups[0];
    cam2 = derived.setups[1];
}

PlotInput mainWin::plotInput()
{
    PlotInput input = ProjectCameras::plotInput(projectFromControls(*this),
                                                ProjectCameras::Cameras{{cam1, cam2}, {}, {}});
    input.logScale = useLog->isChecked();
    input.dofLimits = dofMode->isChecked();
    input.expert = expertMode == 1;
    input.unit = unit;
    input.version = version;
    return input;
}

void mainWin::applySliders()
{
    c1_fdist->setValue(focusFromSlider(horizontalSlider->value()));
    c1_apature->setValue(apertureFromSlider(horizontalSlider_2->value()));
    c1_flength->setValue(focalLengthFromSlider(horizontalSlider_3->value()));
}

void mainWin::showCocModes()
{
    for (int camera : {1, 2}) {
        const CameraControls c = cameraControls(*this, camera);
        const int mode = c.cocMode->currentIndex();
        if (mode < CocByCropFactor || mode > CocManual)
            continue;
        c.byCropFactorBox->setVisible(mode == CocByCropFactor);
        c.byPixelSizeBox->setVisible(mode == CocByPixelSize);
        c.byViewDistanceBox->setVisible(mode == CocByViewDistance);
        c.coc->setEnabled(mode == CocManual);
        showSensorRow(camera, mode);
    }
}

QString mainWin::hyperfocalText(double hyperfocal, LengthUnit unit)
{
    // With diffraction on there may be no focus at which infinity is sharp.
    if (!CameraSetup::isHyperfocalDistance(hyperfocal))
        return tr("Set to hyperfocal (none)");
    return tr("Set to hyperfocal (") +
           ReaderNumbers::fixed(LengthUnits::fromMetres(hyperfocal / 1000, unit), 1) +
           LengthUnits::symbol(unit) + QLatin1Char(')');
}

void mainWin::updateHyperfocalButtons()
{
    for (int camera : {1, 2}) {
        const CameraSetup& setup = camera == 1 ? cam1 : cam2;
        const CameraControls c = cameraControls(*this, camera);
        CameraSetup atHyperfocal = setup;
        c.setHyperfocal->setText(hyperfocalText(atHyperfocal.getHyperfocalFocus(), unit));
        // What the button gives: sharp from the near limit at the focus it sets.
        const std::optional<double> focus =
            hyperfocalFocusShown(setup, static_cast<const LengthSpinBox*>(c.fdist));
        if (!focus) {
            c.setHyperfocal->setToolTip(tr("No focus distance makes infinity sharp."));
            continue;
        }
        atHyperfocal.setFdist(*focus * 1000);
        c.setHyperfocal->setToolTip(
            tr("Sharp from %1 to infinity")
                .arg(LengthUnits::text(atHyperfocal.getNearLimit() / 1000, unit)));
    }
}

void mainWin::followMagnificationLocks()
{
    // In simple mode the sliders own Camera 1's focus and the lock is hidden.
    if (expertMode == 0)
        return;
    // The crop values this pass derives; the CoC modes do not depend on the focus.
    const ProjectRecord inputs = projectFromControls(*this);
    for (int camera : {1, 2}) {
        const CameraControls c = cameraControls(*this, camera);
        if (!c.lockMagnification->isChecked())
            continue;
        MagnificationLock& lock = locks[camera - 1];
        const auto coc = ProjectCameras::cocAndCrop(camera == 1 ? inputs.camera1 : inputs.camera2);
        const double crop = coc ? coc->crop : camera == 1 ? c1Crop : c2Crop;
        const auto focus = lock.focusFor(c.flength->value(), crop);
        if (!focus)
            continue;
        const double metres = *focus / 1000;
        if (metres > c.fdist->maximum())
            statusbar->showMessage(
                tr("Camera %1 would need a focus of %2 to keep its framing of 1:%3; the "
                   "farthest is %4.")
                    .arg(camera)
                    .arg(LengthUnits::text(metres, unit),
                         ReaderNumbers::significant(
                             CaptionNumbers::fullFrameScale(lock.keptScale()), 6),
                         LengthUnits::text(c.fdist->maximum(), unit)),
                messageMilliseconds);
        c.fdist->setValue(metres);
    }
}

void mainWin::refuseLockWithoutImage(int camera)
{
    const CameraControls c = cameraControls(*this, camera);
    if (!c.lockMagnification->isChecked() || (camera == 1 ? cam1 : cam2).formsImage())
        return;
    c.lockMagnification->setChecked(false);
    statusbar->showMessage(tr("Camera %1 forms no sharp image: its focus is closer than the focal "
                              "length, so there is no framing to lock.")
                               .arg(camera),
                           messageMilliseconds);
}

void mainWin::updateComparison()
{
    const bool bothCameras = expertMode == 1 && boxC1->isChecked() && boxC2->isChecked();
    compareCommands->setAvailable(bothCameras);
    comparisonReadout->setText(bothCameras ? ComparisonReadout::text(cam1, cam2) : QString());
}

double mainWin::getDiag(int index)
{
    if (index < 0 || index >= sensorTable.formatCount())
        return qQNaN();
    return sensorTable.diagonal(index);
}

void mainWin::showSensorRow(int camera, int mode)
{
    const CameraControls c = cameraControls(*this, camera);
    const int custom = sensorTable.customIndex();
    const bool customSensor =
        (mode == CocByCropFactor && c.cropFactorFormat->currentIndex() == custom) ||
        (mode == CocByPixelSize && c.pixelSizeFormat->currentIndex() == custom);
    c.sensorRow->setVisible(customSensor && (mode == CocByCropFactor || mode == CocByPixelSize));
    if (gearCommands)
        gearCommands->placeCrop(camera, mode);
    c.megapixels->setVisible(c.pixelCount->currentIndex() == CocPresets::customPixelCountIndex);
}

double mainWin::getMPixel(int index)
{
    const double pixels = CocPresets::pixelCount(index);
    Trace::out() << pixels << std::endl;
    return pixels;
}

// One CoC mode of one camera, as the recalculation derives it, written into its box and
// crop value; the mode's tables having no answer leave both alone.
void mainWin::applyCocOf(int camera, int mode)
{
    const ProjectRecord inputs = projectFromControls(*this);
    CameraRecord record = camera == 1 ? inputs.camera1 : inputs.camera2;
    record.cocMode = mode;
    if (mode == CocByPixelSize)
        Trace::out() << ProjectCameras::pixelCount(record) << std::endl;
    const auto result = ProjectCameras::cocAndCrop(record);
    if (!result)
        return;
    QDoubleSpinBox* const coc = cameraControls(*this, camera).coc;
    if (result->coc != coc->value())
        coc->setValue(result->coc);
    (camera == 1 ? c1Crop : c2Crop) = result->crop;
}

void mainWin::setC1CocCF()
{
    applyCocOf(1, CocByCropFactor);
}

void mainWin::setC2CocCF()
{
    applyCocOf(2, CocByCropFactor);
}

void mainWin::setC1CocPS()
{
    applyCocOf(1, CocByPixelSize);
}

void mainWin::setC2CocPS()
{
    applyCocOf(2, CocByPixelSize);
}

void mainWin::setC1CocVD()
{
    applyCocOf(1, CocByViewDistance);
}

void mainWin::setC2CocVD()
{
    applyCocOf(2, CocByViewDistance);
}

void mainWin::setC1CropByCoc()
{
    c1Crop = CocPresets::cropForManualCoc(c1_coc->value());
}

void mainWin::setC2CropByCoc()
{
    c2Crop = CocPresets::cropForManualCoc(c2_coc->value());
}
