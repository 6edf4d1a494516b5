// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "graph.h"
#include "lastfolder.h"
#include "mainwin.h"
#include "plotexport.h"
#include "sharecommands.h"
#include "wholefile.h"

#include <QBuffer>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPainter>

QImage graph::renderImage(qreal pixelRatio)
{
    // A scaling painter keeps the layout of the widget's size and draws it with as many
    // device pixels as the screen shows it.
    QImage image((QSizeF(size()) * pixelRatio).toSize(), QImage::Format_ARGB32);
    if (image.isNull())
        return image;
    image.setDevicePixelRatio(pixelRatio);
    image.fill(exportBackground().rgba());
    QPainter painter(&image);
    graphDraw(&painter);
    return image;
}

bool graph::saveImage(const QString& fileName, qreal pixelRatio, const SettingsTable* table,
                      QString* error)
{
    // Whole in memory first, then written as every other output is, so that a failed export
    // (a full disk halfway through a PDF) leaves an older image intact and says why.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QString reason;
    if (!PlotExport::write(*this, buffer, QFileInfo(fileName).suffix().toLower(), pixelRatio,
                           table))
        reason = tr("The image could not be drawn in this format.");
    else if (WholeFile::write(fileName, buffer.data(), reason))
        return true;
    if (error)
        *error = reason;
    return false;
}

void mainWin::exportImage()
{
    // The bitmap stays the first and default choice.
    const QString filters = tr("Image (*.png)") + QLatin1String(";;") + tr("SVG image (*.svg)") +
                            QLatin1String(";;") + tr("PDF document (*.pdf)");
    exportImageTo(QFileDialog::getSaveFileName(this, tr("Export to image"),
                                               LastFolder::startDirectory(), filters));
}

bool mainWin::exportImageTo(const QString& chosenName)
{
    // The dialog was cancelled.
    if (chosenName.isEmpty())
        return false;
    QString name = chosenName;
    if (QFileInfo(name).suffix().isEmpty())
        name += QLatin1String(".png");
    // As sharp as the screen shows the plot; at a ratio of 1 one pixel per pixel.
    const std::optional<SettingsTable> table = shareCommands->exportTable();
    QString reason;
    if (graphWidget->saveImage(name, graphWidget->devicePixelRatioF(), table ? &*table : nullptr,
                               &reason)) {
        LastFolder::remember(name);
        return true;
    }
    QMessageBox::warning(this, tr("Export to image"),
                         tr("The image could not be written to %1.\nCheck that the folder "
                            "exists and is writable and that the name ends in an image "
                            "format such as .png.")
                                 .arg(QDir::toNativeSeparators(name)) +
                             QLatin1String("\n\n") + reason);
    return false;
}
