// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "comparisonreadout.h"

#include "cameracomparison.h"
#include "plotgeometry.h"
#include "readernumbers.h"

#include <cmath>

namespace {
QString ratioText(double ratio)
{
    if (std::isnan(ratio))
        return QStringLiteral("–");
    if (std::isinf(ratio))
        return QStringLiteral("×∞");
    // Two decimals would turn a small but real difference into 0.
    if (ratio > 0 && ratio < 0.01)
        return QStringLiteral("×") + ReaderNumbers::significant(ratio, 2);
    return QStringLiteral("×") + ReaderNumbers::fixed(ratio, 2);
}

// As the caption writes it.
QString scaleText(double scale)
{
    if (const double magnification = CaptionNumbers::magnification(scale); magnification > 0)
        return QStringLiteral("%1:1").arg(ReaderNumbers::significant(magnification, 6));
    return QStringLiteral("1:%1").arg(
        ReaderNumbers::significant(CaptionNumbers::fullFrameScale(scale), 6));
}
} // namespace

QString ComparisonReadout::text(CameraSetup& one, CameraSetup& two)
{
    const CameraComparison comparison = compareCameras(one, two);
    QString depth;
    if (comparison.bothEndless)
        depth = tr("both endless");
    else if (comparison.bothNone)
        depth = tr("both none");
    else
        depth = ratioText(comparison.depthRatio);
    return tr("Camera 2 vs 1: background blur %1 · depth of field %2 · framing %3 / %4")
        .arg(ratioText(comparison.blurRatio), depth, scaleText(comparison.scaleTwo),
             scaleText(comparison.scaleOne));
}
