// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "settings.h"

#include "ui_settings.h"

#include <QSignalBlocker>

Settings::Settings(double diffractionFactor, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::Settings>())
{
    ui->setupUi(this);
    const QSignalBlocker quiet(ui->dsb_difffact);
    ui->dsb_difffact->setValue(diffractionFactor);
}

Settings::~Settings() = default;

void Settings::on_dsb_difffact_valueChanged(double factor)
{
    emit diffractionFactorChanged(factor);
}
