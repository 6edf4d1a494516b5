// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "stackplanner.h"

#include "plantarget.h"
#include "ui_stackPlanner.h"
#include "windowsurface.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QShowEvent>
#include <QSignalBlocker>

StackPlanner::StackPlanner(WindowSurface& window_, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::StackPlanner>()), window(window_)
{
    ui->setupUi(this);
    connect(ui->stackCamera, &QComboBox::currentIndexChanged, this, [this] {
        startAtCameraAperture();
        update();
    });
    for (QDoubleSpinBox* box : {static_cast<QDoubleSpinBox*>(ui->stackNear),
                                static_cast<QDoubleSpinBox*>(ui->stackFar), ui->stackAperture})
        connect(box, &QDoubleSpinBox::valueChanged, this, &StackPlanner::update);
    connect(ui->stackToInfinity, &QCheckBox::toggled, this, &StackPlanner::update);
    connect(ui->stackMethod, &QComboBox::currentIndexChanged, this, &StackPlanner::update);
    connect(ui->stackToInfinity, &QCheckBox::toggled, ui->stackFar, &QWidget::setDisabled);
    connect(ui->stackShow, &QPushButton::clicked, this, [this] {
        if (stack)
            emit showOnPlot(camera(), *stack);
    });
    connect(ui->stackClear, &QPushButton::clicked, this,
            [this] { emit showOnPlot(camera(), ShotPlans::FocusStack()); });
    connect(ui->stackCopy, &QPushButton::clicked, this,
            [this] { QGuiApplication::clipboard()->setText(listText()); });
    connect(ui->stackClose, &QPushButton::clicked, this, &QDialog::reject);
}

StackPlanner::~StackPlanner() = default;

int StackPlanner::camera() const
{
    return ui->stackCamera->currentIndex() + 1;
}

ShotPlans::StackMethod StackPlanner::method() const
{
    return ui->stackMethod->currentIndex() == 1 ? ShotPlans::StackMethod::FocusingRail
                                                : ShotPlans::StackMethod::FocusRing;
}

QString StackPlanner::railStepText(double millimetres)
{
    // Rails are marked in millimetres, whatever the unit of distances.
    return LengthUnits::readerText(millimetres / 1000, LengthUnit::Metres);
}

void StackPlanner::startAtCameraAperture()
{
    const QSignalBlocker blocker(ui->stackAperture);
    ui->stackAperture->setValue(PlanTarget(window, camera()).record().getAperture());
}

void StackPlanner::planFor(int camera, double nearMetres, double farMetres)
{
    {
        const QSignalBlocker blockers[] = {
            QSignalBlocker(ui->stackCamera), QSignalBlocker(ui->stackNear),
            QSignalBlocker(ui->stackFar), QSignalBlocker(ui->stackToInfinity)};
        ui->stackCamera->setCurrentIndex(camera - 1);
        // As the zone was typed, which may be finer than the boxes show.
        ui->stackNear->setExactValue(nearMetres);
        ui->stackToInfinity->setChecked(farMetres == 0);
        ui->stackFar->setDisabled(farMetres == 0);
        if (farMetres > 0)
            ui->stackFar->setExactValue(farMetres);
    }
    startAtCameraAperture();
    show();
    raise();
    activateWindow();
    update();
}

void StackPlanner::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        startAtCameraAperture();
    update();
}

void StackPlanner::update()
{
    if (!isVisible())
        return;
    PlanTarget::followUnit(window, *this);
    const PlanTarget target(window, camera());
    const ShotPlans::Zone zone = PlanTarget::zone(ui->stackNear, ui->stackFar, ui->stackToInfinity);
    stack.reset();
    QString message = target.refusal(zone);
    if (message.isEmpty()) {
        CameraSetup atAperture = target.record();
        atAperture.setAperture(ui->stackAperture->value());
        stack = ShotPlans::planStack(atAperture, zone, target.focusBox(), method(), target.unit());
        message = refusal(*stack);
        const QString aperture =
            PlanTarget::fNumber(stack->aperture, PlanTarget::Rounding::Nearest);
        const QString nearText = target.distance(zone.nearDistance);
        const QString farText = target.farDistance(zone.farDistance);
        if (message.isEmpty() && stack->shots.size() == 1)
            message = tr("One shot at f/%1 keeps %2 to %3 sharp.").arg(aperture, nearText, farText);
        else if (message.isEmpty() && stack->method == ShotPlans::StackMethod::FocusingRail)
            message = tr("%1 shots at f/%2 keep %3 to %4 sharp on a focusing rail: focus at %5, "
                         "then move the camera %6 closer after each shot.")
                          .arg(QString::number(stack->shots.size()), aperture, nearText, farText,
                               target.distance(stack->lensFocus, stack->focusDigits),
                               railStepText(stack->railStep));
        else if (message.isEmpty())
            message = tr("%1 shots at f/%2 keep %3 to %4 sharp.")
                          .arg(QString::number(stack->shots.size()), aperture, nearText, farText);
        else
            stack.reset();
    }
    ui->stackResult->setText(message);
    ui->stackShow->setEnabled(stack.has_value());
    ui->stackCopy->setEnabled(stack.has_value());
    fillTable();
}

QString StackPlanner::refusal(const ShotPlans::FocusStack& planned) const
{
    using ShotPlans::StackOutcome;
    const QString aperture = PlanTarget::fNumber(planned.aperture, PlanTarget::Rounding::Nearest);
    switch (planned.outcome) {
    case StackOutcome::Planned:
    case StackOutcome::BadZone:
        break;
    case StackOutcome::NoDepthOfField:
        return tr("At f/%1 not even the focused distance is sharp: diffraction and the lens "
                  "blur it beyond the circle of confusion.")
            .arg(aperture);
    case StackOutcome::TooManyShots:
        return tr("At f/%1 it takes more than %2 shots.").arg(aperture).arg(ShotPlans::maxShots);
    case StackOutcome::OutOfFocusRange:
        return tr("The zone reaches beyond the farthest focus distance.");
    case StackOutcome::RailToInfinity:
        return tr("A focusing rail moves the sharp zone by steps and never reaches infinity at "
                  "f/%1; focus by the focus ring.")
            .arg(aperture);
    }
    return QString();
}

void StackPlanner::fillTable()
{
    const PlanTarget target(window, camera());
    const int rows = stack ? int(stack->shots.size()) : 0;
    ui->stackShots->setRowCount(rows);
    for (int row = 0; row < rows; ++row) {
        const ShotPlans::Shot& shot = stack->shots[size_t(row)];
        const QString cells[] = {target.distance(shot.focus, stack->shotDigits),
                                 target.distance(shot.range.nearLimit),
                                 target.farDistance(shot.range.farLimit)};
        for (int column = 0; column < 3; ++column) {
            auto* item = new QTableWidgetItem(cells[column]);
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            ui->stackShots->setItem(row, column, item);
        }
    }
}

QString StackPlanner::listText() const
{
    if (!stack)
        return QString();
    const QString aperture = PlanTarget::fNumber(stack->aperture, PlanTarget::Rounding::Nearest);
    const bool onRail =
        stack->method == ShotPlans::StackMethod::FocusingRail && stack->shots.size() > 1;
    QString text = (onRail ? tr("Focus stack at f/%1, the camera moved %2 between shots")
                                 .arg(aperture, railStepText(stack->railStep))
                           : tr("Focus stack at f/%1").arg(aperture)) +
                   QLatin1Char('\n') + tr("Shot\tFocus\tNear limit\tFar limit") + QLatin1Char('\n');
    for (int row = 0; row < ui->stackShots->rowCount(); ++row) {
        text += QString::number(row + 1);
        for (int column = 0; column < 3; ++column)
            text += QLatin1Char('\t') + ui->stackShots->item(row, column)->text();
        text += QLatin1Char('\n');
    }
    return text;
}
