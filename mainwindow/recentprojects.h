// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QMenu;

// The projects opened or saved last, newest first, listed in File > Recent projects. Kept in
// the stored settings, so they outlive the run; where nothing is stored (tests, zidov-render)
// only for the window's life.
class RecentProjects : public QObject
{
    Q_OBJECT

public:
    static constexpr int maximum = 8;

    // Fills menu, and fills it afresh each time it opens: another Zidov may have added one.
    explicit RecentProjects(QMenu* menu);

    QStringList fileNames() const;
    void add(const QString& fileName);
    void remove(const QString& fileName);

signals:
    void chosen(const QString& fileName);

private:
    void store(const QStringList& fileNames);
    void fillMenu();

    QMenu* menu;
    QStringList kept;
};
