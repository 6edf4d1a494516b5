// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "sharecommands.h"

#include "graph.h"
#include "mainwin.h"
#include "plotexport.h"
#include "settingstablesource.h"
#include "storedsettings.h"
#include "windowform.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace {
const QString exportSettingsKey = QStringLiteral("view/settingsInExports");
// Long enough to read a sentence.
constexpr int messageMilliseconds = 10000;
} // namespace

ShareCommands::ShareCommands(mainWin* window_) : QObject(window_), window(window_)
{
    if (const auto settings = StoredSettings::open())
        windowForm(*window).actionExportSettings->setChecked(
            settings->value(exportSettingsKey).toBool());
    connect(windowForm(*window).actionExportSettings, &QAction::toggled, this, [](bool on) {
        if (const auto settings = StoredSettings::open())
            settings->setValue(exportSettingsKey, on);
    });
    // A text field keeps Ctrl+C for its text: it takes the key before the window's shortcut.
    windowForm(*window).actionCopyChart->setShortcuts(QKeySequence::Copy);
    connect(windowForm(*window).actionCopyChart, &QAction::triggered, this,
            &ShareCommands::copyChart);
    connect(windowForm(*window).actionCopyNumbers, &QAction::triggered, this,
            &ShareCommands::copyNumbers);
}

std::optional<SettingsTable> ShareCommands::exportTable() const
{
    if (!windowForm(*window).actionExportSettings->isChecked())
        return std::nullopt;
    return settingsTableOf(*window);
}

void ShareCommands::copyChart()
{
    graph& plot = *window->graphWidget;
    const std::optional<SettingsTable> table = exportTable();
    const SettingsTable* const settings = table ? &*table : nullptr;
    const QImage image = PlotExport::image(plot.drawing(), plot.devicePixelRatioF(), settings);
    QBuffer svg;
    if (image.isNull() || !svg.open(QIODevice::WriteOnly) ||
        !PlotExport::write(plot.drawing(), svg, QStringLiteral("svg"), 1, settings)) {
        window->statusBar()->showMessage(tr("The chart could not be copied."), messageMilliseconds);
        return;
    }
    auto* data = new QMimeData;
    data->setImageData(image);
    data->setData(QStringLiteral("image/svg+xml"), svg.data());
    QGuiApplication::clipboard()->setMimeData(data);
}

void ShareCommands::copyNumbers()
{
    QGuiApplication::clipboard()->setText(settingsTableOf(*window).tabSeparated());
}
