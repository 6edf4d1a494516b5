// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include "lengthtext.h"
#include "lengthunit.h"

#include <QDoubleSpinBox>

#include <optional>

// A distance box. Its value() is in metres whatever the unit shown, so that the project
// files, the recalculation and every command read it as they always have; the unit changes
// only what the box shows, how its arrows step and how a number typed without a unit is
// read. A length may be typed with its unit in either unit: "350 cm", "16' 5\"".
//
// In metres the box rounds, steps and shows as a plain QDoubleSpinBox with the form's
// decimals. In feet it shows and steps in feet with those decimals, and holds its metres to
// the micrometre, so that a length typed to a hundredth of a foot or inch is held exactly.
class LengthSpinBox : public QDoubleSpinBox
{
    Q_OBJECT

public:
    explicit LengthSpinBox(QWidget* parent = nullptr);

    LengthUnit unit() const { return shownUnit; }
    // Keeps value() as it is.
    void setUnit(LengthUnit unit);

    QValidator::State validate(QString& input, int& pos) const override;
    double valueFromText(const QString& text) const override;
    QString textFromValue(double metres) const override;
    // Takes nothing out of a refused text: QDoubleSpinBox's removal of group separators
    // would turn "4,5" into 45 where the comma is not a decimal mark.
    void fixup(QString&) const override {}
    void stepBy(int steps) override;

    // One unit of the last decimal shown, in metres: 0.01 m, or 0.01 ft in feet.
    double shownStep() const;
    // The smallest length, in metres, at or above the given one that the box shows exactly.
    double shownAtLeast(double metres) const;

private:
    LengthReading read(const QString& text) const;
    int shownDecimalsNow() const;

    // Enough for a hundredth of a foot (3.048 mm) or of an inch to be held exactly.
    static constexpr int feetModeDecimals = 6;

    LengthUnit shownUnit = LengthUnit::Metres;
    // The form's decimals and suffix, the box's own in metres; known from the first switch.
    int shownDecimals = -1;
    QString metricSuffix;
    // While the unit switches: the value to keep, handed in as if typed.
    std::optional<double> keeping;
};
