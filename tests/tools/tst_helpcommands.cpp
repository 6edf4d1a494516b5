// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "guitest.h"
#include "helppages.h"
#include "mainwin.h"
#include "windowform.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTranslator>
#include <QUrl>

#include <memory>

namespace {
// Takes the addresses the program hands to the desktop instead of starting a browser.
class UrlCatcher : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> urls;

public slots:
    void openUrl(const QUrl& url) { urls << url; }
};

// Sends help elsewhere, as a translation may do: to a web page, or to a page of its own.
class HelpTranslator : public QTranslator
{
public:
    explicit HelpTranslator(const QString& page = "https://example.org/de/links/Zidov%2.html")
        : page(page)
    {
    }
    QString translate(const char* context, const char* sourceText, const char*, int) const override
    {
        if (QByteArray(context) == "mainWin" && QByteArray(sourceText) == "%1/links/Zidov%2.html")
            return page;
        return QString();
    }
    bool isEmpty() const override { return false; }

private:
    QString page;
};

QString readFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

bool makePath(const QString& path)
{
    return QDir().mkpath(path);
}
} // namespace

class TestHelpCommands : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void aboutBox();
    void pagesOpenFromTheirFolder_data();
    void pagesOpenFromTheirFolder();
    void pagesAreSelfContained_data();
    void pagesAreSelfContained();
    void translationCanSendHelpElsewhere();
    void germanProgramOpensGermanPages();
    void withoutBrowserAMessageNamesThePage();
    void missingPageSaysWhereItWasLookedFor();
    void docsFolderLayouts_data();
    void docsFolderLayouts();
    void addressSurvivesOddFolderNames_data();
    void addressSurvivesOddFolderNames();

private:
    FreshWindow<mainWin> window;
    UrlCatcher catcher;
};

void TestHelpCommands::init()
{
    window.open();
    catcher.urls.clear();
    QDesktopServices::setUrlHandler("file", &catcher, "openUrl");
    QDesktopServices::setUrlHandler("https", &catcher, "openUrl");
}

void TestHelpCommands::cleanup()
{
    QDesktopServices::unsetUrlHandler("file");
    QDesktopServices::unsetUrlHandler("https");
    window.close();
}

void TestHelpCommands::aboutBox()
{
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QList<QMessageBox::StandardButton> buttons;
    bool okIsDefault = false;
    bool hasParent = true;
    ModalAnswerer answerer([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (box) {
            text = box->text();
            icon = box->icon();
            for (QAbstractButton* button : box->buttons())
                buttons << box->standardButton(button);
            okIsDefault = box->defaultButton() == box->button(QMessageBox::Ok);
            hasParent = box->parentWidget() != nullptr;
        }
        modal->close();
    });
    windowForm(*window).actionAbout->trigger();

    QVERIFY(answerer.seen);
    QCOMPARE(answerer.title, QString("Zidov"));
    QCOMPARE(icon, QMessageBox::Information);
    QCOMPARE(buttons, QList<QMessageBox::StandardButton>{QMessageBox::Ok});
    QVERIFY(okIsDefault);
    QVERIFY(!hasParent);
    QVERIFY2(text.startsWith("Zidov 0.14ruri\n"), qPrintable(text));
    QVERIFY(text.contains("relative blur zc"));
    QVERIFY(text.contains("MIT licence"));
    QVERIFY(text.contains(QString("Qt version ") + qVersion()));
}

void TestHelpCommands::pagesOpenFromTheirFolder_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("page");

    QTest::newRow("Help") << "Help"
                          << "Zidov0.14ruri.html";
    QTest::newRow("Tutorial") << "Tutorial"
                              << "ZidovTutorial.html";
}

void TestHelpCommands::pagesOpenFromTheirFolder()
{
    QFETCH(QString, command);
    QFETCH(QString, page);

    // This test sits beside the program in the build folder, so it finds the pages the way
    // the program does; the current directory must not matter.
    const QString previous = QDir::currentPath();
    QDir::setCurrent(QDir::tempPath());
    for (QAction* action : windowForm(*window).menuHelp->actions()) {
        if (action->text().remove('&') == command)
            action->trigger();
    }
    QDir::setCurrent(previous);

    QCOMPARE(catcher.urls.size(), 1);
    const QUrl url = catcher.urls.first();
    QVERIFY2(url.isLocalFile(), qPrintable(url.toString()));
    QCOMPARE(url.path().section('/', -2), "links/" + page);
    const QString file = url.toLocalFile();
    QVERIFY2(QFileInfo(file).isFile(), qPrintable(file));
    QCOMPARE(QFileInfo(file).canonicalPath(),
             QFileInfo(QCoreApplication::applicationDirPath() + "/docs/links").canonicalFilePath());
}

void TestHelpCommands::withoutBrowserAMessageNamesThePage()
{
    QDesktopServices::unsetUrlHandler("file"); // the offscreen desktop opens nothing
    QStringList texts;
    ModalAnswerer answerer([&texts](QWidget* modal) {
        if (auto* box = qobject_cast<QMessageBox*>(modal))
            texts << box->text();
        modal->close();
    });
    window->help();
    window->tutorial();
    const QString links = HelpPages::docsFolder(QCoreApplication::applicationDirPath()) + "/links/";
    QCOMPARE(texts.size(), 2);
    QVERIFY2(texts[0].endsWith(QDir::toNativeSeparators(links + "Zidov0.14ruri.html")),
             qPrintable(texts[0]));
    QVERIFY2(texts[1].endsWith(QDir::toNativeSeparators(links + "ZidovTutorial.html")),
             qPrintable(texts[1]));
}

// Not the browser's fault: the message says the page is missing and names every folder tried.
void TestHelpCommands::missingPageSaysWhereItWasLookedFor()
{
    HelpTranslator missing("%1/links/NoSuchPage%2.html");
    QCoreApplication::installTranslator(&missing);
    QString text;
    ModalAnswerer answerer([&text](QWidget* modal) {
        if (auto* box = qobject_cast<QMessageBox*>(modal))
            text = box->text();
        modal->close();
    });
    window->help();
    QCoreApplication::removeTranslator(&missing);
    QVERIFY(catcher.urls.isEmpty());
    QVERIFY2(text.contains("not installed: NoSuchPage0.14ruri.html is missing"), qPrintable(text));
    for (const QString& folder :
         HelpPages::candidateFolders(QCoreApplication::applicationDirPath()))
        QVERIFY2(text.contains(QDir::toNativeSeparators(folder + "/links")), qPrintable(text));
}

void TestHelpCommands::pagesAreSelfContained_data()
{
    QTest::addColumn<QString>("page");
    QTest::newRow("help page") << "Zidov0.14ruri.html";
    QTest::newRow("tutorial") << "ZidovTutorial.html";
    QTest::newRow("German help page") << "Zidov0.14ruri_de.html";
    QTest::newRow("German tutorial") << "ZidovTutorial_de.html";
}

void TestHelpCommands::pagesAreSelfContained()
{
    QFETCH(QString, page);

    const QString folder = HelpPages::docsFolder(QCoreApplication::applicationDirPath());
    const QString html = readFile(folder + "/links/" + page);
    QVERIFY2(!html.isEmpty(), qPrintable(folder));
    QVERIFY(html.startsWith("<!DOCTYPE html>"));
    QVERIFY(html.contains("<meta charset=\"utf-8\">"));
    // Works offline: nothing is fetched from elsewhere.
    QVERIFY(!html.contains("://"));
    QVERIFY(!html.contains(" src="));
    QVERIFY(!html.contains("@import"));

    // Every link leads to an anchor of the page or to the other page.
    const QRegularExpression link("href=\"([^\"]*)\"");
    int links = 0;
    for (const QRegularExpressionMatch& match : link.globalMatch(html)) {
        const QString target = match.captured(1);
        ++links;
        if (target.startsWith('#'))
            QVERIFY2(html.contains("id=\"" + target.mid(1) + "\""), qPrintable(target));
        else
            QVERIFY2(QFileInfo::exists(folder + "/links/" + target), qPrintable(target));
    }
    QVERIFY(links > 0);
}

void TestHelpCommands::translationCanSendHelpElsewhere()
{
    HelpTranslator translator;
    QCoreApplication::installTranslator(&translator);
    window->help();
    window->tutorial();
    QCoreApplication::removeTranslator(&translator);

    QCOMPARE(catcher.urls.size(), 2);
    QCOMPARE(catcher.urls[0], QUrl("https://example.org/de/links/Zidov0.14ruri.html"));
    QVERIFY(catcher.urls[1].toLocalFile().endsWith("/docs/links/ZidovTutorial.html"));
}

void TestHelpCommands::germanProgramOpensGermanPages()
{
    // The catalogue is built beside the program, where this test sits too.
    QTranslator german;
    QVERIFY(german.load("Zidov_de", QCoreApplication::applicationDirPath()));
    QCoreApplication::installTranslator(&german);
    window->help();
    window->tutorial();
    QCoreApplication::removeTranslator(&german);

    QCOMPARE(catcher.urls.size(), 2);
    const QStringList pages{"Zidov0.14ruri_de.html", "ZidovTutorial_de.html"};
    for (int i = 0; i < pages.size(); ++i) {
        const QString file = catcher.urls[i].toLocalFile();
        QCOMPARE(QFileInfo(file).fileName(), pages[i]);
        QVERIFY2(readFile(file).contains("<html lang=\"de\">"), qPrintable(file));
    }
}

void TestHelpCommands::docsFolderLayouts_data()
{
    QTest::addColumn<QStringList>("pageFolders");
    QTest::addColumn<QString>("expected");

    // Folders relative to a prefix; the executable is in <prefix>/bin.
    QTest::newRow("build tree") << QStringList{"bin/docs/links"} << "bin/docs";
    QTest::newRow("installed") << QStringList{"share/zidov/docs/links"} << "share/zidov/docs";
    QTest::newRow("build tree wins over an installed copy")
        << QStringList{"bin/docs/links", "share/zidov/docs/links"} << "bin/docs";
    QTest::newRow("docs without pages") << QStringList{"bin/docs"} << "share/zidov/docs";
    QTest::newRow("no pages anywhere") << QStringList{} << "share/zidov/docs";
}

void TestHelpCommands::docsFolderLayouts()
{
    QFETCH(QStringList, pageFolders);
    QFETCH(QString, expected);

    QTemporaryDir prefix;
    QVERIFY(prefix.isValid());
    QVERIFY(makePath(prefix.filePath("bin")));
    for (const QString& folder : pageFolders)
        QVERIFY(makePath(prefix.filePath(folder)));
    QCOMPARE(HelpPages::docsFolder(prefix.filePath("bin")),
             QDir::cleanPath(prefix.filePath(expected)));
}

void TestHelpCommands::addressSurvivesOddFolderNames_data()
{
    QTest::addColumn<QString>("folderName");
    QTest::newRow("blank") << "My Programs";
    QTest::newRow("hash and question mark") << "C# tools?";
    QTest::newRow("percent sign") << "100%25 sharp";
    QTest::newRow("non-ASCII") << QString::fromUtf8("Schärfentiefe");
}

void TestHelpCommands::addressSurvivesOddFolderNames()
{
    QFETCH(QString, folderName);

    const QString folder = QDir::tempPath() + '/' + folderName + "/docs";
    const QUrl url(HelpPages::address("%1/links/ZidovTutorial.html", folder));
    QVERIFY(url.isValid());
    QCOMPARE(url.toLocalFile(), folder + "/links/ZidovTutorial.html");
    QCOMPARE(HelpPages::address("https://example.org/help.html", folder),
             QString("https://example.org/help.html"));
}

ZIDOV_GUITEST_MAIN(TestHelpCommands)
#include "tst_helpcommands.moc"
