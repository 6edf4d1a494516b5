// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include "shotplans.h"

#include <QDialog>

#include <memory>
#include <optional>

namespace Ui {
class ZonePlanner;
}
class QWidget;
class WindowSurface;

// "Sharp from … to …": where to focus and how far to stop down so that a zone is sharp.
// Apply sets the camera's focus and the widest third stop that holds the zone, in one
// recalculation; where no f-number holds it, a focus stack is offered instead.
class ZonePlanner : public QDialog
{
    Q_OBJECT

public:
    ZonePlanner(WindowSurface& window, QWidget* parent);
    ~ZonePlanner() override;
    // The answer follows the camera's settings and the unit on show while the dialog is open.
    void update();

signals:
    // A focus stack for the same camera and zone: near and far in metres, far 0 for infinity.
    void stackWanted(int camera, double nearMetres, double farMetres);

protected:
    void showEvent(QShowEvent* event) override;

private:
    int camera() const;
    void apply();

    std::unique_ptr<Ui::ZonePlanner> ui;
    WindowSurface& window;
    std::optional<ShotPlans::ZonePlan> plan;
};
