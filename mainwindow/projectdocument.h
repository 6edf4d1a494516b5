// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include "projectrecord.h"

#include <QObject>
#include <QString>

class mainWin;

// The open project file as the window shows it: its name in the title, marked while the
// inputs differ from what was last loaded from or saved to it. Before that project is set
// aside (New, Open, Quit, closing the window) a changed one is offered for saving. Without a
// file nothing is marked or asked: the start-up state is nobody's document.
class ProjectDocument : public QObject
{
public:
    // Takes the window's inputs as they are now as its start-up state.
    explicit ProjectDocument(mainWin* window);

    // The inputs now hold what the file holds: it was just loaded or saved.
    void attach(const QString& fileName);
    // No file any more, as at start-up.
    void detach();
    // Follows every recalculation, so the title's mark follows every change.
    void inputsChanged();
    bool isModified();
    // True when the project may be replaced or the window closed: nothing unsaved, or the
    // user saved it or chose to discard it. False on Cancel and when saving failed.
    bool maySetAside();

    const ProjectRecord& startUpInputs() const { return startUp; }

private:
    QString shownName() const;

    mainWin* window;
    // Apart from the window's fileName, which a load sets before the controls are filled.
    QString openFile;
    ProjectRecord startUp;
    ProjectRecord inFile;
};
