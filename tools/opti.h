// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include "ui_opti.h"

#include <QDialog>

class mainWin;

// Fits focus distance and aperture of one camera to reference blur values.
class opti : public QDialog, public Ui_opti
{
    Q_OBJECT

public:
    explicit opti(mainWin* window);

public slots:
    void run();
    void hideWin();
    void changeCount();

private:
    mainWin* mainWindow;
};
