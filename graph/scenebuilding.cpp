// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "boxrounding.h"
#include "camerasetup.h"
#include "plotclip.h"
#include "plotdrawing.h"
#include "plotgeometry.h"
#include "readernumbers.h"

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <vector>

namespace {
using CurveRule::pinnedBlur;
// Only in simple mode are curves smoothed, drawn thicker and shaded stronger.
constexpr int simpleCurveWidth = 2;
constexpr int expertCurveWidth = 1;
constexpr int simpleBandAlpha = 40;
constexpr int expertBandAlpha = 20;
constexpr int captionAlpha = 20;

// A tint composed over an opaque background by the painter itself, so that a box filled with
// the result looks, where nothing lies behind it, exactly as the tint laid over it.
QColor composedOver(const QColor& tint, const QColor& background)
{
    QImage pixel(1, 1, QImage::Format_ARGB32_Premultiplied);
    pixel.fill(background);
    {
        QPainter painter(&pixel);
        painter.fillRect(QRect(0, 0, 1, 1), tint);
    }
    return pixel.pixelColor(0, 0);
}
} // namespace

PlotScene PlotDrawing::buildScene(const QColor& background)
{
    const PlotGeometry plot = currentGeometry();
    const QString title =
        given->unit == LengthUnit::Feet ? tr("Distance [ft]") : tr("Distance [m]");
    const PlotClip clip(plot, topMargin + topGap);
    PlotScene scene{
        plot, clip.area(), screenPixelRatio, background, given->version, title, {}, {}, {}, {}, {}};
    // Camera by camera, curve before caption, as the records have always been evaluated.
    for (int camera : {1, 2}) {
        if (given->switchedOn[camera - 1])
            scene.cameras[camera - 1] = cameraScene(plot, clip, camera, background);
    }
    scene.stack = stackOverlay.sceneFor(scene, clip);
    addPinned(scene, clip);
    return scene;
}

void PlotDrawing::addPinned(PlotScene& scene, const PlotClip& clip)
{
    std::vector<PlotInput::Pinned>& pinned = given->pinned;
    pinnedCurves.resize(pinned.size());
    if (pinned.empty())
        return;
    const PlotGeometry& plot = scene.plot;
    // Below the caption boxes, which end 45 pixels below the lower one's offset.
    constexpr int legendTop = 92;
    constexpr int lineHeight = 14;
    constexpr int legendWidth = 200;
    const int left = plot.width() - 10 - legendWidth;
    scene.legendArea = QRect(left, legendTop, legendWidth, int(pinned.size()) * lineHeight + 6);
    scene.legendFill = composedOver(QColor(255, 255, 255, 200), scene.background);
    for (size_t index = 0; index < pinned.size(); ++index) {
        PlotInput::Pinned& setup = pinned[index];
        PinnedScene one;
        one.curve = traceCurve(plot, setup.camera, pinnedCurves[index]);
        one.colour = pinnedColour(setup.colour);
        one.bandAlpha = expertBandAlpha;
        const CurveTrace& curve = *one.curve;
        if (setup.band && curve.nearColumn != -1)
            one.band =
                clip.band(QRect(plot.axisX() + curve.nearColumn, topMargin + topGap,
                                curve.farColumn - curve.nearColumn, plot.plotHeight() - topGap));
        one.name = setup.name;
        one.legendLine =
            QRect(left + 4, legendTop + 3 + int(index) * lineHeight, legendWidth - 8, lineHeight);
        scene.pinned.push_back(std::move(one));
    }
}

CameraScene PlotDrawing::cameraScene(const PlotGeometry& plot, const PlotClip& clip, int camera,
                                     const QColor& background)
{
    // Only in simple mode are curves smoothed, drawn thicker and shaded stronger.
    const bool simple = !given->expert;
    CameraScene scene;
    scene.curve = traceCurve(plot, camera);
    scene.colour = pens[camera == 1 ? Camera1Pen : Camera2Pen].color();
    scene.penWidth = simple ? simpleCurveWidth : expertCurveWidth;
    scene.smoothed = simple;
    scene.bandAlpha = simple ? simpleBandAlpha : expertBandAlpha;
    const CurveTrace& curve = *scene.curve;
    if (curve.nearColumn != -1)
        scene.band =
            clip.band(QRect(plot.axisX() + curve.nearColumn, topMargin + topGap,
                            curve.farColumn - curve.nearColumn, plot.plotHeight() - topGap));
    // A single visible camera always takes the upper slot.
    scene.captionOffset = camera == 2 && given->switchedOn[0] ? 42 : 5;
    QColor tint = scene.colour;
    tint.setAlpha(captionAlpha);
    scene.captionFill = composedOver(tint, background);
    // The box with its outline, and a pixel more for the glyphs of its texts, which are
    // centred in rows inside it. Clear of the other camera's box, so that a change of one
    // caption does not repaint the other.
    scene.captionArea = QRect(QPoint(plot.width() - 411, scene.captionOffset + 11),
                              QPoint(plot.width() - 9, scene.captionOffset + 45));
    scene.caption = captionTexts(camera);
    return scene;
}

std::shared_ptr<const CurveTrace> PlotDrawing::traceCurve(const PlotGeometry& plot, int camera)
{
    return traceCurve(plot, given->cameras[camera - 1], curves[camera - 1]);
}

std::shared_ptr<const CurveTrace> PlotDrawing::traceCurve(const PlotGeometry& plot,
                                                          CameraSetup& setup,
                                                          std::shared_ptr<const CurveTrace>& kept)
{
    const bool fromCamera = given->fromCamera;
    const double focus = setup.getFdist();
    const ZcCurve zc(setup);
    if (kept && kept->tracedFrom(zc, focus, plot, fromCamera))
        return kept;

    const double closest = CurveRule::closestEvaluated(setup.getFlength());
    auto curve = std::make_shared<CurveTrace>(zc, focus, closest, plot, fromCamera);
    // A focus at or inside the focal length forms no sharp image: no curve, no band.
    if (!setup.formsImage()) {
        kept = curve;
        return curve;
    }
    double previous = pinnedBlur;
    if (!fromCamera) {
        previous = curve->blurAt(plot.startDistance(focus));
        curve->nearColumn = previous <= 1 ? 0 : -1;
    }
    // The distances first, then the blur at all of them in one go, which the processor
    // works out two at a time; nearer than closest the curve is pinned.
    const size_t columns = size_t(std::max(plot.plotWidth() - 1, 0));
    std::vector<double>& distances = sampleDistances;
    distances.resize(columns);
    for (size_t column = 1; column <= columns; ++column)
        distances[column - 1] = plot.sampleDistance(int(column), fromCamera, focus);
    std::vector<double>& blurs = curve->blur;
    blurs.resize(columns);
    zc.at(distances.data(), blurs.data(), columns);
    std::vector<QLine>& segments = curve->segments;
    segments.reserve(columns);
    int previousRow = plot.rowOfBlur(previous);
    for (int column = 1; column < plot.plotWidth(); ++column) {
        double& blur = blurs[size_t(column) - 1];
        if (distances[size_t(column) - 1] <= closest)
            blur = pinnedBlur;
        const int row = plot.rowOfBlur(blur);
        const int x = plot.axisX() + column;
        segments.emplace_back(x - 1, previousRow, x, row);
        // On the raw values, also on the log scale.
        if (previous > 1 && blur <= 1)
            curve->nearColumn = column - 1;
        if (previous <= 1 && blur > 1)
            curve->farColumn = column;
        previous = blur;
        previousRow = row;
    }
    curve->boundChunks();
    kept = curve;
    return curve;
}

namespace {
// As the focus box shows it: to a hundredth of the unit, in metres without trailing zeros as
// always; in feet the box holds finer lengths than anyone reads. Below 1 m (3 ft) in mm (in),
// where a planned macro focus of 299.7 mm would otherwise read 0.3 m.
QString focusText(double metres, LengthUnit unit)
{
    const LengthUnits::ReaderLength small = LengthUnits::readerLength(metres, unit);
    if (small.small)
        return ReaderNumbers::significant(small.length, 15) + small.symbol();
    const double shown = LengthUnits::fromMetres(metres, unit);
    if (unit == LengthUnit::Feet)
        return ReaderNumbers::fixed(shown, 2) + LengthUnits::symbol(unit);
    return ReaderNumbers::significant(roundedAsBox(shown, 2), 6) + LengthUnits::symbol(unit);
}
} // namespace

CaptionTexts PlotDrawing::captionTexts(int camera)
{
    if (!given)
        return {};
    CameraSetup& setup = given->cameras[camera - 1];
    const LengthUnit unit = given->unit;
    const bool feet = unit == LengthUnit::Feet;
    // Distances of the model, in mm, in the unit shown.
    const auto shown = [unit](double millimetres) {
        return LengthUnits::fromMetres(millimetres / 1000, unit);
    };
    CaptionTexts texts;
    texts.title = tr("Camera ") + QString::number(camera) + QLatin1Char(':');
    texts.settings = ReaderNumbers::significant(setup.getFlength(), 6) + QLatin1String("mm f/") +
                     ReaderNumbers::significant(setup.getAperture(), 6) + tr(" - Dist.: ") +
                     focusText(setup.getFdist() / 1000, unit) + tr(" - CoC: ") +
                     ReaderNumbers::fixed(setup.getCoc(), 4) + QLatin1String("mm");

    if (!setup.formsImage()) {
        texts.values = tr("No sharp image: the focus is closer than the focal length.");
        return texts;
    }
    const CaptionNumbers::DepthLimits limits = CaptionNumbers::depthLimits(setup);
    const double zInf = limits.zcAtInfinity;
    const double nearLimit = limits.nearLimit;
    const double farLimit = limits.farLimit;
    const CaptionNumbers::DepthOfField depth = limits.kind;
    // A far limit that stands for infinity has no meaningful depth either.
    const bool endless = depth == CaptionNumbers::DepthOfField::Endless;
    const QString infinite = QStringLiteral("inf. ");
    QString range;
    if (depth == CaptionNumbers::DepthOfField::None) {
        range = tr("none");
    } else {
        // One unit for the whole range: millimetres (inches) where even its largest length is
        // below 1 m (3 ft), so that a macro depth of field reads 2.77mm rather than 0.00m.
        const double largest = endless || given->dofLimits ? farLimit : farLimit - nearLimit;
        const LengthUnits::ReaderLength largestShown =
            LengthUnits::readerLength(largest / 1000, unit);
        const bool small = !endless && largestShown.small;
        const auto lengthText = [&](double millimetres) {
            if (small)
                return LengthUnits::readerLength(millimetres / 1000, unit).number();
            return ReaderNumbers::fixed(shown(millimetres), 2);
        };
        if (given->dofLimits)
            range = lengthText(nearLimit) + QLatin1String(" - ") +
                    (endless ? infinite : lengthText(farLimit));
        else
            range = endless ? infinite : lengthText(farLimit - nearLimit);
        range += small ? largestShown.symbol() : LengthUnits::symbol(unit);
    }

    const double fullFrameScale = setup.getFFScale();
    const double magnification = CaptionNumbers::magnification(fullFrameScale);
    const double scale =
        magnification > 0 ? magnification : CaptionNumbers::fullFrameScale(fullFrameScale);
    const double diagonal = shown(setup.getFieldDiag());
    const QString diagonalText =
        ReaderNumbers::fixed(diagonal, CaptionNumbers::diagonalDecimals(diagonal));
    // The range carries its unit ("none" takes none), so the template starts at the bracket.
    QString scaleTemplate;
    if (magnification > 0)
        scaleTemplate =
            feet ? tr("] - FFScale: %1:1 Diag: %2ft") : tr("] - FFScale: %1:1 Diag: %2m");
    else
        scaleTemplate =
            feet ? tr("] - FFScale: 1:%1 Diag: %2ft") : tr("] - FFScale: 1:%1 Diag: %2m");
    const QString scalePart =
        scaleTemplate.arg(ReaderNumbers::significant(scale, 6), 0, QLatin1Char(' '))
            .arg(diagonalText, 0, QLatin1Char(' '));
    texts.values = tr("zc(inf): ") +
                   ReaderNumbers::significant(CaptionNumbers::blurAtInfinity(zInf), 6) +
                   tr(" - DOF: [") + range + scalePart;
    return texts;
}
