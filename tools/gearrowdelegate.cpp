// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "gearrowdelegate.h"

#include <QApplication>
#include <QPainter>
#include <QTextLayout>

namespace {
// Enough for every body and lens of a database, and a bound on what a long session keeps.
constexpr qsizetype mostLayouts = 8192;
} // namespace

GearRowDelegate::~GearRowDelegate() = default;

const QTextLayout& GearRowDelegate::shaped(const QString& text, const QFont& font) const
{
    if (font.key() != layoutsFont || layouts.size() >= mostLayouts) {
        layouts.clear();
        layoutsFont = font.key();
    }
    std::shared_ptr<QTextLayout>& layout = layouts[text];
    if (!layout) {
        layout = std::make_shared<QTextLayout>(text, font);
        QTextOption option;
        option.setWrapMode(QTextOption::ManualWrap);
        layout->setTextOption(option);
        // One line as long as the text: ended without a width, the layout takes all of it.
        layout->beginLayout();
        layout->createLine();
        layout->endLayout();
    }
    return *layout;
}

void GearRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const
{
    QStyleOptionViewItem row = option;
    initStyleOption(&row, index);
    const QWidget* const widget = row.widget;
    QStyle* const style = widget ? widget->style() : QApplication::style();
    const bool plain = !row.text.isEmpty() && row.features == QStyleOptionViewItem::HasDisplay &&
                       row.direction == Qt::LeftToRight &&
                       row.displayAlignment == (Qt::AlignLeft | Qt::AlignVCenter) &&
                       !(row.state & QStyle::State_Editing) &&
                       !row.text.contains(QChar::LineSeparator);
    if (!plain) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    const QTextLayout& layout = shaped(row.text, row.font);
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
    QStyleOptionViewItem bare = row;
    bare.text.clear();
    bare.features = QStyleOptionViewItem::None;
    const QRect text = style->subElementRect(QStyle::SE_ItemViewItemText, &bare, widget)
                           .adjusted(margin, 0, -margin, 0);
    const QTextLine line = layout.lineCount() == 1 ? layout.lineAt(0) : QTextLine();
    if (!line.isValid() || line.naturalTextWidth() > text.width()) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    // The row without its text, then the text where and in the colour the style puts it.
    style->drawControl(QStyle::CE_ItemViewItem, &bare, painter, widget);
    QPalette::ColorGroup group =
        row.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled;
    if (group == QPalette::Normal && !(row.state & QStyle::State_Active))
        group = QPalette::Inactive;
    const int height = qRound(layout.boundingRect().height());
    painter->save();
    painter->setClipRect(row.rect);
    painter->setPen(row.palette.color(
        group, row.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text));
    layout.draw(painter, QPointF(text.x(), text.top() + (text.height() - height) / 2));
    painter->restore();
}
