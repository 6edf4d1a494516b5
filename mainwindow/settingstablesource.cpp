// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "settingstablesource.h"

#include "cameracontrols.h"
#include "graph.h"
#include "mainwin.h"

#include <QLabel>

SettingsTable settingsTableOf(mainWin& window)
{
    std::vector<CameraSettings> cameras;
    for (int camera : {1, 2}) {
        const CameraControls controls = cameraControls(window, camera);
        if (!controls.box->isChecked())
            continue;
        CameraSettings settings;
        settings.number = camera;
        settings.colour = graph::cameraColour(camera);
        settings.camera = camera == 1 ? window.cam1 : window.cam2;
        const int mode = controls.cocMode->currentIndex();
        if (mode == CocByCropFactor)
            settings.sensorFormat = controls.cropFactorFormat->currentText().trimmed();
        else if (mode == CocByPixelSize)
            settings.sensorFormat = controls.pixelSizeFormat->currentText().trimmed() +
                                    QStringLiteral(", ") +
                                    controls.pixelCount->currentText().trimmed();
        settings.cocMethod = controls.cocMode->currentText().trimmed();
        // Bodies and lenses are not chosen by name yet: body and lens stay empty.
        cameras.push_back(std::move(settings));
    }
    return SettingsTable(std::move(cameras), window.lengthUnit(), window.comparisonReadout->text());
}
