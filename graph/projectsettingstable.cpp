// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "projectsettingstable.h"

#include "cocpresets.h"
#include "comparisonreadout.h"
#include "graph.h"
#include "readernumbers.h"
#include "sensorformattable.h"

#include <QCoreApplication>

#include <array>

namespace {
// As the format boxes name it, or a custom sensor by its size.
QString formatName(const CameraRecord& camera, int format)
{
    static const SensorFormatTable table;
    if (format == table.customIndex())
        return QStringLiteral("%1 × %2 mm")
            .arg(ReaderNumbers::significant(camera.sensorWidth, 4),
                 ReaderNumbers::significant(camera.sensorHeight, 4));
    if (format < 0 || format >= table.formatCount())
        return QString();
    return table.name(format).trimmed();
}

// The items of the pixel-count box, in the window's own words.
QString pixelCountName(const CameraRecord& camera)
{
    static const std::array<const char*, CocPresets::pixelPresetCount> presets{
        QT_TRANSLATE_NOOP("SettingsTable", "Standard"),
        QT_TRANSLATE_NOOP("SettingsTable", "6 Mill. Pixel"),
        QT_TRANSLATE_NOOP("SettingsTable", "8 Mill. Pixel"),
        QT_TRANSLATE_NOOP("SettingsTable", "10 Mill. Pixel"),
        QT_TRANSLATE_NOOP("SettingsTable", "12 Mill. Pixel"),
        QT_TRANSLATE_NOOP("SettingsTable", "15 Mill. Pixel"),
        QT_TRANSLATE_NOOP("SettingsTable", "16 Mill. Pixel"),
        QT_TRANSLATE_NOOP("SettingsTable", "18 Mill. Pixel"),
        QT_TRANSLATE_NOOP("SettingsTable", "20 Mill. Pixel"),
        QT_TRANSLATE_NOOP("SettingsTable", "21 Mill. Pixel"),
        QT_TRANSLATE_NOOP("SettingsTable", "25 Mill. Pixel"),
        QT_TRANSLATE_NOOP("SettingsTable", "32 Mill. Pixel"),
        QT_TRANSLATE_NOOP("SettingsTable", "40 Mill. Pixel"),
        QT_TRANSLATE_NOOP("SettingsTable", "64 Mill. Pixel"),
        QT_TRANSLATE_NOOP("SettingsTable", "100 Mill. Pixel"),
    };
    const int preset = camera.pixelCountPreset;
    if (preset == CocPresets::customPixelCountIndex)
        return ReaderNumbers::significant(camera.megapixels, 4) + QStringLiteral(" MP");
    if (preset < 0 || preset >= int(presets.size()))
        return QString();
    return QCoreApplication::translate("SettingsTable", presets[preset]);
}

// The items of the CoC-mode box, in the window's own words.
QString cocMethodName(int mode)
{
    static const std::array<const char*, 4> modes{
        QT_TRANSLATE_NOOP("SettingsTable", "Set by crop factor"),
        QT_TRANSLATE_NOOP("SettingsTable", "Set by pixel size"),
        QT_TRANSLATE_NOOP("SettingsTable", "Set by view distace"),
        QT_TRANSLATE_NOOP("SettingsTable", "Manual"),
    };
    if (mode < 0 || mode >= int(modes.size()))
        return QString();
    return QCoreApplication::translate("SettingsTable", modes[mode]);
}
} // namespace

namespace {
void describe(const CameraRecord& record, CameraSettings& settings)
{
    if (record.cocMode == CocByCropFactor)
        settings.sensorFormat = formatName(record, record.cropFactorFormat);
    else if (record.cocMode == CocByPixelSize)
        settings.sensorFormat = formatName(record, record.pixelSizeFormat) + QStringLiteral(", ") +
                                pixelCountName(record);
    settings.cocMethod = cocMethodName(record.cocMode);
}
} // namespace

SettingsTable projectSettingsTable(const ProjectRecord& project, const PlotInput& input)
{
    std::vector<CameraSettings> cameras;
    for (int camera : {1, 2}) {
        if (!input.switchedOn[camera - 1])
            continue;
        const CameraRecord& record = camera == 1 ? project.camera1 : project.camera2;
        CameraSettings settings;
        settings.number = camera;
        settings.colour = graph::cameraColour(camera);
        settings.camera = input.cameras[camera - 1];
        describe(record, settings);
        settings.body = input.gear[camera - 1].body;
        settings.lens = input.gear[camera - 1].lens;
        cameras.push_back(std::move(settings));
    }
    // The setups on show, in the input's order, which keeps the project's.
    size_t shown = 0;
    for (const PinnedSetup& setup : project.pinnedSetups) {
        if (!setup.shown || shown >= input.pinned.size())
            continue;
        const PlotInput::Pinned& pinned = input.pinned[shown++];
        CameraSettings settings;
        settings.heading = pinned.name;
        settings.colour = graph::pinnedColour(pinned.colour);
        settings.camera = pinned.camera;
        describe(setup.camera, settings);
        const CameraRecord& record = setup.camera;
        settings.body = record.body.isSet() ? record.body.name() : QString();
        settings.lens = record.lens.isSet() ? record.lens.name() : QString();
        cameras.push_back(std::move(settings));
    }
    // The factors the pinned setups are compared by, for every column once any is shown.
    if (!input.pinned.empty()) {
        for (CameraSettings& settings : cameras)
            settings.againstCameraOne = setupNumbers(settings.camera, input.cameras[0]);
    }
    QString comparison;
    if (input.expert && input.switchedOn[0] && input.switchedOn[1]) {
        CameraSetup one = input.cameras[0];
        CameraSetup two = input.cameras[1];
        comparison = ComparisonReadout::text(one, two);
    }
    return SettingsTable(std::move(cameras), input.unit, comparison);
}
