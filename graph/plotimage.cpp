// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "graph.h"
#include "plotdrawing.h"
#include "plotexport.h"
#include "wholefile.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPainter>

QImage PlotDrawing::renderImage(qreal pixelRatio)
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
    if (!PlotExport::write(drawing(), buffer, QFileInfo(fileName).suffix().toLower(), pixelRatio,
                           table))
        reason = tr("The image could not be drawn in this format.");
    else if (WholeFile::write(fileName, buffer.data(), reason))
        return true;
    if (error)
        *error = reason;
    return false;
}
