// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include "gearchoice.h"

#include <QObject>

#include <memory>

class GearDatabase;
class mainWin;

// Each camera's body and lens by name: the buttons that choose them, what a choice sets
// (the sensor from the body's crop factor; the focal length and f-number within the lens's)
// and the ranges a chosen lens keeps the focal-length and aperture boxes in. The database is
// loaded when it is first needed: a chooser opens or a project with gear is opened.
class GearCommands : public QObject
{
    Q_OBJECT

public:
    struct Gear
    {
        BodyChoice body;
        LensChoice lens;
        // False for gear of a project that the database no longer has.
        bool bodyFound = true;
        bool lensFound = true;
    };

    explicit GearCommands(mainWin& window);
    ~GearCommands() override;

    const Gear& gear(int camera) const { return gears[camera - 1]; }
    GearDatabase& database();
    bool databaseLoaded() const { return bool(db); }
    // For tests: a database of their own instead of the installed one.
    void useDatabase(std::unique_ptr<GearDatabase> database);

    void chooseBody(int camera);
    void chooseLens(int camera);
    // A choice: the body sets the sensor, the lens the focal length and f-number.
    void setBody(int camera, const BodyChoice& body);
    void setLens(int camera, const LensChoice& lens);
    // Gear as a project stored it, with the settings stored beside it.
    void restore(int camera, const BodyChoice& body, const LensChoice& lens);
    // Copy gives the target the source's gear before the values arrive; swap widens both
    // cameras' ranges first, so that no value is cut on the way, and exchanges the gear last.
    void copy(int from, int to);
    void beginSwap();
    void endSwap();
    // In every recalculation: the widest f-number the lens allows at the focal length set.
    void followLens(int camera);
    // In every recalculation, whatever changed the sensor (a hand, copy, swap, a project): a
    // body whose crop factor the sensor format no longer has, within 1 %, is let go, keeping
    // the lens.
    void followSensor(int camera);
    // The body's crop stands beside the sensor format of the CoC mode shown, in a row that is
    // there with or without it, so that choosing a body moves no control under the pointer.
    void placeCrop(int camera, int mode);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void applyRanges(int camera);
    void show(int camera);

    mainWin& window;
    Gear gears[2];
    std::unique_ptr<GearDatabase> db;
    double fullFocal[2] = {0, 0};
    double widestAperture = 0;
};
