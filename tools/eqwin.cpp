// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "eqwin.h"

#include "ui_eqwin.h"

EqWin::EqWin(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::EqWin>())
{
    ui->setupUi(this);
    ui->tableWidget->resizeColumnsToContents();
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
}
