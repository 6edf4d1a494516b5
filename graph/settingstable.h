// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include "camerasetup.h"
#include "lengthunit.h"
#include "setupnumbers.h"

#include <QColor>
#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// What the settings table says of one camera, handed in as plain values.
struct CameraSettings
{
    int number = 1;
    // The column's heading where it is not "Camera <number>": a pinned setup's name.
    QString heading;
    QColor colour;
    // The camera's record as the last recalculation left it.
    CameraSetup camera;
    // The names of the chosen body and lens; empty where none is chosen.
    QString body;
    QString lens;
    // The format the CoC is derived from; empty where it is not derived from one.
    QString sensorFormat;
    // How the CoC is set, as its mode box says.
    QString cocMethod;
    // Beside pinned setups, every column's factors against Camera 1.
    std::optional<SetupNumbers> againstCameraOne;
};

// The settings behind a chart, one column per camera shown, as the exports draw them below
// the plot and Copy numbers writes them. Plain data: the texts are made once, here, and
// drawn or copied as they are.
class SettingsTable
{
    Q_DECLARE_TR_FUNCTIONS(SettingsTable)

public:
    struct Column
    {
        QString heading;
        QColor colour;
        // One per label, as drawn.
        QStringList values;
        // One per copied label: the bare number, or the words where there is none.
        QStringList cells;
    };

    SettingsTable() = default;
    // comparison: the status bar's line on the two cameras; empty unless both are shown.
    SettingsTable(std::vector<CameraSettings> cameras, LengthUnit unit, const QString& comparison);

    const QStringList& labels() const { return rowLabels; }
    const std::vector<Column>& columns() const { return cameraColumns; }
    const QString& comparison() const { return comparisonLine; }

    // A row per label with its unit and tab-separated cells of bare numbers under a row of
    // headings, then the comparison, as a spreadsheet pastes it into cells of numbers.
    QString tabSeparated() const;

private:
    struct Row
    {
        QString label;
        // The unit of the number in the cell, empty for a plain number or words.
        QString unit;
        QString cell;
        QString shown;
        // Only in tabSeparated(): what the drawn table says beside another row's value.
        bool copiedOnly = false;
    };
    // Which of the rows for names the table has: those of either camera.
    struct Names
    {
        bool body;
        bool lens;
        bool factors;
    };
    static std::vector<Row> rowsOf(CameraSettings& camera, LengthUnit unit, Names names);

    QStringList rowLabels;
    // The labels of tabSeparated(), with their units.
    QStringList copiedLabels;
    std::vector<Column> cameraColumns;
    QString comparisonLine;
};
