// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "projectdrop.h"

#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <QWidget>

ProjectDrop::ProjectDrop(QWidget* window) : QObject(window)
{
    window->setAcceptDrops(true);
    window->installEventFilter(this);
    // A drag goes to the innermost widget that takes drops, such as a spin box's text field;
    // the window sees only what lands elsewhere.
    for (QWidget* child : window->findChildren<QWidget*>()) {
        if (child->acceptDrops())
            child->installEventFilter(this);
    }
}

QString ProjectDrop::projectFileIn(const QMimeData* data)
{
    if (!data)
        return QString();
    const QList<QUrl> urls = data->urls();
    if (urls.size() != 1 || !urls.first().isLocalFile())
        return QString();
    const QString name = urls.first().toLocalFile();
    if (QFileInfo(name).suffix().compare(QLatin1String("mvx"), Qt::CaseInsensitive) != 0)
        return QString();
    return name;
}

bool ProjectDrop::eventFilter(QObject*, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return false;
    auto* drag = static_cast<QDropEvent*>(event);
    const QString name = projectFileIn(drag->mimeData());
    if (name.isEmpty())
        return false;
    drag->acceptProposedAction();
    if (type == QEvent::Drop) {
        // The file manager waits until the drop returns; a question about unsaved changes or a
        // refused file must not hold it.
        QTimer::singleShot(0, this, [this, name]() { emit dropped(name); });
    }
    return true;
}
