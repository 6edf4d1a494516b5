// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "lengthspinbox.h"

#include "boxrounding.h"
#include "languagechoice.h"

#include <QLineEdit>
#include <QLocale>
#include <QSignalBlocker>
#include <QStyle>
#include <QToolTip>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {
// Light red behind a text the box did not take.
const QColor refusedBackground(255, 214, 214);
} // namespace

LengthSpinBox::LengthSpinBox(QWidget* parent) : QDoubleSpinBox(parent)
{
    connect(lineEdit(), &QLineEdit::textEdited, this, &LengthSpinBox::textEdited);
    connect(this, &QAbstractSpinBox::editingFinished, this, &LengthSpinBox::editingEnded);
    // A new value, typed or set by a command, makes an earlier refusal moot.
    connect(this, &QDoubleSpinBox::valueChanged, this, &LengthSpinBox::clearRefusal);
}

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
    setDecimals(unit == LengthUnit::Metres ? shownDecimals : heldDecimals);
    setSuffix(unit == LengthUnit::Metres ? metricSuffix : QStringLiteral(" ft"));
    // Fewer decimals rounded the value; it comes back as if typed, which is not rounded.
    if (value() != held) {
        keeping = held;
        interpretText();
        keeping.reset();
    }
}

void LengthSpinBox::setExactValue(double metres)
{
    if (!std::isfinite(metres)) {
        setValue(metres);
        return;
    }
    // Handed in as if typed, which is not rounded.
    keeping = std::clamp(metres, minimum(), maximum());
    interpretText();
    keeping.reset();
}

QString LengthSpinBox::withoutSuffix(const QString& text) const
{
    // The box puts its suffix back behind whatever is typed: "350 cm" arrives as "350 cm m".
    QString typed = text;
    if (!suffix().isEmpty() && typed.endsWith(suffix()))
        typed.chop(suffix().size());
    return typed;
}

LengthReading LengthSpinBox::read(const QString& text) const
{
    // Read as typed in the program's language, and as the box writes its own numbers.
    const QString decimalMarks = programLocale().decimalPoint() + locale().decimalPoint();
    return readLength(withoutSuffix(text), shownUnit, decimalMarks);
}

QString LengthSpinBox::refusalOf(const QString& text, bool& mayBecomeOne) const
{
    const LengthReading reading = read(text);
    mayBecomeOne = reading.state == TextState::Intermediate;
    if (reading.state == TextState::Invalid)
        return tr("Not a length: type a number, or a number and its unit, such as 350 cm or "
                  "16' 5\".");
    if (reading.state == TextState::Intermediate)
        return tr("Not a whole length yet.");
    // No more decimals than the box shows, as a plain spin box takes them.
    if (reading.plainNumber && reading.decimals > shownDecimalsNow())
        return tr("No more than %1 decimals here; type a finer length with its unit, such as "
                  "512.3 cm.")
            .arg(shownDecimalsNow());
    const double metres = roundedAsBox(reading.metres, decimals());
    if (metres < minimum() || metres > maximum()) {
        mayBecomeOne = true;
        return tr("Outside the box's range, %1 to %2.")
            .arg(LengthUnits::text(minimum(), shownUnit), LengthUnits::text(maximum(), shownUnit));
    }
    return QString();
}

QValidator::State LengthSpinBox::validate(QString& input, int&) const
{
    if (keeping)
        return QValidator::Acceptable;
    // What cannot be taken stays in view, marked, instead of losing the keystroke.
    bool mayBecomeOne = false;
    return refusalOf(input, mayBecomeOne).isEmpty() ? QValidator::Acceptable
                                                    : QValidator::Intermediate;
}

double LengthSpinBox::valueFromText(const QString& text) const
{
    if (keeping)
        return *keeping;
    // Enter on the text as shown keeps the finer length the box holds.
    if (withoutSuffix(text) == textFromValue(value()))
        return value();
    const LengthReading reading = read(text);
    // A length typed with its unit is held as typed, to the micrometre, in either unit.
    return roundedAsBox(reading.metres, reading.plainNumber ? decimals() : heldDecimals);
}

void LengthSpinBox::textEdited(const QString& text)
{
    // The line edit tells of a keystroke before the box reads it: the value is still the one
    // before it.
    if (!beforeTyping)
        beforeTyping = value();
    bool mayBecomeOne = false;
    const QString reason = refusalOf(text, mayBecomeOne);
    if (reason.isEmpty())
        untaken.reset();
    else
        untaken = withoutSuffix(text).trimmed();
    if (!reason.isEmpty() && !mayBecomeOne)
        markRefused(reason);
    else
        clearRefusal();
}

void LengthSpinBox::editingEnded()
{
    const std::optional<double> before = std::exchange(beforeTyping, std::nullopt);
    if (!untaken)
        return;
    const QString text = *std::exchange(untaken, std::nullopt);
    bool mayBecomeOne = false;
    const QString reason = refusalOf(text, mayBecomeOne);
    // Whatever the box took of the text while it was typed goes: the value is the one before.
    if (before && *before != value())
        setExactValue(*before);
    explain(tr("\"%1\" was not taken. %2 The box keeps %3.")
                .arg(text, reason, LengthUnits::text(value(), shownUnit)));
}

void LengthSpinBox::stepBy(int steps)
{
    // A step is a value of its own, which a refused text typed after it does not undo.
    beforeTyping.reset();
    stepFromShown(steps);
}

void LengthSpinBox::markRefused(const QString& reason)
{
    explain(reason);
    refused = true;
    QPalette marked = palette();
    marked.setColor(QPalette::Base, refusedBackground);
    lineEdit()->setPalette(marked);
}

void LengthSpinBox::explain(const QString& reason)
{
    if (!explaining)
        ownToolTip = toolTip();
    explaining = true;
    setToolTip(reason);
    if (isVisible())
        QToolTip::showText(mapToGlobal(QPoint(0, height())), reason, this);
}

void LengthSpinBox::clearRefusal()
{
    if (!explaining)
        return;
    explaining = false;
    setToolTip(ownToolTip);
    if (refused)
        lineEdit()->setPalette(palette());
    refused = false;
    QToolTip::hideText();
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

void LengthSpinBox::stepFromShown(int steps)
{
    if (shownUnit == LengthUnit::Metres && value() == roundedAsBox(value(), decimals())) {
        QDoubleSpinBox::stepBy(steps);
        return;
    }
    // From the value shown, in steps of the unit shown.
    const int places = shownDecimalsNow();
    const double shown = roundedAsBox(LengthUnits::fromMetres(value(), shownUnit), places);
    const double target = roundedAsBox(shown + steps * singleStep(), places);
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
