// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include <QPen>
#include <QWidget>

class QPainter;
class mainWin;

// The blur plot. It keeps nothing between paints: every paint reads the display controls
// and camera records of the main window and draws from scratch, on screen and in exports.
class graph : public QWidget
{
    Q_OBJECT

public:
    graph();
    void setMainWindow(mainWin* window) { mainWindow = window; }
    void saveImage(const QString& fileName);

public slots:
    void paintEvent(QPaintEvent* event) override;
    void graphDraw(QPainter* painter);

private:
    mainWin* mainWindow = nullptr;
};
