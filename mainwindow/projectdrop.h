// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include <QObject>
#include <QString>

class QMimeData;
class QWidget;

// A project file dropped anywhere on the window is opened as File > Open opens it. Anything
// else is left to the widget under the pointer (text dropped into a spin box) or refused.
class ProjectDrop : public QObject
{
    Q_OBJECT

public:
    // Watches the window and those of its widgets that take drops of their own.
    explicit ProjectDrop(QWidget* window);

    // The one local .mvx file the drag carries; empty for anything else.
    static QString projectFileIn(const QMimeData* data);

signals:
    // Sent once the drop is over, never while the drag source still waits for it.
    void dropped(const QString& fileName);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
