// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "recentprojects.h"

#include "storedsettings.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

namespace {
const QString settingsKey = QStringLiteral("recentProjects");
} // namespace

RecentProjects::RecentProjects(QMenu* menu_) : QObject(menu_), menu(menu_)
{
    connect(menu, &QMenu::aboutToShow, this, &RecentProjects::fillMenu);
    fillMenu();
}

QStringList RecentProjects::fileNames() const
{
    if (const auto settings = StoredSettings::open())
        return settings->value(settingsKey).toStringList().mid(0, maximum);
    return kept;
}

void RecentProjects::add(const QString& fileName)
{
    const QString absolute = QFileInfo(fileName).absoluteFilePath();
    QStringList names = fileNames();
    names.removeAll(absolute);
    names.prepend(absolute);
    store(names.mid(0, maximum));
}

void RecentProjects::remove(const QString& fileName)
{
    QStringList names = fileNames();
    names.removeAll(fileName);
    store(names);
}

void RecentProjects::store(const QStringList& names)
{
    kept = names;
    if (const auto settings = StoredSettings::open())
        settings->setValue(settingsKey, names);
    fillMenu();
}

void RecentProjects::fillMenu()
{
    // An entry may be what is being chosen right now; it goes once its signal is through.
    for (QAction* old : menu->actions()) {
        menu->removeAction(old);
        old->deleteLater();
    }
    const QStringList names = fileNames();
    for (int i = 0; i < names.size(); ++i) {
        const QString name = names[i];
        QString shown = QDir::toNativeSeparators(name);
        shown.replace(QLatin1Char('&'), QLatin1String("&&"));
        QAction* entry =
            menu->addAction(QStringLiteral("&%1 %2").arg(QString::number(i + 1), shown));
        entry->setData(name);
        connect(entry, &QAction::triggered, this, [this, name]() { emit chosen(name); });
    }
    menu->addSeparator();
    QAction* clear = menu->addAction(tr("&Clear list"));
    clear->setEnabled(!names.isEmpty());
    connect(clear, &QAction::triggered, this, [this]() { store(QStringList()); });
}
