// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include <QCoreApplication>
#include <QString>

class CameraSetup;

// The status bar's line on Camera 2 against Camera 1: blur at infinity, length of depth of
// field and the two full-frame scales, by the same rules as the captions.
class ComparisonReadout
{
    Q_DECLARE_TR_FUNCTIONS(ComparisonReadout)

public:
    static QString text(CameraSetup& one, CameraSetup& two);
};
