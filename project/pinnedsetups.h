// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include "cameramatch.h"
#include "lengthunit.h"
#include "projectrecord.h"
#include "setupnumbers.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

// A project's pinned setups and what can be done to them: at most maxCount cameras frozen as
// they were pinned, each with a name, a colour of its own and whether it and its band are
// drawn. The list refuses what would break it with a message and then changes nothing.
class PinnedSetups
{
    Q_DECLARE_TR_FUNCTIONS(PinnedSetups)

public:
    static constexpr int maxCount = 8;
    // A Compare solver: settings for its second camera that match the first one.
    using Solver = CameraMatch::Result (*)(const CameraSetup& one, const CameraSetup& two,
                                           const CameraMatch::InputBoxes& boxes);

    PinnedSetups() = default;
    explicit PinnedSetups(QList<PinnedSetup> setups) : list(std::move(setups)) {}

    const QList<PinnedSetup>& setups() const { return list; }
    int count() const { return int(list.size()); }

    // The names of the camera's body and lens, else its focal length, f-number and format.
    static QString defaultName(const CameraRecord& camera);

    struct Added
    {
        int index = -1;  // of the new setup, -1 where refused
        QString refusal; // empty where added
    };
    // Pins a camera as a project stores it, shown, without its band, in the first colour no
    // other setup has.
    Added add(const CameraRecord& camera);
    // False for an index outside the list, which then stays as it was.
    bool remove(int index);
    bool setShown(int index, bool shown);
    bool setBandShown(int index, bool shown);
    // Empty where renamed; a name of nothing but spaces is refused. Spaces around it go.
    QString rename(int index, const QString& name);

    // Gives each selected setup the focus, f-number and focal length at which it matches
    // Camera 1 as solve has it, rounded as the boxes of a camera round them (the focus to a
    // hundredth of the unit), within its lens where one is chosen. All or nothing: where any
    // setup cannot match, none changes and the result says, line by line, which and why.
    QString matchAll(const QList<int>& selected, const CameraSetup& cameraOne, Solver solve,
                     LengthUnit unit, double diffractionFactor);

    // What the panel, the settings table and the exports say of a setup beside Camera 1.
    static SetupNumbers numbers(const PinnedSetup& setup, const CameraSetup& cameraOne,
                                double diffractionFactor);

private:
    static CameraMatch::InputBoxes boxesOf(const CameraRecord& camera, LengthUnit unit);
    static QString refusal(const CameraMatch::Result& result, const QString& name, LengthUnit unit);

    QList<PinnedSetup> list;
};
