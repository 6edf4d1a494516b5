// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "plantarget.h"

#include "lengthspinbox.h"
#include "mainwin.h"
#include "readernumbers.h"

#include <QCheckBox>
#include <QDialog>

const CameraSetup& PlanTarget::record() const
{
    return camera == 1 ? window.cam1 : window.cam2;
}

bool PlanTarget::switchedOn() const
{
    return (camera == 1 ? window.boxC1 : window.boxC2)->isChecked();
}

ShotPlans::FocusBox PlanTarget::focusBox() const
{
    const LengthSpinBox* focus = camera == 1 ? window.c1_fdist : window.c2_fdist;
    return {focus->minimum() * 1000, focus->maximum() * 1000};
}

ShotPlans::ApertureRange PlanTarget::apertures() const
{
    const QDoubleSpinBox* aperture = camera == 1 ? window.c1_apature : window.c2_apature;
    return {aperture->minimum(), aperture->maximum()};
}

ShotPlans::Zone PlanTarget::zone(const LengthSpinBox* nearBox, const LengthSpinBox* farBox,
                                 const QCheckBox* toInfinity)
{
    return {nearBox->value() * 1000,
            toInfinity->isChecked() ? ShotPlans::infinity : farBox->value() * 1000};
}

QString PlanTarget::switchedOff() const
{
    return switchedOn() ? QString() : tr("Camera %1 is switched off.").arg(camera);
}

QString PlanTarget::refusal(const ShotPlans::Zone& zone) const
{
    if (!switchedOn())
        return switchedOff();
    switch (ShotPlans::zoneFault(record(), zone)) {
    case ShotPlans::ZoneFault::NotBeyondFocalLength:
        return tr("The near distance must lie beyond the focal length of %1 mm.")
            .arg(ReaderNumbers::significant(record().getFlength(), 6));
    case ShotPlans::ZoneFault::FarNotBeyondNear:
        return tr("The far distance must lie beyond the near distance.");
    case ShotPlans::ZoneFault::None:
        break;
    }
    return QString();
}

LengthUnit PlanTarget::unit() const
{
    return window.lengthUnit();
}

QString PlanTarget::distance(double millimetres, int extraDigits) const
{
    return LengthUnits::readerText(millimetres / 1000, unit(), extraDigits);
}

QString PlanTarget::farDistance(double millimetres) const
{
    return millimetres == ShotPlans::infinity ? tr("infinity") : distance(millimetres);
}

QString PlanTarget::fNumber(double aperture, Rounding rounding)
{
    return ReaderNumbers::significant(ShotPlans::shownFNumber(aperture, rounding), 4);
}

void PlanTarget::followUnit(const mainWin& window, QDialog& dialog)
{
    for (LengthSpinBox* box : dialog.findChildren<LengthSpinBox*>())
        box->setUnit(window.lengthUnit());
}
