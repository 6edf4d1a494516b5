// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include "camerasetup.h"
#include "cocpresets.h"
#include "lengthunit.h"
#include "projectrecord.h"
#include "shotplans.h"

// What the dialogs may know of the main window and ask of it, so that they never reach
// its widgets: each camera's record of the last recalculation and the limits of its boxes,
// and writes of a camera's focus and f-number that the window carries out through its
// boxes, as if typed, so that every rule of a typed value holds for them too.
//
// Cameras are numbered 1 and 2, as the window names them.
class WindowSurface
{
public:
    // The record the last recalculation derived from the camera's boxes.
    virtual const CameraSetup& cameraRecord(int camera) const = 0;
    virtual bool switchedOn(int camera) const = 0;
    // The sides of the camera's sensor in mm: its format's, a custom sensor's own, else
    // those of a 3:2 sensor of its crop value.
    virtual CocPresets::SensorSides sensorSides(int camera) const = 0;
    // What the focus box (mm) and the f-number box take.
    virtual ShotPlans::FocusBox focusLimits(int camera) const = 0;
    virtual ShotPlans::ApertureRange apertureLimits(int camera) const = 0;
    virtual LengthUnit lengthUnit() const = 0;
    // What a project stores of the camera's boxes, its gear included.
    virtual CameraRecord cameraInputs(int camera) const = 0;

    // How a focus written by a dialog is held: rounded to what its box shows, as if typed,
    // or exactly as the answer has it.
    enum class FocusHeld
    {
        AsShown,
        Exactly
    };
    virtual void setFocus(int camera, double millimetres, FocusHeld held) = 0;
    virtual void setAperture(int camera, double fNumber) = 0;
    // Writes a stored camera into the camera's boxes as one change, as Copy does, and switches
    // it on; its magnification lock stays as it was.
    virtual void putCamera(int camera, const CameraRecord& record) = 0;
    // Recalculates at once, whether or not a box changed.
    virtual void recalculate() = 0;

    // Holds back recalculation while a dialog writes several values, so that they end in
    // one recalculation and one repaint.
    class Batch
    {
    public:
        explicit Batch(WindowSurface& surface) : surface(surface) { surface.holdRecalculation(); }
        ~Batch() { surface.releaseRecalculation(); }
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        WindowSurface& surface;
    };

protected:
    ~WindowSurface() = default;
    virtual void holdRecalculation() = 0;
    virtual void releaseRecalculation() = 0;
};
