// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include "cocpresets.h"

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QWidget;
class LengthSpinBox;
class Ui_mainWin;
class mainWin;

// The controls of one camera box, so that code working on "a camera" (recalculation,
// copy, swap, project files) is written once for both.
struct CameraControls
{
    QGroupBox* box;
    LengthSpinBox* fdist;
    QDoubleSpinBox* aperture;
    QDoubleSpinBox* flength;
    QDoubleSpinBox* lensQuality;
    QDoubleSpinBox* coc;
    QComboBox* cocMode;
    QCheckBox* diffraction;
    QCheckBox* lockMagnification;
    QPushButton* setHyperfocal;
    QGroupBox* byCropFactorBox;
    QGroupBox* byPixelSizeBox;
    QGroupBox* byViewDistanceBox;
    QComboBox* cropFactorFormat;
    QComboBox* pixelSizeFormat;
    QComboBox* pixelCount;
    QDoubleSpinBox* viewDistance;
    QComboBox* formFactor;
    QDoubleSpinBox* imageWidth;
    // A pixel count typed in millions, shown for the pixel count's last item.
    QDoubleSpinBox* megapixels;
    // Below the CoC groups: the chosen body's crop factor and a custom sensor's size.
    QWidget* sensorRow;
    QLabel* cropLabel;
    QDoubleSpinBox* sensorWidth;
    QDoubleSpinBox* sensorHeight;
    QPushButton* bodyButton;
    QPushButton* lensButton;
};

// camera is 1 or 2.
CameraControls cameraControls(const Ui_mainWin& form, int camera);
CameraControls cameraControls(const mainWin& window, int camera);
