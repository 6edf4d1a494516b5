// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include <QChar>
#include <QString>

// Numbers as a person reads them: with the decimal mark of the program's language, so that
// the German program writes "0,30 m" in its captions as in its boxes. Files, CSV and JSON are
// read by programs and keep the point: they never come through here.
namespace ReaderNumbers {
// A point until the program's language asks for another; the window sets it once, with the
// language, before any number is shown.
QChar decimalMark();
void setDecimalMark(QChar mark);

// As QString::number writes them, with the program's decimal mark.
QString fixed(double value, int decimals);
QString significant(double value, int digits);
// A number already written with a point, given the program's decimal mark.
QString marked(QString written);
} // namespace ReaderNumbers
