// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "plotdata.h"

#include "camerasetup.h"
#include "plotdrawing.h"
#include "plotgeometry.h"
#include "setupnumbers.h"
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

QJsonObject inputsObject(const CameraSetup& camera)
{
    return QJsonObject{
        {QStringLiteral("focus_mm"), camera.getFdist()},
        {QStringLiteral("aperture"), camera.getAperture()},
        {QStringLiteral("focal_length_mm"), camera.getFlength()},
        {QStringLiteral("coc_mm"), camera.getCoc()},
        {QStringLiteral("crop"), camera.getCrop()},
        {QStringLiteral("diffraction"), camera.getDiffraction() != 0},
        {QStringLiteral("lens_quality_percent"), camera.getLensQuality()},
        {QStringLiteral("diffraction_factor"), camera.getDiffFactor()},
    };
}

// The numbers a camera and a pinned setup alike have, after what is of their own.
void addLimits(QJsonObject& object, CameraSetup camera)
{
    // The focus the hyperfocal button shows, not the H of the limit formulas.
    const double hyperfocal = camera.getHyperfocalFocus();
    // The same limits as the caption, so that the two cannot disagree on infinity or on a
    // camera with no depth of field at all.
    const CaptionNumbers::DepthLimits limits = CaptionNumbers::depthLimits(camera);
    using Kind = CaptionNumbers::DepthOfField;
    object.insert(QStringLiteral("hyperfocal_mm"),
                  numberOrNull(hyperfocal, CameraSetup::isHyperfocalDistance(hyperfocal)));
    object.insert(QStringLiteral("near_limit_mm"),
                  numberOrNull(limits.nearLimit, limits.kind != Kind::None));
    object.insert(QStringLiteral("far_limit_mm"),
                  numberOrNull(limits.farLimit, limits.kind == Kind::Finite));
    object.insert(QStringLiteral("zc_infinity"),
                  numberOrNull(limits.zcAtInfinity, std::isfinite(limits.zcAtInfinity)));
    object.insert(QStringLiteral("full_frame_scale"), camera.getFFScale());
    object.insert(QStringLiteral("field_diagonal_mm"), camera.getFieldDiag());
}

QJsonObject cameraObject(PlotDrawing& plot, int number)
{
    // A copy, as the caption evaluates its own.
    CameraSetup camera = plot.input()->cameras[number - 1];
    const CaptionTexts caption = plot.captionTexts(number);
    QJsonObject inputs = inputsObject(camera);
    // The gear by name, where the project has any.
    const PlotInput::Gear& gear = plot.input()->gear[number - 1];
    if (!gear.body.isEmpty())
        inputs.insert(QStringLiteral("body"), gear.body);
    if (!gear.lens.isEmpty())
        inputs.insert(QStringLiteral("lens"), gear.lens);
    QJsonObject object{
        {QStringLiteral("camera"), number},
        {QStringLiteral("inputs"), inputs},
        {QStringLiteral("caption"), QJsonArray{caption.title, caption.settings, caption.values}},
    };
    addLimits(object, camera);
    return object;
}

// A pinned setup's numbers, with its factors against Camera 1 as the settings table has them.
QJsonObject pinnedObject(const PlotInput::Pinned& pinned, const CameraSetup& cameraOne)
{
    const SetupNumbers numbers = setupNumbers(pinned.camera, cameraOne);
    QJsonObject object{
        {QStringLiteral("name"), pinned.name},
        {QStringLiteral("inputs"), inputsObject(pinned.camera)},
        {QStringLiteral("band"), pinned.band},
        {QStringLiteral("background_blur_ratio"),
         numberOrNull(numbers.backgroundBlurRatio, std::isfinite(numbers.backgroundBlurRatio))},
        {QStringLiteral("depth_of_field_ratio"),
         numberOrNull(numbers.depthOfFieldRatio, std::isfinite(numbers.depthOfFieldRatio))},
    };
    addLimits(object, pinned.camera);
    return object;
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
    // Numbered as the setups on show are listed; their names are in the JSON.
    std::vector<PlotInput::Pinned> pinned = input.pinned;
    for (size_t setup = 0; setup < pinned.size(); ++setup)
        text += QStringLiteral(",setup%1_zc").arg(setup + 1);
    text += QLatin1Char('\n');
    for (int column = 1; column < geometry.plotWidth(); ++column) {
        text += exact(LengthUnits::fromMetres(geometry.intervalEnd(column) / 1000.0, unit));
        for (int number : cameras) {
            CameraSetup& camera = setups[number - 1];
            const double distance = geometry.sampleDistance(column, fromCamera, camera.getFdist());
            text += QLatin1Char(',') + exact(curveBlur(camera, distance));
        }
        for (PlotInput::Pinned& setup : pinned) {
            CameraSetup& camera = setup.camera;
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
    // Likewise only where pinned setups are on show.
    if (!plot.input()->pinned.empty()) {
        QJsonArray setups;
        for (const PlotInput::Pinned& pinned : plot.input()->pinned)
            setups.append(pinnedObject(pinned, plot.input()->cameras[0]));
        root.insert(QStringLiteral("setups"), setups);
    }
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}
