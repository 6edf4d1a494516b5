// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include "camerasetup.h"
#include "lengthunit.h"

#include <QString>

#include <array>
#include <vector>

// The version the plot shows; the window's about box and zidov-render report it too.
inline QString programVersion()
{
    return QStringLiteral("0.14ruri");
}

// Everything one paint of the plot draws from: the comparison and how to show it. The
// window builds it in each recalculation, zidov-render from a project; the plot reads
// nothing else.
struct PlotInput
{
    // Camera 1 first; the records as the recalculation left them.
    std::array<CameraSetup, 2> cameras{};
    std::array<bool, 2> switchedOn{};
    double leftBorder = 1;  // metres at the vertical axis
    bool fromCamera = true; // distances from the camera, else from each focus plane
    int distanceScale = 20; // the zoom slider's position, 1 to 49
    int zcScale = 50;       // pixels per unit (or decade) of zc
    bool logScale = false;
    bool dofLimits = false; // captions show near and far limit ("DOF Mode")
    bool expert = false;    // simple mode smooths and thickens the curves
    LengthUnit unit = LengthUnit::Metres;
    QString version = programVersion();
    // The names of each camera's body and lens, empty where none is chosen.
    struct Gear
    {
        QString body;
        QString lens;
    };
    std::array<Gear, 2> gear{};
    // The pinned setups on show, each a frozen camera of its own beside the two live ones.
    struct Pinned
    {
        CameraSetup camera;
        QString name;
        int colour = 0; // of the plot's palette of pinned colours
        bool band = false;
    };
    std::vector<Pinned> pinned;

    // The distance scale in mm per pixel column: the slider grows to the right while the
    // distance per pixel shrinks.
    static constexpr int millimetresPerPixel(int distanceScale) { return 51 - distanceScale; }
};
