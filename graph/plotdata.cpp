// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "plotdata.h"

#include "camerasetup.h"
#include "graph.h"
#include "plotgeometry.h"
#include "stackoverlay.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>

#include <cmath>
#include <vector>

namespace {
// A camera that forms no image of its focus has no curve: pinned, as nothing is evaluated.
double curveBlur(CameraSetup& camera, double distance)
{
    return camera.formsImage() && distance > CurveRule::closestEvaluated(camera.getFlength())
               ? camera.getZc(distance)
               : CurveRule::pinnedBlur;
}

QString exact(double value)
{
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

std::vector<int> switchedOnCameras(const PlotInput& input)
{
    std::vector<int> cameras;
    for (int camera : {1, 2}) {
        if (input.switchedOn[camera - 1])
            cameras.push_back(camera);
    }
    return cameras;
}

QJsonValue numberOrNull(double value, bool present)
{
    return present ? QJsonValue(value) : QJsonValue(QJsonValue::Null);
}

QJsonObject cameraObject(graph& plot, int number)
{
    // A copy, as the caption evaluates its own.
    CameraSetup camera = plot.input()->cameras[number - 1];
    const CaptionTexts caption = plot.captionTexts(number);
    QJsonObject inputs{
        {QStringLiteral("focus_mm"), camera.getFdist()},
        {QStringLiteral("aperture"), camera.getAperture()},
        {QStringLiteral("focal_length_mm"), camera.getFlength()},
        {QStringLiteral("coc_mm"), camera.getCoc()},
        {QStringLiteral("crop"), camera.getCrop()},
        {QStringLiteral("diffraction"), camera.getDiffraction() != 0},
        {QStringLiteral("lens_quality_percent"), camera.getLensQuality()},
        {QStringLiteral("diffraction_factor"), camera.getDiffFactor()},
    };
    // The gear by name, where the project has any.
    const PlotInput::Gear& gear = plot.input()->gear[number - 1];
    if (!gear.body.isEmpty())
        inputs.insert(QStringLiteral("body"), gear.body);
    if (!gear.lens.isEmpty())
        inputs.insert(QStringLiteral("lens"), gear.lens);
    // The focus the hyperfocal button shows, not the H of the limit formulas.
    const double hyperfocal = camera.getHyperfocalFocus();
    // The same limits as the caption, so that the two cannot disagree on infinity or on a
    // camera with no depth of field at all.
    const CaptionNumbers::DepthLimits limits = CaptionNumbers::depthLimits(camera);
    using Kind = CaptionNumbers::DepthOfField;
    return QJsonObject{
        {QStringLiteral("camera"), number},
        {QStringLiteral("inputs"), inputs},
        {QStringLiteral("hyperfocal_mm"),
         numberOrNull(hyperfocal, CameraSetup::isHyperfocalDistance(hyperfocal))},
        {QStringLiteral("near_limit_mm"),
         numberOrNull(limits.nearLimit, limits.kind != Kind::None)},
        {QStringLiteral("far_limit_mm"),
         numberOrNull(limits.farLimit, limits.kind == Kind::Finite)},
        {QStringLiteral("zc_infinity"),
         numberOrNull(limits.zcAtInfinity, std::isfinite(limits.zcAtInfinity))},
        {QStringLiteral("full_frame_scale"), camera.getFFScale()},
        {QStringLiteral("field_diagonal_mm"), camera.getFieldDiag()},
        {QStringLiteral("caption"), QJsonArray{caption.title, caption.settings, caption.values}},
    };
}
} // namespace

QByteArray PlotData::csv() const
{
    if (!plot.input())
        return {};
    const PlotInput& input = *plot.input();
    const PlotGeometry geometry = plot.currentGeometry();
    const bool fromCamera = input.fromCamera;
    const std::vector<int> cameras = switchedOnCameras(input);
    std::array<CameraSetup, 2> setups = input.cameras;

    const LengthUnit unit = input.unit;
    QString text = QStringLiteral("distance_") + LengthUnits::symbol(unit);
    for (int camera : cameras)
        text += QStringLiteral(",camera%1_zc").arg(camera);
    text += QLatin1Char('\n');
    for (int column = 1; column < geometry.plotWidth(); ++column) {
        text += exact(LengthUnits::fromMetres(geometry.intervalEnd(column) / 1000.0, unit));
        for (int number : cameras) {
            CameraSetup& camera = setups[number - 1];
            const double distance = geometry.sampleDistance(column, fromCamera, camera.getFdist());
            text += QLatin1Char(',') + exact(curveBlur(camera, distance));
        }
        text += QLatin1Char('\n');
    }
    return text.toUtf8();
}

QByteArray PlotData::json(const QString& projectName) const
{
    if (!plot.input())
        return {};
    QJsonArray cameras;
    for (int camera : switchedOnCameras(*plot.input()))
        cameras.append(cameraObject(plot, camera));
    QJsonObject root{
        {QStringLiteral("program"), QStringLiteral("Zidov")},
        {QStringLiteral("version"), plot.input()->version},
        {QStringLiteral("project"),
         projectName.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(projectName)},
        {QStringLiteral("length_unit"), QStringLiteral("mm")},
        {QStringLiteral("cameras"), cameras},
    };
    // Only where a focus stack is on show, so that other projects' numbers stay as they were.
    if (const std::optional<StackOnPlot>& stack = plot.focusStack())
        root.insert(QStringLiteral("stack"), stackJson(*stack));
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}
