// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "graph.h"
#include "guitest.h"
#include "mainwin.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <memory>

class TestImageExport : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        quiet = std::make_unique<QuietStdout>();
        window = std::make_unique<mainWin>();
        window->graphWidget->setFixedSize(600, 400);
        dir = std::make_unique<QTemporaryDir>();
    }
    void cleanup()
    {
        window.reset();
        quiet.reset();
        dir.reset();
    }

    void writesAnOpaqueImageOfTheWidgetSize()
    {
        QVERIFY(window->exportImageTo(dir->filePath("plot"))); // gets ".png"
        QCOMPARE(QDir(dir->path()).entryList(QDir::Files), QStringList("plot.png"));
        const QImage image(dir->filePath("plot.png"));
        QCOMPARE(image.size(), QSize(600, 400));
        QCOMPARE(image.pixel(150, 3), qRgba(220, 220, 220, 255));
        QCOMPARE(image.convertToFormat(QImage::Format_RGB32).convertToFormat(image.format()),
                 image);
    }

    void dialogChoosesTheFile()
    {
        const QString path = dir->filePath("chosen.png");
        QString start;
        {
            ModalAnswerer choose([&](QWidget* modal) {
                auto* dialog = qobject_cast<QFileDialog*>(modal);
                start = dialog->directory().absolutePath() + dialog->nameFilters().join(';');
                // The dialog's own name field; selectFile() leaves it empty for a new file.
                if (auto* nameField = dialog->findChild<QLineEdit*>("fileNameEdit"))
                    nameField->setText(path);
                static_cast<QDialog*>(dialog)->accept();
                if (dialog->isVisible())
                    dialog->reject();
            });
            window->exportImage();
            QCOMPARE(choose.title, QString("Export to image"));
            QCOMPARE(start,
                     QDir::currentPath() + "Image (*.png);SVG image (*.svg);PDF document (*.pdf)");
        }
        QVERIFY(QFile::remove(path));
        ModalAnswerer none([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
        QVERIFY(!window->exportImageTo(QString())); // cancelled: no file, no message
        QVERIFY(!none.seen);
        QVERIFY(QDir(dir->path()).isEmpty());
    }

    // Twice the pixels through a scaled painter: the layout of the widget's size, drawn
    // at the density of the screen.
    void pixelRatioMultipliesThePixels()
    {
        const QImage sharp = window->graphWidget->renderImage(2);
        QCOMPARE(sharp.size(), QSize(1200, 800));
        QCOMPARE(sharp.devicePixelRatio(), 2.0);
        QVERIFY(window->graphWidget->saveImage(dir->filePath("sharp.png"), 2));
        QCOMPARE(QImage(dir->filePath("sharp.png")).size(), QSize(1200, 800));
        // The distance axis sits at the same place in layout pixels.
        const QPoint axis(200, 400 - 30);
        QCOMPARE(window->graphWidget->renderImage().pixel(axis), qRgb(0, 0, 0));
        QCOMPARE(sharp.pixel(axis * 2), qRgb(0, 0, 0));
    }

    void vectorFilesCarryTheTexts()
    {
        window->boxC2->setChecked(true);
        const CaptionTexts caption = window->graphWidget->captionTexts(2);
        QVERIFY(window->exportImageTo(dir->filePath("plot.svg")));
        QFile svgFile(dir->filePath("plot.svg"));
        QVERIFY(svgFile.open(QIODevice::ReadOnly));
        QXmlStreamReader svg(&svgFile);
        QString texts;
        QString viewBox;
        while (svg.readNext() != QXmlStreamReader::EndDocument && !svg.hasError()) {
            if (svg.isCharacters())
                texts += svg.text();
            if (svg.isStartElement() && svg.name() == QLatin1String("svg"))
                viewBox = svg.attributes().value("viewBox").toString();
        }
        QVERIFY2(!svg.hasError(), qPrintable(svg.errorString()));
        QCOMPARE(viewBox, QString("0 0 600 400"));
        for (const QString& row : {caption.title, caption.settings, caption.values})
            QVERIFY2(texts.contains(row), qPrintable(row));

        QVERIFY(window->exportImageTo(dir->filePath("plot.pdf")));
        QFile pdf(dir->filePath("plot.pdf"));
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        const QByteArray bytes = pdf.readAll();
        QVERIFY(bytes.startsWith("%PDF-") && bytes.trimmed().endsWith("%%EOF"));

        // Where the tools are installed, a viewer's renderer reads both at the plot's size.
        if (!QStandardPaths::findExecutable("rsvg-convert").isEmpty()) {
            QCOMPARE(
                run("rsvg-convert", {dir->filePath("plot.svg"), "-o", dir->filePath("svg.png")}),
                0);
            QCOMPARE(QImage(dir->filePath("svg.png")).size(), QSize(600, 400));
        }
        if (!QStandardPaths::findExecutable("pdftoppm").isEmpty()) {
            QCOMPARE(run("pdftoppm", {"-r", "96", "-png", "-singlefile", dir->filePath("plot.pdf"),
                                      dir->filePath("pdf")}),
                     0);
            QCOMPARE(QImage(dir->filePath("pdf.png")).size(), QSize(600, 400));
            QCOMPARE(
                run("pdftotext", {"-raw", dir->filePath("plot.pdf"), dir->filePath("pdf.txt")}), 0);
            QFile text(dir->filePath("pdf.txt"));
            QVERIFY(text.open(QIODevice::ReadOnly));
            const QString extracted = QString::fromUtf8(text.readAll());
            QVERIFY2(extracted.contains(caption.title), qPrintable(extracted));
        }
    }

    void failuresAreReported_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("folder missing") << "missing/plot.png";
        QTest::newRow("folder is a file") << "file.txt/plot.png";
        QTest::newRow("unknown suffix over an older file") << "old.xyz";
    }
    void failuresAreReported()
    {
        QFETCH(QString, name);
        const QString path = dir->filePath(name);
        for (const char* existing : {"file.txt", "old.xyz"}) {
            QFile file(dir->filePath(existing));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write("keep") == 4);
        }
        QString text;
        ModalAnswerer answer([&text](QWidget* modal) {
            text = qobject_cast<QMessageBox*>(modal)->text();
            qobject_cast<QDialog*>(modal)->accept();
        });
        QVERIFY(!window->exportImageTo(path));
        QVERIFY2(text.contains(QDir::toNativeSeparators(path)), qPrintable(text));
        QFile old(dir->filePath("old.xyz"));
        QVERIFY(old.open(QIODevice::ReadOnly) && old.readAll() == "keep");
    }

private:
    static int run(const QString& program, const QStringList& arguments)
    {
        QProcess process;
        process.start(program, arguments);
        return process.waitForFinished(30000) && process.exitStatus() == QProcess::NormalExit
                   ? process.exitCode()
                   : -1;
    }

    std::unique_ptr<QuietStdout> quiet;
    std::unique_ptr<mainWin> window;
    std::unique_ptr<QTemporaryDir> dir;
};

ZIDOV_GUITEST_MAIN(TestImageExport)
#include "tst_imageexport.moc"
