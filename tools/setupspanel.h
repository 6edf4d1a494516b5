// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include "pinnedsetups.h"

#include <QWidget>

#include <memory>

class QAction;
class QTableWidgetItem;
class WindowSurface;

namespace Ui {
class SetupsPanel;
}

// The Setups panel: the pinned setups as a table, one row each, with what each says beside
// Camera 1, and the commands on them. It keeps the list; the window draws, stores and
// reopens it, and hears of every change through setupsChanged().
class SetupsPanel : public QWidget
{
    Q_OBJECT

public:
    explicit SetupsPanel(WindowSurface& surface, QWidget* parent = nullptr);
    ~SetupsPanel() override;

    const QList<PinnedSetup>& setups() const { return list.setups(); }
    // The list a loaded project holds; the recalculation that follows the load redraws it.
    void restore(const QList<PinnedSetup>& setups);
    // Pins the camera's setup as a project stores it; a refusal is said in a message box.
    bool pin(int camera);
    // The numbers against Camera 1 as the last recalculation left it.
    void refresh();
    // Three rows high, so that opening the panel leaves the plot most of the window.
    QSize sizeHint() const override;

signals:
    void setupsChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum Column
    {
        ShownColumn,
        ColourColumn,
        NameColumn,
        FocusColumn,
        ApertureColumn,
        DepthColumn,
        BlurFactorColumn,
        DepthFactorColumn,
        BandColumn,
        ColumnCount
    };
    void addMatchCommand(const QString& text, PinnedSetups::Solver solve);
    void fillTable();
    void offerBand(int row);
    void fillNumbers(int row);
    void itemChanged(QTableWidgetItem* item);
    QList<int> selectedRows() const;
    void updateButtons();
    void removeSelected();
    void putInto(int camera);
    void match(const QString& title, PinnedSetups::Solver solve);

    std::unique_ptr<Ui::SetupsPanel> ui;
    WindowSurface& surface;
    PinnedSetups list;
    // Set while the table is written, whose item signals are then not the user's.
    bool filling = false;
};
