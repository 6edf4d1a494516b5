// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "settingstable.h"

#include "depthoffield.h"
#include "plotgeometry.h"

#include <algorithm>

SettingsTable::SettingsTable(std::vector<CameraSettings> cameras, LengthUnit unit,
                             const QString& comparison)
    : comparisonLine(comparison)
{
    const auto length = [unit](double millimetres) {
        return LengthUnits::text(millimetres / 1000, unit);
    };
    const auto millimetres = [](double value, int decimals) {
        return QString::number(value, 'f', decimals) + QStringLiteral(" mm");
    };
    std::vector<DepthRules::DepthLimits> limits;
    for (CameraSettings& settings : cameras) {
        cameraColumns.push_back({tr("Camera %1").arg(settings.number), settings.colour, {}});
        limits.push_back(DepthRules::depthLimits(settings.camera));
    }
    // One text per camera, in the order of the columns.
    const auto each = [&cameras](const auto& text) {
        std::vector<QString> values;
        for (std::size_t i = 0; i < cameras.size(); ++i)
            values.push_back(text(cameras[i], i));
        return values;
    };
    using Kind = DepthRules::DepthOfField;
    const auto named = [&cameras](QString CameraSettings::*name) {
        return std::any_of(cameras.begin(), cameras.end(),
                           [name](const CameraSettings& c) { return !(c.*name).isEmpty(); });
    };
    const QString none = tr("none");
    const auto orNone = [&none](const QString& text) { return text.isEmpty() ? none : text; };

    // Body and lens by name, where one is chosen for either camera.
    if (named(&CameraSettings::body))
        addRow(tr("Body"),
               each([&](const CameraSettings& c, std::size_t) { return orNone(c.body); }));
    if (named(&CameraSettings::lens))
        addRow(tr("Lens"),
               each([&](const CameraSettings& c, std::size_t) { return orNone(c.lens); }));
    addRow(tr("Sensor format"),
           each([&](const CameraSettings& c, std::size_t) { return orNone(c.sensorFormat); }));
    addRow(tr("Crop factor"), each([](const CameraSettings& c, std::size_t) {
               return QString::number(c.camera.getCrop(), 'f', 2);
           }));
    addRow(tr("Focal length"), each([&](const CameraSettings& c, std::size_t) {
               return millimetres(c.camera.getFlength(), 0);
           }));
    addRow(tr("F-number"), each([](const CameraSettings& c, std::size_t) {
               return QStringLiteral("f/") + QString::number(c.camera.getAperture(), 'g', 3);
           }));
    addRow(tr("Focus distance"),
           each([&](const CameraSettings& c, std::size_t) { return length(c.camera.getFdist()); }));
    addRow(tr("Circle of confusion"), each([&](const CameraSettings& c, std::size_t) {
               return QStringLiteral("%1 (%2)").arg(millimetres(c.camera.getCoc(), 4), c.cocMethod);
           }));
    addRow(tr("Diffraction"), each([](const CameraSettings& c, std::size_t) {
               return c.camera.getDiffraction() ? tr("included") : tr("not included");
           }));
    addRow(tr("Hyperfocal distance"), each([&](CameraSettings& c, std::size_t) {
               const double hyperfocal = c.camera.getHyperfocalFocus();
               return CameraSetup::isHyperfocalDistance(hyperfocal) ? length(hyperfocal) : none;
           }));
    addRow(tr("Near limit"), each([&](const CameraSettings&, std::size_t i) {
               return limits[i].kind == Kind::None ? none : length(limits[i].nearLimit);
           }));
    addRow(tr("Far limit"), each([&](const CameraSettings&, std::size_t i) {
               if (limits[i].kind == Kind::Endless)
                   return tr("infinity");
               return limits[i].kind == Kind::None ? none : length(limits[i].farLimit);
           }));
    addRow(tr("Depth of field"), each([&](const CameraSettings&, std::size_t i) {
               if (limits[i].kind == Kind::Endless)
                   return tr("endless");
               return limits[i].kind == Kind::None ? none : length(limits[i].length());
           }));
    addRow(tr("Blur at infinity"), each([&](const CameraSettings&, std::size_t i) {
               return QStringLiteral("zc ") +
                      QString::number(CaptionNumbers::blurAtInfinity(limits[i].zcAtInfinity), 'g',
                                      6);
           }));
}

void SettingsTable::addRow(const QString& label, const std::vector<QString>& values)
{
    rowLabels.append(label);
    for (std::size_t i = 0; i < values.size(); ++i)
        cameraColumns[i].values.append(values[i]);
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
