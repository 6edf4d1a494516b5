// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include "gearsearch.h"
#include "ui_gearChooser.h"

#include <QDialog>

// Picks one entry of a long list of gear by typing part of its name: the list shows what
// matches as the user types, arrows move through it, Enter takes the entry and Escape leaves
// everything as it was. "None" heads the list and stays in it.
class GearChooser : public QDialog, private Ui_GearChooser
{
    Q_OBJECT

public:
    GearChooser(QWidget* parent, const QString& title, const QStringList& entries, int current);

    // After Ok: the entry chosen, or -1 for "None".
    int chosen() const;
    // Shows only the entries that match the text; the search field does this as it changes.
    void filter(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    GearSearch search;
};
