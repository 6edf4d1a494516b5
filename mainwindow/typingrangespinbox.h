// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include <QDoubleSpinBox>

// A number box that lets a number beyond its maximum, up to a wider one, be typed in full,
// so that whoever narrowed the range (a chosen lens's long end) can take it to the end it
// reaches, and say why, when editing ends: a plain box refuses the keystroke that goes past
// its maximum and leaves "30" of a typed "300". Such a number is never the box's value; a
// box left with it goes back as a plain box does. Text that is no plain number ("1e9") is
// refused as before.
class TypingRangeSpinBox : public QDoubleSpinBox
{
    Q_OBJECT

public:
    explicit TypingRangeSpinBox(QWidget* parent = nullptr);

    // At or below maximum(), the box types as a plain one.
    void setTypingMaximum(double maximum) { typingMaximum = maximum; }

    QValidator::State validate(QString& input, int& pos) const override;

private:
    bool isPlainNumberUpToTypingMaximum(const QString& input) const;

    double typingMaximum = 0;
};
