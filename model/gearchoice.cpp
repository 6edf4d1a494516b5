// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "gearchoice.h"

#include <QRegularExpression>

#include <algorithm>

namespace {
QString number(double value)
{
    return QString::number(value, 'g', 6);
}

QString range(double from, double to)
{
    return from == to || to <= 0 ? number(from) : number(from) + QLatin1Char('-') + number(to);
}
} // namespace

double LensRange::focalWithin(double focal) const
{
    return std::clamp(focal, minFocal, std::max(minFocal, maxFocal));
}

double LensRange::widestAperture(double focal) const
{
    if (!isZoom() || widestAtMax <= 0)
        return widestAtMin;
    const double along = (focalWithin(focal) - minFocal) / (maxFocal - minFocal);
    return widestAtMin + along * (widestAtMax - widestAtMin);
}

QString LensRange::text() const
{
    QString shown = range(minFocal, maxFocal) + QStringLiteral("mm");
    if (widestAtMin > 0)
        shown += QStringLiteral(" f/") + range(widestAtMin, widestAtMax);
    return shown;
}

QString LensChoice::name() const
{
    if (maker.isEmpty() || model.startsWith(maker, Qt::CaseInsensitive))
        return model;
    return maker + QLatin1Char(' ') + model;
}

LensRange lensRangeFromName(const QString& name)
{
    static const QRegularExpression focal(
        QStringLiteral(R"((\d+(?:\.\d+)?)(?:\s*-\s*(\d+(?:\.\d+)?))?\s*mm)"),
        QRegularExpression::CaseInsensitiveOption);
    // "f/2.8", "F2.8", "f2.8-4" or "1:2.8-4".
    static const QRegularExpression aperture(
        QStringLiteral(R"((?:\bf/?|\b1:)\s*(\d+(?:\.\d+)?)(?:\s*-\s*(\d+(?:\.\d+)?))?)"),
        QRegularExpression::CaseInsensitiveOption);
    LensRange stated;
    const QRegularExpressionMatch f = focal.match(name);
    if (f.hasMatch()) {
        stated.minFocal = f.captured(1).toDouble();
        stated.maxFocal = f.captured(2).isEmpty() ? stated.minFocal : f.captured(2).toDouble();
    }
    const QRegularExpressionMatch a = aperture.match(name, f.hasMatch() ? f.capturedEnd() : 0);
    if (a.hasMatch()) {
        stated.widestAtMin = a.captured(1).toDouble();
        stated.widestAtMax =
            a.captured(2).isEmpty() ? stated.widestAtMin : a.captured(2).toDouble();
    }
    return stated;
}
