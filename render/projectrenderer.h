// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include "plotdrawing.h"
#include "projectrecord.h"
#include "renderoptions.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QImage>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

// Exit statuses of zidov-render; a worse one wins over a better one.
enum RenderStatus
{
    RenderDone = 0,
    RenderWriteFailed = 1,
    RenderRefused = 2
};

// One project's outputs, drawn and waiting to be encoded and written. Holds no widget, so
// that any thread may write it; what went wrong waits in messages for its turn on standard
// error, so that a batch's messages keep the order of its projects.
class RenderedProject
{
public:
    // Encodes and writes every output in the order asked for; once only.
    void write(int pngCompression);
    RenderStatus status() const { return outcome; }
    const QStringList& messages() const { return said; }

private:
    friend class ProjectRenderer;
    struct Output
    {
        enum Kind
        {
            Folder, // the folder of --output-dir, made before its files
            Chart,
            Data
        };
        Kind kind;
        QString name;
        QString format;   // a bitmap chart's, for its encoder
        QImage image;     // a bitmap chart still to encode
        QByteArray bytes; // a vector chart or data, ready
        bool drawn = true;
    };
    bool writeChart(const Output& output, int pngCompression);
    bool writeData(const QByteArray& bytes, const QString& name);

    std::vector<Output> outputs;
    RenderStatus outcome = RenderDone;
    QStringList said;
};

// Renders one project into the outputs the options ask for, as a freshly started program
// shows it after File > Open: the record as the window's controls would hold it, its
// cameras derived as the window's recalculation derives them, drawn by a plot that is
// never shown. No window or widget is made, and nothing is shared between projects: any
// number of threads may draw projects with one renderer at once.
class ProjectRenderer
{
    Q_DECLARE_TR_FUNCTIONS(ProjectRenderer)

public:
    explicit ProjectRenderer(const RenderOptions& options);

    // An empty name renders the start-up state. A refused project has nothing to write and
    // says why.
    std::unique_ptr<RenderedProject> draw(const QString& project) const;

private:
    // One project on its way: the record as the window's controls would hold it, and a
    // plot of its own, as each project used to get a window of its own (the pens of a plot
    // keep the widths of its last paint, which a vector file writes out).
    struct Drawing
    {
        ProjectRecord record;
        PlotDrawing plot;
    };
    void drawOutputs(const QString& project, Drawing& drawing, RenderedProject& rendered) const;
    void addChart(const QString& name, const QString& format, Drawing& drawing,
                  RenderedProject& rendered) const;

    const RenderOptions& options;
};
