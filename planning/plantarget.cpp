// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "plantarget.h"

#include "lengthspinbox.h"
#include "readernumbers.h"
#include "windowsurface.h"

#include <QCheckBox>
#include <QDialog>

const CameraSetup& PlanTarget::record() const
{
    return window.cameraRecord(camera);
}

bool PlanTarget::switchedOn() const
{
    return window.switchedOn(camera);
}

ShotPlans::FocusBox PlanTarget::focusBox() const
{
    return window.focusLimits(camera);
}

ShotPlans::ApertureRange PlanTarget::apertures() const
{
    return window.apertureLimits(camera);
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

void PlanTarget::followUnit(const WindowSurface& window, QDialog& dialog)
{
    for (LengthSpinBox* box : dialog.findChildren<LengthSpinBox*>())
        box->setUnit(window.lengthUnit());
}
