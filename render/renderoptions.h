// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include "lengthunit.h"

#include <QCoreApplication>
#include <QSize>
#include <QString>
#include <QStringList>

// What one call of zidov-render is asked to do, read from its command line.
struct RenderOptions
{
    QStringList projects;
    QString output;      // the chart of the one project; "-" is standard output
    QString csv;         // the curve data of the one project
    QString json;        // the numbers and captions of the one project
    QString outputDir;   // one file per project and format
    QStringList formats; // for --output-dir, and the chart's format on standard output
    QSize size;          // the plot's size; invalid for the window's default
    qreal scale = 1;     // device pixels per plot pixel of a bitmap
    bool trace = false;  // diagnostic trace lines to standard error
    LengthUnit unit = LengthUnit::Metres; // of the chart's distances and the CSV's
    // Views a project file does not store: "DOF Mode" and "log Scale" ticked.
    bool dofLimits = false;
    bool logScale = false;
    // The settings table below every chart, as View > "Settings in exports" adds it.
    bool settingsTable = false;
    // Threads that encode and write the projects' outputs; 1 does one project after another.
    int jobs = 1;
    // zlib's level for PNG charts: 0 fastest and largest, 9 smallest and slowest.
    int pngCompression = defaultPngCompression;
    static constexpr int defaultPngCompression = 1;
};

// The command line's meaning, or why it has none.
class RenderCommandLine
{
    Q_DECLARE_TR_FUNCTIONS(RenderCommandLine)

public:
    // Handles --help and --version itself (prints and exits with 0). Returns false with
    // error set for bad usage.
    bool parse(const QStringList& arguments, RenderOptions& options, QString& error);

    // The lower-case formats a chart can be written in.
    static bool isChartFormat(const QString& format);
    static bool isDataFormat(const QString& format);
    // The format of a chart written to standard output: the chart format among --format,
    // PNG without one.
    static QString streamedChartFormat(const RenderOptions& options);
};
