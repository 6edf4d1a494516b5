// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "plotreadout.h"

#include "lengthunit.h"
#include "paintarea.h"
#include "pixelfill.h"
#include "readernumbers.h"

#include <QFont>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>

namespace {
constexpr int pointSize = 8;
// The box keeps clear of the cursor line, and of the pointer's arrow below the pointer.
constexpr int besideCursor = 8;
constexpr int belowPointer = 18;
constexpr int abovePointer = 8;
constexpr int horizontalPadding = 5;
constexpr int verticalPadding = 3;
// Cursors or boxes this close are repainted together.
constexpr int nearby = 16;
// See-through, so that the curves stay visible where the cursor crosses them.
const QColor cursorColour(0, 0, 0, 90);
const QColor frameColour(96, 96, 96);
const QColor fillColour(255, 255, 255);
const QColor textColour(0, 0, 0);

QFont readoutFont()
{
    return QFont(QStringLiteral("Arial"), pointSize);
}

// The four sides of a frame of thickness round rect, inside it and not overlapping.
std::array<QRect, 4> frameSides(const QRect& rect, int thickness)
{
    const int height = rect.height() - 2 * thickness;
    return {QRect(rect.left(), rect.top(), rect.width(), thickness),
            QRect(rect.left(), rect.bottom() - thickness + 1, rect.width(), thickness),
            QRect(rect.left(), rect.top() + thickness, thickness, height),
            QRect(rect.right() - thickness + 1, rect.top() + thickness, thickness, height)};
}

// Two decimals; a value too large for them (a curve pinned high, a vanishing CoC) in short.
QString zcText(double zc)
{
    return std::abs(zc) < 1e6 ? ReaderNumbers::fixed(zc, 2) : ReaderNumbers::significant(zc, 3);
}
} // namespace

std::optional<int> PlotReadout::columnAt(const PlotGeometry& plot, QPoint point)
{
    const int column = point.x() - plot.axisX();
    const int top = plot.axisY() - plot.plotHeight();
    if (column < 1 || column >= plot.plotWidth() || point.y() < top || point.y() >= plot.axisY())
        return std::nullopt;
    return column;
}

PlotReadout::PlotReadout(const PlotScene& scene, int column, int pointerRow, bool fromCamera,
                         const QPaintDevice* metrics, ReadoutLines& lines)
    : cursorColumn(column), margin(scene.pixelRatio == std::floor(scene.pixelRatio) ? 0 : 1)
{
    const PlotGeometry& plot = scene.plot;
    const int x = plot.axisX() + column;
    const int top = plot.axisY() - plot.plotHeight();
    cursor = QRect(x, top, 1, plot.axisY() - top);
    texts.push_back({distanceText(plot, column, fromCamera), textColour, nullptr});
    for (size_t index = 0; index < scene.cameras.size(); ++index) {
        const std::optional<CameraScene>& camera = scene.cameras[index];
        if (!camera || column > int(camera->curve->blur.size()))
            continue;
        const QString number = zcText(camera->curve->blur[column - 1]);
        // Sharp where the shaded band says so, so that box and plot never disagree.
        const QRect& band = camera->band;
        const bool sharp = !band.isEmpty() && x >= band.left() && x <= band.right();
        const QString text =
            sharp ? tr("Camera %1: zc %2 (sharp)").arg(QString::number(index + 1), number)
                  : tr("Camera %1: zc %2").arg(QString::number(index + 1), number);
        texts.push_back({text, camera->colour, nullptr});
    }
    for (const PinnedScene& pinned : scene.pinned) {
        if (column > int(pinned.curve->blur.size()))
            continue;
        texts.push_back({tr("%1: zc %2").arg(pinned.name, zcText(pinned.curve->blur[column - 1])),
                         pinned.colour, nullptr});
    }
    std::vector<QRect> captions;
    for (const std::optional<CameraScene>& camera : scene.cameras) {
        if (camera)
            captions.push_back(camera->captionArea);
    }
    if (!scene.legendArea.isEmpty())
        captions.push_back(scene.legendArea);
    placeBox(plot, pointerRow, captions, metrics, lines);
}

QString PlotReadout::distanceText(const PlotGeometry& plot, int column, bool fromCamera)
{
    // In mm (in) below 1 m (3 ft), where a macro depth of field lies.
    const LengthUnits::ReaderLength shown =
        LengthUnits::readerLength(plot.intervalEnd(column) / 1000.0, plot.axisUnit());
    QString number = shown.number();
    if (fromCamera)
        return tr("Distance: %1 %2").arg(number, shown.symbol());
    // Signed, so that in front of the focus plane and behind it read apart at a glance.
    if (shown.length == 0)
        number = ReaderNumbers::fixed(0, shown.decimals);
    else if (shown.length > 0)
        number.prepend(QLatin1Char('+'));
    return tr("From focus plane: %1 %2").arg(number, shown.symbol());
}

void PlotReadout::placeBox(const PlotGeometry& plot, int pointerRow,
                           const std::vector<QRect>& captions, const QPaintDevice* metrics,
                           ReadoutLines& lines)
{
    qreal textWidth = 0;
    qreal textHeight = 0;
    for (Line& line : texts) {
        line.laidOut = lines.line(line.text, readoutFont(), metrics);
        textWidth = std::max(textWidth, line.laidOut->width());
        textHeight = std::max(textHeight, line.laidOut->height());
    }
    lineHeight = int(std::ceil(textHeight));
    // A pixel to spare for a device that rounds the advances up.
    const int width = int(std::ceil(textWidth)) + 2 * horizontalPadding + 1;
    const int height = int(texts.size()) * lineHeight + 2 * verticalPadding;

    // Right of the cursor, or left of it where the plot ends; inside the axes either way.
    const int right = plot.axisX() + plot.plotWidth() - 1;
    const int leftmost = plot.axisX() + 1;
    const int rightSide = cursor.left() + besideCursor;
    const int leftSide = cursor.left() - besideCursor - width + 1;
    const bool rightFits = rightSide + width - 1 <= right;
    std::vector<int> lefts{std::max(rightFits ? rightSide : leftSide, leftmost)};
    if (rightFits && leftSide >= leftmost)
        lefts.push_back(leftSide);
    const int bottom = plot.axisY() - 1;
    const auto clamped = [&](int top) {
        return std::max(std::min(top, bottom - height + 1), cursor.top() + 1);
    };
    int top = pointerRow + belowPointer;
    if (top + height - 1 > bottom)
        top = pointerRow - abovePointer - height + 1;
    std::vector<int> tops{clamped(top)};
    // Clear of the caption boxes: on the other side of the cursor, else below the boxes.
    int captionsBottom = -1;
    for (const QRect& caption : captions)
        captionsBottom = std::max(captionsBottom, caption.bottom());
    if (captionsBottom >= 0 && captionsBottom + besideCursor + height <= bottom)
        tops.push_back(std::max(tops.front(), captionsBottom + besideCursor));
    const auto clear = [&captions](const QRect& place) {
        return std::none_of(captions.begin(), captions.end(),
                            [&place](const QRect& caption) { return caption.intersects(place); });
    };
    box = QRect(lefts.front(), tops.front(), width, height);
    for (const int candidateTop : tops) {
        for (const int candidateLeft : lefts) {
            const QRect place(candidateLeft, candidateTop, width, height);
            if (clear(place)) {
                box = place;
                return;
            }
        }
    }
}

QRect PlotReadout::grown(const QRect& rect) const
{
    return rect.adjusted(-margin, -margin, margin, margin);
}

QRegion PlotReadout::area() const
{
    return QRegion(grown(cursor)) + QRegion(grown(box));
}

QRegion PlotReadout::areaOfMoveFrom(const PlotReadout& before) const
{
    // Close together, the two cursors and the two boxes are repainted as one rectangle each:
    // every rectangle of a repaint costs each shape that crosses it a fill of its own, far
    // more than the few pixels between them.
    const auto joined = [this](const QRect& a, const QRect& b) {
        const QRect both = a | b;
        const bool close = both.width() <= a.width() + b.width() + nearby &&
                           both.height() <= a.height() + b.height() + nearby;
        return close ? QRegion(grown(both)) : QRegion(grown(a)) + QRegion(grown(b));
    };
    return joined(cursor, before.cursor) + joined(box, before.box);
}

void PlotReadout::draw(QPainter* painter) const
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    PixelFill::blendRect(painter, cursor, cursorColour);
    if (!drawBoxPixels(painter))
        drawBox(painter);
    painter->restore();
}

bool PlotReadout::drawBoxPixels(QPainter* painter) const
{
    int scale = 1;
    QPoint offset;
    QImage* const screen = PixelFill::wholePixelImage(painter, scale, offset);
    if (!screen)
        return false;
    // Each line's band runs from inside the frame to its text's end and the padding after it.
    std::vector<ReadoutLine::Look> looks;
    bool shownBefore = true;
    for (const Line& line : texts) {
        const QSize band(int(std::ceil(line.laidOut->width())) + 2 * horizontalPadding - 1,
                         lineHeight);
        looks.push_back({line.colour, band, QPoint(horizontalPadding - 1, 0), scale,
                         screen->format(), painter->renderHints()});
        // Every line is asked, so that each counts this showing.
        shownBefore = line.laidOut->shownBefore(looks.back()) && shownBefore;
    }
    // A box shown for the first time, as a pointer sweeping the plot shows most, costs less
    // drawn than drawn to keep.
    if (!shownBefore)
        return false;
    std::vector<const QImage*> bands;
    for (size_t index = 0; index < texts.size(); ++index) {
        bands.push_back(texts[index].laidOut->pixels(looks[index]));
        if (!bands.back())
            return false;
    }
    const QRect pixels(box.topLeft() * scale, box.size() * scale);
    for (const QRect& side : frameSides(pixels, scale))
        PixelFill::fillPixels(painter, side, frameColour);
    PixelFill::fillPixels(painter, pixels.adjusted(scale, scale, -scale, -scale), fillColour);
    QPoint at = QPoint(box.left() + 1, box.top() + verticalPadding) * scale;
    for (const QImage* band : bands) {
        PixelFill::copyPixels(painter, *band, band->rect(), at);
        at.ry() += lineHeight * scale;
    }
    return true;
}

void PlotReadout::drawBox(QPainter* painter) const
{
    const qreal pixelRatio = painter->deviceTransform().m22();
    // The frame as four fills, one pixel wide: stroked, its outline cost more than the rest.
    for (const QRect& strip : PaintArea::strips(box.adjusted(1, 1, -1, -1), pixelRatio))
        painter->fillRect(strip, fillColour);
    for (const QRect& side : frameSides(box, 1)) {
        for (const QRect& strip : PaintArea::strips(side, pixelRatio))
            painter->fillRect(strip, frameColour);
    }
    int top = box.top() + verticalPadding;
    for (const Line& line : texts) {
        painter->setPen(line.colour);
        line.laidOut->layout().draw(painter, QPointF(box.left() + horizontalPadding, top));
        top += lineHeight;
    }
}
