// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "settingstable.h"

#include "depthoffield.h"
#include "plotgeometry.h"

#include <algorithm>
#include <cmath>

SettingsTable::SettingsTable(std::vector<CameraSettings> cameras, LengthUnit unit,
                             const QString& comparison)
    : comparisonLine(comparison)
{
    // Body and lens by name, where one is chosen for either camera.
    const auto named = [&cameras](QString CameraSettings::*name) {
        return std::any_of(cameras.begin(), cameras.end(),
                           [name](const CameraSettings& c) { return !(c.*name).isEmpty(); });
    };
    const Names names{named(&CameraSettings::body), named(&CameraSettings::lens)};
    for (CameraSettings& camera : cameras) {
        Column column{tr("Camera %1").arg(camera.number), camera.colour, {}};
        const std::vector<Row> rows = rowsOf(camera, unit, names);
        if (rowLabels.isEmpty()) {
            for (const Row& row : rows)
                rowLabels.append(row.label);
        }
        for (const Row& row : rows)
            column.values.append(row.value);
        cameraColumns.push_back(std::move(column));
    }
}

std::vector<SettingsTable::Row> SettingsTable::rowsOf(CameraSettings& settings, LengthUnit unit,
                                                      Names names)
{
    CameraSetup& camera = settings.camera;
    const auto length = [unit](double millimetres) {
        return LengthUnits::readerText(millimetres / 1000, unit);
    };
    const auto millimetres = [](double value, int decimals) {
        return QString::number(value, 'f', decimals) + QStringLiteral(" mm");
    };
    const QString none = tr("none");
    const auto orNone = [&none](const QString& text) { return text.isEmpty() ? none : text; };
    const double hyperfocal = camera.getHyperfocalFocus();
    const DepthRules::DepthLimits limits = DepthRules::depthLimits(camera);
    using Kind = DepthRules::DepthOfField;
    const bool sharp = limits.kind != Kind::None;
    const bool endless = limits.kind == Kind::Endless;

    std::vector<Row> rows;
    if (names.body)
        rows.push_back({tr("Body"), orNone(settings.body)});
    if (names.lens)
        rows.push_back({tr("Lens"), orNone(settings.lens)});
    rows.push_back({tr("Sensor format"), orNone(settings.sensorFormat)});
    rows.push_back({tr("Crop factor"), QString::number(camera.getCrop(), 'f', 2)});
    rows.push_back({tr("Focal length"), millimetres(camera.getFlength(), 0)});
    rows.push_back(
        {tr("F-number"), QStringLiteral("f/") + QString::number(camera.getAperture(), 'g', 3)});
    rows.push_back({tr("Focus distance"), length(camera.getFdist())});
    rows.push_back(
        {tr("Circle of confusion"),
         QStringLiteral("%1 (%2)").arg(millimetres(camera.getCoc(), 4), settings.cocMethod)});
    rows.push_back(
        {tr("Diffraction"), camera.getDiffraction() ? tr("included") : tr("not included")});
    rows.push_back({tr("Hyperfocal distance"),
                    CameraSetup::isHyperfocalDistance(hyperfocal) ? length(hyperfocal) : none});
    rows.push_back({tr("Near limit"), sharp ? length(limits.nearLimit) : none});
    rows.push_back({tr("Far limit"), endless ? tr("infinity")
                                     : sharp ? length(limits.farLimit)
                                             : none});
    rows.push_back({tr("Depth of field"), endless ? tr("endless")
                                          : sharp ? length(limits.length())
                                                  : none});
    rows.push_back(
        {tr("Blur at infinity"),
         std::isfinite(limits.zcAtInfinity)
             ? QStringLiteral("zc ") +
                   QString::number(CaptionNumbers::blurAtInfinity(limits.zcAtInfinity), 'g', 6)
             : none});
    return rows;
}

QString SettingsTable::tabSeparated() const
{
    const QChar tab = QLatin1Char('\t');
    const QChar newline = QLatin1Char('\n');
    QString text;
    for (const Column& column : cameraColumns)
        text += tab + column.heading;
    text += newline;
    for (int row = 0; row < rowLabels.size(); ++row) {
        text += rowLabels[row];
        for (const Column& column : cameraColumns)
            text += tab + column.values[row];
        text += newline;
    }
    if (!comparisonLine.isEmpty())
        text += newline + comparisonLine + newline;
    return text;
}
