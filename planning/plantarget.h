// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include "shotplans.h"

#include <QCoreApplication>
#include <QString>

class LengthSpinBox;
class QCheckBox;
class QComboBox;
class QDialog;
class WindowSurface;

// What the planning dialogs share: the camera they plan for, read from the window's records
// of the last recalculation, the zone their boxes give, and how their answers write
// distances and f-numbers.
class PlanTarget
{
    Q_DECLARE_TR_FUNCTIONS(PlanTarget)

public:
    PlanTarget(const WindowSurface& window, int camera) : window(window), camera(camera) {}

    const CameraSetup& record() const;
    bool switchedOn() const;
    ShotPlans::FocusBox focusBox() const;
    ShotPlans::ApertureRange apertures() const;

    // The zone of a dialog's near and far boxes and its "to infinity" box, in mm.
    static ShotPlans::Zone zone(const LengthSpinBox* nearBox, const LengthSpinBox* farBox,
                                const QCheckBox* toInfinity);
    // "Camera 2 is switched off.", where it is; empty otherwise.
    QString switchedOff() const;
    // Why the zone cannot be planned, or why the camera cannot; empty where it can.
    QString refusal(const ShotPlans::Zone& zone) const;

    LengthUnit unit() const;
    // As a photographer reads it: millimetres (inches) below 1 m (3 ft), with extraDigits
    // more digits where the answer needs them.
    QString distance(double millimetres, int extraDigits = 0) const;
    // A far limit or far end: "infinity" where it is.
    QString farDistance(double millimetres) const;
    using Rounding = ShotPlans::FNumberRounding;
    // An f-number as the boxes show it, rounded so that what is said holds.
    static QString fNumber(double aperture, Rounding rounding);

    // Dialogs follow the unit on show; the first shows the window's chosen unit.
    static void followUnit(const WindowSurface& window, QDialog& dialog);

private:
    const WindowSurface& window;
    int camera;
};
