// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "bodyadder.h"

#include "cocpresets.h"
#include "userbodies.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>

#include <cmath>

namespace {
QDoubleSpinBox* numberBox(const char* name, double low, double high, double value,
                          const QString& suffix)
{
    auto* box = new QDoubleSpinBox;
    box->setObjectName(QLatin1String(name));
    box->setDecimals(2);
    box->setRange(low, high);
    box->setValue(value);
    box->setSuffix(suffix);
    return box;
}
} // namespace

BodyAdder::BodyAdder(QWidget* parent, const QStringList& mounts) : QDialog(parent)
{
    setObjectName(QStringLiteral("bodyAdder"));
    setWindowTitle(tr("Add a body"));
    maker = new QLineEdit;
    maker->setObjectName(QStringLiteral("bodyMaker"));
    model = new QLineEdit;
    model->setObjectName(QStringLiteral("bodyModel"));
    mount = new QComboBox;
    mount->setObjectName(QStringLiteral("bodyMount"));
    mount->setEditable(true);
    mount->addItems(mounts);
    mount->setCurrentIndex(-1);
    // The sensor boxes' own range, so that the body's sensor fits them.
    bySize = new QRadioButton(tr("Sensor (mm)"));
    bySize->setObjectName(QStringLiteral("bodyBySize"));
    bySize->setChecked(true);
    auto* byCrop = new QRadioButton(tr("Crop factor"));
    byCrop->setObjectName(QStringLiteral("bodyByCrop"));
    width = numberBox("bodyWidth", 0.5, 200, 23.5, QString());
    height = numberBox("bodyHeight", 0.5, 200, 15.6, QString());
    crop = numberBox("bodyCrop", 0.1, 50, 1.5, QString());
    crop->setDecimals(3);
    auto* size = new QHBoxLayout;
    size->addWidget(width);
    size->addWidget(new QLabel(QStringLiteral("x")));
    size->addWidget(height);
    auto* form = new QFormLayout(this);
    form->addRow(tr("Maker"), maker);
    form->addRow(tr("Model"), model);
    form->addRow(tr("Mount"), mount);
    form->addRow(bySize, size);
    form->addRow(byCrop, crop);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    form->addRow(buttons);
    const auto enable = [this] {
        width->setEnabled(bySize->isChecked());
        height->setEnabled(bySize->isChecked());
        crop->setEnabled(!bySize->isChecked());
    };
    connect(bySize, &QRadioButton::toggled, this, enable);
    enable();
    connect(buttons, &QDialogButtonBox::accepted, this, &BodyAdder::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void BodyAdder::accept()
{
    BodyChoice body;
    body.maker = maker->text().simplified();
    body.model = model->text().simplified();
    body.mount = mount->currentText().simplified();
    const double factor = bySize->isChecked() ? CocPresets::fullFrameDiagonal /
                                                    std::hypot(width->value(), height->value())
                                              : crop->value();
    // As the file holds it.
    body.crop = QString::number(factor, 'g', 4).toDouble();
    if (body.maker.isEmpty() || body.model.isEmpty() || body.mount.isEmpty()) {
        QMessageBox::warning(this, windowTitle(),
                             tr("A body needs its maker, its model and its mount."));
        return;
    }
    const QString problem = UserBodies::add(body);
    if (!problem.isEmpty()) {
        QMessageBox::warning(this, windowTitle(), problem);
        return;
    }
    added = body;
    QDialog::accept();
}
