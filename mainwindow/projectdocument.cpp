// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "projectdocument.h"

#include "mainwin.h"
#include "projectcontrols.h"

#include <QFileInfo>
#include <QMessageBox>

ProjectDocument::ProjectDocument(mainWin* window_)
    : QObject(window_), window(window_), startUp(projectFromControls(*window_)), inFile(startUp)
{
}

void ProjectDocument::attach(const QString& fileName)
{
    window->fileName = fileName;
    openFile = fileName;
    inFile = projectFromControls(*window);
    window->setWindowTitle(QLatin1String("Zidov - ") + shownName() + QLatin1String("[*]"));
    window->setWindowModified(false);
}

void ProjectDocument::detach()
{
    window->fileName = QString(QLatin1String(""));
    openFile.clear();
    window->setWindowTitle(QStringLiteral("Zidov"));
    window->setWindowModified(false);
}

void ProjectDocument::inputsChanged()
{
    window->setWindowModified(isModified());
}

bool ProjectDocument::isModified()
{
    // Compared as the file would store them, so a value changed and changed back is no change,
    // and what a file does not hold (the mode, the log scale) never is one.
    return !openFile.isEmpty() && projectFromControls(*window) != inFile;
}

bool ProjectDocument::maySetAside()
{
    if (!isModified())
        return true;
    QMessageBox box(QMessageBox::Question, QStringLiteral("Zidov"),
                    mainWin::tr("Save changes to %1?").arg(shownName()),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, window);
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Save:
        // A failed save has said why; the project stays, with its changes.
        return window->saveTo(openFile);
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

QString ProjectDocument::shownName() const
{
    return QFileInfo(openFile).fileName();
}
