// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "graph.h"
#include "plotexport.h"

#include <QFileInfo>
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

bool graph::saveImage(const QString& fileName, qreal pixelRatio)
{
    // Through a temporary file, so that a failed export leaves an older image intact.
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // commit() ignores a failed flush (a full disk), so it is done and checked here.
    if (!PlotExport::write(*this, file, QFileInfo(fileName).suffix().toLower(), pixelRatio) ||
        !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
