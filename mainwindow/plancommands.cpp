// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "plancommands.h"

#include "framingplanner.h"
#include "graph.h"
#include "mainwin.h"
#include "plantarget.h"
#include "stackplanner.h"
#include "windowform.h"
#include "zoneplanner.h"

#include <QMenu>

#include <vector>

namespace {
// What a stack was planned from; its shots have a focus and f-number of their own, so the
// camera may be focused and stopped down to look at them one by one.
bool samePlanningBasis(const CameraSetup& a, const CameraSetup& b)
{
    return a.getFlength() == b.getFlength() && a.getCoc() == b.getCoc() &&
           a.getCrop() == b.getCrop() && a.getDiffraction() == b.getDiffraction() &&
           a.getLensQuality() == b.getLensQuality() && a.getDiffFactor() == b.getDiffFactor();
}
} // namespace

PlanCommands::PlanCommands(mainWin* window_) : QObject(window_), window(window_)
{
    auto* menu = new QMenu(tr("&Plan"), windowForm(*window).menubar);
    menu->setObjectName(QStringLiteral("menuPlan"));
    // After Compare, which comes before the optimizer's menu.
    windowForm(*window).menubar->insertMenu(windowForm(*window).menuOptimizer->menuAction(), menu);
    menu->addAction(
        addCommand("actionPlanZone", tr("&Sharp from … to …"), [this] { return zone(); }));
    menu->addAction(addCommand("actionPlanStack", tr("&Focus stack…"), [this] { return stack(); }));
    menu->addAction(addCommand("actionPlanFraming", tr("F&raming by subject size…"),
                               [this] { return framing(); }));
}

ZonePlanner* PlanCommands::zone()
{
    if (!zonePlanner) {
        zonePlanner = new ZonePlanner(*window, window);
        connect(zonePlanner, &ZonePlanner::stackWanted, this,
                [this](int camera, double nearMetres, double farMetres) {
                    stack()->planFor(camera, nearMetres, farMetres);
                });
    }
    return zonePlanner;
}

StackPlanner* PlanCommands::stack()
{
    if (!stackPlanner) {
        stackPlanner = new StackPlanner(*window, window);
        connect(stackPlanner, &StackPlanner::showOnPlot, this,
                [this](int number, const ShotPlans::FocusStack& shots) {
                    showStack(number, shots);
                    window->run();
                });
    }
    return stackPlanner;
}

FramingPlanner* PlanCommands::framing()
{
    if (!framingPlanner)
        framingPlanner = new FramingPlanner(*window, window);
    return framingPlanner;
}

QAction* PlanCommands::addCommand(const char* objectName, const QString& text,
                                  std::function<QDialog*()> dialogOf)
{
    auto* command = new QAction(text, window);
    command->setObjectName(QLatin1String(objectName));
    connect(command, &QAction::triggered, this, [this, dialogOf] {
        // The cameras' settings are those of expert mode, as for the optimizer.
        if (window->expertMode == 0)
            window->switchpromode();
        QDialog* const dialog = dialogOf();
        dialog->show();
        dialog->raise();
        dialog->activateWindow();
    });
    return command;
}

void PlanCommands::showStack(int number, const ShotPlans::FocusStack& stack)
{
    if (stack.shots.empty()) {
        shown.reset();
        window->graphWidget->setFocusStack(std::nullopt);
        return;
    }
    camera = number;
    shown = stack;
    shownFor = PlanTarget(*window, number).record();
    StackOnPlot onPlot{number, shownFor, {}};
    onPlot.setup.setAperture(stack.aperture);
    for (const ShotPlans::Shot& shot : stack.shots)
        onPlot.focuses.push_back(shot.focus);
    if (stack.method == ShotPlans::StackMethod::FocusingRail)
        onPlot.railFocus = stack.lensFocus;
    window->graphWidget->setFocusStack(std::move(onPlot));
}

FocusStackRecord PlanCommands::stackRecord() const
{
    if (restoring)
        return *restoring;
    FocusStackRecord record;
    if (!shown)
        return record;
    record.camera = camera;
    record.aperture = shown->aperture;
    for (const ShotPlans::Shot& shot : shown->shots)
        record.focusDistances.append(shot.focus / 1000);
    if (shown->method == ShotPlans::StackMethod::FocusingRail)
        record.railFocus = shown->lensFocus / 1000;
    return record;
}

void PlanCommands::restoreStack(const FocusStackRecord& record)
{
    restoring = record;
}

void PlanCommands::followCameras()
{
    if (restoring) {
        const FocusStackRecord record = *restoring;
        restoring.reset();
        ShotPlans::FocusStack stack;
        if (record.camera == 1 || record.camera == 2) {
            CameraSetup atAperture = PlanTarget(*window, record.camera).record();
            atAperture.setAperture(record.aperture);
            std::vector<double> focuses;
            for (const double metres : record.focusDistances)
                focuses.push_back(metres * 1000);
            stack = ShotPlans::stackOf(atAperture, focuses, record.railFocus * 1000);
        }
        showStack(record.camera, stack);
    }
    if (!shown)
        return;
    const PlanTarget target(*window, camera);
    if (!target.switchedOn() || !samePlanningBasis(target.record(), shownFor))
        showStack(camera, ShotPlans::FocusStack());
}

void PlanCommands::updateDialogs()
{
    // A dialog not yet made has nothing on show to answer for.
    if (zonePlanner)
        zonePlanner->update();
    if (stackPlanner)
        stackPlanner->update();
    if (framingPlanner)
        framingPlanner->update();
}
