// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "lengthspinbox.h"

#include "boxrounding.h"
#include "languagechoice.h"

#include <QLocale>
#include <QSignalBlocker>
#include <QStyle>

#include <algorithm>
#include <cmath>

LengthSpinBox::LengthSpinBox(QWidget* parent) : QDoubleSpinBox(parent) {}

int LengthSpinBox::shownDecimalsNow() const
{
    return shownUnit == LengthUnit::Metres ? decimals() : shownDecimals;
}

void LengthSpinBox::setUnit(LengthUnit unit)
{
    if (unit == shownUnit)
        return;
    if (shownDecimals < 0) {
        shownDecimals = decimals();
        metricSuffix = suffix();
    }
    const double held = value();
    const QSignalBlocker blocker(this);
    shownUnit = unit;
    setDecimals(unit == LengthUnit::Metres ? shownDecimals : feetModeDecimals);
    setSuffix(unit == LengthUnit::Metres ? metricSuffix : QStringLiteral(" ft"));
    // Fewer decimals rounded the value; it comes back as if typed, which is not rounded.
    if (value() != held) {
        keeping = held;
        interpretText();
        keeping.reset();
    }
}

LengthReading LengthSpinBox::read(const QString& text) const
{
    // The box puts its suffix back behind whatever is typed: "350 cm" arrives as "350 cm m".
    QString typed = text;
    if (!suffix().isEmpty() && typed.endsWith(suffix()))
        typed.chop(suffix().size());
    // Read as typed in the program's language, and as the box writes its own numbers.
    const QString decimalMarks = programLocale().decimalPoint() + locale().decimalPoint();
    return readLength(typed, shownUnit, decimalMarks);
}

QValidator::State LengthSpinBox::validate(QString& input, int&) const
{
    if (keeping)
        return QValidator::Acceptable;
    const LengthReading reading = read(input);
    if (reading.state != TextState::Acceptable)
        return reading.state == TextState::Invalid ? QValidator::Invalid : QValidator::Intermediate;
    // No more decimals than the box shows, as a plain spin box takes them.
    if (reading.plainNumber && reading.decimals > shownDecimalsNow())
        return QValidator::Invalid;
    const double metres = roundedAsBox(reading.metres, decimals());
    if (metres < minimum() || metres > maximum())
        return QValidator::Intermediate;
    return QValidator::Acceptable;
}

double LengthSpinBox::valueFromText(const QString& text) const
{
    if (keeping)
        return *keeping;
    return roundedAsBox(read(text).metres, decimals());
}

QString LengthSpinBox::textFromValue(double metres) const
{
    if (shownUnit == LengthUnit::Metres)
        return QDoubleSpinBox::textFromValue(metres);
    const double shown = LengthUnits::fromMetres(metres, shownUnit);
    QString text = locale().toString(shown, 'f', shownDecimals);
    if (!isGroupSeparatorShown() && std::abs(shown) >= 1000)
        text.remove(locale().groupSeparator());
    return text;
}

void LengthSpinBox::stepBy(int steps)
{
    if (shownUnit == LengthUnit::Metres) {
        QDoubleSpinBox::stepBy(steps);
        return;
    }
    // From the value shown, in steps of the unit shown.
    const double shown = roundedAsBox(LengthUnits::fromMetres(value(), shownUnit), shownDecimals);
    const double target = roundedAsBox(shown + steps * singleStep(), shownDecimals);
    setValue(std::clamp(LengthUnits::toMetres(target, shownUnit), minimum(), maximum()));
    if (style()->styleHint(QStyle::SH_SpinBox_SelectOnStep, nullptr, this))
        selectAll();
}

double LengthSpinBox::shownStep() const
{
    return LengthUnits::toMetres(std::pow(10.0, -shownDecimalsNow()), shownUnit);
}

double LengthSpinBox::shownAtLeast(double metres) const
{
    const double perUnit = std::pow(10.0, shownDecimalsNow());
    const double shown = std::ceil(LengthUnits::fromMetres(metres, shownUnit) * perUnit) / perUnit;
    return roundedAsBox(LengthUnits::toMetres(shown, shownUnit), decimals());
}
