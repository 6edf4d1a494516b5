// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "graph.h"
#include "guitest.h"
#include "languagechoice.h"
#include "mainwin.h"
#include "opti.h"
#include "plotgeometry.h"
#include "projectcodec.h"
#include "windowform.h"

#include <QClipboard>
#include <QDir>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>

#include <memory>

namespace {
struct Message
{
    QString context;
    QString source;
    QString translation;
    bool finished = false;
};

QList<Message> readCatalogue(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    QList<Message> messages;
    QXmlStreamReader xml(&file);
    QString context;
    Message current;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("source")) {
            current = Message();
            current.context = context;
            current.source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            const QString type = xml.attributes().value(QLatin1String("type")).toString();
            current.finished = type.isEmpty();
            current.translation = xml.readElementText();
            messages << current;
        }
    }
    return messages;
}
} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void everySourceTextIsTranslated();
    void germanCatalogueReachesTheWindows();
    void catalogueFallsBackToTheShortName();
    void tooltipsExplainTheInputsInBothLanguages();
    void germanProgramGetsQtsGermanTexts();
};

void TestTranslations::everySourceTextIsTranslated()
{
    // Extract the texts afresh from the sources and compare with the committed catalogue, so a
    // new text that nobody translated fails here rather than showing up in English.
    QTemporaryDir scratch;
    const QString fresh = scratch.filePath("fresh.ts");
    QStringList arguments = {"-no-obsolete", "-locations", "none", "-silent"};
    for (const char* folder : {"mainwindow", "graph", "project", "tools", "forms"})
        arguments << QString(ZIDOV_SOURCE_DIR) + '/' + folder;
    arguments << "-ts" << fresh;
    QProcess lupdate;
    lupdate.start(ZIDOV_LUPDATE, arguments);
    QVERIFY(lupdate.waitForFinished(60000));
    QCOMPARE(lupdate.exitCode(), 0);

    const QList<Message> extracted = readCatalogue(fresh);
    QVERIFY(extracted.size() > 150);
    QHash<QString, Message> committed;
    for (const Message& m : readCatalogue(QString(ZIDOV_SOURCE_DIR) + "/translations/Zidov_de.ts"))
        committed.insert(m.context + '\x1f' + m.source, m);

    QStringList missing;
    for (const Message& m : extracted) {
        const auto found = committed.constFind(m.context + '\x1f' + m.source);
        if (found == committed.constEnd() || !found->finished || found->translation.isEmpty())
            missing << m.context + ": " + m.source;
    }
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join('\n')));
}

void TestTranslations::germanCatalogueReachesTheWindows()
{
    // The program looks the catalogue up in the current directory, as started from the build.
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(ZIDOV_BUILD_DIR));
    QTranslator translator;
    const bool loaded = translator.load(germanCatalogueName());
    QDir::setCurrent(previous);
    QVERIFY(loaded);
    QVERIFY(QCoreApplication::installTranslator(&translator));

    QuietTrace quiet;
    // Numbers as the German program writes them, with the decimal comma.
    setProgramLocale(QLocale(QLocale::German, QLocale::Germany));
    {
        mainWin w;
        QCOMPARE(windowForm(w).menuFile->title(), QString("&Datei"));
        QCOMPARE(windowForm(w).menuOptimizer->title(), QString("&Erweitert"));
        QCOMPARE(windowForm(w).menuHelp->title(), QString("&Hilfe"));
        QCOMPARE(windowForm(w).actionSave_as->text(), QString("Speichern &unter"));
        QCOMPARE(windowForm(w).menuView->title().remove('&'), QString("Ansicht"));
        QCOMPARE(windowForm(w).menuUnits->title().remove('&'), QString("Einheiten"));
        QCOMPARE(windowForm(w).actionMetres->text().remove('&'), QString("Meter"));
        QCOMPARE(windowForm(w).actionFeet->text().remove('&'), QString("Fuß"));
        QVERIFY(w.findChild<QMenu*>("menuCompare"));
        QCOMPARE(w.findChild<QMenu*>("menuCompare")->title().remove('&'), QString("Vergleichen"));
        QCOMPARE(windowForm(w).label_23->text(), QString("Zerstreuungskreis"));
        QCOMPARE(w.optiWin()->windowTitle(), QString("Automatische Optimierung"));
        QCOMPARE(w.graphWidget->captionTexts(1).title, QString("Kamera 1:"));
        QVERIFY(w.graphWidget->captionTexts(1).values.startsWith("zc(unendl.): "));
        QVERIFY(windowForm(w).c1_set_Hyper->text().startsWith("Auf hyperfokale Distanz ("));
        // The settings table, as Copy numbers gives it.
        windowForm(w).actionCopyNumbers->trigger();
        const QString numbers = QGuiApplication::clipboard()->text();
        QVERIFY2(numbers.startsWith("\tKamera 1\n") && numbers.contains("\nNahgrenze (m)\t"),
                 qPrintable(numbers));
        // Every number a person reads has the decimal comma, in the window as in the copy.
        w.switchpromode();
        windowForm(w).boxC2->setChecked(true);
        w.run();
        const PlotGeometry plot = w.graphWidget->currentGeometry();
        const auto noWidth = [](const QString&, int) { return 0.0; };
        // The pointer over the plot, for its read-out.
        const QPoint over(plot.axisX() + 100, plot.axisY() - 20);
        QMouseEvent move(QEvent::MouseMove, over, w.graphWidget->mapToGlobal(over), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(w.graphWidget, &move);
        for (const QString& text :
             QStringList{
                 numbers, windowForm(w).c1_set_Hyper->text(), windowForm(w).c1_set_Hyper->toolTip(),
                 w.graphWidget->captionTexts(1).settings, w.graphWidget->captionTexts(1).values,
                 w.comparisonReadout->text(), plot.gridLabelText(1.5, noWidth, false).text} +
                 w.graphWidget->readoutTexts()) {
            QVERIFY2(text.contains(QRegularExpression("\\d,\\d")) &&
                         !text.contains(QRegularExpression("\\d\\.\\d")),
                     qPrintable(text));
        }
        // A project refused for camera 1's focus at -5 m says why in German.
        QByteArray outOfRange(184, '\0');
        outOfRange.replace(0, 26,
                           QByteArray::fromHex("3ff4cccccccccccd 0000000000000000 0100 00000014"
                                               "00000032"));
        outOfRange.replace(31, 8, QByteArray::fromHex("c014000000000000"));
        QCOMPARE(ProjectCodec::decode(outOfRange).message,
                 QString("Kamera 1, Fokusentfernung (Byte 31) enthält -5, erlaubt sind aber nur 0 "
                         "bis 99999."));
        // The window title is the program's name in every language.
        QCOMPARE(w.windowTitle(), QString("Zidov"));
    }
    setProgramLocale(QLocale::c());
    QCoreApplication::removeTranslator(&translator);
}

void TestTranslations::catalogueFallsBackToTheShortName()
{
    // A folder holding only Zidov.qm still serves a program started as Zidov_de.exe, and one
    // holding nothing leaves the program in English without complaint.
    QTemporaryDir folder;
    QVERIFY(QFile::copy(QString(ZIDOV_BUILD_DIR) + "/Zidov_de.qm", folder.filePath("Zidov.qm")));
    QTemporaryDir empty;
    const QString previous = QDir::currentPath();
    QTranslator shortName;
    QTranslator none;
    QVERIFY(QDir::setCurrent(folder.path()));
    const bool foundShort = shortName.load(germanCatalogueName());
    QVERIFY(QDir::setCurrent(empty.path()));
    const bool foundNone = none.load(germanCatalogueName());
    QDir::setCurrent(previous);
    QVERIFY(foundShort);
    QCOMPARE(shortName.translate("mainWin", "&File"), QString("&Datei"));
    QVERIFY(!foundNone);
}

void TestTranslations::tooltipsExplainTheInputsInBothLanguages()
{
    QuietTrace quiet;
    // Numbers as the German program writes them, with the decimal comma.
    setProgramLocale(QLocale(QLocale::German, QLocale::Germany));
    {
        mainWin w;
        QVERIFY(windowForm(w).c1_apature->toolTip().startsWith("Aperture as an f-number"));
        QCOMPARE(windowForm(w).horizontalSlider->toolTip(), windowForm(w).c1_fdist->toolTip());
        QVERIFY(windowForm(w).c2_coc->toolTip().contains("in millimetres"));
        QVERIFY(windowForm(w).c1_cocSet->toolTip().contains("\nManual: typed in"));
        QVERIFY(w.graphWidget->toolTip().contains("zc is the diameter"));
    }
    QTranslator translator;
    QVERIFY(translator.load(germanCatalogueName(), ZIDOV_BUILD_DIR));
    QVERIFY(QCoreApplication::installTranslator(&translator));
    {
        mainWin w;
        QVERIFY(windowForm(w).c1_fdist->toolTip().startsWith("Fokusentfernung: "));
        QVERIFY(windowForm(w).c2_lensQ->toolTip().startsWith("Objektivqualität in Prozent."));
        QVERIFY(w.graphWidget->toolTip().startsWith("Relative Unschärfe zc"));
    }
    QCoreApplication::removeTranslator(&translator);
}

void TestTranslations::germanProgramGetsQtsGermanTexts()
{
    // File dialogs, the overwrite question and standard buttons are Qt's own texts.
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(ZIDOV_BUILD_DIR));
    QTranslator program;
    QTranslator toolkit;
    installGermanCatalogues(program, toolkit, QString());
    QDir::setCurrent(previous);
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Cancel);
    const QString cancel = box.button(QMessageBox::Cancel)->text();
    const QString file = QCoreApplication::translate("mainWin", "&File");
    QCoreApplication::removeTranslator(&program);
    QCoreApplication::removeTranslator(&toolkit);
    setProgramLocale(QLocale::c());
    QCOMPARE(cancel, QString("Abbrechen"));
    QCOMPARE(file, QString("&Datei"));
}

ZIDOV_GUITEST_MAIN(TestTranslations)
#include "tst_translations.moc"
