// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "comparecommands.h"

#include "boxrounding.h"
#include "mainwin.h"
#include "readernumbers.h"
#include "windowform.h"

#include <QMenu>
#include <QMessageBox>

#include <cmath>

using namespace CameraMatch;

namespace {
BoxRange rangeOf(const QDoubleSpinBox* box)
{
    return {box->minimum(), box->maximum(), std::pow(10.0, -box->decimals())};
}

// As the box would show it; a value that the box's decimals would turn into 0 keeps two
// significant digits.
QString boxNumber(double value, const QDoubleSpinBox* box)
{
    const double shown = roundedAsBox(value, box->decimals());
    if (shown == 0 && value != 0)
        return ReaderNumbers::significant(value, 2);
    return ReaderNumbers::significant(shown, 12);
}
} // namespace

CompareCommands::CompareCommands(mainWin* window_)
    : QObject(window_), window(window_),
      compareMenu(new QMenu(tr("&Compare"), windowForm(*window_).menubar))
{
    QMenu* menu = compareMenu;
    menu->setObjectName(QStringLiteral("menuCompare"));
    windowForm(*window).menubar->insertMenu(windowForm(*window).menuOptimizer->menuAction(), menu);

    addCommand("actionMatchEquivalent", tr("Camera 2: &equivalent settings"), &equivalentSettings);
    addCommand("actionMatchFraming", tr("Camera 2: same &framing"), &sameFraming);
    addCommand("actionMatchBlur", tr("Camera 2: same &background blur"), &sameBackgroundBlur);
    addCommand("actionMatchDof", tr("Camera 2: same &depth of field"), &sameDepthOfField);
    for (QAction* command : commands)
        menu->addAction(command);
}

void CompareCommands::addCommand(const char* objectName, const QString& text, Solver solve)
{
    auto* command = new QAction(text, window);
    command->setObjectName(QLatin1String(objectName));
    connect(command, &QAction::triggered, this, [this, command, solve] { match(command, solve); });
    commands.push_back(command);
}

void CompareCommands::setAvailable(bool available)
{
    for (QAction* command : commands)
        command->setEnabled(available);
}

void CompareCommands::match(const QAction* command, Solver solve)
{
    // The records are those of the last recalculation, so they show what the boxes show.
    const Result result = solve(window->cam1, window->cam2, cameraTwoBoxes());
    if (result.outcome != Outcome::Matched) {
        // Titled as the menu names the command, without its mnemonic.
        QMessageBox::information(window, command->iconText(), refusal(result));
        return;
    }
    mainWin::RecalcBatch batch(window);
    windowForm(*window).c2_flength->setValue(result.focalLength);
    windowForm(*window).c2_apature->setValue(result.aperture);
    windowForm(*window).c2_fdist->setValue(result.focus / 1000);
}

InputBoxes CompareCommands::cameraTwoBoxes() const
{
    // The focus is rounded to what its box shows: 0.01 m, or 0.01 ft in feet.
    const LengthSpinBox* focus = windowForm(*window).c2_fdist;
    const BoxRange focusRange{focus->minimum() * 1000, focus->maximum() * 1000,
                              focus->shownStep() * 1000};
    return {focusRange, rangeOf(windowForm(*window).c2_apature),
            rangeOf(windowForm(*window).c2_flength)};
}

QString CompareCommands::distance(double millimetres) const
{
    return LengthUnits::text(millimetres / 1000, window->lengthUnit());
}

QString CompareCommands::refusal(const Result& result) const
{
    switch (result.outcome) {
    case Outcome::OutOfRange: {
        const bool tooSmall = result.needed < result.limit;
        switch (result.setting) {
        case Setting::Aperture: {
            const QDoubleSpinBox* box = windowForm(*window).c2_apature;
            return (tooSmall ? tr("Camera 2 would need f/%1; the smallest f-number is f/%2.")
                             : tr("Camera 2 would need f/%1; the largest f-number is f/%2."))
                .arg(boxNumber(result.needed, box), boxNumber(result.limit, box));
        }
        case Setting::FocalLength: {
            const QDoubleSpinBox* box = windowForm(*window).c2_flength;
            return (tooSmall ? tr("Camera 2 would need %1 mm; the shortest focal length is %2 mm.")
                             : tr("Camera 2 would need %1 mm; the longest focal length is %2 mm."))
                .arg(boxNumber(result.needed, box), boxNumber(result.limit, box));
        }
        case Setting::Focus:
            return (tooSmall ? tr("Camera 2 would need a focus of %1; the nearest is %2.")
                             : tr("Camera 2 would need a focus of %1; the farthest is %2."))
                .arg(distance(result.needed), distance(result.limit));
        }
        break;
    }
    case Outcome::Unreachable:
        if (std::isnan(result.closest))
            return tr("No f-number lets Camera 2 match Camera 1 in this.");
        switch (result.quantity) {
        case Quantity::BlurAtInfinity:
            return tr("No f-number gives Camera 2 the blur at infinity of Camera 1 (zc %1); the "
                      "nearest it comes is zc %2.")
                .arg(ReaderNumbers::significant(result.target, 3),
                     ReaderNumbers::significant(result.closest, 3));
        case Quantity::DepthOfField:
            return tr("No f-number gives Camera 2 a depth of field as long as Camera 1's (%1); "
                      "the nearest it comes is %2.")
                .arg(distance(result.target), distance(result.closest));
        case Quantity::NearLimit:
            return tr("No f-number gives Camera 2 the near limit of Camera 1 (%1); the nearest "
                      "it comes is %2.")
                .arg(distance(result.target), distance(result.closest));
        }
        break;
    case Outcome::NothingToMatch:
        if (result.quantity == Quantity::BlurAtInfinity)
            return tr("Camera 1 has no finite blur at infinity to match.");
        return tr("Camera 1 has no depth of field to match: even at its focus distance the blur "
                  "exceeds the circle of confusion.");
    case Outcome::NoSharpImage:
        return tr("Camera %1 forms no sharp image: its focus is closer than the focal length.")
            .arg(result.camera);
    case Outcome::Matched:
        break;
    }
    return QString();
}
