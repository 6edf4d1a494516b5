// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include "gearchoice.h"
#include "projectextension.h"

#include <QList>
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
    // Kept in the file's additions (gearrecord.h): the custom sensor, the typed pixel count
    // and the gear by name. The format and preset indices above may then reach past what
    // format 1.3 lists; its fields hold the nearest of its own entries instead.
    double sensorWidth = 36;
    double sensorHeight = 24;
    double megapixels = 24;
    BodyChoice body;
    LensChoice lens;

    friend bool operator==(const CameraRecord& a, const CameraRecord& b)
    {
        if (a.sensorWidth != b.sensorWidth || a.sensorHeight != b.sensorHeight ||
            a.megapixels != b.megapixels || !(a.body == b.body) || !(a.lens == b.lens))
            return false;
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

// The focus stack on show on the plot, camera 0 where there is none.
struct FocusStackRecord
{
    qint32 camera = 0;
    double aperture = 0;
    QList<double> focusDistances; // metres, nearest first
    // On a focusing rail, the focus the lens keeps while the camera moves (metres); 0 where
    // each shot is focused by the ring.
    double railFocus = 0;

    friend bool operator==(const FocusStackRecord& a, const FocusStackRecord& b)
    {
        return a.camera == b.camera && a.aperture == b.aperture &&
               a.focusDistances == b.focusDistances && a.railFocus == b.railFocus;
    }
};

// A camera's settings frozen as a curve of its own beside the two live cameras.
struct PinnedSetup
{
    QString name;
    bool shown = true;
    bool bandShown = false;
    // Of the plot's palette of pinned colours; kept with the setup, so that removing another
    // one does not repaint it in a different colour.
    qint32 colour = 0;
    CameraRecord camera;

    friend bool operator==(const PinnedSetup& a, const PinnedSetup& b)
    {
        return a.name == b.name && a.shown == b.shown && a.bandShown == b.bandShown &&
               a.colour == b.colour && a.camera == b.camera;
    }
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
    // Additions of tags this build does not read, kept so that saving writes them back.
    QList<ProjectExtension::Record> otherRecords;
    FocusStackRecord focusStack;
    QList<PinnedSetup> pinnedSetups;

    friend bool operator==(const ProjectRecord& a, const ProjectRecord& b)
    {
        return a.version == b.version && a.leftBorder == b.leftBorder &&
               a.distanceFromCamera == b.distanceFromCamera &&
               a.distanceFromFocusPlane == b.distanceFromFocusPlane &&
               a.distanceScale == b.distanceScale && a.zcScale == b.zcScale &&
               a.camera1 == b.camera1 && a.camera2 == b.camera2 &&
               a.otherRecords == b.otherRecords && a.focusStack == b.focusStack &&
               a.pinnedSetups == b.pinnedSetups;
    }
    friend bool operator!=(const ProjectRecord& a, const ProjectRecord& b) { return !(a == b); }
};
