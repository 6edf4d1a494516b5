// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "zoneplanner.h"

#include "plantarget.h"
#include "readernumbers.h"
#include "ui_zonePlanner.h"
#include "windowsurface.h"

ZonePlanner::ZonePlanner(WindowSurface& window_, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::ZonePlanner>()), window(window_)
{
    ui->setupUi(this);
    ui->zoneStack->hide();
    connect(ui->zoneCamera, &QComboBox::currentIndexChanged, this, &ZonePlanner::update);
    connect(ui->zoneNear, &QDoubleSpinBox::valueChanged, this, &ZonePlanner::update);
    connect(ui->zoneFar, &QDoubleSpinBox::valueChanged, this, &ZonePlanner::update);
    connect(ui->zoneToInfinity, &QCheckBox::toggled, this, &ZonePlanner::update);
    connect(ui->zoneToInfinity, &QCheckBox::toggled, ui->zoneFar, &QWidget::setDisabled);
    connect(ui->zoneApply, &QPushButton::clicked, this, &ZonePlanner::apply);
    connect(ui->zoneClose, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui->zoneStack, &QPushButton::clicked, this, [this] {
        emit stackWanted(camera(), ui->zoneNear->value(),
                         ui->zoneToInfinity->isChecked() ? 0 : ui->zoneFar->value());
    });
}

ZonePlanner::~ZonePlanner() = default;

int ZonePlanner::camera() const
{
    return ui->zoneCamera->currentIndex() + 1;
}

void ZonePlanner::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    update();
}

void ZonePlanner::update()
{
    if (!isVisible())
        return;
    PlanTarget::followUnit(window, *this);
    const PlanTarget target(window, camera());
    const ShotPlans::Zone zone = PlanTarget::zone(ui->zoneNear, ui->zoneFar, ui->zoneToInfinity);
    plan.reset();
    ui->zoneStack->hide();
    const QString refusal = target.refusal(zone);
    if (!refusal.isEmpty()) {
        ui->zoneResult->setText(refusal);
        ui->zoneApply->setEnabled(false);
        return;
    }
    plan = ShotPlans::planZone(target.record(), zone, target.apertures(), target.focusBox(),
                               target.unit());
    using Rounding = PlanTarget::Rounding;
    const QString nearText = target.distance(zone.nearDistance);
    const QString farText = target.farDistance(zone.farDistance);
    if (!plan->holds) {
        ui->zoneResult->setText(
            tr("No f-number keeps %1 to %2 sharp: the best is f/%3, focused at %4, with zc at "
               "most %5. A focus stack can cover it.")
                .arg(nearText, farText, PlanTarget::fNumber(plan->widest, Rounding::Nearest),
                     target.distance(plan->roundedFocus, plan->focusDigits),
                     ReaderNumbers::fixed(plan->sharpestBlur, 2)));
        ui->zoneStack->show();
        ui->zoneApply->setEnabled(false);
        return;
    }
    QString answer = tr("Focus at %1. f/%2 or narrower keeps %3 to %4 sharp")
                         .arg(target.distance(plan->roundedFocus, plan->focusDigits),
                              PlanTarget::fNumber(plan->widest, Rounding::Up), nearText, farText);
    if (plan->sharpest)
        answer += tr("; sharpest at f/%1 (zc at most %2)")
                      .arg(PlanTarget::fNumber(*plan->sharpest, Rounding::Nearest),
                           ReaderNumbers::fixed(plan->sharpestBlur, 2));
    if (plan->diffractionLimit)
        answer += tr("; beyond f/%1 diffraction blurs it")
                      .arg(PlanTarget::fNumber(*plan->diffractionLimit, Rounding::Down));
    ui->zoneResult->setText(answer + QLatin1Char('.'));
    ui->zoneApply->setEnabled(plan->thirdStop.has_value());
}

void ZonePlanner::apply()
{
    if (!plan || !plan->holds || !plan->thirdStop)
        return;
    const ShotPlans::ZonePlan applied = *plan;
    const int number = camera();
    WindowSurface::Batch batch(window);
    // The focus as the answer names it, which its box holds finer than it shows.
    window.setFocus(number, applied.roundedFocus, WindowSurface::FocusHeld::Exactly);
    window.setAperture(number, *applied.thirdStop);
}
