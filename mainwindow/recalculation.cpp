// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "cameracontrols.h"
#include "cocpresets.h"
#include "graph.h"
#include "mainwin.h"
#include "settings.h"
#include "simplesliders.h"

#include <QtMath>

#include <cmath>
#include <iostream>

namespace {
// A pass that writes rounded values into its own inputs asks for one more pass, which then
// writes the same values again and settles. The cap only guards against a control that
// never settles.
constexpr int maxPassesPerRecalculation = 8;
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
        window->run();
    }
}

void mainWin::run()
{
    if (recalculating || batchDepth > 0) {
        recalculationPending = true;
        return;
    }
    recalculating = true;
    int passes = 0;
    do {
        recalculationPending = false;
        recalculateOnce();
    } while (recalculationPending && ++passes < maxPassesPerRecalculation);
    recalculationPending = false;
    // Only the plot depends on the records. The controls this pass wrote have asked for
    // their own deferred paint; painting the whole window here would draw them twice.
    graphWidget->refresh();
    updateHyperfocalButtons();
    ++recalculations;
    recalculating = false;
}

void mainWin::recalculateOnce()
{
    if (expertMode == 0)
        applySliders();
    applyCocMode(1);
    applyCocMode(2);
    qxscaled->setText(QString::number(qxscale->value()));
    qyscaled->setText(QString::number(qyscale->value()));
    SB_leftBorder->setMaximum(leftBorderSteps(leftBorderScrollReach));

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

void mainWin::updateHyperfocalButtons()
{
    const auto label = [this](double hyperfocal) {
        // With diffraction on there may be no focus at which infinity is sharp.
        if (!CameraSetup::isHyperfocalDistance(hyperfocal))
            return tr("Set to hyperfocal (none)");
        return tr("Set to hyperfocal (") +
               QString::number(LengthUnits::fromMetres(hyperfocal / 1000, unit), 'f', 1) +
               LengthUnits::symbol(unit) + QLatin1Char(')');
    };
    c1_set_Hyper->setText(label(cam1.getHyperfocal()));
    c2_set_Hyper->setText(label(cam2.getHyperfocal()));
}

double mainWin::getDiag(int index)
{
    if (index < 0 || index >= sensorTable.formatCount())
        return qQNaN();
    return sensorTable.diagonal(index);
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
    const double shown = QString::number(result.coc, 'f', cocBox->decimals()).toDouble();
    if (shown != cocBox->value())
        cocBox->setValue(result.coc);
    crop = result.crop;
}
} // namespace

void mainWin::setC1CocCF()
{
    applyCoc(c1_coc, c1Crop, CocPresets::byCropFactor(getDiag(c1_cropC->currentIndex())));
}

void mainWin::setC2CocCF()
{
    applyCoc(c2_coc, c2Crop, CocPresets::byCropFactor(getDiag(c2_cropC->currentIndex())));
}

void mainWin::setC1CocPS()
{
    const double diagonal = getDiag(c1_crop->currentIndex());
    applyCoc(c1_coc, c1Crop,
             CocPresets::byPixelSize(diagonal, getMPixel(c1_quality->currentIndex())));
}

void mainWin::setC2CocPS()
{
    const double diagonal = getDiag(c2_crop->currentIndex());
    applyCoc(c2_coc, c2Crop,
             CocPresets::byPixelSize(diagonal, getMPixel(c2_quality->currentIndex())));
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
