// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "graph.h"
#include "lastfolder.h"
#include "mainwin.h"
#include "plotexport.h"
#include "sharecommands.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPainter>
#include <QSaveFile>

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

bool graph::saveImage(const QString& fileName, qreal pixelRatio, const SettingsTable* table)
{
    // Through a temporary file, so that a failed export leaves an older image intact.
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // commit() ignores a failed flush (a full disk), so it is done and checked here.
    if (!PlotExport::write(*this, file, QFileInfo(fileName).suffix().toLower(), pixelRatio,
                           table) ||
        !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
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
    if (graphWidget->saveImage(name, graphWidget->devicePixelRatioF(), table ? &*table : nullptr)) {
        LastFolder::remember(name);
        return true;
    }
    QMessageBox::warning(this, tr("Export to image"),
                         tr("The image could not be written to %1.\nCheck that the folder "
                            "exists and is writable and that the name ends in an image "
                            "format such as .png.")
                             .arg(QDir::toNativeSeparators(name)));
    return false;
}
