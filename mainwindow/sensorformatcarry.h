// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include <QObject>

class QComboBox;
struct CameraControls;

// Keeps a camera's sensor when its CoC mode changes between "by crop factor" and "by pixel
// size". Each of the two modes has a sensor format box of its own; without this the box
// that becomes visible would show whatever it held before, silently giving the camera
// another sensor and CoC. It reacts to every change of the mode, the user's or a
// command's; loading and copy write both boxes after the mode and so overwrite what it
// carried, and swap reads the boxes before it exchanges the modes.
class SensorFormatCarry : public QObject
{
public:
    // Watches the camera's CoC mode box, which owns the watcher. Attach it before the mode
    // box is connected to the recalculation, so that the recalculation sees the new format.
    static void attach(const CameraControls& camera);

private:
    SensorFormatCarry(QComboBox* cocMode, QComboBox* cropFactorFormat, QComboBox* pixelSizeFormat);
    void modeChanged(int mode);

    QComboBox* cropFactorFormat;
    QComboBox* pixelSizeFormat;
    int previousMode;
};
