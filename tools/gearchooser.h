// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include "gearsearch.h"
#include "ui_gearChooser.h"

#include <QAbstractListModel>
#include <QDialog>

#include <vector>

class QPushButton;

// The rows the chooser shows: "None", then the entries that match, best first. Only these
// rows are the list's, so that a keystroke lays out what it shows, not the whole database.
class GearRows : public QAbstractListModel
{
    Q_OBJECT

public:
    GearRows(const QStringList& entries, QObject* parent);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    // Entry numbers in the order shown, after "None".
    void show(std::vector<int> entries);
    // -1 for "None".
    int entryAt(int row) const { return row < 1 || row > int(shown.size()) ? -1 : shown[row - 1]; }
    // 0, the row of "None", for an entry not shown.
    int rowOf(int entry) const;

private:
    QStringList entries;
    std::vector<int> shown;
};

// Picks one entry of a long list of gear by typing part of its name: the list shows what
// matches as the user types, the best match first and current, arrows move through it, Enter
// takes the entry and Escape leaves everything as it was. "None" heads the list and stays in
// it.
class GearChooser : public QDialog, private Ui_GearChooser
{
    Q_OBJECT

public:
    // `preferred` as for GearSearch.
    GearChooser(QWidget* parent, const QString& title, const QStringList& entries, int current,
                const QList<bool>& preferred = {});

    // After Ok: the entry chosen, or -1 for "None".
    int chosen() const;
    // Shows only the entries that match the text; the search field does this as it changes.
    void filter(const QString& text);
    // What the chooser says below the list when nothing matches what is typed.
    void setNothingFoundNote(const QString& note);
    // A button of the chooser's own beside Ok and Cancel.
    QPushButton* addCommand(const QString& name, const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setCurrentEntry(int entry);

    GearSearch search;
    GearRows* rows;
    int entryCount;
    // What was typed last and the entries that match it, in their own order.
    GearSearch::Query typed;
    std::vector<int> matching;
    QString nothingFound;
};
