// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include "tracecapture.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QPaintEvent>
#include <QSet>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <memory>
#include <vector>

// Gives this test process settings and data folders of its own, removed when it ends.
// Test mode alone puts every test process's settings in one shared folder, where one test's
// clear() empties what another running beside it has just stored.
inline void isolateSettings(const QTemporaryDir& home)
{
    for (const auto format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope, home.filePath(QStringLiteral("config")));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral("config"))));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.filePath(QStringLiteral("data"))));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(home.filePath(QStringLiteral("cache"))));
}

// Runs GUI tests headless unless the caller chose a platform.
#define ZIDOV_GUITEST_MAIN(TestClass)                                                              \
    int main(int argc, char** argv)                                                                \
    {                                                                                              \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))                                        \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                               \
        /* Whatever a test stores goes to a folder of its own, never to the user's settings. */    \
        QTemporaryDir settingsHome;                                                                \
        if (!settingsHome.isValid())                                                               \
            return 1;                                                                              \
        isolateSettings(settingsHome);                                                             \
        QApplication app(argc, argv);                                                              \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                   \
        QStandardPaths::setTestModeEnabled(true);                                                  \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }

using QuietTrace = TraceCapture;

// A window made afresh for each test function, with its trace kept out of the log: open() in
// init(), close() in cleanup(). The window type is a parameter so that tests which never
// build the main window need not link it.
template <typename Window> class FreshWindow
{
public:
    void open()
    {
        // The capture being replaced must give the trace back before the next one takes it.
        close();
        quiet = std::make_unique<QuietTrace>();
        window = std::make_unique<Window>();
    }
    void close()
    {
        window.reset();
        quiet.reset();
    }
    Window& operator*() const { return *window; }
    Window* operator->() const { return window.get(); }
    Window* get() const { return window.get(); }

private:
    std::unique_ptr<QuietTrace> quiet;
    std::unique_ptr<Window> window;
};

// Whether each entry has a mnemonic and no two share one.
inline bool hasDistinctMnemonics(const QList<QAction*>& entries)
{
    QSet<QChar> letters;
    for (const QAction* entry : entries) {
        const qsizetype at = entry->text().indexOf(QLatin1Char('&'));
        if (at < 0 || at + 1 >= entry->text().size())
            return false;
        letters.insert(entry->text().at(at + 1).toLower());
    }
    return letters.size() == entries.size();
}

// Counts paint events of a widget, i.e. what the user sees being redrawn, and where.
class PaintCounter : public QObject
{
public:
    int paints = 0;
    std::vector<QRegion> regions;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            ++paints;
            regions.push_back(static_cast<QPaintEvent*>(event)->region());
        }
        return false;
    }
};

// Answers the next modal dialog (message box, file dialog) with the given action, and
// records its text; fails loudly if a test leaves one unanswered.
class ModalAnswerer : public QObject
{
public:
    // action receives the active modal widget and must close it.
    template <typename Action> explicit ModalAnswerer(Action action, int timeoutMs = 5000)
    {
        timer.setInterval(20);
        QObject::connect(&timer, &QTimer::timeout, this, [this, action]() {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal)
                return;
            seen = true;
            title = modal->windowTitle();
            action(modal);
        });
        timer.start();
        QTimer::singleShot(timeoutMs, this, [this]() { timer.stop(); });
    }
    bool seen = false;
    QString title;

private:
    QTimer timer;
};
