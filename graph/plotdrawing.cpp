// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "plotdrawing.h"

#include "camerasetup.h"
#include "curvepixels.h"
#include "paintarea.h"
#include "pixelfill.h"
#include "plotclip.h"
#include "plotgeometry.h"
#include "readernumbers.h"
#include "segmentshapes.h"
#include "smoothcurve.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPaintEngine>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace {
QPen colouredPen(const QColor& colour)
{
    QPen pen;
    // Cosmetic: one device pixel whatever the painter's device.
    pen.setWidth(0);
    pen.setColor(colour);
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
// Where a paint covers only part of the widget, only the pieces inside are filled: the same
// pixels there, without a span per row elsewhere.
void drawGridLine(QPainter* painter, const QPen& pen, QPoint from, QPoint to, const PaintArea* area)
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
            const QTransform toPainter = device.inverted();
            if (!area) {
                painter->fillRect(toPainter.mapRect(pixels), pen.color());
                return;
            }
            const QRect line = QRect(from, to).normalized();
            // Opaque fills stay on the painting thread, so the pieces need no cutting.
            for (const QRect& piece : area->devicePieces(line, pixels.toRect()))
                painter->fillRect(toPainter.mapRect(QRectF(piece)), pen.color());
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

// The whole factor by which the painter enlarges, moving by whole device pixels at most; 0
// where it does anything else, or nothing but move.
int wholeScale(const QPainter* painter)
{
    const QTransform& device = painter->deviceTransform();
    const qreal factor = device.m11();
    const bool whole = device.type() == QTransform::TxScale && device.m22() == factor &&
                       factor >= 2 && factor == std::floor(factor) &&
                       device.dx() == std::floor(device.dx()) &&
                       device.dy() == std::floor(device.dy());
    return whole ? int(factor) : 0;
}

// Whether whole pixels of the painter are whole device pixels, so that rectangles cut from
// a fill meet without a smoothed edge between them.
bool wholeDevicePixels(const QPainter* painter)
{
    const QTransform& device = painter->deviceTransform();
    return device.type() <= QTransform::TxTranslate
               ? device.dx() == std::floor(device.dx()) && device.dy() == std::floor(device.dy())
               : wholeScale(painter) >= 2;
}

// Where SegmentShapes knows a pen's pixels: on a raster device enlarged by a whole factor,
// with no clip of the painter's own.
bool fillsScaledCurvePixels(const QPainter* painter, const QPen& pen)
{
    const QPaintEngine* engine = painter->paintEngine();
    return engine && engine->type() == QPaintEngine::Raster && wholeScale(painter) >= 2 &&
           pen.style() == Qt::SolidLine && pen.brush().style() == Qt::SolidPattern &&
           !painter->hasClipping();
}

// The parts of pixel rectangles inside an area.
std::vector<QRect> cutTo(const std::vector<QRect>& rects, const QRect& area)
{
    std::vector<QRect> inside;
    inside.reserve(rects.size());
    for (const QRect& rect : rects) {
        const QRect part = rect & area;
        if (!part.isEmpty())
            inside.push_back(part);
    }
    return inside;
}

// Lines cut to an area by a clip of the painter, set only where a line may reach outside it
// (ink reaching reach pixels beyond its end points) and only around these lines: under a clip
// the plot's fast fills would not be used.
void drawLinesWithin(QPainter* painter, const std::vector<QLine>& lines, const QRect& area,
                     int reach)
{
    if (lines.empty())
        return;
    const bool inside = std::all_of(lines.begin(), lines.end(), [&](const QLine& line) {
        return area.contains(
            QRect(line.p1(), line.p2()).normalized().adjusted(-reach, -reach, reach, reach));
    });
    if (inside) {
        painter->drawLines(lines.data(), int(lines.size()));
        return;
    }
    painter->save();
    painter->setClipRect(area, Qt::IntersectClip);
    painter->drawLines(lines.data(), int(lines.size()));
    painter->restore();
}

// Samples per plot pixel of a smooth curve for a painter whose output shows finer than whole
// pixels: vector files, and bitmaps of two or more device pixels per pixel; 0 for others.
int samplesPerPixel(const QPainter* painter)
{
    // A vector file shows what a reader zooms into.
    constexpr int vectorSamples = 2;
    const QPaintEngine* engine = painter->paintEngine();
    if (!engine)
        return 0;
    if (engine->type() == QPaintEngine::SVG || engine->type() == QPaintEngine::Pdf)
        return vectorSamples;
    const QTransform& device = painter->deviceTransform();
    const qreal ratio =
        std::min(std::hypot(device.m11(), device.m12()), std::hypot(device.m21(), device.m22()));
    return ratio >= 2 ? int(std::ceil(ratio)) : 0;
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

QColor PlotDrawing::cameraColour(int camera)
{
    return camera == 1 ? QColor(0, 127, 0) : QColor(0, 0, 127);
}

QColor PlotDrawing::pinnedColour(int index)
{
    static const std::array<QColor, pinnedColourCount> palette{
        QColor(200, 0, 0),   QColor(214, 110, 0), QColor(150, 0, 160), QColor(0, 130, 150),
        QColor(130, 80, 20), QColor(210, 0, 120), QColor(80, 80, 80),  QColor(120, 120, 0)};
    return palette[size_t(std::clamp(index, 0, pinnedColourCount - 1))];
}

PlotDrawing::PlotDrawing()
{
    pens[Camera1Pen] = colouredPen(cameraColour(1));
    pens[Camera2Pen] = colouredPen(cameraColour(2));
    pens[TextPen] = colouredPen(QColor(0, 0, 0));
    pens[GridPen] = colouredPen(QColor(200, 200, 200));
}

void PlotDrawing::setSize(QSize size, qreal pixelRatio)
{
    plotSize = size;
    screenPixelRatio = pixelRatio;
}

void PlotDrawing::drawSceneWithin(QPainter* painter, const QRegion& region, const PlotScene& scene)
{
    const PaintArea area(region, QRect(QPoint(0, 0), plotSize), painter->deviceTransform());
    paintArea = &area;
    drawScene(painter, scene);
    paintArea = nullptr;
}

PlotGeometry PlotDrawing::currentGeometry() const
{
    const PlotMargins margins{leftMargin, rightMargin, topMargin, bottomMargin};
    const PlotInput shownInput = given.value_or(PlotInput());
    return PlotGeometry(
        width(), height(), margins, PlotInput::millimetresPerPixel(shownInput.distanceScale),
        shownInput.zcScale, shownInput.leftBorder, shownInput.logScale, shownInput.unit);
}

void PlotDrawing::graphDraw(QPainter* painter)
{
    if (!given)
        return;
    drawScene(painter, buildScene(exportBackground()));
}

void PlotDrawing::drawScene(QPainter* painter, const PlotScene& scene)
{
    drawTitles(painter, scene);
    drawGrid(painter, scene.plot);
    drawDistanceTicks(painter, scene.plot);
    drawReferenceLine(painter, scene.plot);
    const bool smoothedFrame = painter->testRenderHint(QPainter::Antialiasing);
    // Under the live cameras, which are what the user is changing.
    for (const PinnedScene& pinned : scene.pinned)
        drawPinned(painter, scene, pinned);
    for (size_t camera = 0; camera < scene.cameras.size(); ++camera) {
        if (scene.cameras[camera])
            drawCamera(painter, scene, *scene.cameras[camera], int(camera) + 1);
    }
    if (scene.stack)
        StackOverlay::draw(painter, *scene.stack, paintArea);
    // A curve or band that starts at the left border runs along the vertical axis; the axes
    // stay readable over them, drawn as the rest of the frame is.
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, smoothedFrame);
    drawAxes(painter, scene.plot);
    painter->restore();
    // Over every curve and band, so that nothing shows through a caption's texts.
    for (const std::optional<CameraScene>& camera : scene.cameras) {
        if (camera)
            drawCaption(painter, scene.plot, *camera);
    }
    drawLegend(painter, scene);
}

bool PlotDrawing::touches(const QRect& bounds) const
{
    return !paintArea || paintArea->touches(bounds);
}

void PlotDrawing::drawText(QPainter* painter, const QRect& rect, int flags, const QString& text)
{
    // Ink stays inside the rectangle (a text that does not fit is clipped to it) but for
    // the overhang of a glyph.
    if (touches(rect.adjusted(-4, -4, 4, 4)))
        textCache.drawText(painter, rect, flags, text);
}

void PlotDrawing::drawText(QPainter* painter, int x, int y, const QString& text)
{
    if (!paintArea || touches(textCache.baselineBounds(painter, x, y, text).adjusted(-4, -4, 4, 4)))
        textCache.drawText(painter, x, y, text);
}

void PlotDrawing::drawLine(QPainter* painter, const QPen& pen, QPoint from, QPoint to)
{
    if (touches(QRect(from, to).normalized().adjusted(-1, -1, 1, 1)))
        drawGridLine(painter, pen, from, to, paintArea);
}

void PlotDrawing::drawTitles(QPainter* painter, const PlotScene& scene)
{
    const int w = scene.plot.width();
    const int h = scene.plot.height();
    painter->setPen(pens[TextPen]);
    painter->setFont(arial(8));
    // "zc" with a lowered c, beside the vertical axis's arrow where the topmost grid label
    // would run into it (a low plot).
    const int left = topGridLabelTop(scene.plot) < titleBottom ? scene.plot.axisX() + 8 : 2;
    drawText(painter, left, 12, QStringLiteral("z  [-]"));
    drawText(painter, left + 6, 14, QStringLiteral("c"));
    drawText(painter, scene.plot.distanceTitleX(), h - 12, scene.distanceTitle);

    painter->setFont(arial(7));
    painter->setPen(pens[Camera2Pen]);
    drawText(painter, 2, h - 2, QStringLiteral("Zidov ") + scene.version);

    painter->setFont(arial(10));
    drawText(painter, w / 2 - 10, 12, QStringLiteral("Z"));
    painter->setPen(pens[TextPen]);
    drawText(painter, w / 2 - 2, 12, QStringLiteral("idov"));
}

void PlotDrawing::drawGrid(QPainter* painter, const PlotGeometry& plot)
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
    const bool raised = plot.raisedExponents(inkWidth);
    for (int n = 0; n * step < limit; ++n) {
        const double value = n * step;
        const int row = plot.rowOfAxisValue(value);
        drawLine(painter, pens[GridPen], QPoint(plot.axisX() - 3, row),
                 QPoint(plot.width() - 15, row));
        const QRect labelBox(0, row - 8, PlotGeometry::gridLabelWidth, 10);
        if (!touches(labelBox.adjusted(-4, -4, 4, 4)))
            continue;
        painter->setPen(pens[TextPen]);
        const GridLabel label = plot.gridLabelText(value, inkWidth, raised);
        if (label.pointSize != PlotGeometry::gridLabelPointSize)
            painter->setFont(arial(label.pointSize));
        drawText(painter, labelBox, Qt::AlignRight | Qt::AlignVCenter, label.text);
        if (label.pointSize != PlotGeometry::gridLabelPointSize)
            painter->setFont(arial(PlotGeometry::gridLabelPointSize));
    }
}

void PlotDrawing::drawDistanceTicks(QPainter* painter, const PlotGeometry& plot)
{
    // A paint of a few columns passes the others at once: their lines and labels, ink
    // included (19 px left of the tick to 24 px right of it), lie outside it.
    const QRect bounds = paintArea ? paintArea->region().boundingRect() : QRect();
    const std::pair<int, int> painted =
        paintArea ? std::pair(bounds.left() - plot.axisX() - 24, bounds.right() - plot.axisX() + 19)
                  : std::pair(1, plot.plotWidth());
    const int tickBottom = plot.axisY() + 3;
    const int tickTop = topMargin + topGap;
    // Measured on the painter's device, as the grid labels are.
    const QFontMetricsF labelMetrics(arial(PlotGeometry::gridLabelPointSize), painter->device());
    for (int column = 1; column < plot.plotWidth(); ++column) {
        if (column < painted.first || column > painted.second)
            continue;
        if (!plot.hasTick(column))
            continue;
        const int x = plot.axisX() + column;
        drawLine(painter, pens[GridPen], QPoint(x, tickBottom), QPoint(x, tickTop));
        const QRect labelBox(plot.tickLabelLeft(column), plot.axisY() + 5,
                             PlotGeometry::tickLabelWidth, 12);
        if (!touches(labelBox.adjusted(-4, -4, 4, 4)))
            continue;
        const auto distance = plot.tickLabel(column);
        if (!distance)
            continue;
        const QString text = ReaderNumbers::significant(*distance, 6);
        // Only labels near the title are measured.
        if (!plot.tickLabelFits(column, PlotGeometry::tickLabelWidth) &&
            !plot.tickLabelFits(column, labelMetrics.horizontalAdvance(text)))
            continue;
        painter->setPen(pens[TextPen]);
        drawText(painter, labelBox, Qt::AlignCenter, text);
    }
}

void PlotDrawing::drawAxes(QPainter* painter, const PlotGeometry& plot)
{
    const int x0 = plot.axisX();
    const int y0 = plot.axisY();
    const int right = plot.width() - rightMargin;
    const QPen& pen = pens[TextPen];
    drawLine(painter, pen, QPoint(x0, y0), QPoint(right, y0));
    drawLine(painter, pen, QPoint(x0, y0), QPoint(x0, topMargin));
    painter->setPen(pen);
    if (touches(QRect(right - 11, y0 - 6, 13, 13))) {
        painter->drawLine(right, y0, right - 10, y0 - 5);
        painter->drawLine(right, y0, right - 10, y0 + 5);
    }
    if (touches(QRect(x0 - 6, topMargin - 1, 13, 13))) {
        painter->drawLine(x0, topMargin, x0 - 5, topMargin + 10);
        painter->drawLine(x0, topMargin, x0 + 5, topMargin + 10);
    }
}

void PlotDrawing::drawReferenceLine(QPainter* painter, const PlotGeometry& plot)
{
    // On the log scale zc = 1 is the horizontal axis itself.
    if (plot.logScale())
        return;
    const int one = plot.rowOfAxisValue(1);
    drawLine(painter, pens[TextPen], QPoint(plot.axisX(), one), QPoint(plot.width() - 15, one));
}

int PlotDrawing::topGridLabelTop(const PlotGeometry& plot)
{
    const double step = plot.gridStep();
    const double limit = plot.gridLimit();
    if (limit <= 0)
        return plot.height();
    // Counted as drawGrid counts, so that rounding cannot tell the two apart.
    int top = 0;
    while ((top + 1) * step < limit)
        ++top;
    // As drawGrid places its label boxes.
    return plot.rowOfAxisValue(top * step) - 8;
}

void PlotDrawing::drawCamera(QPainter* painter, const PlotScene& scene, const CameraScene& camera,
                             int number)
{
    QPen& pen = pens[number == 1 ? Camera1Pen : Camera2Pen];
    if (camera.smoothed)
        painter->setRenderHint(QPainter::Antialiasing, true);
    pen.setWidth(camera.penWidth);
    painter->setPen(pen);
    drawCurve(painter, *camera.curve, pen, scene.curveArea);
    if (camera.curve->nearColumn != -1)
        drawBand(painter, camera);
}

void PlotDrawing::drawCurve(QPainter* painter, const CurveTrace& curve, const QPen& pen,
                            const QRect& area)
{
    // The window keeps its pixel curve at every scale; an export that shows finer than whole
    // pixels gets a smooth one.
    const int samples = paintArea ? 0 : samplesPerPixel(painter);
    if (samples > 0)
        drawSmoothCurve(painter, curve, pen, samples);
    else
        drawPixelCurve(painter, curve, pen, area);
}

void PlotDrawing::drawPixelCurve(QPainter* painter, const CurveTrace& curve, const QPen& pen,
                                 const QRect& area)
{
    // A paint of part of the plot takes the chunks that reach into it.
    std::vector<QLine> partOfCurve;
    if (paintArea) {
        partOfCurve.reserve(curve.segments.size());
        for (size_t chunk = 0; chunk < curve.chunkReach.size(); ++chunk) {
            if (!touches(curve.chunkReach[chunk] & area))
                continue;
            const auto first = curve.segments.begin() + chunk * CurveTrace::chunkColumns;
            const auto last =
                curve.segments.begin() +
                std::min(curve.segments.size(), (chunk + 1) * size_t(CurveTrace::chunkColumns));
            partOfCurve.insert(partOfCurve.end(), first, last);
        }
    }
    std::vector<QLine> segments = paintArea ? std::move(partOfCurve) : curve.segments;

    // An unsmoothed opaque pen covers the same pixels whether the segments are drawn one by
    // one or in one call, also where a scaling painter fills each as a shape: the pixels of
    // their union are theirs. Smoothed segments in one call would be filled as one shape
    // and no longer blend where they meet, as the curve has always looked.
    // Everything is cut to the area: the pixels filled directly, the strokes by the painter.
    const bool solid =
        !painter->testRenderHint(QPainter::Antialiasing) && pen.color().alpha() == 255;
    if (solid && fillsCurvePixels(painter, pen)) {
        // Which segments are stroked depends on the whole widget, not on the part painted,
        // so that every part gets the pixels of a paint of the whole.
        const QRect unclipped = paintArea ? QRect(QPoint(0, 0), plotSize) : unclippedArea(painter);
        const CurvePixels pixels(segments, unclipped);
        PixelFill::fillRects(painter, cutTo(pixels.runs, area), pen.color());
        painter->setPen(pen);
        drawLinesWithin(painter, pixels.strokes, area, 0);
    } else if (solid && fillsScaledCurvePixels(painter, pen)) {
        const int scale = wholeScale(painter);
        if (!segmentShapes || !segmentShapes->drawnWith(pen, scale))
            segmentShapes.emplace(pen, scale);
        const QRect unclipped = paintArea ? QRect(QPoint(0, 0), plotSize) : unclippedArea(painter);
        const CurvePixels pixels(
            segments, QRect(unclipped.topLeft() * scale, unclipped.size() * scale), *segmentShapes);
        const std::vector<QRect> runs =
            cutTo(pixels.runs, QRect(area.topLeft() * scale, area.size() * scale));
        // In device pixels, where drawRects fills exactly the rectangles' pixels.
        painter->save();
        painter->scale(1.0 / scale, 1.0 / scale);
        PixelFill::fillRects(painter, runs, pen.color());
        painter->restore();
        drawLinesWithin(painter, pixels.strokes, area, pen.width());
    } else if (solid) {
        joinLevelRuns(segments);
        drawLinesWithin(painter, segments, area, pen.width());
    } else {
        // Separate lines rather than one polyline, so that the smoothed segments blend
        // where they meet, as the curve has always looked.
        painter->save();
        painter->setClipRect(area, Qt::IntersectClip);
        for (const QLine& segment : segments)
            painter->drawLine(segment);
        painter->restore();
    }
}

void PlotDrawing::drawSmoothCurve(QPainter* painter, const CurveTrace& curve, const QPen& pen,
                                  int samplesPerPixel)
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, true);
    QPen smooth = pen;
    // A cut end stops at the plot's edge instead of reaching past it.
    smooth.setCapStyle(Qt::FlatCap);
    smooth.setJoinStyle(Qt::RoundJoin);
    painter->setPen(smooth);
    painter->setBrush(Qt::NoBrush);
    const PlotClip clip(curve.plot, topMargin + topGap);
    painter->drawPath(SmoothCurve::path(curve, clip, smooth.widthF(), samplesPerPixel));
    painter->restore();
}

void PlotDrawing::drawPinned(QPainter* painter, const PlotScene& scene, const PinnedScene& pinned)
{
    // One pixel, never smoothed: thinner than the live cameras in simple mode, and plain
    // beside them in expert mode.
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    const QPen pen = colouredPen(pinned.colour);
    painter->setPen(pen);
    drawCurve(painter, *pinned.curve, pen, scene.curveArea);
    if (!pinned.band.isEmpty())
        drawBand(painter, pinned.colour, pinned.bandAlpha, pinned.band);
    painter->restore();
}

void PlotDrawing::drawLegend(QPainter* painter, const PlotScene& scene)
{
    if (scene.pinned.empty() || !touches(scene.legendArea))
        return;
    QPen frame(QColor(0, 0, 0, 255));
    frame.setWidth(0);
    painter->setPen(frame);
    painter->setBrush(QBrush(scene.legendFill));
    painter->drawRect(scene.legendArea.adjusted(0, 0, -1, -1));
    for (const PinnedScene& pinned : scene.pinned) {
        const QRect& line = pinned.legendLine;
        const int middle = line.center().y();
        painter->fillRect(QRect(line.left(), middle - 1, 16, 2), pinned.colour);
        painter->setPen(pens[TextPen]);
        drawText(painter, line.adjusted(22, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                 pinned.name);
    }
}

void PlotDrawing::drawBand(QPainter* painter, const CameraScene& camera)
{
    drawBand(painter, camera.colour, camera.bandAlpha, camera.band);
}

void PlotDrawing::drawBand(QPainter* painter, QColor colour, int alpha, const QRect& band)
{
    colour.setAlpha(alpha);
    painter->setPen(QColor(0, 0, 0, 0));
    painter->setBrush(QBrush(colour));
    if (!paintArea || !wholeDevicePixels(painter)) {
        if (touches(band))
            painter->drawRect(band);
        return;
    }
    // Each pixel of the band is blended on its own, so the band's parts in the painted
    // area's rectangles, which do not overlap, give the same pixels; filled without the
    // outline, which is fully transparent and still costs a stroke.
    const qreal pixelRatio = painter->deviceTransform().m22();
    for (const QRect& painted : paintArea->region()) {
        for (const QRect& strip : PaintArea::strips(painted & band, pixelRatio))
            painter->fillRect(strip, colour);
    }
}

void PlotDrawing::drawCaption(QPainter* painter, const PlotGeometry& plot,
                              const CameraScene& camera)
{
    if (!touches(camera.captionArea))
        return;
    const int offset = camera.captionOffset;
    const int w = plot.width();
    QPen frame(QColor(0, 0, 0, 255));
    frame.setWidth(0);
    painter->setPen(frame);
    painter->setBrush(QBrush(camera.captionFill));
    painter->drawRect(w - 410, offset + 12, 400, 32);

    const CaptionTexts& texts = camera.caption;
    const int flags = Qt::AlignLeft | Qt::AlignVCenter;
    painter->setPen(pens[TextPen]);
    drawText(painter, QRect(w - 402, offset + 12, 384, 20), flags, texts.title);
    drawText(painter, QRect(w - 338, offset + 12, 324, 20), flags, texts.settings);
    drawText(painter, QRect(w - 402, offset + 26, 392, 20), flags, texts.values);
}
