// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include <QColor>
#include <QFont>

class QPainter;
class SettingsTable;

// The settings table laid out for a page of the given width, below the plot: labels on the
// left under the plot's axis, a column per camera in the camera's colour, the comparison
// under them. Texts are drawn as texts, so that SVG and PDF keep them selectable.
class SettingsTableDrawing
{
public:
    SettingsTableDrawing(const SettingsTable& table, int width);

    int height() const { return totalHeight; }
    // On a background of the given colour from top down, covering whatever lies there.
    void draw(QPainter* painter, int top, const QColor& background) const;

private:
    int comparisonTop() const;

    const SettingsTable& table;
    int width;
    QFont font;
    int labelWidth = 0;
    int columnWidth = 0;
    int comparisonHeight = 0;
    int totalHeight = 0;
};
