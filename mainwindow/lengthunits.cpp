// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "mainwin.h"
#include "opti.h"
#include "unitchoice.h"

#include <QActionGroup>
#include <QSignalBlocker>

void mainWin::connectUnitMenu()
{
    auto* units = new QActionGroup(this);
    units->addAction(actionMetres);
    units->addAction(actionFeet);
    connect(actionMetres, &QAction::triggered, this,
            [this]() { chooseLengthUnit(LengthUnit::Metres); });
    connect(actionFeet, &QAction::triggered, this,
            [this]() { chooseLengthUnit(LengthUnit::Feet); });
}

void mainWin::chooseLengthUnit(LengthUnit lengthUnit)
{
    setLengthUnit(lengthUnit);
    UnitChoice::remember(lengthUnit);
}

void mainWin::setLengthUnit(LengthUnit lengthUnit)
{
    (lengthUnit == LengthUnit::Feet ? actionFeet : actionMetres)->setChecked(true);
    if (lengthUnit == unit)
        return;
    const double scrolledTo = LengthUnits::toMetres(SB_leftBorder->value(), unit);
    unit = lengthUnit;
    for (LengthSpinBox* box : {c1_fdist, c2_fdist, DSB_leftBorder})
        box->setUnit(lengthUnit);
    {
        // Where the scroll bar stood, in whole units of the new one; a move now would set
        // the border to it.
        const QSignalBlocker blocker(SB_leftBorder);
        SB_leftBorder->setRange(leftBorderSteps(leftBorderMinimum()),
                                leftBorderSteps(leftBorderScrollReach));
        SB_leftBorder->setValue(leftBorderSteps(scrolledTo));
    }
    if (optimizerDialog)
        optimizerDialog->setLengthUnit(lengthUnit);
    // Nothing the records hold changed, but every distance on show did.
    run();
}

int mainWin::leftBorderSteps(double metres) const
{
    return int(LengthUnits::fromMetres(metres, unit));
}
