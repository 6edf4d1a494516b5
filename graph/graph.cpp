// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "graph.h"

#include <QPainter>

graph::graph() = default;

void graph::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    graphDraw(&painter);
}

void graph::graphDraw(QPainter*) {}

void graph::saveImage(const QString&) {}
