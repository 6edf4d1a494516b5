// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "projectrenderer.h"

#include "graph.h"
#include "mainwin.h"
#include "plotdata.h"
#include "plotexport.h"
#include "projectfile.h"
#include "projectopen.h"
#include "settingstablesource.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <iostream>
#include <optional>

namespace {
const QString standardOutput = QStringLiteral("-");

void tell(const QString& message)
{
    std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}

// The toolkit lays a shown window out in several rounds of posted events.
QSize settledPlotSize(mainWin& window)
{
    QSize plot;
    while (plot != window.graphWidget->size()) {
        plot = window.graphWidget->size();
        for (int round = 0; round < 5; ++round)
            QCoreApplication::processEvents();
    }
    return plot;
}

// Standard output carries data only: the trace goes to std::cout's own buffer, which the
// program points elsewhere, while this writes to the process's descriptor.
class StandardOutput
{
public:
    StandardOutput() { open = file.open(stdout, QIODevice::WriteOnly | QIODevice::Unbuffered); }
    QFile& device() { return file; }
    bool finish() { return open && file.error() == QFileDevice::NoError && file.flush(); }

private:
    QFile file;
    bool open = false;
};
} // namespace

ProjectRenderer::ProjectRenderer(const RenderOptions& options_) : options(options_) {}

QSize ProjectRenderer::plotSize(bool expertMode)
{
    if (options.size.isValid())
        return options.size;
    if (!simplePlot.isValid()) {
        mainWin probe;
        probe.show();
        simplePlot = settledPlotSize(probe);
        probe.switchpromode();
        expertPlot = settledPlotSize(probe);
    }
    return expertMode ? expertPlot : simplePlot;
}

RenderStatus ProjectRenderer::render(const QString& project)
{
    mainWin window;
    // Before loading: in feet the distance boxes hold what was typed in feet exactly.
    window.setLengthUnit(options.unit);
    if (!project.isEmpty()) {
        const QString refusal = openProjectFile(window, project, std::cout);
        if (!refusal.isEmpty()) {
            tell(refusal);
            return RenderRefused;
        }
    }
    window.graphWidget->setFixedSize(plotSize(window.expertMode != 0));
    // The project file stores neither view.
    if (options.dofLimits || options.logScale) {
        window.dofMode->setChecked(options.dofLimits);
        window.useLog->setChecked(options.logScale);
        window.run();
    }
    return writeOutputs(window, project) ? RenderDone : RenderWriteFailed;
}

bool ProjectRenderer::writeOutputs(mainWin& window, const QString& project)
{
    bool ok = true;
    if (!options.output.isEmpty()) {
        const QString format = options.output == standardOutput
                                   ? RenderCommandLine::streamedChartFormat(options)
                                   : QFileInfo(options.output).suffix().toLower();
        ok = writeChart(window, options.output, format) && ok;
    }
    if (!options.csv.isEmpty())
        ok = writeData(PlotData(window).csv(), options.csv) && ok;
    if (!options.json.isEmpty())
        ok = writeData(PlotData(window).json(project), options.json) && ok;
    if (options.outputDir.isEmpty())
        return ok;

    const QDir dir(options.outputDir);
    if (!dir.mkpath(QStringLiteral("."))) {
        tell(tr("Could not create the folder %1").arg(QDir::toNativeSeparators(dir.path())));
        return false;
    }
    const QString base = QFileInfo(project).completeBaseName();
    for (const QString& format : options.formats) {
        const QString name = dir.filePath(base + QLatin1Char('.') + format);
        if (format == QLatin1String("csv"))
            ok = writeData(PlotData(window).csv(), name) && ok;
        else if (format == QLatin1String("json"))
            ok = writeData(PlotData(window).json(project), name) && ok;
        else
            ok = writeChart(window, name, format) && ok;
    }
    return ok;
}

bool ProjectRenderer::writeChart(mainWin& window, const QString& name, const QString& format)
{
    graph& plot = *window.graphWidget;
    std::optional<SettingsTable> table;
    if (options.settingsTable)
        table = settingsTableOf(window);
    const SettingsTable* const settings = table ? &*table : nullptr;
    bool written = false;
    QString error;
    if (name == standardOutput) {
        StandardOutput out;
        written =
            PlotExport::write(plot, out.device(), format, options.scale, settings) && out.finish();
        error = out.device().errorString();
    } else {
        // The suffix names the format, as in the window's export.
        written = plot.saveImage(name, options.scale, settings, &error);
    }
    if (!written)
        tell(tr("Could not write the chart to %1: %2").arg(QDir::toNativeSeparators(name), error));
    return written;
}

bool ProjectRenderer::writeData(const QByteArray& bytes, const QString& name)
{
    QString error;
    if (name == standardOutput) {
        StandardOutput out;
        if (out.device().write(bytes) == bytes.size() && out.finish())
            return true;
        error = out.device().errorString();
    } else if (ProjectFile::write(name, bytes, error)) {
        return true;
    }
    tell(tr("Could not write %1: %2").arg(QDir::toNativeSeparators(name), error));
    return false;
}
