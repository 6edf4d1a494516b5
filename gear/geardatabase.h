// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include "gearchoice.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

// The camera bodies and lenses of the lensfun database, copied out of it once: loading reads
// all of its XML files, which takes a noticeable moment, so the window does it only when gear
// is first needed.
class GearDatabase
{
public:
    struct Lens
    {
        LensChoice choice;
        QStringList mounts;
    };

    // The installed database or the newer one lensfun's update tool put into its update
    // folders, with the user's own additions (lensfun's folder in the user's data folder), as
    // every program that uses lensfun reads it.
    static std::unique_ptr<GearDatabase> loadInstalled();
    // lensfun's folder for the user's own files: "lensfun" in XDG_DATA_HOME, or in
    // ~/.local/share without it.
    static QString userFolder();
    // Only these XML files of lensfun's format.
    static std::unique_ptr<GearDatabase> loadFiles(const QStringList& files);

    // Sorted by maker and model.
    const QList<BodyChoice>& bodies() const { return bodyList; }
    const QList<Lens>& lenses() const { return lensList; }
    // Whether a lens of this mount fits a body of that one (the same, or one the body takes).
    bool fits(const QString& lensMount, const QString& bodyMount) const;
    bool has(const BodyChoice& body) const;
    bool has(const LensChoice& lens) const;
    // When the data read was issued; invalid for files without lensfun's time stamp.
    QDate issued() const { return issuedOn; }
    // The mounts of bodies that take lenses, sorted.
    QStringList lensMounts() const;
    // A body added while the program runs, in its place in the sorted list.
    void addBody(const BodyChoice& body);

private:
    struct Loader;
    QList<BodyChoice> bodyList;
    QList<Lens> lensList;
    // Per mount the other mounts whose lenses it takes.
    QList<QPair<QString, QStringList>> compatible;
    QDate issuedOn;
};
