// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "graph.h"

#include "camerasetup.h"
#include "curvepixels.h"
#include "mainwin.h"
#include "plotgeometry.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPaintEngine>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {
using CurveRule::pinnedBlur;
// Only in simple mode are curves smoothed, drawn thicker and shaded stronger.
constexpr int simpleCurveWidth = 2;
constexpr int expertCurveWidth = 1;
constexpr int simpleBandAlpha = 40;
constexpr int expertBandAlpha = 20;
constexpr int captionAlpha = 20;
// Lines and the band stop this far below the top margin.
constexpr int topGap = 10;

QPen colouredPen(int red, int green, int blue)
{
    QPen pen;
    // Cosmetic: one device pixel whatever the painter's device.
    pen.setWidth(0);
    pen.setColor(QColor(red, green, blue));
    return pen;
}

QFont arial(int pointSize)
{
    return QFont(QStringLiteral("Arial"), pointSize);
}

// A grid line along a pixel row or column, drawn with a cosmetic pen. Stroking it costs a
// span per pixel, which on a large plot took most of the paint; a rectangle one device
// pixel wide covers the same pixels (both end points included) in one fill. That holds
// wherever the painter only enlarges and moves, as on a high-density screen, as long as the
// end points land on whole device pixels and nothing is smoothed.
void drawGridLine(QPainter* painter, const QPen& pen, QPoint from, QPoint to)
{
    const bool straight = from.x() == to.x() || from.y() == to.y();
    const QTransform& device = painter->deviceTransform();
    if (straight && device.type() <= QTransform::TxScale && device.m11() > 0 && device.m22() > 0 &&
        !painter->testRenderHint(QPainter::Antialiasing) && pen.isCosmetic() &&
        pen.style() == Qt::SolidLine && pen.brush().style() == Qt::SolidPattern) {
        const QPointF a = device.map(QPointF(from));
        const QPointF b = device.map(QPointF(to));
        const auto whole = [](QPointF p) {
            return p.x() == std::floor(p.x()) && p.y() == std::floor(p.y());
        };
        if (whole(a) && whole(b)) {
            const QRectF pixels(QPointF(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                                QPointF(std::max(a.x(), b.x()) + 1, std::max(a.y(), b.y()) + 1));
            painter->fillRect(device.inverted().mapRect(pixels), pen.color());
            return;
        }
    }
    painter->setPen(pen);
    painter->drawLine(from, to);
}

// Consecutive level segments of an unsmoothed curve as one line: an opaque pen that is not
// smoothed covers exactly the same pixels with one stroke where the curve runs level (a
// flat curve at a coarse blur scale), and an ordinary curve keeps nearly all its segments.
void joinLevelRuns(std::vector<QLine>& segments)
{
    std::vector<QLine> joined;
    joined.reserve(segments.size());
    for (const QLine& segment : segments) {
        if (!joined.empty() && segment.dy() == 0 && joined.back().dy() == 0 &&
            joined.back().p2() == segment.p1()) {
            joined.back().setP2(segment.p2());
            continue;
        }
        joined.push_back(segment);
    }
    segments.swap(joined);
}

// Where CurvePixels knows a one-pixel pen's pixels: on a raster device (a vector file keeps
// its lines) where one unit is one device pixel, and with no clip of the painter's own.
bool fillsCurvePixels(const QPainter* painter, const QPen& pen)
{
    const QPaintEngine* engine = painter->paintEngine();
    return engine && engine->type() == QPaintEngine::Raster &&
           painter->deviceTransform().type() <= QTransform::TxTranslate && pen.widthF() <= 1 &&
           pen.style() == Qt::SolidLine && pen.brush().style() == Qt::SolidPattern &&
           !painter->hasClipping();
}

// The painter clips strokes to the area it was asked to paint (the whole device when it
// was not told), in painter coordinates.
QRect unclippedArea(QPainter* painter)
{
    const QRegion system = painter->paintEngine()->systemClip();
    const QPaintDevice* device = painter->device();
    const QRect area =
        system.isEmpty() ? QRect(0, 0, device->width(), device->height()) : system.boundingRect();
    return painter->deviceTransform().inverted().mapRect(area);
}
} // namespace

graph::graph() : leftMargin(30), rightMargin(10), topMargin(10), bottomMargin(30)
{
    pens[Camera1Pen] = colouredPen(0, 127, 0);
    pens[Camera2Pen] = colouredPen(0, 0, 127);
    pens[TextPen] = colouredPen(0, 0, 0);
    pens[GridPen] = colouredPen(200, 200, 200);
    setToolTip(tr("Relative blur zc over the subject distance in metres, one curve per camera "
                  "switched on.\nzc is the diameter of a point's blur spot divided by the circle "
                  "of confusion: below 1 the point looks sharp, 5 means a spot five times the "
                  "largest one still seen as a point.\nThe shaded band is the depth of field."));
}

void graph::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    graphDraw(&painter);
}

PlotGeometry graph::currentGeometry() const
{
    const PlotMargins margins{leftMargin, rightMargin, topMargin, bottomMargin};
    // The zoom slider grows to the right while the distance per pixel shrinks.
    return PlotGeometry(width(), height(), margins, 51 - mainWindow->qxscale->value(),
                        mainWindow->qyscale->value(), mainWindow->DSB_leftBorder->value(),
                        mainWindow->useLog->isChecked());
}

void graph::graphDraw(QPainter* painter)
{
    if (!mainWindow)
        return;
    const PlotGeometry plot = currentGeometry();
    drawTitles(painter, plot);
    drawGrid(painter, plot);
    drawDistanceTicks(painter, plot);
    drawAxes(painter, plot);
    if (mainWindow->boxC1->isChecked())
        drawCamera(painter, plot, 1);
    if (mainWindow->boxC2->isChecked())
        drawCamera(painter, plot, 2);
}

void graph::drawTitles(QPainter* painter, const PlotGeometry& plot)
{
    const int w = plot.width();
    const int h = plot.height();
    painter->setPen(pens[TextPen]);
    painter->setFont(arial(8));
    // "zc" with a lowered c.
    textCache.drawText(painter, 2, 12, QStringLiteral("z  [-]"));
    textCache.drawText(painter, 8, 14, QStringLiteral("c"));
    textCache.drawText(painter, w - 72, h - 12, tr("Distance [m]"));

    painter->setFont(arial(7));
    painter->setPen(pens[Camera2Pen]);
    textCache.drawText(painter, 2, h - 2, QStringLiteral("Zidov ") + mainWindow->version);

    painter->setFont(arial(10));
    textCache.drawText(painter, w / 2 - 10, 12, QStringLiteral("Z"));
    painter->setPen(pens[TextPen]);
    textCache.drawText(painter, w / 2 - 2, 12, QStringLiteral("idov"));
}

void graph::drawGrid(QPainter* painter, const PlotGeometry& plot)
{
    painter->setFont(arial(PlotGeometry::gridLabelPointSize));
    // Right-aligned, a label's ink reaches from its advance less its first glyph's left
    // bearing; measured on the painter's device so that exports at other densities agree.
    QPaintDevice* const device = painter->device();
    const QFontMetricsF labelMetrics(arial(PlotGeometry::gridLabelPointSize), device);
    const auto inkWidth = [device, &labelMetrics](const QString& text, int pointSize) {
        const auto width = [&text](const QFontMetricsF& metrics) {
            return metrics.horizontalAdvance(text) - metrics.leftBearing(text.at(0));
        };
        if (pointSize == PlotGeometry::gridLabelPointSize)
            return width(labelMetrics);
        return width(QFontMetricsF(arial(pointSize), device));
    };
    const double step = plot.gridStep();
    const double limit = plot.gridLimit();
    for (int n = 0; n * step < limit; ++n) {
        const double value = n * step;
        const int row = plot.rowOfAxisValue(value);
        drawGridLine(painter, pens[GridPen], QPoint(plot.axisX() - 3, row),
                     QPoint(plot.width() - 15, row));
        painter->setPen(pens[TextPen]);
        const GridLabel label = plot.gridLabelText(value, inkWidth);
        if (label.pointSize != PlotGeometry::gridLabelPointSize)
            painter->setFont(arial(label.pointSize));
        textCache.drawText(painter, QRect(0, row - 8, PlotGeometry::gridLabelWidth, 10),
                           Qt::AlignRight | Qt::AlignVCenter, label.text);
        if (label.pointSize != PlotGeometry::gridLabelPointSize)
            painter->setFont(arial(PlotGeometry::gridLabelPointSize));
    }
}

void graph::drawDistanceTicks(QPainter* painter, const PlotGeometry& plot)
{
    const int tickBottom = plot.axisY() + 3;
    const int tickTop = topMargin + topGap;
    for (int column = 1; column < plot.plotWidth(); ++column) {
        if (!plot.hasTick(column))
            continue;
        const int x = plot.axisX() + column;
        drawGridLine(painter, pens[GridPen], QPoint(x, tickBottom), QPoint(x, tickTop));
        if (!plot.tickLabelFits(column))
            continue;
        if (const auto metres = plot.tickLabel(column)) {
            painter->setPen(pens[TextPen]);
            textCache.drawText(painter, QRect(x - 15, plot.axisY() + 5, 36, 12), Qt::AlignCenter,
                               QString::number(*metres, 'g', 6));
        }
    }
}

void graph::drawAxes(QPainter* painter, const PlotGeometry& plot)
{
    const int x0 = plot.axisX();
    const int y0 = plot.axisY();
    const int right = plot.width() - rightMargin;
    const QPen& pen = pens[TextPen];
    drawGridLine(painter, pen, QPoint(x0, y0), QPoint(right, y0));
    drawGridLine(painter, pen, QPoint(x0, y0), QPoint(x0, topMargin));
    painter->setPen(pen);
    painter->drawLine(right, y0, right - 10, y0 - 5);
    painter->drawLine(right, y0, right - 10, y0 + 5);
    painter->drawLine(x0, topMargin, x0 - 5, topMargin + 10);
    painter->drawLine(x0, topMargin, x0 + 5, topMargin + 10);

    // On the log scale zc = 1 is the horizontal axis itself.
    if (!plot.logScale()) {
        const int one = plot.rowOfAxisValue(1);
        drawGridLine(painter, pen, QPoint(x0, one), QPoint(plot.width() - 15, one));
    }
}

void graph::drawCamera(QPainter* painter, const PlotGeometry& plot, int camera)
{
    CameraSetup& setup = camera == 1 ? mainWindow->cam1 : mainWindow->cam2;
    QPen& pen = pens[camera == 1 ? Camera1Pen : Camera2Pen];
    const bool simple = mainWindow->expertMode == 0;
    painter->setPen(pen);
    if (simple)
        painter->setRenderHint(QPainter::Antialiasing, true);

    const DofColumns dof = drawCurve(painter, plot, setup, pen);
    if (dof.nearColumn != -1)
        drawBand(painter, plot, dof, pen.color());
    drawCaption(painter, plot, camera, pen.color());
}

graph::DofColumns graph::drawCurve(QPainter* painter, const PlotGeometry& plot, CameraSetup& camera,
                                   QPen& pen)
{
    const bool fromCamera = mainWindow->distanceCam->isChecked();
    const double focus = camera.getFdist();
    const double closest = CurveRule::closestEvaluated(camera.getFlength());
    const ZcCurve zc(camera);
    const auto blurAt = [&zc, closest](double distance) {
        return distance > closest ? zc.at(distance) : pinnedBlur;
    };

    DofColumns dof;
    double previous = pinnedBlur;
    if (!fromCamera) {
        const double start = plot.startDistance(focus);
        if (start > closest) {
            previous = zc.at(start);
            dof.nearColumn = previous <= 1 ? 0 : -1;
        }
    }

    // One segment per column; separate lines rather than one polyline so that the smoothed
    // segments blend where they meet, as the curve has always looked.
    pen.setWidth(mainWindow->expertMode == 0 ? simpleCurveWidth : expertCurveWidth);
    painter->setPen(pen);
    std::vector<QLine> segments;
    segments.reserve(std::max(plot.plotWidth(), 0));
    int previousRow = plot.rowOfBlur(previous);
    for (int column = 1; column < plot.plotWidth(); ++column) {
        const double blur = blurAt(plot.sampleDistance(column, fromCamera, focus));
        const int row = plot.rowOfBlur(blur);
        const int x = plot.axisX() + column;
        segments.emplace_back(x - 1, previousRow, x, row);
        // On the raw values, also on the log scale.
        if (previous > 1 && blur <= 1)
            dof.nearColumn = column - 1;
        if (previous <= 1 && blur > 1)
            dof.farColumn = column;
        previous = blur;
        previousRow = row;
    }
    // An unsmoothed opaque pen covers the same pixels whether the segments are drawn one by
    // one or in one call, also where a scaling painter fills each as a shape: the pixels of
    // their union are theirs. Smoothed segments in one call would be filled as one shape
    // and no longer blend where they meet, as the curve has always looked.
    const bool solid =
        !painter->testRenderHint(QPainter::Antialiasing) && pen.color().alpha() == 255;
    if (solid && fillsCurvePixels(painter, pen)) {
        const CurvePixels pixels(segments, unclippedArea(painter));
        painter->drawLines(pixels.strokes.data(), int(pixels.strokes.size()));
        // Without an outline, drawRects fills exactly the rectangles' pixels, in one call.
        painter->setPen(Qt::NoPen);
        painter->setBrush(pen.color());
        painter->drawRects(pixels.runs.data(), int(pixels.runs.size()));
        painter->setPen(pen);
    } else if (solid) {
        joinLevelRuns(segments);
        painter->drawLines(segments.data(), int(segments.size()));
    } else {
        for (const QLine& segment : segments)
            painter->drawLine(segment);
    }
    return dof;
}

void graph::drawBand(QPainter* painter, const PlotGeometry& plot, const DofColumns& dof,
                     QColor colour)
{
    colour.setAlpha(mainWindow->expertMode == 0 ? simpleBandAlpha : expertBandAlpha);
    painter->setPen(QColor(0, 0, 0, 0));
    painter->setBrush(QBrush(colour));
    painter->drawRect(plot.axisX() + dof.nearColumn, topMargin + topGap,
                      dof.farColumn - dof.nearColumn, plot.plotHeight() - topGap);
}

void graph::drawCaption(QPainter* painter, const PlotGeometry& plot, int camera, QColor colour)
{
    // A single visible camera always takes the upper slot.
    const int offset = camera == 2 && mainWindow->boxC1->isChecked() ? 42 : 5;
    const int w = plot.width();
    QPen frame(QColor(0, 0, 0, 255));
    frame.setWidth(0);
    colour.setAlpha(captionAlpha);
    painter->setPen(frame);
    painter->setBrush(QBrush(colour));
    painter->drawRect(w - 410, offset + 12, 400, 32);

    const CaptionTexts texts = captionTexts(camera);
    const int flags = Qt::AlignLeft | Qt::AlignVCenter;
    painter->setPen(pens[TextPen]);
    textCache.drawText(painter, QRect(w - 402, offset + 12, 384, 20), flags, texts.title);
    textCache.drawText(painter, QRect(w - 338, offset + 12, 324, 20), flags, texts.settings);
    textCache.drawText(painter, QRect(w - 402, offset + 26, 392, 20), flags, texts.values);
}

CaptionTexts graph::captionTexts(int camera)
{
    CameraSetup& setup = camera == 1 ? mainWindow->cam1 : mainWindow->cam2;
    CaptionTexts texts;
    texts.title = tr("Camera ") + QString::number(camera) + QLatin1Char(':');
    texts.settings = QString::number(setup.getFlength(), 'g', 6) + QLatin1String("mm f/") +
                     QString::number(setup.getAperture(), 'g', 6) + tr(" - Dist.: ") +
                     QString::number(setup.getFdist() / 1000, 'g', 6) + tr("m - CoC: ") +
                     QString::number(setup.getCoc(), 'f', 4) + QLatin1String("mm");

    const CaptionNumbers::DepthLimits limits = CaptionNumbers::depthLimits(setup);
    const double zInf = limits.zcAtInfinity;
    const double nearLimit = limits.nearLimit;
    const double farLimit = limits.farLimit;
    const CaptionNumbers::DepthOfField depth = limits.kind;
    // A far limit that stands for infinity has no meaningful depth in metres either.
    const bool endless = depth == CaptionNumbers::DepthOfField::Endless;
    const QString infinite = QStringLiteral("inf. ");
    QString range;
    if (depth == CaptionNumbers::DepthOfField::None) {
        range = tr("none");
    } else if (mainWindow->dofMode->isChecked()) {
        range = QString::number(nearLimit / 1000, 'f', 2) + QLatin1String(" - ") +
                (endless ? infinite : QString::number(farLimit / 1000, 'f', 2));
    } else {
        range = endless ? infinite : QString::number((farLimit - nearLimit) / 1000, 'f', 2);
    }

    const double scale = CaptionNumbers::fullFrameScale(setup.getFFScale());
    const double diagonal = setup.getFieldDiag() / 1000;
    const QString diagonalText =
        QString::number(diagonal, 'f', CaptionNumbers::diagonalDecimals(diagonal));
    // "none" is no length in metres.
    const QString scaleTemplate = depth == CaptionNumbers::DepthOfField::None
                                      ? tr("] - FFScale: 1:%1 Diag: %2m")
                                      : tr("m] - FFScale: 1:%1 Diag: %2m");
    const QString scalePart = scaleTemplate.arg(scale, 0, 'g', -1, QLatin1Char(' '))
                                  .arg(diagonalText, 0, QLatin1Char(' '));
    texts.values = tr("zc(inf): ") + QString::number(CaptionNumbers::blurAtInfinity(zInf), 'g', 6) +
                   tr(" - DOF: [") + range + scalePart;
    return texts;
}
