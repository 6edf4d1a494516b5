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
// In either unit a length typed with its unit ("16' 5\"" in metres) and one handed to
// setExactValue (a project file's) is held as it is, finer than the box shows it.
//
// A text the box cannot take stays in view, marked and with the reason in its tooltip,
// rather than vanishing keystroke by keystroke or silently when editing ends. Editing that
// ends on such a text leaves the value as it was before the typing began, although the box
// took its leading number ("1" of "1e9") as it was typed; the tooltip then says what was
// kept, and the mark goes, for the box holds a value it accepted.
class LengthSpinBox : public QDoubleSpinBox
{
    Q_OBJECT
    // True while the box shows why it did not take what was typed.
    Q_PROPERTY(bool refused READ isRefused)

public:
    explicit LengthSpinBox(QWidget* parent = nullptr);

    LengthUnit unit() const { return shownUnit; }
    // Keeps value() as it is.
    void setUnit(LengthUnit unit);
    // Holds metres unrounded (within the range), as the box shows them or not.
    void setExactValue(double metres);

    bool isRefused() const { return refused; }

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
    QString withoutSuffix(const QString& text) const;
    // Why the text is no length the box takes, empty when it is one; mayBecomeOne tells
    // whether typing on can still make it one.
    QString refusalOf(const QString& text, bool& mayBecomeOne) const;
    void stepFromShown(int steps);
    void textEdited(const QString& text);
    void editingEnded();
    void markRefused(const QString& reason);
    // Says why without marking the box, which holds a value it took.
    void explain(const QString& reason);
    void clearRefusal();

    // The decimals of metres held in feet and for lengths typed with a unit: enough for a
    // hundredth of a foot (3.048 mm) or of an inch to be held exactly.
    static constexpr int heldDecimals = 6;

    LengthUnit shownUnit = LengthUnit::Metres;
    // The form's decimals and suffix, the box's own in metres; known from the first switch.
    int shownDecimals = -1;
    QString metricSuffix;
    // While the unit switches: the value to keep, handed in as if typed.
    std::optional<double> keeping;
    // The last text typed that the box could not take, and the form's tooltip while marked.
    std::optional<QString> untaken;
    bool refused = false;
    // While the tooltip says why, rather than what the form says of the box.
    bool explaining = false;
    QString ownToolTip;
    // The value before the first keystroke of the editing under way.
    std::optional<double> beforeTyping;
};
