// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include "projectrecord.h"

#include <QObject>

#include <array>

class QAction;
class QDockWidget;
class SetupsPanel;
class mainWin;

// Compare > Pin Camera 1 and 2, and the Setups panel docked below the plot, listed under
// View. Every change of the list recalculates, so the plot, the document's mark and the
// exports follow it. The panel starts hidden and is made once the window has been painted,
// or earlier when setups are pinned or opened.
class SetupCommands : public QObject
{
    Q_OBJECT

public:
    explicit SetupCommands(mainWin& window);

    const QList<PinnedSetup>& setups() const;
    void restore(const QList<PinnedSetup>& setups);
    // After each recalculation: which camera may be pinned, and the panel's numbers.
    void follow();
    // The panel, made on first use.
    SetupsPanel& panelMade();

private:
    void pin(int camera);

    mainWin& window;
    SetupsPanel* panel = nullptr;
    QDockWidget* dock;
    std::array<QAction*, 2> pinCommands{};
};
