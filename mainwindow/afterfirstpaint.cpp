// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "afterfirstpaint.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <utility>

AfterFirstPaint::AfterFirstPaint(QWidget& painted, std::function<void()> work_)
    : QObject(&painted), work(std::move(work_))
{
    painted.installEventFilter(this);
}

void AfterFirstPaint::schedule(QWidget& painted, std::function<void()> work)
{
    new AfterFirstPaint(painted, std::move(work));
}

bool AfterFirstPaint::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Paint) {
        watched->removeEventFilter(this);
        // Queued, so that the paint in progress is finished and shown first.
        QTimer::singleShot(0, this, [this] {
            work();
            deleteLater();
        });
    }
    return QObject::eventFilter(watched, event);
}
