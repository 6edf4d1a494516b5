// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "graph.h"
#include "mainwin.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QImageWriter>
#include <QMessageBox>
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

void mainWin::exportImage()
{
    exportImageTo(QFileDialog::getSaveFileName(this, tr("Export to image"), QDir::currentPath(),
                                               tr("Image (*.png)")));
}

bool mainWin::exportImageTo(const QString& chosenName)
{
    // The dialog was cancelled.
    if (chosenName.isEmpty())
        return false;
    QString name = chosenName;
    if (QFileInfo(name).suffix().isEmpty())
        name += QLatin1String(".png");
    if (graphWidget->saveImage(name))
        return true;
    QMessageBox::warning(this, tr("Export to image"),
                         tr("The image could not be written to %1.\nCheck that the folder "
                            "exists and is writable and that the name ends in an image "
                            "format such as .png.")
                             .arg(QDir::toNativeSeparators(name)));
    return false;
}
