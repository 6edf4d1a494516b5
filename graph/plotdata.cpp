// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "plotdata.h"

#include "camerasetup.h"
#include "gearcommands.h"
#include "graph.h"
#include "mainwin.h"
#include "plancommands.h"
#include "plotgeometry.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>

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

std::vector<int> switchedOnCameras(const mainWin& window)
{
    std::vector<int> cameras;
    if (window.boxC1->isChecked())
        cameras.push_back(1);
    if (window.boxC2->isChecked())
        cameras.push_back(2);
    return cameras;
}

CameraSetup& setupOf(mainWin& window, int camera)
{
    return camera == 1 ? window.cam1 : window.cam2;
}

QJsonValue distanceOrNull(double millimetres, bool present)
{
    return present ? QJsonValue(millimetres) : QJsonValue(QJsonValue::Null);
}

QJsonObject cameraObject(mainWin& window, int number)
{
    CameraSetup& camera = setupOf(window, number);
    const CaptionTexts caption = window.graphWidget->captionTexts(number);
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
    const GearCommands::Gear& gear = window.gearCommands->gear(number);
    if (gear.body.isSet())
        inputs.insert(QStringLiteral("body"), gear.body.name());
    if (gear.lens.isSet())
        inputs.insert(QStringLiteral("lens"), gear.lens.name());
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
         distanceOrNull(hyperfocal, CameraSetup::isHyperfocalDistance(hyperfocal))},
        {QStringLiteral("near_limit_mm"),
         distanceOrNull(limits.nearLimit, limits.kind != Kind::None)},
        {QStringLiteral("far_limit_mm"),
         distanceOrNull(limits.farLimit, limits.kind == Kind::Finite)},
        {QStringLiteral("zc_infinity"), limits.zcAtInfinity},
        {QStringLiteral("full_frame_scale"), camera.getFFScale()},
        {QStringLiteral("field_diagonal_mm"), camera.getFieldDiag()},
        {QStringLiteral("caption"), QJsonArray{caption.title, caption.settings, caption.values}},
    };
}
} // namespace

QByteArray PlotData::csv() const
{
    const PlotGeometry plot = window.graphWidget->currentGeometry();
    const bool fromCamera = window.distanceCam->isChecked();
    const std::vector<int> cameras = switchedOnCameras(window);

    const LengthUnit unit = window.lengthUnit();
    QString text = QStringLiteral("distance_") + LengthUnits::symbol(unit);
    for (int camera : cameras)
        text += QStringLiteral(",camera%1_zc").arg(camera);
    text += QLatin1Char('\n');
    for (int column = 1; column < plot.plotWidth(); ++column) {
        text += exact(LengthUnits::fromMetres(plot.intervalEnd(column) / 1000.0, unit));
        for (int number : cameras) {
            CameraSetup& camera = setupOf(window, number);
            const double distance = plot.sampleDistance(column, fromCamera, camera.getFdist());
            text += QLatin1Char(',') + exact(curveBlur(camera, distance));
        }
        text += QLatin1Char('\n');
    }
    return text.toUtf8();
}

QByteArray PlotData::json(const QString& projectName) const
{
    QJsonArray cameras;
    for (int camera : switchedOnCameras(window))
        cameras.append(cameraObject(window, camera));
    QJsonObject root{
        {QStringLiteral("program"), QStringLiteral("Zidov")},
        {QStringLiteral("version"), window.version},
        {QStringLiteral("project"),
         projectName.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(projectName)},
        {QStringLiteral("length_unit"), QStringLiteral("mm")},
        {QStringLiteral("cameras"), cameras},
    };
    // Only where a focus stack is on show, so that other projects' numbers stay as they were.
    if (const QJsonObject stack = window.planCommands->stackJson(); !stack.isEmpty())
        root.insert(QStringLiteral("stack"), stack);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}
