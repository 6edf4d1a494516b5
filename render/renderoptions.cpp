// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "renderoptions.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QImageWriter>
#include <QRegularExpression>
#include <QSet>
#include <QThread>

#include <algorithm>
#include <cmath>

namespace {
// Past this a bitmap no longer fits in memory, and a vector page means nothing more.
constexpr int maxPlotSide = 20000;
constexpr qreal maxScale = 8;
// A bitmap of more device pixels would take over a gigabyte, and the painter's coordinates
// end at 32767.
constexpr qint64 maxBitmapPixels = qint64(1) << 28;
constexpr qreal maxBitmapSide = 32767;
// More threads than this only wait for each other and hold their pictures in memory.
constexpr int maxJobs = 256;

bool isBitmapFormat(const QString& format)
{
    return RenderCommandLine::isChartFormat(format) && format != QLatin1String("svg") &&
           format != QLatin1String("pdf");
}

// A whole number from low to high, or nothing.
bool parseWhole(const QString& text, int low, int high, int& value)
{
    bool ok = false;
    const int number = text.toInt(&ok);
    if (!ok || number < low || number > high)
        return false;
    value = number;
    return true;
}

bool parseSize(const QString& text, QSize& size)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,5})x(\\d{1,5})$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return false;
    size = QSize(match.captured(1).toInt(), match.captured(2).toInt());
    return size.width() >= 1 && size.height() >= 1 && size.width() <= maxPlotSide &&
           size.height() <= maxPlotSide;
}

QStringList chartFormats(const QStringList& formats)
{
    QStringList charts;
    for (const QString& format : formats) {
        if (RenderCommandLine::isChartFormat(format))
            charts.append(format);
    }
    return charts;
}

QString chartFormatOf(const QString& name)
{
    return QFileInfo(name).suffix().toLower();
}
} // namespace

bool RenderCommandLine::isChartFormat(const QString& format)
{
    if (format == QLatin1String("svg") || format == QLatin1String("pdf"))
        return true;
    return !format.isEmpty() && QImageWriter::supportedImageFormats().contains(format.toLatin1());
}

bool RenderCommandLine::isDataFormat(const QString& format)
{
    return format == QLatin1String("csv") || format == QLatin1String("json");
}

QString RenderCommandLine::streamedChartFormat(const RenderOptions& options)
{
    const QStringList charts = chartFormats(options.formats);
    return charts.isEmpty() ? QStringLiteral("png") : charts.first();
}

bool RenderCommandLine::parse(const QStringList& arguments, RenderOptions& options, QString& error)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        tr("Renders the blur plot of Zidov projects, and the numbers behind it, without a "
           "window. Without a project it renders the start-up state. A file name of - "
           "writes to standard output."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption output({QStringLiteral("o"), QStringLiteral("output")},
                                    tr("Write the chart to FILE: PNG, SVG, PDF or JPEG by its "
                                       "suffix."),
                                    tr("FILE"));
    const QCommandLineOption outputDir(QStringLiteral("output-dir"),
                                       tr("Write one file per project and format into DIR, "
                                          "named after the project."),
                                       tr("DIR"));
    const QCommandLineOption format(QStringLiteral("format"),
                                    tr("With --output-dir: png, svg, pdf, jpg, csv or json; "
                                       "may be repeated or separated by commas. Also the "
                                       "chart's format for --output -."),
                                    tr("FORMAT"));
    const QCommandLineOption size(QStringLiteral("size"),
                                  tr("The plot's size in pixels (default: its size in the "
                                     "window at the window's default size)."),
                                  tr("WIDTHxHEIGHT"));
    const QCommandLineOption scale(QStringLiteral("scale"),
                                   tr("Device pixels per pixel of a bitmap chart: 2 gives "
                                      "twice the pixels with the same layout (default 1)."),
                                   tr("F"));
    const QCommandLineOption csv(QStringLiteral("csv"),
                                 tr("Write the curve data to FILE: the distance on the axis "
                                    "in the unit of --units and the zc of each camera "
                                    "switched on, one row per plot column."),
                                 tr("FILE"));
    const QCommandLineOption units(QStringLiteral("units"),
                                   tr("Distances on the chart and in the CSV in metres (m, "
                                      "the default) or feet (ft)."),
                                   tr("m|ft"));
    const QCommandLineOption json(QStringLiteral("json"),
                                  tr("Write each camera's inputs, limits and caption to FILE "
                                     "as JSON, lengths in millimetres."),
                                  tr("FILE"));
    const QCommandLineOption trace(QStringLiteral("trace"),
                                   tr("Write the diagnostic trace lines to standard error."));
    const QCommandLineOption dofLimits(QStringLiteral("dof-limits"),
                                       tr("Show the near and far limits of the depth of field "
                                          "in the captions, as \"DOF Mode\" does."));
    const QCommandLineOption logScale(QStringLiteral("log-scale"),
                                      tr("Draw the zc axis logarithmically, as \"log Scale\" "
                                         "does."));
    const QCommandLineOption settingsTable(
        QStringLiteral("settings-table"),
        tr("Add a table of each camera's settings and limits, and the comparison of the two, "
           "below the chart, as \"Settings in exports\" does."));
    const QCommandLineOption jobs(
        QStringLiteral("jobs"),
        tr("Render N projects at once, each on a thread of its own (default: one per "
           "processor core, here %1); 1 renders one project after another. Files and "
           "messages come out in the order of the projects either way.")
            .arg(QThread::idealThreadCount()),
        tr("N"));
    const QCommandLineOption pngCompression(
        QStringLiteral("png-compression"),
        tr("How hard PNG charts are compressed, from 0 (fastest, largest files) to 9 "
           "(smallest, slowest); the pixels are the same at every level. The default %1 "
           "writes files about a fifth larger than 6, the window's level, in little more "
           "than half the time.")
            .arg(RenderOptions::defaultPngCompression),
        tr("N"));
    parser.addOptions({output, outputDir, format, size, scale, csv, json, units, trace, dofLimits,
                       logScale, settingsTable, jobs, pngCompression});
    parser.addPositionalArgument(tr("projects"), tr("Project files (.mvx) to render."),
                                 tr("[project.mvx ...]"));

    if (!parser.parse(arguments)) {
        error = parser.errorText();
        return false;
    }
    if (parser.isSet(help))
        parser.showHelp(0);
    if (parser.isSet(version))
        parser.showVersion();

    options.projects = parser.positionalArguments();
    options.output = parser.value(output);
    options.outputDir = parser.value(outputDir);
    options.csv = parser.value(csv);
    options.json = parser.value(json);
    options.trace = parser.isSet(trace);
    options.dofLimits = parser.isSet(dofLimits);
    options.logScale = parser.isSet(logScale);
    options.settingsTable = parser.isSet(settingsTable);
    for (const QString& value : parser.values(format)) {
        for (const QString& one : value.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            const QString lower = one.trimmed().toLower();
            if (!isChartFormat(lower) && !isDataFormat(lower)) {
                error = tr("Unknown format: %1").arg(one);
                return false;
            }
            if (!options.formats.contains(lower))
                options.formats.append(lower);
        }
    }
    if (parser.isSet(units)) {
        const QString unit = parser.value(units);
        if (unit != QLatin1String("m") && unit != QLatin1String("ft")) {
            error = tr("--units wants m or ft, not %1").arg(unit);
            return false;
        }
        options.unit = unit == QLatin1String("ft") ? LengthUnit::Feet : LengthUnit::Metres;
    }
    options.jobs = std::max(1, QThread::idealThreadCount());
    if (parser.isSet(jobs) && !parseWhole(parser.value(jobs), 1, maxJobs, options.jobs)) {
        error = tr("--jobs wants a whole number from 1 to %1, not %2")
                    .arg(maxJobs)
                    .arg(parser.value(jobs));
        return false;
    }
    if (parser.isSet(pngCompression) &&
        !parseWhole(parser.value(pngCompression), 0, 9, options.pngCompression)) {
        error = tr("--png-compression wants a whole number from 0 to 9, not %1")
                    .arg(parser.value(pngCompression));
        return false;
    }
    if (parser.isSet(size) && !parseSize(parser.value(size), options.size)) {
        error = tr("--size wants WIDTHxHEIGHT in pixels, each from 1 to %1, not %2")
                    .arg(maxPlotSide)
                    .arg(parser.value(size));
        return false;
    }
    if (parser.isSet(scale)) {
        bool ok = false;
        options.scale = parser.value(scale).toDouble(&ok);
        if (!ok || !std::isfinite(options.scale) || options.scale <= 0 ||
            options.scale > maxScale) {
            error = tr("--scale wants a number above 0 and up to %1, not %2")
                        .arg(maxScale)
                        .arg(parser.value(scale));
            return false;
        }
    }

    if (options.output.isEmpty() && options.csv.isEmpty() && options.json.isEmpty() &&
        options.outputDir.isEmpty()) {
        error = tr("Nothing to write: give --output, --csv, --json or --output-dir.");
        return false;
    }
    if (!options.outputDir.isEmpty() && options.formats.isEmpty()) {
        error = tr("--output-dir needs --format.");
        return false;
    }
    if (!options.outputDir.isEmpty() && options.projects.isEmpty()) {
        error = tr("--output-dir names its files after projects; give at least one.");
        return false;
    }
    const bool singleOutputs =
        !options.output.isEmpty() || !options.csv.isEmpty() || !options.json.isEmpty();
    if (singleOutputs && options.projects.size() > 1) {
        error = tr("--output, --csv and --json take one project; for several use "
                   "--output-dir and --format.");
        return false;
    }
    if (options.output == QLatin1String("-")) {
        if (chartFormats(options.formats).size() > 1) {
            error = tr("--output - writes one chart; give one chart format.");
            return false;
        }
    } else if (!options.output.isEmpty() && !isChartFormat(chartFormatOf(options.output))) {
        error = tr("Cannot tell the chart's format from %1: end it in .png, .svg, .pdf or "
                   ".jpg.")
                    .arg(options.output);
        return false;
    }

    bool bitmap = options.output == QLatin1String("-")
                      ? isBitmapFormat(streamedChartFormat(options))
                      : isBitmapFormat(chartFormatOf(options.output));
    if (!options.outputDir.isEmpty())
        bitmap =
            bitmap || std::any_of(options.formats.begin(), options.formats.end(), isBitmapFormat);
    const QSizeF devicePixels = QSizeF(options.size) * options.scale;
    if (bitmap && options.size.isValid() &&
        (devicePixels.width() > maxBitmapSide || devicePixels.height() > maxBitmapSide ||
         devicePixels.width() * devicePixels.height() > maxBitmapPixels)) {
        error = tr("A bitmap of %1 x %2 device pixels is too large; choose a smaller --size "
                   "or --scale.")
                    .arg(qRound64(devicePixels.width()))
                    .arg(qRound64(devicePixels.height()));
        return false;
    }

    // Two projects of the same name would overwrite each other's files.
    QSet<QString> names;
    for (const QString& project : options.projects) {
        const QString name = QFileInfo(project).completeBaseName();
        if (!options.outputDir.isEmpty() && names.contains(name)) {
            error =
                tr("Two projects are named %1; their files would overwrite each other.").arg(name);
            return false;
        }
        names.insert(name);
    }
    return true;
}
