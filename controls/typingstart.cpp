// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "typingstart.h"

#include <QDoubleSpinBox>
#include <QLineEdit>

#include <utility>

void TypingStart::attach(QDoubleSpinBox* box)
{
    new TypingStart(box);
}

void TypingStart::settle(QDoubleSpinBox* box)
{
    if (TypingStart* start = box->findChild<TypingStart*>(QString(), Qt::FindDirectChildrenOnly))
        start->before.reset();
}

TypingStart::TypingStart(QDoubleSpinBox* box_) : QObject(box_), box(box_)
{
    connect(box->findChild<QLineEdit*>(), &QLineEdit::textEdited, this, &TypingStart::typed);
    connect(box, &QAbstractSpinBox::editingFinished, this, &TypingStart::editingEnded);
}

void TypingStart::typed(const QString& text)
{
    // The line edit tells of a keystroke before the box reads it: the value is still the one
    // before it.
    if (!before)
        before = box->value();
    last = text;
}

void TypingStart::editingEnded()
{
    const std::optional<double> start = std::exchange(before, std::nullopt);
    if (!start)
        return;
    QString text = std::exchange(last, QString());
    int position = 0;
    if (box->validate(text, position) != QValidator::Acceptable)
        box->setValue(*start);
}
