// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "commandline.h"
#include "guitest.h"
#include "mainwin.h"
#include "projectcontrols.h"
#include "storedsettingsscope.h"
#include "windowform.h"

#include <QAbstractButton>
#include <QDesktopServices>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QTemporaryDir>

#include <memory>

namespace {

// What the window asked and showed while a command ran.
struct Asked
{
    QStringList questions;
    QStringList messages;
    QStringList dialogs;
    QStringList folders;
};

// Answers the question about unsaved changes with answer, a file dialog with file (Cancel
// when empty) and any other message with Ok.
auto answerWith(Asked& asked, QMessageBox::StandardButton answer = QMessageBox::Cancel,
                const QString& file = QString())
{
    return [&asked, answer, file](QWidget* modal) {
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            if (box->button(QMessageBox::Discard)) {
                asked.questions << box->text();
                box->button(answer)->click();
            } else {
                asked.messages << box->text();
                box->button(QMessageBox::Ok)->click();
            }
        } else if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
            asked.dialogs << dialog->windowTitle();
            asked.folders << dialog->directory().absolutePath();
            if (auto* nameField = dialog->findChild<QLineEdit*>("fileNameEdit"))
                nameField->setText(file);
            if (file.isEmpty())
                dialog->reject();
            else
                static_cast<QDialog*>(dialog)->accept();
        } else {
            modal->close();
        }
    };
}

// Drags data onto target and drops it there, as a file manager does; true when accepted.
bool drop(QWidget* target, const QList<QUrl>& urls)
{
    QMimeData data;
    data.setUrls(urls);
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent dropped(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &dropped);
    QCoreApplication::processEvents();
    return dropped.isAccepted();
}

QStringList recentEntries(mainWin& w)
{
    QStringList entries;
    for (QAction* action : windowForm(w).menuRecent->actions()) {
        if (!action->isSeparator())
            entries << action->text();
    }
    return entries;
}

QAction* recentEntry(mainWin& w, const QString& name)
{
    for (QAction* action : windowForm(w).menuRecent->actions()) {
        if (action->data().toString() == name)
            return action;
    }
    return nullptr;
}

// The list's last entry, "Clear list"; null when the list has no entries at all.
QAction* clearEntry(mainWin& w)
{
    const QList<QAction*> entries = windowForm(w).menuRecent->actions();
    return entries.isEmpty() ? nullptr : entries.last();
}

double lensQualityIn(const QString& name)
{
    mainWin reader;
    return reader.loadFrom(name) ? windowForm(reader).c1_lensQ->value() : -1;
}

QString titleOf(const QString& name)
{
    return "Zidov - " + QFileInfo(name).fileName() + "[*]";
}

} // namespace

class TestProjectDocument : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void commandLineOpensAsFileOpenDoes_data();
    void commandLineOpensAsFileOpenDoes();
    void dropOpensOnlyAProject_data();
    void dropOpensOnlyAProject();
    void recentListNewestFirstBetweenRuns();
    void recentEntryOpensOrSaysItVanished();
    void newReturnsToStartUpInTheMode_data();
    void newReturnsToStartUpInTheMode();
    void changesMarkedAndAskedOnlyForAFile();
    void questionBeforeAProjectIsSetAside_data();
    void questionBeforeAProjectIsSetAside();
    void standardShortcuts();
    void dialogsStartInTheLastFolder();

private:
    QString path(const QString& name) const { return dir->filePath(name); }
    // A project file holding Camera 1's lens quality at quality.
    QString project(const QString& name, double quality);

    std::unique_ptr<StoredSettingsScope> settings;
    std::unique_ptr<QuietTrace> quiet;
    std::unique_ptr<QTemporaryDir> dir;
};

void TestProjectDocument::init()
{
    // Recent projects and the last folder are stored settings.
    settings = std::make_unique<StoredSettingsScope>();
    quiet = std::make_unique<QuietTrace>();
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
}

void TestProjectDocument::cleanup()
{
    dir.reset();
    quiet.reset();
    settings.reset();
}

QString TestProjectDocument::project(const QString& name, double quality)
{
    mainWin writer;
    writer.switchpromode();
    windowForm(writer).c1_lensQ->setValue(quality);
    const QString file = path(name);
    return writer.saveTo(file) ? file : QString();
}

void TestProjectDocument::commandLineOpensAsFileOpenDoes_data()
{
    QTest::addColumn<bool>("damaged");
    QTest::newRow("a project") << false;
    QTest::newRow("a file cut short") << true;
}

void TestProjectDocument::commandLineOpensAsFileOpenDoes()
{
    QFETCH(bool, damaged);
    const QString file = project("named.mvx", 42);
    if (damaged)
        QVERIFY(QFile::resize(file, 100));
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir->path()));
    CommandLine commandLine;
    const CommandLine::Request request = commandLine.parse({"Zidov", "named.mvx"});
    QDir::setCurrent(previous);
    QCOMPARE(request, CommandLine::Request::Start);

    mainWin w;
    Asked asked;
    {
        ModalAnswerer answerer(answerWith(asked));
        commandLine.showWindow(w);
    }
    QVERIFY(w.isVisible());
    if (!damaged) {
        QVERIFY(asked.messages.isEmpty());
        QCOMPARE(w.fileName, file);
        QCOMPARE(w.windowTitle(), titleOf(file));
        QCOMPARE(windowForm(w).c1_lensQ->value(), 42.0);
    } else {
        QCOMPARE(asked.messages.size(), 1);
        QVERIFY2(asked.messages[0].startsWith("Damaged project file:\n" + file),
                 qPrintable(asked.messages[0]));
        mainWin fresh;
        QCOMPARE(projectFromControls(w), projectFromControls(fresh));
        QCOMPARE(w.expertMode, 0);
        QCOMPARE(w.windowTitle(), QString("Zidov"));
    }
}

void TestProjectDocument::dropOpensOnlyAProject_data()
{
    QTest::addColumn<QString>("dropped");
    QTest::addColumn<bool>("onASpinBox");
    QTest::addColumn<bool>("opens");
    QTest::newRow("project on the plot's frame") << "a.mvx" << false << true;
    QTest::newRow("project on a spin box") << "b.MVX" << true << true;
    QTest::newRow("image") << "plot.png" << false << false;
    QTest::newRow("two projects") << "a.mvx b.mvx" << false << false;
}

void TestProjectDocument::dropOpensOnlyAProject()
{
    QFETCH(QString, dropped);
    QFETCH(bool, onASpinBox);
    QFETCH(bool, opens);
    QList<QUrl> urls;
    for (const QString& name : dropped.split(' ')) {
        QVERIFY(!project(name, 42).isEmpty());
        urls << QUrl::fromLocalFile(path(name));
    }
    mainWin w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QWidget* target = onASpinBox
                          ? static_cast<QWidget*>(windowForm(w).c1_fdist->findChild<QLineEdit*>())
                          : static_cast<QWidget*>(windowForm(w).frame);
    Asked asked;
    ModalAnswerer answerer(answerWith(asked));
    QCOMPARE(drop(target, urls), opens);
    QCOMPARE(w.fileName, opens ? path(dropped) : QString(""));
    QCOMPARE(windowForm(w).c1_lensQ->value(), opens ? 42.0 : 100.0);
    QVERIFY(asked.messages.isEmpty() && asked.questions.isEmpty());
}

void TestProjectDocument::recentListNewestFirstBetweenRuns()
{
    QStringList names;
    {
        mainWin w;
        QCOMPARE(recentEntries(w), QStringList("&Clear list"));
        QVERIFY(!clearEntry(w)->isEnabled());
        for (int i = 1; i <= 9; ++i)
            names.prepend(project(QString("p%1.mvx").arg(i), 50 + i));
        // Opening one already listed moves it to the top.
        QVERIFY(w.loadFrom(names[4]));
    }
    mainWin nextRun;
    QStringList expected;
    for (const QString& name :
         {names[4], names[0], names[1], names[2], names[3], names[5], names[6], names[7]})
        expected << QString("&%1 %2").arg(expected.size() + 1).arg(name);
    expected << "&Clear list";
    QCOMPARE(recentEntries(nextRun), expected);

    QVERIFY(clearEntry(nextRun));
    clearEntry(nextRun)->trigger();
    QCOMPARE(recentEntries(nextRun), QStringList("&Clear list"));
    mainWin third;
    QCOMPARE(recentEntries(third), QStringList("&Clear list"));
}

void TestProjectDocument::recentEntryOpensOrSaysItVanished()
{
    const QString kept = project("kept.mvx", 33);
    const QString gone = project("gone.mvx", 44);
    mainWin w;
    QVERIFY(QFile::remove(gone));
    Asked asked;
    ModalAnswerer answerer(answerWith(asked));

    QVERIFY(recentEntry(w, gone));
    recentEntry(w, gone)->trigger();
    QCOMPARE(asked.messages, QStringList("The project file no longer exists:\n" + gone +
                                         "\n\nIt has been removed from the recent projects."));
    QVERIFY(!recentEntry(w, gone));
    QCOMPARE(w.windowTitle(), QString("Zidov"));

    QVERIFY(recentEntry(w, kept));
    recentEntry(w, kept)->trigger();
    QCOMPARE(w.fileName, kept);
    QCOMPARE(windowForm(w).c1_lensQ->value(), 33.0);
    QCOMPARE(asked.messages.size(), 1);
}

void TestProjectDocument::newReturnsToStartUpInTheMode_data()
{
    QTest::addColumn<bool>("expert");
    QTest::newRow("simple mode") << false;
    QTest::newRow("expert mode") << true;
}

void TestProjectDocument::newReturnsToStartUpInTheMode()
{
    QFETCH(bool, expert);
    mainWin w;
    if (expert) {
        w.switchpromode();
        windowForm(w).boxC2->setChecked(true);
        windowForm(w).distanceFP->setChecked(true);
        windowForm(w).c2_cocSet->setCurrentIndex(3);
        windowForm(w).c2_coc->setValue(0.05);
        windowForm(w).useLog->setChecked(true);
    } else {
        windowForm(w).horizontalSlider->setValue(120);
    }
    windowForm(w).qxscale->setValue(33);
    windowForm(w).dofMode->setChecked(true);
    QVERIFY(w.saveTo(path("changed.mvx")));

    windowForm(w).actionNew->trigger();

    mainWin fresh;
    if (expert)
        fresh.switchpromode();
    QCOMPARE(w.expertMode, fresh.expertMode);
    QCOMPARE(projectFromControls(w), projectFromControls(fresh));
    QCOMPARE(windowForm(w).horizontalSlider->value(), 40);
    QVERIFY(!windowForm(w).useLog->isChecked() && !windowForm(w).dofMode->isChecked());
    QCOMPARE(w.cam1.getFdist(), fresh.cam1.getFdist());
    QCOMPARE(w.fileName, QString(""));
    QCOMPARE(w.windowTitle(), QString("Zidov"));
    QCOMPARE(windowForm(w).actionNew, windowForm(w).menuFile->actions().first());
}

void TestProjectDocument::changesMarkedAndAskedOnlyForAFile()
{
    mainWin w;
    w.show();
    Asked asked;
    ModalAnswerer answerer(answerWith(asked));
    // The start-up state is nobody's document, however much it changes.
    windowForm(w).c1_lensQ->setValue(70);
    QVERIFY(!w.isWindowModified());
    windowForm(w).actionNew->trigger();
    QCOMPARE(windowForm(w).c1_lensQ->value(), 100.0);

    const QString file = path("marked.mvx");
    QVERIFY(w.saveTo(file));
    QCOMPARE(w.windowTitle(), titleOf(file));
    QVERIFY(!w.isWindowModified());
    windowForm(w).c1_lensQ->setValue(70);
    QVERIFY(w.isWindowModified());
    windowForm(w).c1_lensQ->setValue(100);
    QVERIFY(!w.isWindowModified());
    // What no file holds is no change.
    windowForm(w).dofMode->click();
    QVERIFY(!w.isWindowModified());
    QVERIFY(w.close());
    QVERIFY(asked.questions.isEmpty());
}

enum class Trigger
{
    Quit,
    CloseWindow,
    New,
    Open,
    RecentEntry,
    Drop
};

void TestProjectDocument::questionBeforeAProjectIsSetAside_data()
{
    QTest::addColumn<Trigger>("trigger");
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::addColumn<bool>("saveFails");
    const QList<QPair<const char*, Trigger>> triggers = {
        {"Quit", Trigger::Quit},
        {"closing the window", Trigger::CloseWindow},
        {"New", Trigger::New},
        {"Open", Trigger::Open},
        {"a recent project", Trigger::RecentEntry},
        {"a drop", Trigger::Drop}};
    const QList<QPair<const char*, QMessageBox::StandardButton>> answers = {
        {"Save", QMessageBox::Save},
        {"Discard", QMessageBox::Discard},
        {"Cancel", QMessageBox::Cancel}};
    for (const auto& [what, trigger] : triggers) {
        for (const auto& [answerText, answer] : answers)
            QTest::addRow("%s, %s", what, answerText) << trigger << answer << false;
    }
    QTest::newRow("Quit, Save fails") << Trigger::Quit << QMessageBox::Save << true;
}

void TestProjectDocument::questionBeforeAProjectIsSetAside()
{
    QFETCH(Trigger, trigger);
    QFETCH(QMessageBox::StandardButton, answer);
    QFETCH(bool, saveFails);
    mainWin w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    windowForm(w).c1_lensQ->setValue(33);
    const QString other = path("other.mvx");
    QVERIFY(w.saveTo(other));
    windowForm(w).c1_lensQ->setValue(50);
    const QString open = path("open.mvx");
    QVERIFY(w.saveTo(open));
    windowForm(w).c1_lensQ->setValue(77);
    QVERIFY(w.isWindowModified());
    if (saveFails) {
        // The file's place is taken by a folder: saving there fails.
        QVERIFY(QFile::remove(open) && QDir(dir->path()).mkdir("open.mvx"));
    }

    Asked asked;
    {
        ModalAnswerer answerer(answerWith(asked, answer, other));
        switch (trigger) {
        case Trigger::Quit:
            windowForm(w).actionQuit->trigger();
            break;
        case Trigger::CloseWindow:
            w.close();
            break;
        case Trigger::New:
            windowForm(w).actionNew->trigger();
            break;
        case Trigger::Open:
            windowForm(w).actionOpen->trigger();
            break;
        case Trigger::RecentEntry:
            QVERIFY(recentEntry(w, other));
            recentEntry(w, other)->trigger();
            break;
        case Trigger::Drop:
            QVERIFY(drop(&w, {QUrl::fromLocalFile(other)}));
            break;
        }
    }

    QCOMPARE(asked.questions, QStringList("Save changes to open.mvx?"));
    const bool goesOn = answer != QMessageBox::Cancel && !saveFails;
    if (saveFails) {
        QCOMPARE(asked.messages.size(), 1);
        QVERIFY(asked.messages[0].startsWith("Could not save the project file:\n" + open));
    } else {
        QCOMPARE(lensQualityIn(open), answer == QMessageBox::Save ? 77.0 : 50.0);
    }
    if (!goesOn) {
        QVERIFY(w.isVisible());
        QCOMPARE(w.fileName, open);
        QCOMPARE(windowForm(w).c1_lensQ->value(), 77.0);
        QVERIFY(w.isWindowModified());
        return;
    }
    switch (trigger) {
    case Trigger::Quit:
    case Trigger::CloseWindow:
        QVERIFY(!w.isVisible());
        return;
    case Trigger::New:
        QCOMPARE(w.fileName, QString(""));
        QCOMPARE(windowForm(w).c1_lensQ->value(), 100.0);
        break;
    case Trigger::Open:
    case Trigger::RecentEntry:
    case Trigger::Drop:
        QCOMPARE(w.fileName, other);
        QCOMPARE(windowForm(w).c1_lensQ->value(), 33.0);
        break;
    }
    QVERIFY(!w.isWindowModified());
}

// Swallows the help page the F1 key asks the desktop to open.
class PageCatcher : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> urls;

public slots:
    void openUrl(const QUrl& url) { urls << url; }
};

void TestProjectDocument::standardShortcuts()
{
    mainWin w;
    w.show();
    // The platform's key, or the usual one where the platform names none; typed into the
    // window while it has the focus, as after each dialog closed.
    const auto type = [&w](QAction* action, QKeySequence::StandardKey key, const char* usual) {
        const QKeySequence expected = QKeySequence::keyBindings(key).value(0, QKeySequence(usual));
        QCOMPARE(action->shortcut(), expected);
        QApplication::setActiveWindow(&w);
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTest::keySequence(&w, expected);
    };
    PageCatcher pages;
    QDesktopServices::setUrlHandler("file", &pages, "openUrl");
    const auto handled = qScopeGuard([] { QDesktopServices::unsetUrlHandler("file"); });
    Asked asked;
    ModalAnswerer answerer(answerWith(asked));
    windowForm(w).c1_lensQ->setValue(70);

    type(windowForm(w).actionNew, QKeySequence::New, "Ctrl+N");
    QCOMPARE(windowForm(w).c1_lensQ->value(), 100.0);
    type(windowForm(w).actionOpen, QKeySequence::Open, "Ctrl+O");
    type(windowForm(w).actionSave, QKeySequence::Save, "Ctrl+S");
    type(windowForm(w).actionSave_as, QKeySequence::SaveAs, "Ctrl+Shift+S");
    QCOMPARE(asked.dialogs, QStringList({"Open File", "Save File", "Save File"}));
    // No help pages lie beside this test: F1 is answered with the message that says so.
    type(windowForm(w).actionHelp, QKeySequence::HelpContents, "F1");
    QCOMPARE(pages.urls.size() + asked.messages.size(), 1);
    type(windowForm(w).actionQuit, QKeySequence::Quit, "Ctrl+Q");
    QVERIFY(!w.isVisible());
}

void TestProjectDocument::dialogsStartInTheLastFolder()
{
    QVERIFY(QDir(dir->path()).mkpath("projects") && QDir(dir->path()).mkpath("images"));
    Asked asked;
    ModalAnswerer answerer(answerWith(asked));
    {
        mainWin w;
        windowForm(w).actionOpen->trigger();
        QVERIFY(w.saveTo(path("projects/a.mvx")));
        windowForm(w).actionOpen->trigger();
        windowForm(w).actionSave_as->trigger();
        windowForm(w).actionExport_to_Image->trigger();
        QVERIFY(w.exportImageTo(path("images/plot.png")));
    }
    mainWin nextRun;
    windowForm(nextRun).actionOpen->trigger();
    const QString projects = QFileInfo(path("projects")).absoluteFilePath();
    QCOMPARE(asked.folders, QStringList({QDir::currentPath(), projects, projects, projects,
                                         QFileInfo(path("images")).absoluteFilePath()}));
}

ZIDOV_GUITEST_MAIN(TestProjectDocument)
#include "tst_projectdocument.moc"
