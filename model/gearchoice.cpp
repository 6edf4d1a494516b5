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

bool LensRange::isUsable() const
{
    // Written so that NaN fails every comparison.
    const auto within = [](double value, double least, double most) {
        return value >= least && value <= most;
    };
    using namespace LensLimits;
    if (!within(minFocal, shortestFocal, longestFocal) || !within(maxFocal, minFocal, longestFocal))
        return false;
    if (widestAtMin == 0 && widestAtMax == 0)
        return true;
    return within(widestAtMin, widestFNumber, narrowestFNumber) &&
           (widestAtMax == 0 || within(widestAtMax, widestAtMin, narrowestFNumber));
}

QString LensRange::text() const
{
    if (!isSet())
        return QString();
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
    // "f/2.8", "F2.8", "f2.8-4", also run on to the focal length ("56mmF1.2").
    static const QRegularExpression fNumber(
        QStringLiteral(R"((?:\b|(?<=mm))f/?\s*(\d+(?:\.\d+)?)(?:\s*-\s*(\d+(?:\.\d+)?))?)"),
        QRegularExpression::CaseInsensitiveOption);
    // "1:2.8-4" only right after the focal length: elsewhere, as in "100mm Macro 1:1", it is
    // the reproduction ratio.
    static const QRegularExpression ratio(
        QStringLiteral(R"(\s*1:\s*(\d+(?:\.\d+)?)(?:\s*-\s*(\d+(?:\.\d+)?))?)"));
    const QRegularExpressionMatch f = focal.match(name);
    if (!f.hasMatch())
        return {};
    LensRange stated;
    stated.minFocal = f.captured(1).toDouble();
    stated.maxFocal = f.captured(2).isEmpty() ? stated.minFocal : f.captured(2).toDouble();
    QRegularExpressionMatch a = ratio.match(name, f.capturedEnd(), QRegularExpression::NormalMatch,
                                            QRegularExpression::AnchorAtOffsetMatchOption);
    if (!a.hasMatch())
        a = fNumber.match(name, f.capturedEnd());
    if (a.hasMatch()) {
        stated.widestAtMin = a.captured(1).toDouble();
        stated.widestAtMax =
            a.captured(2).isEmpty() ? stated.widestAtMin : a.captured(2).toDouble();
        // A long end that is written must be one ("f/2-0" is no range).
        if (!(stated.widestAtMax > 0))
            return {};
    }
    return stated.isUsable() ? stated : LensRange();
}

LensRange lensRangeOf(const QString& name, double minFocal, double maxFocal, double widest)
{
    const LensRange named = lensRangeFromName(name);
    if (!(minFocal > 0))
        return named;
    LensRange stated{minFocal, maxFocal > 0 ? maxFocal : minFocal, widest > 0 ? widest : 0, 0};
    // The name's f-numbers are this lens's only where it names the same focal range: a
    // "300mm f/2.8 + 1.4x extender" is a 420 mm lens of another f-number.
    const bool sameLens = named.minFocal == stated.minFocal && named.maxFocal == stated.maxFocal;
    if (sameLens && (stated.widestAtMin == 0 || stated.widestAtMin == named.widestAtMin)) {
        stated.widestAtMin = named.widestAtMin;
        stated.widestAtMax = named.widestAtMax;
    } else {
        stated.widestAtMax = stated.widestAtMin;
    }
    return stated.isUsable() ? stated : LensRange();
}
