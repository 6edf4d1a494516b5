// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include "settingstable.h"

#include <QCoreApplication>
#include <QObject>

#include <optional>

class mainWin;

// Sharing a comparison: Edit > Copy chart and Copy numbers, and View > Settings in exports,
// which the next start remembers.
class ShareCommands : public QObject
{
    Q_OBJECT

public:
    explicit ShareCommands(mainWin* window);

    // What exports carry below the plot: the settings table while it is asked for.
    std::optional<SettingsTable> exportTable() const;

    // The chart as exported, as an image at the screen's pixel ratio and as SVG.
    void copyChart();
    // The settings table and the comparison as tab-separated text.
    void copyNumbers();

private:
    mainWin* window;
};
