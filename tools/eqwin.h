// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include <QDialog>

#include <memory>

class QTableWidgetItem;

namespace Ui {
class EqWin;
}

// A table of lenses for a source crop factor and, beside each, its full-frame equivalent:
// focal lengths and f-numbers times the crop factor.
class EqWin : public QDialog
{
    Q_OBJECT

public:
    explicit EqWin(QWidget* parent = nullptr);
    ~EqWin() override;
    // The crop factor the lenses are for.
    void setSourceCropFactor(double crop);

private slots:
    void on_pushButton_released();
    void on_spinBox_valueChanged(int count);

private:
    void computeAll();
    void computeRow(int row);
    void lensCellChanged(const QTableWidgetItem* item);

    std::unique_ptr<Ui::EqWin> ui;
};
