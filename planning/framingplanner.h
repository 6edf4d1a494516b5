// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include <QDialog>

#include <memory>
#include <optional>
#include <vector>

namespace Ui {
class FramingPlanner;
}
class QWidget;
class WindowSurface;

// "Framing by subject size…": the focus at which a subject of a given size fills a side of
// the frame, for one camera or each of both, so that the two frame it alike.
class FramingPlanner : public QDialog
{
    Q_OBJECT

public:
    FramingPlanner(WindowSurface& window, QWidget* parent);
    ~FramingPlanner() override;
    // The answer follows the cameras' settings and the unit on show while the dialog is open.
    void update();

protected:
    void showEvent(QShowEvent* event) override;

private:
    struct Framed
    {
        int camera;
        double focus; // mm
    };
    std::vector<int> chosenCameras() const;
    // The side of the camera's frame the subject fills, in mm.
    double frameSide(int camera) const;
    void apply();

    std::unique_ptr<Ui::FramingPlanner> ui;
    WindowSurface& window;
    std::optional<std::vector<Framed>> framing;
};
