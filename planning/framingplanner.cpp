// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "framingplanner.h"

#include "plantarget.h"
#include "readernumbers.h"
#include "shotplans.h"
#include "ui_framingPlanner.h"
#include "windowsurface.h"

#include <QStringList>

#include <cmath>

FramingPlanner::FramingPlanner(WindowSurface& window_, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::FramingPlanner>()), window(window_)
{
    ui->setupUi(this);
    connect(ui->subjectSize, &QDoubleSpinBox::valueChanged, this, &FramingPlanner::update);
    connect(ui->subjectSide, &QComboBox::currentIndexChanged, this, &FramingPlanner::update);
    connect(ui->framingCamera, &QComboBox::currentIndexChanged, this, &FramingPlanner::update);
    connect(ui->framingApply, &QPushButton::clicked, this, &FramingPlanner::apply);
    connect(ui->framingClose, &QPushButton::clicked, this, &QDialog::reject);
}

FramingPlanner::~FramingPlanner() = default;

void FramingPlanner::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    update();
}

std::vector<int> FramingPlanner::chosenCameras() const
{
    const int choice = ui->framingCamera->currentIndex();
    if (choice == 2)
        return {1, 2};
    return {choice + 1};
}

double FramingPlanner::frameSide(int camera) const
{
    return ShotPlans::frameSide(window.sensorSides(camera),
                                ShotPlans::FrameSide(ui->subjectSide->currentIndex()));
}

void FramingPlanner::update()
{
    if (!isVisible())
        return;
    PlanTarget::followUnit(window, *this);
    framing.reset();
    std::vector<Framed> framed;
    QStringList answers;
    for (const int camera : chosenCameras()) {
        const PlanTarget target(window, camera);
        if (!target.switchedOn()) {
            answers << target.switchedOff();
            continue;
        }
        const double side = frameSide(camera);
        const double focus = ShotPlans::focusForSubjectSize(target.record().getFlength(), side,
                                                            ui->subjectSize->value() * 1000);
        const ShotPlans::FocusBox box = target.focusBox();
        if (!std::isfinite(focus) || focus > box.maximum) {
            answers << tr("Camera %1 would need a focus of %2; the farthest is %3.")
                           .arg(camera)
                           .arg(target.distance(focus), target.distance(box.maximum));
            continue;
        }
        framed.push_back({camera, focus});
        answers << tr("Camera %1 frames it from %2 (%3 mm, a frame side of %4 mm).")
                       .arg(camera)
                       .arg(target.distance(focus))
                       .arg(ReaderNumbers::significant(target.record().getFlength(), 6))
                       .arg(ReaderNumbers::fixed(side, 1));
    }
    const bool all = framed.size() == chosenCameras().size();
    if (all)
        framing = std::move(framed);
    ui->framingResult->setText(answers.join(QLatin1Char('\n')));
    ui->framingApply->setEnabled(all);
}

void FramingPlanner::apply()
{
    if (!framing)
        return;
    const std::vector<Framed> applied = *framing;
    WindowSurface::Batch batch(window);
    for (const Framed& f : applied)
        window.setFocus(f.camera, f.focus, WindowSurface::FocusHeld::Exactly);
}
