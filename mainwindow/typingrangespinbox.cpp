// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "typingrangespinbox.h"

#include <QLocale>
#include <QRegularExpression>

TypingRangeSpinBox::TypingRangeSpinBox(QWidget* parent) : QDoubleSpinBox(parent) {}

QValidator::State TypingRangeSpinBox::validate(QString& input, int& pos) const
{
    const QString typed = input;
    const QValidator::State own = QDoubleSpinBox::validate(input, pos);
    if (own != QValidator::Invalid || typingMaximum <= maximum())
        return own;
    if (!isPlainNumberUpToTypingMaximum(typed))
        return own;
    // Intermediate: kept in view, never taken as the value.
    input = typed;
    return QValidator::Intermediate;
}

bool TypingRangeSpinBox::isPlainNumberUpToTypingMaximum(const QString& input) const
{
    QString text = input;
    if (!prefix().isEmpty() && text.startsWith(prefix()))
        text.remove(0, prefix().size());
    if (!suffix().isEmpty() && text.endsWith(suffix()))
        text.chop(suffix().size());
    text = text.trimmed();
    // Digits and at most the decimals the box shows, as the box itself takes them; no sign,
    // exponent or group separator.
    const QString mark = QRegularExpression::escape(locale().decimalPoint());
    const QRegularExpression plain(
        QStringLiteral("^[0-9]+(%1[0-9]{0,%2})?$").arg(mark).arg(decimals()));
    if (!plain.match(text).hasMatch())
        return false;
    bool ok = false;
    const double value = locale().toDouble(text, &ok);
    return ok && value > maximum() && value <= typingMaximum;
}
