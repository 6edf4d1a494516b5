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

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <optional>

namespace {
const QString standardOutput = QStringLiteral("-");

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

std::unique_ptr<RenderedProject> ProjectRenderer::draw(const QString& project) const
{
    auto rendered = std::make_unique<RenderedProject>();
    Drawing drawing;
    ProjectRecord& record = drawing.record;
    record = ProjectCameras::startupProject();
    // A project opens in expert mode, as File > Open switches to it.
    const bool expert = !project.isEmpty();
    if (expert) {
        const ProjectRead::Result read = ProjectRead::read(project, Trace::out());
        if (!read.refusal.isEmpty()) {
            rendered->said.append(read.refusal);
            rendered->outcome = RenderRefused;
            return rendered;
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
    // The screen's pixel ratio is the read-out's business; no export depends on it.
    drawing.plot.setSize(size, 1);
    drawing.plot.setFocusStack(stackOnPlot(record.focusStack, input));
    drawing.plot.setInput(input);
    drawOutputs(project, drawing, *rendered);
    return rendered;
}

void ProjectRenderer::drawOutputs(const QString& project, Drawing& drawing,
                                  RenderedProject& rendered) const
{
    PlotDrawing& plot = drawing.plot;
    using Output = RenderedProject::Output;
    if (!options.output.isEmpty()) {
        const QString format = options.output == standardOutput
                                   ? RenderCommandLine::streamedChartFormat(options)
                                   : QFileInfo(options.output).suffix().toLower();
        addChart(options.output, format, drawing, rendered);
    }
    if (!options.csv.isEmpty())
        rendered.outputs.push_back({Output::Data, options.csv, {}, {}, PlotData(plot).csv()});
    if (!options.json.isEmpty())
        rendered.outputs.push_back(
            {Output::Data, options.json, {}, {}, PlotData(plot).json(project)});
    if (options.outputDir.isEmpty())
        return;

    const QDir dir(options.outputDir);
    rendered.outputs.push_back({Output::Folder, dir.path(), {}, {}, {}});
    const QString base = QFileInfo(project).completeBaseName();
    for (const QString& format : options.formats) {
        const QString name = dir.filePath(base + QLatin1Char('.') + format);
        if (format == QLatin1String("csv"))
            rendered.outputs.push_back({Output::Data, name, {}, {}, PlotData(plot).csv()});
        else if (format == QLatin1String("json"))
            rendered.outputs.push_back({Output::Data, name, {}, {}, PlotData(plot).json(project)});
        else
            addChart(name, format, drawing, rendered);
    }
}

void ProjectRenderer::addChart(const QString& name, const QString& format, Drawing& drawing,
                               RenderedProject& rendered) const
{
    PlotDrawing& plot = drawing.plot;
    std::optional<SettingsTable> table;
    if (options.settingsTable)
        table = projectSettingsTable(drawing.record, *plot.input());
    const SettingsTable* const settings = table ? &*table : nullptr;
    RenderedProject::Output chart{RenderedProject::Output::Chart, name, format, {}, {}};
    if (PlotExport::isVectorFormat(format)) {
        QBuffer buffer(&chart.bytes);
        buffer.open(QIODevice::WriteOnly);
        chart.drawn = PlotExport::write(plot, buffer, format, options.scale, settings);
    } else {
        chart.image = PlotExport::image(plot, options.scale, settings);
        chart.drawn = !chart.image.isNull();
    }
    rendered.outputs.push_back(std::move(chart));
}

void RenderedProject::write(int pngCompression)
{
    bool ok = true;
    for (const Output& output : outputs) {
        if (output.kind == Output::Folder) {
            if (!QDir(output.name).mkpath(QStringLiteral("."))) {
                said.append(ProjectRenderer::tr("Could not create the folder %1")
                                .arg(QDir::toNativeSeparators(output.name)));
                ok = false;
                break;
            }
        } else if (output.kind == Output::Chart) {
            ok = writeChart(output, pngCompression) && ok;
        } else {
            ok = writeData(output.bytes, output.name) && ok;
        }
    }
    // Drawn pictures are large; a batch keeps only the messages.
    outputs.clear();
    if (!ok)
        outcome = RenderWriteFailed;
}

bool RenderedProject::writeChart(const Output& output, int pngCompression)
{
    QByteArray encoded = output.bytes;
    bool drawn = output.drawn;
    if (drawn && !output.image.isNull()) {
        QBuffer buffer(&encoded);
        buffer.open(QIODevice::WriteOnly);
        drawn = PlotExport::encode(output.image, buffer, output.format, pngCompression);
    }
    QString error;
    bool written = false;
    if (!drawn) {
        error = PlotDrawing::tr("The image could not be drawn in this format.");
    } else if (output.name == standardOutput) {
        StandardOutput out;
        written = out.device().write(encoded) == encoded.size() && out.finish();
        error = out.device().errorString();
    } else {
        // Whole in memory first, as every other output, so that a failure keeps an older file.
        written = ProjectFile::write(output.name, encoded, error);
    }
    if (!written)
        said.append(ProjectRenderer::tr("Could not write the chart to %1: %2")
                        .arg(QDir::toNativeSeparators(output.name), error));
    return written;
}

bool RenderedProject::writeData(const QByteArray& bytes, const QString& name)
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
    said.append(
        ProjectRenderer::tr("Could not write %1: %2").arg(QDir::toNativeSeparators(name), error));
    return false;
}
