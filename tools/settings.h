// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class Settings;
}

// The one program-wide setting: the diffraction spot diameter factor. Every change takes
// effect at once, so Ok and Cancel only close the dialog. The window keeps the factor; the
// dialog shows it and says when it is changed.
class Settings : public QDialog
{
    Q_OBJECT

public:
    explicit Settings(double diffractionFactor, QWidget* parent = nullptr);
    ~Settings() override;

signals:
    void diffractionFactorChanged(double factor);

private slots:
    void on_dsb_difffact_valueChanged(double);

private:
    std::unique_ptr<Ui::Settings> ui;
};
