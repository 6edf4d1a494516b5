// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include "gearchoice.h"

#include <QDialog>

class QComboBox;
class QDoubleSpinBox;
class QLineEdit;
class QRadioButton;

// Asks for a body the database lacks (maker, model, mount, and the sensor's width and height
// or its crop factor) and writes it among the user's lensfun files. What cannot be written is
// said, and the dialog stays open with everything typed.
class BodyAdder : public QDialog
{
    Q_OBJECT

public:
    BodyAdder(QWidget* parent, const QStringList& mounts);

    // After Ok: the body as written.
    const BodyChoice& body() const { return added; }
    void accept() override;

private:
    QLineEdit* maker;
    QLineEdit* model;
    QComboBox* mount;
    QRadioButton* bySize;
    QDoubleSpinBox* width;
    QDoubleSpinBox* height;
    QDoubleSpinBox* crop;
    BodyChoice added;
};
