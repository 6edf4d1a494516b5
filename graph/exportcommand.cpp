// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "graph.h"
#include "mainwin.h"

#include <QFileInfo>
#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>

QImage graph::renderImage()
{
    QImage image(width(), height(), QImage::Format_ARGB32);
    if (image.isNull())
        return image;
    image.fill(QColor(220, 220, 220).rgba());
    QPainter painter(&image);
    graphDraw(&painter);
    return image;
}

bool graph::saveImage(const QString& fileName)
{
    const QImage image = renderImage();
    if (image.isNull())
        return false;
    // Through a temporary file, so that a failed export leaves an older image intact.
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QImageWriter writer(&file, QFileInfo(fileName).suffix().toLower().toLatin1());
    if (!writer.write(image)) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

void mainWin::exportImage() {}
