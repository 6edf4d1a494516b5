// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "opti.h"

#include "mainwin.h"

opti::opti(mainWin* window) : QDialog(nullptr), mainWindow(window)
{
    setupUi(this);
    hide();
    connect(apply, &QPushButton::released, this, &opti::run);
    connect(QPB_hide, &QPushButton::released, this, &opti::hideWin);
    connect(count, &QSpinBox::valueChanged, this, &opti::changeCount);
}

void opti::run() {}

void opti::hideWin()
{
    hide();
}

void opti::changeCount()
{
    table->setRowCount(count->value());
}
