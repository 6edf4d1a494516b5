// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "lastfolder.h"
#include "mainwin.h"
#include "projectcontrols.h"
#include "projectdocument.h"
#include "projectfile.h"
#include "projectopen.h"
#include "projectread.h"
#include "recentprojects.h"
#include "trace.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace {

QString projectFilter()
{
    return mainWin::tr("Zidov (*.mvx)");
}

QString askSaveName(mainWin* window)
{
    QString name = QFileDialog::getSaveFileName(window, mainWin::tr("Save File"),
                                                LastFolder::startDirectory(), projectFilter());
    // The Open dialog lists only *.mvx files; a project saved without the suffix would be
    // lost from view.
    if (!name.isEmpty() && QFileInfo(name).suffix().isEmpty())
        name += QLatin1String(".mvx");
    return name;
}

void warn(const QString& text)
{
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Zidov"), text, QMessageBox::Ok);
    box.setDefaultButton(QMessageBox::Ok);
    box.exec();
}

// The window's project is now this file, as it is on disk.
void projectFileInUse(mainWin& window, const QString& name)
{
    window.projectDocument->attach(name);
    window.recentProjects->add(name);
    LastFolder::remember(name);
}

} // namespace

void mainWin::load()
{
    openProject(QFileDialog::getOpenFileName(this, tr("Open File"), LastFolder::startDirectory(),
                                             projectFilter()));
}

void mainWin::save()
{
    saveTo(fileName.isEmpty() ? askSaveName(this) : fileName);
}

void mainWin::saveAs()
{
    saveTo(askSaveName(this));
}

bool mainWin::saveTo(const QString& name)
{
    // A cancelled dialog keeps the current project, so the next Save still goes there.
    if (name.isEmpty())
        return false;
    QString error;
    if (!ProjectFile::save(name, projectFromControls(*this), error)) {
        warn(tr("Could not save the project file:\n") + name + QLatin1String("\n\n") + error);
        return false;
    }
    projectFileInUse(*this, name);
    return true;
}

bool mainWin::loadFrom(const QString& name)
{
    if (name.isEmpty())
        return false;
    const QString refusal = openProjectFile(*this, name, Trace::out());
    if (!refusal.isEmpty()) {
        warn(refusal);
        return false;
    }
    projectFileInUse(*this, name);
    return true;
}

QString openProjectFile(mainWin& window, const QString& name, std::ostream& trace)
{
    // The whole file is checked first: a refused file changes no control, not even the
    // mode, and leaves the current project's name in place.
    const ProjectRead::Result read = ProjectRead::read(name, trace);
    if (!read.refusal.isEmpty())
        return read.refusal;

    mainWin::RecalcBatch batch(&window);
    if (window.expertMode == 0)
        window.switchpromode();
    window.fileName = name;
    applyProjectToControls(window, read.record, trace);
    window.run();
    return QString();
}
