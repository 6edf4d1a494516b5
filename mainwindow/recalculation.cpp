// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "boxrounding.h"
#include "cameracontrols.h"
#include "cocpresets.h"
#include "comparecommands.h"
#include "comparisonreadout.h"
#include "gearcommands.h"
#include "graph.h"
#include "mainwin.h"
#include "plancommands.h"
#include "plotgeometry.h"
#include "projectdocument.h"
#include "settings.h"
#include "simplesliders.h"
#include "windowshape.h"

#include <QLabel>
#include <QtMath>

#include <cmath>
#include <iostream>

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

namespace {
double apertureFromSlider(int s2)
{
    return std::pow(std::sqrt(2.0), s2 / 3.0);
}

double focalLengthFromSlider(int s3)
{
    const int t = s3 + 5;
    return t > 50 ? 50 + 5 * (t - 50) : t;
}
} // namespace

mainWin::RecalcBatch::RecalcBatch(mainWin* window_) : window(window_)
{
    ++window->batchDepth;
}

mainWin::RecalcBatch::~RecalcBatch()
{
    if (--window->batchDepth == 0 && window->recalculationPending) {
        window->recalculationPending = false;
        window->batchEnding = true;
        window->run();
        window->batchEnding = false;
    }
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
    graphWidget->refresh();
    updateHyperfocalButtons();
    locks[0].remember(cam1);
    locks[1].remember(cam2);
    updateComparison();
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
    applyCocMode(1);
    applyCocMode(2);
    // Once the crop values are known, and only for the change that started the recalculation.
    if (followLocks) {
        followLocks = false;
        followMagnificationLocks();
    }
    qxscaled->setText(QString::number(qxscale->value()));
    qyscaled->setText(QString::number(qyscale->value()));
    SB_leftBorder->setMaximum(leftBorderSteps(leftBorderScrollReach));

    gearCommands->followLens(1);
    gearCommands->followLens(2);
    const double diffFactor = settingsWin->diffractionFactor();
    cam1.init(c1_fdist->value() * 1000, c1_apature->value(), c1_flength->value(), c1_coc->value(),
              c1Crop, c1_calcDef->isChecked() ? 1 : 0, c1_lensQ->value(), diffFactor);
    cam2.init(c2_fdist->value() * 1000, c2_apature->value(), c2_flength->value(), c2_coc->value(),
              c2Crop, c2_calcDef->isChecked() ? 1 : 0, c2_lensQ->value(), diffFactor);
}

void mainWin::applySliders()
{
    c1_fdist->setValue(focusFromSlider(horizontalSlider->value()));
    c1_apature->setValue(apertureFromSlider(horizontalSlider_2->value()));
    c1_flength->setValue(focalLengthFromSlider(horizontalSlider_3->value()));
}

void mainWin::applyCocMode(int camera)
{
    const CameraControls c = cameraControls(*this, camera);
    const int mode = c.cocMode->currentIndex();
    if (mode < CocByCropFactor || mode > CocManual)
        return;
    c.byCropFactorBox->setVisible(mode == CocByCropFactor);
    c.byPixelSizeBox->setVisible(mode == CocByPixelSize);
    c.byViewDistanceBox->setVisible(mode == CocByViewDistance);
    c.coc->setEnabled(mode == CocManual);
    showSensorRow(camera, mode);
    switch (mode) {
    case CocByCropFactor:
        camera == 1 ? setC1CocCF() : setC2CocCF();
        break;
    case CocByPixelSize:
        camera == 1 ? setC1CocPS() : setC2CocPS();
        break;
    case CocByViewDistance:
        camera == 1 ? setC1CocVD() : setC2CocVD();
        break;
    default:
        camera == 1 ? setC1CropByCoc() : setC2CropByCoc();
        break;
    }
}

QString mainWin::hyperfocalText(double hyperfocal, LengthUnit unit)
{
    // With diffraction on there may be no focus at which infinity is sharp.
    if (!CameraSetup::isHyperfocalDistance(hyperfocal))
        return tr("Set to hyperfocal (none)");
    return tr("Set to hyperfocal (") +
           QString::number(LengthUnits::fromMetres(hyperfocal / 1000, unit), 'f', 1) +
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
    for (int camera : {1, 2}) {
        const CameraControls c = cameraControls(*this, camera);
        if (!c.lockMagnification->isChecked())
            continue;
        MagnificationLock& lock = locks[camera - 1];
        const auto focus = lock.focusFor(c.flength->value(), camera == 1 ? c1Crop : c2Crop);
        if (!focus)
            continue;
        const double metres = *focus / 1000;
        if (metres > c.fdist->maximum())
            statusbar->showMessage(
                tr("Camera %1 would need a focus of %2 to keep its framing of 1:%3; the "
                   "farthest is %4.")
                    .arg(camera)
                    .arg(LengthUnits::text(metres, unit),
                         QString::number(CaptionNumbers::fullFrameScale(lock.keptScale())),
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

double mainWin::sensorDiagonal(int camera, int formatIndex)
{
    if (formatIndex != sensorTable.customIndex())
        return getDiag(formatIndex);
    const CameraControls c = cameraControls(*this, camera);
    return std::hypot(c.sensorWidth->value(), c.sensorHeight->value());
}

double mainWin::pixelCountOf(int camera)
{
    const CameraControls c = cameraControls(*this, camera);
    if (c.pixelCount->currentIndex() != CocPresets::customPixelCountIndex)
        return getMPixel(c.pixelCount->currentIndex());
    const double pixels = c.megapixels->value() * 1e6;
    std::cout << pixels << std::endl;
    return pixels;
}

void mainWin::showSensorRow(int camera, int mode)
{
    const CameraControls c = cameraControls(*this, camera);
    const int custom = sensorTable.customIndex();
    const bool customSensor =
        (mode == CocByCropFactor && c.cropFactorFormat->currentIndex() == custom) ||
        (mode == CocByPixelSize && c.pixelSizeFormat->currentIndex() == custom);
    // The row's parts other than the crop read-out belong to the custom sensor.
    for (QWidget* part : c.sensorRow->findChildren<QWidget*>()) {
        if (part != c.cropLabel)
            part->setVisible(customSensor);
    }
    const bool withBody = gearCommands && gearCommands->gear(camera).body.isSet();
    c.sensorRow->setVisible((customSensor || withBody) &&
                            (mode == CocByCropFactor || mode == CocByPixelSize));
    c.megapixels->setVisible(c.pixelCount->currentIndex() == CocPresets::customPixelCountIndex);
}

double mainWin::getMPixel(int index)
{
    const double pixels = CocPresets::pixelCount(index);
    std::cout << pixels << std::endl;
    return pixels;
}

namespace {
// The CoC box rounds to its decimals; a format index outside the table leaves it alone.
// A box that already shows the value is left untouched: setting it repaints it, and every
// recalculation comes here for both cameras.
void applyCoc(QDoubleSpinBox* cocBox, double& crop, CocPresets::CocAndCrop result)
{
    if (!std::isfinite(result.coc) || !std::isfinite(result.crop))
        return;
    if (roundedAsBox(result.coc, cocBox->decimals()) != cocBox->value())
        cocBox->setValue(result.coc);
    crop = result.crop;
}
} // namespace

void mainWin::setC1CocCF()
{
    applyCoc(c1_coc, c1Crop, CocPresets::byCropFactor(sensorDiagonal(1, c1_cropC->currentIndex())));
}

void mainWin::setC2CocCF()
{
    applyCoc(c2_coc, c2Crop, CocPresets::byCropFactor(sensorDiagonal(2, c2_cropC->currentIndex())));
}

void mainWin::setC1CocPS()
{
    const double diagonal = sensorDiagonal(1, c1_crop->currentIndex());
    applyCoc(c1_coc, c1Crop, CocPresets::byPixelSize(diagonal, pixelCountOf(1)));
}

void mainWin::setC2CocPS()
{
    const double diagonal = sensorDiagonal(2, c2_crop->currentIndex());
    applyCoc(c2_coc, c2Crop, CocPresets::byPixelSize(diagonal, pixelCountOf(2)));
}

void mainWin::setC1CocVD()
{
    applyCoc(c1_coc, c1Crop,
             CocPresets::byViewDistance(c1_distD->value(), c1_widthD->value(),
                                        c1_formD->currentIndex()));
}

void mainWin::setC2CocVD()
{
    applyCoc(c2_coc, c2Crop,
             CocPresets::byViewDistance(c2_distD->value(), c2_widthD->value(),
                                        c2_formD->currentIndex()));
}

void mainWin::setC1CropByCoc()
{
    c1Crop = CocPresets::cropForManualCoc(c1_coc->value());
}

void mainWin::setC2CropByCoc()
{
    c2Crop = CocPresets::cropForManualCoc(c2_coc->value());
}
