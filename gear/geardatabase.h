// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include "gearchoice.h"

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

    // The installed database with the user's own additions (lensfun's folder in the user's data
    // folder), as every program that uses lensfun reads it.
    static std::unique_ptr<GearDatabase> loadInstalled();
    // Only these XML files of lensfun's format.
    static std::unique_ptr<GearDatabase> loadFiles(const QStringList& files);

    // Sorted by maker and model.
    const QList<BodyChoice>& bodies() const { return bodyList; }
    const QList<Lens>& lenses() const { return lensList; }
    // Whether a lens of this mount fits a body of that one (the same, or one the body takes).
    bool fits(const QString& lensMount, const QString& bodyMount) const;
    bool has(const BodyChoice& body) const;
    bool has(const LensChoice& lens) const;

private:
    struct Loader;
    QList<BodyChoice> bodyList;
    QList<Lens> lensList;
    // Per mount the other mounts whose lenses it takes.
    QList<QPair<QString, QStringList>> compatible;
};
