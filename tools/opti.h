// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include "lengthunit.h"
#include "optimizer.h"
#include "searchrandom.h"
#include "ui_opti.h"

#include <QDialog>

class WindowSurface;

// Fits focus distance and aperture of one camera to reference blur values.
class opti : public QDialog, public Ui_opti
{
    Q_OBJECT

public:
    explicit opti(WindowSurface& window);

    // The table's rows as the search reads them: blank or non-numeric cells count as 0, and
    // a wanted zc of exactly 0 becomes 0.0001 so that it stays a usable ratio. Numbers are
    // read in the program's language and in the C locale.
    ReferenceTable referenceTable() const;
    // Why the table cannot be used (a cell that is not a number, no distance above 0), or
    // nothing when it can.
    QString tableProblem() const;
    // Distances in the table are in this unit; a switch rewrites those typed as the same
    // lengths in the new unit.
    void setLengthUnit(LengthUnit lengthUnit);

public slots:
    void run();
    void hideWin();
    void changeCount();

private:
    WindowSurface& window;
    // Lives as long as the dialog, so a second Apply continues the sequence.
    SearchRandom random;
    LengthUnit unit = LengthUnit::Metres;
};
