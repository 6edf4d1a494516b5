// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "settingstablesource.h"

#include "cameracontrols.h"
#include "cocpresets.h"
#include "graph.h"
#include "mainwin.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>

namespace {
// As the format box names it, or a custom sensor by its size.
QString formatName(const mainWin& window, const CameraControls& controls, const QComboBox& box)
{
    if (box.currentIndex() == window.sensorTable.customIndex())
        return QStringLiteral("%1 × %2 mm")
            .arg(controls.sensorWidth->value(), 0, 'g', 4)
            .arg(controls.sensorHeight->value(), 0, 'g', 4);
    return box.currentText().trimmed();
}

QString pixelCountName(const CameraControls& controls)
{
    if (controls.pixelCount->currentIndex() == CocPresets::customPixelCountIndex)
        return QString::number(controls.megapixels->value(), 'g', 4) + QStringLiteral(" MP");
    return controls.pixelCount->currentText().trimmed();
}
} // namespace

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
            settings.sensorFormat = formatName(window, controls, *controls.cropFactorFormat);
        else if (mode == CocByPixelSize)
            settings.sensorFormat = formatName(window, controls, *controls.pixelSizeFormat) +
                                    QStringLiteral(", ") + pixelCountName(controls);
        settings.cocMethod = controls.cocMode->currentText().trimmed();
        // The body and lens buttons choose nothing yet: body and lens stay empty.
        cameras.push_back(std::move(settings));
    }
    return SettingsTable(std::move(cameras), window.lengthUnit(), window.comparisonReadout->text());
}
