// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class EqWin;
}

// A lens table for a source crop factor. It computes nothing yet and no menu offers it.
class EqWin : public QDialog
{
    Q_OBJECT

public:
    explicit EqWin(QWidget* parent = nullptr);
    ~EqWin() override;

private slots:
    void on_pushButton_released();
    void on_spinBox_valueChanged(int count);

private:
    std::unique_ptr<Ui::EqWin> ui;
};
