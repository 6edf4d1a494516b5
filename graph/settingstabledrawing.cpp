// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "settingstabledrawing.h"

#include "settingstable.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace {
// Under the plot's vertical axis, and as far from the right edge as its arrow.
constexpr int leftEdge = 30;
constexpr int rightEdge = 10;
constexpr int padding = 8;
constexpr int rowHeight = 16;
constexpr int cellGap = 6;
constexpr int tintAlpha = 20;
const QColor ruleColour(200, 200, 200);
} // namespace

SettingsTableDrawing::SettingsTableDrawing(const SettingsTable& table_, int width_)
    : table(table_), width(width_), font(QStringLiteral("Arial"), 8)
{
    const QFontMetrics metrics(font);
    const auto widest = [&metrics](const QStringList& texts) {
        int widest = 0;
        for (const QString& text : texts)
            widest = std::max(widest, metrics.horizontalAdvance(text) + 3 * cellGap);
        return widest;
    };
    labelWidth = widest(table.labels());
    int valuesWidth = 0;
    for (const SettingsTable::Column& column : table.columns())
        valuesWidth = std::max(valuesWidth, widest(column.values + QStringList(column.heading)));
    const int columns = std::max<int>(1, int(table.columns().size()));
    const int available = std::max(0, width - leftEdge - rightEdge);
    // Too narrow a page shares its width out in proportion, so that values stay as readable
    // as labels; a wider one gives the room left over to the cameras.
    const int natural = labelWidth + columns * valuesWidth;
    if (natural > available)
        labelWidth = int(qint64(labelWidth) * available / std::max(1, natural));
    columnWidth = (available - labelWidth) / columns;
    if (!table.comparison().isEmpty())
        comparisonHeight =
            metrics
                .boundingRect(QRect(0, 0, std::max(1, width - leftEdge - rightEdge), 10000),
                              Qt::TextWordWrap, table.comparison())
                .height() +
            padding;
    totalHeight = comparisonTop() + comparisonHeight + padding;
}

int SettingsTableDrawing::comparisonTop() const
{
    // A heading row above the rows.
    return padding + rowHeight * int(table.labels().size() + 1) + padding / 2;
}

void SettingsTableDrawing::draw(QPainter* painter, int top, const QColor& background) const
{
    painter->save();
    painter->fillRect(QRect(0, top, width, totalHeight), background);
    painter->setFont(font);
    const QFontMetrics metrics(font);
    const int firstRow = top + padding;
    const int rows = int(table.labels().size());
    const int tableBottom = firstRow + rowHeight * (rows + 1);
    const auto cell = [&](int left, int row, int cellWidth) {
        return QRect(left + cellGap, firstRow + row * rowHeight, cellWidth - 2 * cellGap,
                     rowHeight);
    };
    const auto write = [&](const QRect& rect, const QString& text) {
        painter->drawText(rect, Qt::AlignLeft | Qt::AlignVCenter,
                          metrics.elidedText(text, Qt::ElideRight, rect.width()));
    };

    int left = leftEdge + labelWidth;
    for (const SettingsTable::Column& column : table.columns()) {
        QColor tint = column.colour;
        tint.setAlpha(tintAlpha);
        painter->fillRect(QRect(left, firstRow, columnWidth, tableBottom - firstRow), tint);
        painter->setPen(column.colour);
        write(cell(left, 0, columnWidth), column.heading);
        for (int row = 0; row < rows; ++row)
            write(cell(left, row + 1, columnWidth), column.values[row]);
        left += columnWidth;
    }
    painter->setPen(ruleColour);
    for (int row = 1; row <= rows + 1; ++row) {
        const int y = firstRow + row * rowHeight;
        painter->drawLine(leftEdge, y, width - rightEdge, y);
    }
    painter->setPen(Qt::black);
    for (int row = 0; row < rows; ++row)
        write(cell(leftEdge, row + 1, labelWidth), table.labels()[row]);
    if (!table.comparison().isEmpty())
        painter->drawText(
            QRect(leftEdge, top + comparisonTop(), width - leftEdge - rightEdge, comparisonHeight),
            Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, table.comparison());
    painter->restore();
}
