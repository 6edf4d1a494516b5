// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include <QObject>

#include <functional>

class QWidget;

// Work that the first picture does not show, run once a widget has first been painted, so
// that the window comes up without waiting for it. A widget never painted never runs it.
class AfterFirstPaint : public QObject
{
public:
    static void schedule(QWidget& painted, std::function<void()> work);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    AfterFirstPaint(QWidget& painted, std::function<void()> work);

    std::function<void()> work;
};
