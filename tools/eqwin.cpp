// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "eqwin.h"

#include "languagechoice.h"
#include "typednumber.h"
#include "ui_eqwin.h"

#include <QSignalBlocker>

namespace {
// Focal length start and end, f-number start and end, as typed; the equivalents follow in
// the same order.
constexpr int firstLensColumn = 1;
constexpr int firstEquivalentColumn = 5;
constexpr int valuesPerLens = 4;

// Focal lengths and f-numbers to a tenth, as the main window shows them.
QString equivalentText(double value)
{
    QLocale locale = programLocale();
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value, 'f', 1);
}
} // namespace

EqWin::EqWin(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::EqWin>())
{
    ui->setupUi(this);
    ui->tableWidget->resizeColumnsToContents();
    connect(ui->tableWidget, &QTableWidget::itemChanged, this, &EqWin::lensCellChanged);
    connect(ui->doubleSpinBox, &QDoubleSpinBox::valueChanged, this, &EqWin::computeAll);
    ui->spinBox->setValue(3);
}

EqWin::~EqWin() = default;

void EqWin::on_pushButton_released()
{
    hide();
}

void EqWin::on_spinBox_valueChanged(int count)
{
    ui->tableWidget->setRowCount(count);
    computeAll();
}

void EqWin::lensCellChanged(const QTableWidgetItem* item)
{
    if (item->column() >= firstLensColumn && item->column() < firstEquivalentColumn)
        computeRow(item->row());
}

void EqWin::computeAll()
{
    for (int row = 0; row < ui->tableWidget->rowCount(); ++row)
        computeRow(row);
}

void EqWin::computeRow(int row)
{
    QTableWidget* table = ui->tableWidget;
    // Marking a cell and writing the equivalents are no edits to react to.
    const QSignalBlocker quiet(table);
    const double crop = ui->doubleSpinBox->value();
    for (int index = 0; index < valuesPerLens; ++index) {
        QTableWidgetItem* lens = table->item(row, firstLensColumn + index);
        const QString text = lens ? lens->text().trimmed() : QString();
        const std::optional<double> value = text.isEmpty() ? std::nullopt : typedNumber(text);
        const bool usable = value && *value > 0;
        if (lens) {
            const bool bad = !text.isEmpty() && !usable;
            lens->setData(Qt::ForegroundRole, bad ? QVariant(QBrush(Qt::red)) : QVariant());
            lens->setToolTip(bad ? tr("Not a positive number, so it has no equivalent.")
                                 : QString());
        }
        QTableWidgetItem* equivalent = table->item(row, firstEquivalentColumn + index);
        if (!equivalent) {
            equivalent = new QTableWidgetItem;
            equivalent->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            table->setItem(row, firstEquivalentColumn + index, equivalent);
        }
        equivalent->setText(usable ? equivalentText(*value * crop) : QString());
    }
}
