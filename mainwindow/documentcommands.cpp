// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "mainwin.h"
#include "projectcontrols.h"
#include "projectdocument.h"
#include "projectdrop.h"
#include "recentprojects.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QKeySequence>
#include <QMessageBox>

#include <sstream>

void mainWin::setUpDocumentCommands()
{
    // The inputs of this moment are the start-up state that File > New returns to.
    projectDocument = new ProjectDocument(this);
    recentProjects = new RecentProjects(menuRecent);
    connect(recentProjects, &RecentProjects::chosen, this, &mainWin::openRecentProject);
    auto* drop = new ProjectDrop(this);
    connect(drop, &ProjectDrop::dropped, this, [this](const QString& name) { openProject(name); });
    connect(actionNew, &QAction::triggered, this, &mainWin::newProject);

    const auto standardShortcut = [](QAction* action, QKeySequence::StandardKey key,
                                     const char* usual) {
        // Some platforms name no key for some commands (Save as on plain X11, Quit on
        // Windows); there the key most programs use does no harm.
        const QList<QKeySequence> keys = QKeySequence::keyBindings(key);
        action->setShortcuts(
            keys.isEmpty() ? QList<QKeySequence>{QKeySequence(QLatin1String(usual))} : keys);
    };
    standardShortcut(actionNew, QKeySequence::New, "Ctrl+N");
    standardShortcut(actionOpen, QKeySequence::Open, "Ctrl+O");
    standardShortcut(actionSave, QKeySequence::Save, "Ctrl+S");
    standardShortcut(actionSave_as, QKeySequence::SaveAs, "Ctrl+Shift+S");
    standardShortcut(actionQuit, QKeySequence::Quit, "Ctrl+Q");
    standardShortcut(actionHelp, QKeySequence::HelpContents, "F1");
}

bool mainWin::openProject(const QString& name)
{
    if (name.isEmpty() || !projectDocument->maySetAside())
        return false;
    return loadFrom(name);
}

void mainWin::openRecentProject(const QString& name)
{
    if (!QFileInfo::exists(name)) {
        recentProjects->remove(name);
        QMessageBox box(QMessageBox::Warning, QStringLiteral("Zidov"),
                        tr("The project file no longer exists:\n%1\n\nIt has been removed from "
                           "the recent projects.")
                            .arg(name),
                        QMessageBox::Ok, this);
        box.exec();
        return;
    }
    openProject(name);
}

void mainWin::newProject()
{
    if (!projectDocument->maySetAside())
        return;
    {
        RecalcBatch batch(this);
        // The loader's trace belongs to files; a new project has none.
        std::ostringstream noTrace;
        applyProjectToControls(*this, projectDocument->startUpInputs(), noTrace);
        useLog->setChecked(false);
        dofMode->setChecked(false);
        if (expertMode == 0)
            setSliderDefaults();
        // The two boxes above tell nobody when set from here.
        run();
    }
    projectDocument->detach();
}

void mainWin::closeEvent(QCloseEvent* event)
{
    if (projectDocument->maySetAside())
        event->accept();
    else
        event->ignore();
}
