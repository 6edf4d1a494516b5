// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "cameracontrols.h"
#include "gearcommands.h"
#include "graph.h"
#include "lengthspinbox.h"
#include "mainwin.h"
#include "projectcameras.h"
#include "projectcontrols.h"
#include "simplesliders.h"
#include "windowshape.h"

#include <QCoreApplication>
#include <QSlider>

#include <algorithm>
#include <cmath>

namespace {
// The slider's position whose value lies nearest the given one, on a log scale as the sliders
// are laid out.
int nearestPosition(const QSlider* slider, double value, double (*valueAt)(int))
{
    int best = slider->minimum();
    for (int position = slider->minimum(); position <= slider->maximum(); ++position) {
        if (std::fabs(std::log(valueAt(position) / value)) <
            std::fabs(std::log(valueAt(best) / value)))
            best = position;
    }
    return best;
}
} // namespace

void mainWin::setSliderDefaults()
{
    // Where the start-up project's Camera 1 is, so that the record is the one start-up state.
    const CameraRecord startup = ProjectCameras::startupProject().camera1;
    horizontalSlider->setValue(
        nearestPosition(horizontalSlider, startup.focusDistance, &focusFromSlider));
    horizontalSlider_2->setValue(
        nearestPosition(horizontalSlider_2, startup.aperture, &apertureFromSlider));
    horizontalSlider_3->setValue(
        nearestPosition(horizontalSlider_3, startup.focalLength, &focalLengthFromSlider));
}

void mainWin::switchpromode()
{
    // A switch that changes no input recalculates nothing, yet the plot draws the mode's
    // curves: it is handed its input when the switch ends without a recalculation.
    RecalcBatch batch(this);
    plotBehind = true;
    switchModeControls();
}

void mainWin::switchModeControls()
{
    RecalcBatch batch(this);
    expertMode = expertMode == 0 ? 1 : 0;
    const bool expert = expertMode == 1;

    useLog->setChecked(false);
    useLog->setVisible(expert);
    boxC2->setVisible(expert);
    boxC2->setChecked(false);
    distanceFP->setVisible(expert);
    distanceCam->setChecked(true);
    cpR->setVisible(expert);
    cpL->setVisible(expert);
    swpLR->setVisible(expert);
    c1_set_Hyper->setVisible(expert);
    c1_cocSet->setCurrentIndex(CocByPixelSize);
    c1_cocSet->setVisible(expert);
    c1_calcDef->setChecked(true);
    c1_calcDef->setVisible(expert);
    c1_lockMag->setVisible(expert);
    distanceCam->setVisible(expert);
    expertmode->setVisible(!expert);
    horizontalSlider->setVisible(!expert);
    horizontalSlider_2->setVisible(!expert);
    horizontalSlider_3->setVisible(!expert);
    // In simple mode the sliders own these values; typing into the boxes would only snap back.
    QDoubleSpinBox* const slid[] = {c1_fdist, c1_apature, c1_flength};
    for (QDoubleSpinBox* box : slid)
        WindowShape::showAsReadOut(box, !expert);
    if (!expert)
        setSliderDefaults();
    groupBox->hide();
    WindowShape::fixCameraBoxWidths(*this);
}

std::optional<double> mainWin::hyperfocalFocusShown(const CameraSetup& setup,
                                                    const LengthSpinBox* focus)
{
    CameraSetup camera = setup;
    const double hyperfocal = camera.getHyperfocalFocus();
    if (!CameraSetup::isHyperfocalDistance(hyperfocal))
        return std::nullopt;
    // The box shows whole centimetres or hundredths of a foot. Rounded down, the focus would
    // fall short of the hyperfocal one and leave infinity outside the depth of field, so it
    // is rounded up.
    double metres = focus->shownAtLeast(hyperfocal / 1000);
    // A focus that lands exactly on the hyperfocal one may miss it in the last bit; the next
    // step shown is sharp at infinity.
    CameraSetup atRounded = camera;
    atRounded.setFdist(metres * 1000);
    if (atRounded.getZcAtInfinity() > 1)
        metres = focus->shownAtLeast(metres + focus->shownStep() / 2);
    return metres;
}

namespace {
// No hyperfocal distance exists where diffraction and lens use up the CoC: keep the focus
// rather than jumping to 0 m.
void focusAtHyperfocal(const CameraSetup& camera, LengthSpinBox* focus)
{
    if (const std::optional<double> metres = mainWin::hyperfocalFocusShown(camera, focus))
        focus->setValue(*metres);
}
} // namespace

void mainWin::setC1Hyper()
{
    focusAtHyperfocal(cam1, c1_fdist);
}

void mainWin::setC2Hyper()
{
    focusAtHyperfocal(cam2, c2_fdist);
}

void mainWin::copyCamera(int from, int to)
{
    RecalcBatch batch(this);
    const CameraControls source = cameraControls(*this, from);
    const CameraControls target = cameraControls(*this, to);
    gearCommands->copy(from, to);
    // The mode goes first and no recalculation runs in between, so a manual CoC arrives
    // intact instead of being overwritten by the target's previous mode.
    target.cocMode->setCurrentIndex(source.cocMode->currentIndex());
    target.fdist->setExactValue(source.fdist->value());
    target.aperture->setValue(source.aperture->value());
    target.flength->setValue(source.flength->value());
    target.coc->setValue(source.coc->value());
    target.lensQuality->setValue(source.lensQuality->value());
    target.sensorWidth->setValue(source.sensorWidth->value());
    target.sensorHeight->setValue(source.sensorHeight->value());
    target.megapixels->setValue(source.megapixels->value());
    target.cropFactorFormat->setCurrentIndex(source.cropFactorFormat->currentIndex());
    target.pixelCount->setCurrentIndex(source.pixelCount->currentIndex());
    target.pixelSizeFormat->setCurrentIndex(source.pixelSizeFormat->currentIndex());
    target.formFactor->setCurrentIndex(source.formFactor->currentIndex());
    target.viewDistance->setValue(source.viewDistance->value());
    target.imageWidth->setValue(source.imageWidth->value());
}

void mainWin::copyL()
{
    copyCamera(2, 1);
}

void mainWin::copyR()
{
    copyCamera(1, 2);
}

namespace {
void swapValues(QDoubleSpinBox* a, QDoubleSpinBox* b)
{
    const double first = a->value();
    a->setValue(b->value());
    b->setValue(first);
}

// Lengths as held, finer than shown.
void swapLengths(LengthSpinBox* a, LengthSpinBox* b)
{
    const double first = a->value();
    a->setExactValue(b->value());
    b->setExactValue(first);
}

void swapIndices(QComboBox* a, QComboBox* b)
{
    const int first = a->currentIndex();
    a->setCurrentIndex(b->currentIndex());
    b->setCurrentIndex(first);
}
} // namespace

void mainWin::swapLR()
{
    RecalcBatch batch(this);
    const CameraControls one = cameraControls(*this, 1);
    const CameraControls two = cameraControls(*this, 2);
    gearCommands->beginSwap();
    // Exchanging the modes carries each camera's sensor into its other format box; the
    // boxes are exchanged as they were before.
    const int cropFactorFormats[] = {one.cropFactorFormat->currentIndex(),
                                     two.cropFactorFormat->currentIndex()};
    const int pixelSizeFormats[] = {one.pixelSizeFormat->currentIndex(),
                                    two.pixelSizeFormat->currentIndex()};
    swapIndices(one.cocMode, two.cocMode);
    swapLengths(one.fdist, two.fdist);
    swapValues(one.aperture, two.aperture);
    swapValues(one.coc, two.coc);
    swapValues(one.flength, two.flength);
    swapValues(one.lensQuality, two.lensQuality);
    swapValues(one.sensorWidth, two.sensorWidth);
    swapValues(one.sensorHeight, two.sensorHeight);
    swapValues(one.megapixels, two.megapixels);
    one.cropFactorFormat->setCurrentIndex(cropFactorFormats[1]);
    two.cropFactorFormat->setCurrentIndex(cropFactorFormats[0]);
    swapIndices(one.pixelCount, two.pixelCount);
    one.pixelSizeFormat->setCurrentIndex(pixelSizeFormats[1]);
    two.pixelSizeFormat->setCurrentIndex(pixelSizeFormats[0]);
    swapIndices(one.formFactor, two.formFactor);
    swapValues(one.viewDistance, two.viewDistance);
    swapValues(one.imageWidth, two.imageWidth);
    gearCommands->endSwap();
}

void mainWin::checkDistanceCam()
{
    // A toggle of the radio pair notifies both buttons; the one that was switched off
    // leaves the work to its partner, so one choice recalculates once.
    if (auto* button = qobject_cast<QRadioButton*>(sender());
        button && (button == distanceCam || button == distanceFP) && !button->isChecked())
        return;

    RecalcBatch batch(this);
    const double minimum = leftBorderMinimum();
    DSB_leftBorder->setMinimum(minimum);
    SB_leftBorder->setMinimum(leftBorderSteps(minimum));
    // The scroll bar copies its whole units into the spin box; the exact border comes last.
    SB_leftBorder->setValue(leftBorderSteps(minimum));
    DSB_leftBorder->setValue(minimum);
    run();
}

double mainWin::leftBorderMinimum() const
{
    if (distanceCam->isChecked())
        return 0;
    // From the focus plane the plot may start up to the larger focus distance in front of it.
    const QDoubleSpinBox* const farther =
        c1_fdist->value() > c2_fdist->value() ? c1_fdist : c2_fdist;
    return -farther->value();
}

void mainWin::restoreLeftBorder(double metres)
{
    RecalcBatch batch(this);
    // The minimum follows the focus distances only when the reference is chosen, so a
    // border saved from the focus plane may lie further out than the saved focus distances
    // reach; the project opens where it was saved.
    const double minimum =
        distanceFP->isChecked() ? std::min(leftBorderMinimum(), metres) : leftBorderMinimum();
    DSB_leftBorder->setMinimum(minimum);
    SB_leftBorder->setMinimum(leftBorderSteps(minimum));
    DSB_leftBorder->setValue(metres);
}

void mainWin::setDist()
{
    DSB_leftBorder->setValue(LengthUnits::toMetres(SB_leftBorder->value(), unit));
}

void mainWin::setScale()
{
    QCoreApplication::processEvents();
    RecalcBatch batch(this);
    const double target = dsb_repScale->value();
    const auto fit = [&](CameraSetup& camera, int number) {
        const CameraControls c = cameraControls(*this, number);
        if (!c.box->isChecked())
            return;
        if (rb_repScaleFlength->isChecked()) {
            camera.fitFlengthToScale(target);
            c.flength->setValue(camera.getFlength());
        } else {
            camera.fitFdistToScale(target);
            c.fdist->setValue(camera.getFdist() / 1000);
        }
    };
    fit(cam1, 1);
    fit(cam2, 2);
    run();
}
