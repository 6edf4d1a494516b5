// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include "shotplans.h"

#include <QDialog>

#include <memory>
#include <optional>

namespace Ui {
class StackPlanner;
}
class QWidget;
class WindowSurface;

// "Focus stack…": the shots whose depths of field together cover a zone, nearest first, by
// the focus ring (the fewest) or on a focusing rail (equal steps of the camera). "Show on
// plot" hands the stack to the plot; "Copy" puts the list on the clipboard.
class StackPlanner : public QDialog
{
    Q_OBJECT

public:
    StackPlanner(WindowSurface& window, QWidget* parent);
    ~StackPlanner() override;
    // The answer follows the camera's settings and the unit on show while the dialog is open.
    void update();
    // Opens the dialog for a zone (far 0 for infinity), at the camera's f-number.
    void planFor(int camera, double nearMetres, double farMetres);
    // The clipboard's text of the stack on show.
    QString listText() const;

signals:
    // The stack to draw for a camera, or an empty stack to draw none.
    void showOnPlot(int camera, const ShotPlans::FocusStack& stack);

protected:
    void showEvent(QShowEvent* event) override;

private:
    int camera() const;
    ShotPlans::StackMethod method() const;
    static QString railStepText(double millimetres);
    void startAtCameraAperture();
    QString refusal(const ShotPlans::FocusStack& stack) const;
    void fillTable();

    std::unique_ptr<Ui::StackPlanner> ui;
    WindowSurface& window;
    std::optional<ShotPlans::FocusStack> stack;
};
