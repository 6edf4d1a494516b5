// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include <QObject>

class GearCommands;
class QDoubleSpinBox;
class mainWin;

// With a lens chosen, a focal length or f-number typed beyond what the lens does is taken
// as the nearest end it allows, and the box's tooltip and the status bar say why ("The lens
// reaches 12–40 mm"). The boxes alone would silently go back to the old value.
class LensLimitClamp : public QObject
{
    Q_OBJECT

public:
    LensLimitClamp(mainWin& window, const GearCommands& gear);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The camera and whether it is the focal-length box; 0 for a box not watched.
    int cameraOf(QObject* box, bool& focal) const;
    void clamp(QDoubleSpinBox* box, int camera, bool focal);

    mainWin& window;
    const GearCommands& gear;
};
