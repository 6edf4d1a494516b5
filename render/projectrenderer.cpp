// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "projectrenderer.h"

#include "defaultplotsize.h"
#include "plotdata.h"
#include "plotexport.h"
#include "projectcameras.h"
#include "projectfile.h"
#include "projectread.h"
#include "projectsettingstable.h"
#include "trace.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <optional>

namespace {
const QString standardOutput = QStringLiteral("-");

void tell(const QString& message)
{
    std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}

// Standard output carries data only; the program sends the trace elsewhere.
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

RenderStatus ProjectRenderer::render(const QString& project)
{
    record = ProjectCameras::startupProject();
    // A project opens in expert mode, as File > Open switches to it.
    const bool expert = !project.isEmpty();
    if (expert) {
        const ProjectRead::Result read = ProjectRead::read(project, Trace::out());
        if (!read.refusal.isEmpty()) {
            tell(read.refusal);
            return RenderRefused;
        }
        ProjectRead::traceRecord(Trace::out(), read.record);
        // In feet the distance boxes hold what was typed in feet exactly.
        record = ProjectCameras::asControlsHold(read.record, options.unit);
    }
    const ProjectCameras::Cameras cameras =
        ProjectCameras::derive(record, ProjectCameras::startupDiffractionFactor);
    PlotInput input = ProjectCameras::plotInput(record, cameras);
    input.expert = expert;
    input.unit = options.unit;
    // The project file stores neither view.
    input.dofLimits = options.dofLimits;
    input.logScale = options.logScale;
    const QSize size = options.size.isValid() ? options.size
                       : expert               ? DefaultPlotSize::expert
                                              : DefaultPlotSize::simple;
    plot = std::make_unique<graph>();
    plot->setFixedSize(size);
    plot->setFocusStack(stackOnPlot(record.focusStack, input));
    plot->setInput(input);
    return writeOutputs(project) ? RenderDone : RenderWriteFailed;
}

bool ProjectRenderer::writeOutputs(const QString& project)
{
    bool ok = true;
    if (!options.output.isEmpty()) {
        const QString format = options.output == standardOutput
                                   ? RenderCommandLine::streamedChartFormat(options)
                                   : QFileInfo(options.output).suffix().toLower();
        ok = writeChart(options.output, format) && ok;
    }
    if (!options.csv.isEmpty())
        ok = writeData(PlotData(*plot).csv(), options.csv) && ok;
    if (!options.json.isEmpty())
        ok = writeData(PlotData(*plot).json(project), options.json) && ok;
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
            ok = writeData(PlotData(*plot).csv(), name) && ok;
        else if (format == QLatin1String("json"))
            ok = writeData(PlotData(*plot).json(project), name) && ok;
        else
            ok = writeChart(name, format) && ok;
    }
    return ok;
}

bool ProjectRenderer::writeChart(const QString& name, const QString& format)
{
    std::optional<SettingsTable> table;
    if (options.settingsTable)
        table = projectSettingsTable(record, *plot->input());
    const SettingsTable* const settings = table ? &*table : nullptr;
    bool written = false;
    QString error;
    if (name == standardOutput) {
        StandardOutput out;
        written =
            PlotExport::write(*plot, out.device(), format, options.scale, settings) && out.finish();
        error = out.device().errorString();
    } else {
        // The suffix names the format, as in the window's export.
        written = plot->saveImage(name, options.scale, settings, &error);
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
