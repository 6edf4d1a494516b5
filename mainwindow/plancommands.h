// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include "camerasetup.h"
#include "projectrecord.h"
#include "shotplans.h"

#include <QObject>

#include <functional>
#include <optional>

class FramingPlanner;
class QAction;
class QDialog;
class StackPlanner;
class ZonePlanner;
class mainWin;

// The Plan menu: dialogs that answer the other way round, from what must be sharp or framed
// to the settings, and the focus stack on show on the plot, which goes when what it was
// planned from changes (its camera's lens, CoC, diffraction, lens quality) or that camera is
// switched off.
class PlanCommands : public QObject
{
    Q_OBJECT

public:
    explicit PlanCommands(mainWin* window);
    // Before the plot is drawn anew: a stack planned for other settings is no longer shown.
    void followCameras();
    // After a recalculation: open dialogs answer for the new settings.
    void updateDialogs();
    // The stack on show on the plot, for its camera; none when nothing is shown.
    void showStack(int camera, const ShotPlans::FocusStack& stack);
    // The stack on show as a project stores it, and the stack of an opened project, shown
    // from the next recalculation on for its camera as that then is (none clears it).
    FocusStackRecord stackRecord() const;
    void restoreStack(const FocusStackRecord& record);

private:
    QAction* addCommand(const char* objectName, const QString& text,
                        std::function<QDialog*()> dialog);
    // The dialogs are made when first asked for: the window's first picture does not wait
    // for them.
    ZonePlanner* zone();
    StackPlanner* stack();
    FramingPlanner* framing();

    mainWin* window;
    ZonePlanner* zonePlanner = nullptr;
    StackPlanner* stackPlanner = nullptr;
    FramingPlanner* framingPlanner = nullptr;
    std::optional<ShotPlans::FocusStack> shown;
    std::optional<FocusStackRecord> restoring;
    int camera = 1;
    // The camera as it was when its stack was shown.
    CameraSetup shownFor;
};
