// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include <QHash>
#include <QStyledItemDelegate>

#include <memory>

class QTextLayout;

// Paints the gear chooser's rows as the style paints them, with each entry's text shaped once.
// The style lays a row's text out three times a paint (for its rectangle, its elision and its
// drawing), and every keystroke repaints all rows in view. A text that does not fit its row
// is left to the style, which elides it.
class GearRowDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    ~GearRowDelegate() override;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    const QTextLayout& shaped(const QString& text, const QFont& font) const;

    mutable QHash<QString, std::shared_ptr<QTextLayout>> layouts;
    mutable QString layoutsFont;
};
