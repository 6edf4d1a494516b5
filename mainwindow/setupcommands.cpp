// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "setupcommands.h"

#include "comparecommands.h"
#include "mainwin.h"
#include "setupspanel.h"
#include "windowform.h"

#include <QDockWidget>
#include <QMenu>

SetupCommands::SetupCommands(mainWin& window_)
    : QObject(&window_), window(window_), dock(new QDockWidget(tr("Setups"), &window_))
{
    dock->setObjectName(QStringLiteral("setupsDock"));
    window.addDockWidget(Qt::BottomDockWidgetArea, dock);
    dock->hide();
    QAction* showPanel = dock->toggleViewAction();
    connect(showPanel, &QAction::triggered, this, [this] { panelMade(); });
    showPanel->setObjectName(QStringLiteral("actionShowSetups"));
    showPanel->setText(tr("&Setups"));
    QMenu* view = windowForm(window).menuView;
    view->addSeparator();
    view->addAction(showPanel);

    QMenu* compare = window.compareCommands->menu();
    compare->addSeparator();
    const QString texts[] = {tr("&Pin Camera 1"), tr("P&in Camera 2")};
    for (int camera : {1, 2}) {
        auto* command = new QAction(texts[camera - 1], &window);
        command->setObjectName(QStringLiteral("actionPinCamera%1").arg(camera));
        command->setToolTip(tr("Keep Camera %1's settings as a curve of their own, beside the "
                               "two cameras.")
                                .arg(camera));
        connect(command, &QAction::triggered, this, [this, camera] { pin(camera); });
        compare->addAction(command);
        pinCommands[size_t(camera - 1)] = command;
    }
}

SetupsPanel& SetupCommands::panelMade()
{
    if (!panel) {
        panel = new SetupsPanel(window);
        connect(panel, &SetupsPanel::setupsChanged, &window, &mainWin::run);
        dock->setWidget(panel);
    }
    return *panel;
}

const QList<PinnedSetup>& SetupCommands::setups() const
{
    static const QList<PinnedSetup> none;
    return panel ? panel->setups() : none;
}

void SetupCommands::restore(const QList<PinnedSetup>& setups)
{
    if (panel || !setups.isEmpty())
        panelMade().restore(setups);
}

void SetupCommands::follow()
{
    for (int camera : {1, 2})
        pinCommands[size_t(camera - 1)]->setEnabled(window.switchedOn(camera));
    if (panel)
        panel->refresh();
}

void SetupCommands::pin(int camera)
{
    if (!panelMade().pin(camera))
        return;
    // The first pinned setup brings the panel out; after that it stays as the user left it.
    if (setups().size() == 1)
        dock->show();
}
