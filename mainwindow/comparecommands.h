// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include "cameramatch.h"

#include <QObject>

#include <vector>

class QAction;
class QMenu;
class mainWin;

// The Compare menu: commands that set Camera 2 to match Camera 1 in one respect. The model
// solves; the answer goes into Camera 2's boxes as one change, or a message says what it
// would take and nothing changes.
class CompareCommands : public QObject
{
    Q_OBJECT

public:
    explicit CompareCommands(mainWin* window);
    // In expert mode with both cameras switched on.
    void setAvailable(bool available);
    QMenu* menu() const { return compareMenu; }

private:
    using Solver = CameraMatch::Result (*)(const CameraSetup& one, const CameraSetup& two,
                                           const CameraMatch::InputBoxes& boxes);
    void addCommand(const char* objectName, const QString& text, Solver solve);
    void match(const QAction* command, Solver solve);
    CameraMatch::InputBoxes cameraTwoBoxes() const;
    QString refusal(const CameraMatch::Result& result) const;
    // A distance in the unit on show, for a message.
    QString distance(double millimetres) const;

    mainWin* window;
    QMenu* compareMenu;
    std::vector<QAction*> commands;
};
