// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "settingstable.h"

#include "depthoffield.h"
#include "plotgeometry.h"
#include "readernumbers.h"

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
    const bool factors = std::any_of(cameras.begin(), cameras.end(), [](const CameraSettings& c) {
        return c.againstCameraOne.has_value();
    });
    const Names names{named(&CameraSettings::body), named(&CameraSettings::lens), factors};
    for (CameraSettings& camera : cameras) {
        Column column{camera.heading.isEmpty() ? tr("Camera %1").arg(camera.number)
                                               : camera.heading,
                      camera.colour,
                      {},
                      {}};
        const std::vector<Row> rows = rowsOf(camera, unit, names);
        const bool firstColumn = copiedLabels.isEmpty();
        for (const Row& row : rows) {
            if (firstColumn) {
                copiedLabels.append(row.unit.isEmpty()
                                        ? row.label
                                        : QStringLiteral("%1 (%2)").arg(row.label, row.unit));
                if (!row.copiedOnly)
                    rowLabels.append(row.label);
            }
            column.cells.append(row.cell);
            if (!row.copiedOnly)
                column.values.append(row.shown);
        }
        cameraColumns.push_back(std::move(column));
    }
}

std::vector<SettingsTable::Row> SettingsTable::rowsOf(CameraSettings& settings, LengthUnit unit,
                                                      Names names)
{
    CameraSetup& camera = settings.camera;
    const QString lengthUnit = LengthUnits::symbol(unit);
    const QString mm = QStringLiteral("mm");
    const auto withUnit = [](const QString& number, const QString& symbol) {
        return number + QLatin1Char(' ') + symbol;
    };
    const QString none = tr("none");
    const auto orNone = [&none](const QString& text) { return text.isEmpty() ? none : text; };
    // A row of words: the same in the drawn table and in a cell.
    const auto words = [](const QString& label, const QString& text) {
        return Row{label, QString(), text, text};
    };
    // A row of lengths in the chosen unit, or a word where there is none; its label names the
    // unit either way, as another camera's cell in the row may hold a length.
    const auto length = [&](const QString& label, bool present, double millimetres,
                            const QString& otherwise) {
        if (!present)
            return Row{label, lengthUnit, otherwise, otherwise};
        // Below 1 m (3 ft) the drawn table reads millimetres (inches), where a macro depth of
        // field lies, and the cell keeps its three significant digits in the label's unit.
        const double metres = millimetres / 1000;
        const QString number =
            LengthUnits::readerLength(metres, unit).small
                ? ReaderNumbers::significant(LengthUnits::fromMetres(metres, unit), 3)
                : LengthUnits::number(metres, unit);
        return Row{label, lengthUnit, number, LengthUnits::readerText(metres, unit)};
    };
    const double hyperfocal = camera.getHyperfocalFocus();
    const DepthRules::DepthLimits limits = DepthRules::depthLimits(camera);
    using Kind = DepthRules::DepthOfField;
    const bool sharp = limits.kind != Kind::None;
    const bool endless = limits.kind == Kind::Endless;

    std::vector<Row> rows;
    if (names.body)
        rows.push_back(words(tr("Body"), orNone(settings.body)));
    if (names.lens)
        rows.push_back(words(tr("Lens"), orNone(settings.lens)));
    rows.push_back(words(tr("Sensor format"), orNone(settings.sensorFormat)));
    const QString crop = ReaderNumbers::fixed(camera.getCrop(), 2);
    rows.push_back({tr("Crop factor"), QString(), crop, crop});
    const QString focal = ReaderNumbers::fixed(camera.getFlength(), 0);
    rows.push_back({tr("Focal length"), mm, focal, withUnit(focal, mm)});
    const QString aperture = ReaderNumbers::significant(camera.getAperture(), 3);
    rows.push_back({tr("F-number"), QString(), aperture, QStringLiteral("f/") + aperture});
    rows.push_back(length(tr("Focus distance"), true, camera.getFdist(), none));
    const QString coc = ReaderNumbers::fixed(camera.getCoc(), 4);
    rows.push_back({tr("Circle of confusion"), mm, coc,
                    QStringLiteral("%1 (%2)").arg(withUnit(coc, mm), settings.cocMethod)});
    // A cell holds the number alone; how the CoC is set gets a row of its own there.
    Row method = words(tr("Circle of confusion set"), settings.cocMethod);
    method.copiedOnly = true;
    rows.push_back(method);
    rows.push_back(
        words(tr("Diffraction"), camera.getDiffraction() ? tr("included") : tr("not included")));
    rows.push_back(length(tr("Hyperfocal distance"), CameraSetup::isHyperfocalDistance(hyperfocal),
                          hyperfocal, none));
    rows.push_back(length(tr("Near limit"), sharp, limits.nearLimit, none));
    rows.push_back(length(tr("Far limit"), sharp && !endless, limits.farLimit,
                          endless ? tr("infinity") : none));
    rows.push_back(length(tr("Depth of field"), sharp && !endless, limits.length(),
                          endless ? tr("endless") : none));
    if (std::isfinite(limits.zcAtInfinity)) {
        const QString blur =
            ReaderNumbers::significant(CaptionNumbers::blurAtInfinity(limits.zcAtInfinity), 6);
        rows.push_back(
            {tr("Blur at infinity"), QStringLiteral("zc"), blur, QStringLiteral("zc ") + blur});
    } else {
        rows.push_back({tr("Blur at infinity"), QStringLiteral("zc"), none, none});
    }
    if (names.factors) {
        const auto factor = [&](const QString& label, double value) {
            if (!settings.againstCameraOne || !std::isfinite(value))
                return Row{label, QString(), none, none};
            const QString number = ReaderNumbers::significant(value, 3);
            return Row{label, QString(), number, QStringLiteral("×") + number};
        };
        const double blur =
            settings.againstCameraOne ? settings.againstCameraOne->backgroundBlurRatio : 0;
        const double depth =
            settings.againstCameraOne ? settings.againstCameraOne->depthOfFieldRatio : 0;
        rows.push_back(factor(tr("Background blur against Camera 1"), blur));
        rows.push_back(factor(tr("Depth of field against Camera 1"), depth));
    }
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
    // The unit goes into the label, so that a spreadsheet reads each cell as a number.
    for (int row = 0; row < copiedLabels.size(); ++row) {
        text += copiedLabels[row];
        for (const Column& column : cameraColumns)
            text += tab + column.cells[row];
        text += newline;
    }
    if (!comparisonLine.isEmpty())
        text += newline + comparisonLine + newline;
    return text;
}
