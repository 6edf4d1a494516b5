// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "opti.h"

#include "mainwin.h"

#include <cmath>

namespace {
constexpr double zeroZcStandIn = 0.0001;

double cellValue(const QTableWidget* table, int row, int column)
{
    const QTableWidgetItem* item = table->item(row, column);
    return item ? item->text().toDouble() : 0.0;
}
} // namespace

opti::opti(mainWin* window) : QDialog(nullptr), mainWindow(window)
{
    setupUi(this);
    hide();
    connect(apply, &QPushButton::released, this, &opti::run);
    connect(QPB_hide, &QPushButton::released, this, &opti::hideWin);
    connect(count, &QSpinBox::valueChanged, this, &opti::changeCount);
}

ReferenceTable opti::referenceTable() const
{
    ReferenceTable references;
    references.reserve(std::size_t(table->rowCount()));
    for (int row = 0; row < table->rowCount(); ++row) {
        ReferencePoint reference;
        reference.distanceMetres = cellValue(table, row, 0);
        reference.zc = cellValue(table, row, 1);
        if (reference.zc == 0)
            reference.zc = zeroZcStandIn;
        reference.weight = cellValue(table, row, 2);
        references.push_back(reference);
    }
    return references;
}

void opti::run()
{
    const ReferenceTable references = referenceTable();
    if (references.empty())
        return;

    const bool first = calc_c1->isChecked();
    CameraSetup& camera = first ? mainWindow->cam1 : mainWindow->cam2;
    QDoubleSpinBox* const apertureBox = first ? mainWindow->c1_apature : mainWindow->c2_apature;
    QDoubleSpinBox* const focusBox = first ? mainWindow->c1_fdist : mainWindow->c2_fdist;

    optimize(camera, references, random);
    // The first write recalculates and refills the record, so read both values before it.
    const double aperture = camera.getAperture();
    const double fdist = camera.getFdist();

    mainWin::RecalcBatch batch(mainWindow);
    // A table with an unusable distance (e.g. "inf") leaves no finite start point; the
    // widgets keep their values and the recalculation restores the record from them.
    if (std::isfinite(aperture) && std::isfinite(fdist)) {
        apertureBox->setValue(aperture);
        focusBox->setValue(fdist / 1000);
    }
    mainWindow->run();
}

void opti::hideWin()
{
    hide();
}

void opti::changeCount()
{
    table->setRowCount(count->value());
}
