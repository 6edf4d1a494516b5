// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "opti.h"

#include "readernumbers.h"
#include "typednumber.h"
#include "windowsurface.h"

#include <QMessageBox>

#include <algorithm>
#include <cmath>
#include <optional>

namespace {
constexpr double zeroZcStandIn = 0.0001;
constexpr int columnCount = 3;
constexpr int distanceColumn = 0;

// A blank cell counts as 0; "7,5" and "7.5" are both 7.5 in the German program.
std::optional<double> cellNumber(const QTableWidget* table, int row, int column)
{
    const QTableWidgetItem* item = table->item(row, column);
    const QString text = item ? item->text().trimmed() : QString();
    if (text.isEmpty())
        return 0.0;
    return typedNumber(text);
}

double cellValue(const QTableWidget* table, int row, int column)
{
    return cellNumber(table, row, column).value_or(0.0);
}
} // namespace

opti::opti(WindowSurface& window_) : QDialog(nullptr), window(window_)
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
        reference.distanceMetres =
            LengthUnits::toMetres(cellValue(table, row, distanceColumn), unit);
        reference.zc = cellValue(table, row, 1);
        if (reference.zc == 0)
            reference.zc = zeroZcStandIn;
        reference.weight = cellValue(table, row, 2);
        references.push_back(reference);
    }
    return references;
}

QString opti::tableProblem() const
{
    for (int row = 0; row < table->rowCount(); ++row) {
        for (int column = 0; column < columnCount; ++column) {
            if (cellNumber(table, row, column))
                continue;
            const QTableWidgetItem* header = table->horizontalHeaderItem(column);
            return tr("Row %1, column \"%2\": \"%3\" is not a number.\nNothing was changed.")
                .arg(row + 1)
                .arg(header ? header->text() : QString::number(column + 1),
                     table->item(row, column)->text());
        }
    }
    const ReferenceTable references = referenceTable();
    const bool anyDistance =
        std::any_of(references.begin(), references.end(),
                    [](const ReferencePoint& r) { return r.distanceMetres > 0; });
    if (!anyDistance)
        return unit == LengthUnit::Feet
                   ? tr("The fit needs a reference distance above 0 ft in at least one row.\n"
                        "Nothing was changed.")
                   : tr("The fit needs a reference distance above 0 m in at least one row.\n"
                        "Nothing was changed.");
    return QString();
}

void opti::run()
{
    // Blank cells and zero distances would let the fit run on zeros and set the camera to 0 m.
    if (const QString problem = tableProblem(); !problem.isEmpty()) {
        QMessageBox::warning(this, windowTitle(), problem);
        return;
    }
    const ReferenceTable references = referenceTable();

    const bool first = calc_c1->isChecked();
    const int number = first ? 1 : 2;
    CameraSetup camera = window.cameraRecord(number);

    if (!camera.formsImage()) {
        QMessageBox::warning(this, windowTitle(),
                             tr("Camera %1 forms no sharp image: its focus is closer than the "
                                "focal length.\nNothing was changed.")
                                 .arg(number));
        return;
    }
    optimize(camera, references, random);
    const double aperture = camera.getAperture();
    const double fdist = camera.getFdist();

    WindowSurface::Batch batch(window);
    // A table with an unusable distance (e.g. "inf") leaves no finite start point; the
    // boxes keep their values and the recalculation restores the record from them.
    if (std::isfinite(aperture) && std::isfinite(fdist)) {
        window.setAperture(number, aperture);
        window.setFocus(number, fdist, WindowSurface::FocusHeld::AsShown);
    }
    window.recalculate();
}

void opti::setLengthUnit(LengthUnit lengthUnit)
{
    if (lengthUnit == unit)
        return;
    for (int row = 0; row < table->rowCount(); ++row) {
        QTableWidgetItem* item = table->item(row, distanceColumn);
        const std::optional<double> typed = cellNumber(table, row, distanceColumn);
        if (!item || item->text().trimmed().isEmpty() || !typed)
            continue;
        const double metres = LengthUnits::toMetres(*typed, unit);
        item->setText(ReaderNumbers::significant(LengthUnits::fromMetres(metres, lengthUnit), 6));
    }
    unit = lengthUnit;
    if (QTableWidgetItem* header = table->horizontalHeaderItem(distanceColumn))
        header->setText(unit == LengthUnit::Feet ? tr("Distance [ft]") : tr("Distance [m]"));
}

void opti::hideWin()
{
    hide();
}

void opti::changeCount()
{
    table->setRowCount(count->value());
}
