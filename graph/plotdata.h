// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include <QByteArray>
#include <QString>

class PlotDrawing;

// The numbers behind the plot as it shows them now: the samples each curve is drawn from,
// and per camera its inputs, limits and caption. Reads the plot's input like graphDraw.
class PlotData
{
public:
    explicit PlotData(PlotDrawing& plot) : plot(plot) {}

    // A header row, then one row per plot column from 1 on: the distance on the axis in
    // the window's unit (metres or feet, named in the header), then the zc of each camera
    // switched on. Numbers are written with as many digits as it takes to read back the
    // same double.
    QByteArray csv() const;
    // Per camera switched on: inputs, hyperfocal distance (null when there is none), near
    // and far limit (far null when infinite), zc at infinity, full-frame scale, object
    // field diagonal and the caption's rows as drawn. Every length in millimetres.
    QByteArray json(const QString& projectName) const;

private:
    PlotDrawing& plot;
};
