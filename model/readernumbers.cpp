// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "readernumbers.h"

namespace ReaderNumbers {
namespace {
QChar& chosenMark()
{
    static QChar mark = QLatin1Char('.');
    return mark;
}
} // namespace

QChar decimalMark()
{
    return chosenMark();
}

void setDecimalMark(QChar mark)
{
    chosenMark() = mark;
}

QString fixed(double value, int decimals)
{
    return marked(QString::number(value, 'f', decimals));
}

QString significant(double value, int digits)
{
    return marked(QString::number(value, 'g', digits));
}

QString marked(QString written)
{
    if (chosenMark() != QLatin1Char('.'))
        written.replace(QLatin1Char('.'), chosenMark());
    return written;
}
} // namespace ReaderNumbers
