// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include <QtGlobal>

// Every value a project file stores, as the controls hold it (metres for focus
// distances, millimetres for focal length and CoC, combo indices, slider positions).
// Computed results are never stored; the recalculation derives them after loading.
struct CameraRecord
{
    qint32 cocMode = 0;
    bool switchedOn = false;
    double focusDistance = 0;
    double aperture = 0;
    double focalLength = 0;
    double circleOfConfusion = 0;
    double lensQuality = 100;
    bool withDiffraction = false;
    bool lockMagnification = false;
    qint32 cropFactorFormat = 0;
    qint32 pixelSizeFormat = 0;
    qint32 pixelCountPreset = 0;
    double viewDistance = 0;
    qint32 formFactor = 0;
    double imageWidth = 0;

    friend bool operator==(const CameraRecord& a, const CameraRecord& b)
    {
        return a.cocMode == b.cocMode && a.switchedOn == b.switchedOn &&
               a.focusDistance == b.focusDistance && a.aperture == b.aperture &&
               a.focalLength == b.focalLength && a.circleOfConfusion == b.circleOfConfusion &&
               a.lensQuality == b.lensQuality && a.withDiffraction == b.withDiffraction &&
               a.lockMagnification == b.lockMagnification &&
               a.cropFactorFormat == b.cropFactorFormat && a.pixelSizeFormat == b.pixelSizeFormat &&
               a.pixelCountPreset == b.pixelCountPreset && a.viewDistance == b.viewDistance &&
               a.formFactor == b.formFactor && a.imageWidth == b.imageWidth;
    }
    friend bool operator!=(const CameraRecord& a, const CameraRecord& b) { return !(a == b); }
};

struct ProjectRecord
{
    // The format version the values were read from; writing always uses the current one.
    double version = 1.3;
    double leftBorder = 0;
    bool distanceFromCamera = true;
    bool distanceFromFocusPlane = false;
    qint32 distanceScale = 0;
    qint32 zcScale = 0;
    CameraRecord camera1;
    CameraRecord camera2;

    friend bool operator==(const ProjectRecord& a, const ProjectRecord& b)
    {
        return a.version == b.version && a.leftBorder == b.leftBorder &&
               a.distanceFromCamera == b.distanceFromCamera &&
               a.distanceFromFocusPlane == b.distanceFromFocusPlane &&
               a.distanceScale == b.distanceScale && a.zcScale == b.zcScale &&
               a.camera1 == b.camera1 && a.camera2 == b.camera2;
    }
    friend bool operator!=(const ProjectRecord& a, const ProjectRecord& b) { return !(a == b); }
};
