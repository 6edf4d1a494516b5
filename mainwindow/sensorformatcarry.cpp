// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "sensorformatcarry.h"

#include "cameracontrols.h"

#include <QComboBox>

void SensorFormatCarry::attach(const CameraControls& camera)
{
    new SensorFormatCarry(camera.cocMode, camera.cropFactorFormat, camera.pixelSizeFormat);
}

SensorFormatCarry::SensorFormatCarry(QComboBox* cocMode, QComboBox* cropFactorFormat_,
                                     QComboBox* pixelSizeFormat_)
    : QObject(cocMode), cropFactorFormat(cropFactorFormat_), pixelSizeFormat(pixelSizeFormat_),
      previousMode(cocMode->currentIndex())
{
    connect(cocMode, &QComboBox::currentIndexChanged, this, &SensorFormatCarry::modeChanged);
}

void SensorFormatCarry::modeChanged(int mode)
{
    if (previousMode == CocByCropFactor && mode == CocByPixelSize)
        pixelSizeFormat->setCurrentIndex(cropFactorFormat->currentIndex());
    else if (previousMode == CocByPixelSize && mode == CocByCropFactor)
        cropFactorFormat->setCurrentIndex(pixelSizeFormat->currentIndex());
    previousMode = mode;
}
