// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "filesizelimit.h"
#include "graph.h"
#include "guitest.h"
#include "mainwin.h"
#include "windowform.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>
#include <vector>

class TestImageExport : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        window.open();
        window->graphWidget->setFixedSize(600, 400);
        dir = std::make_unique<QTemporaryDir>();
    }
    void cleanup()
    {
        window.close();
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
        windowForm(*window).boxC2->setChecked(true);
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

    // Where the output has the resolution, the curve is smooth: along a stretch of steady
    // slope its middle follows a cubic to within a quarter of a plot pixel, where the whole
    // rows of the pixel curve left steps of half a pixel and more. Read in the tools a
    // reader uses, zoomed four times, and in a PNG of twice the pixels.
    void smoothCurvesWhereTheOutputHasTheResolution_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<int>("zoom");
        QTest::newRow("SVG in rsvg-convert") << "svg" << 4;
        QTest::newRow("PDF in pdftoppm") << "pdf" << 4;
        QTest::newRow("PNG of twice the pixels") << "png" << 2;
    }
    void smoothCurvesWhereTheOutputHasTheResolution()
    {
        QFETCH(QString, format);
        QFETCH(int, zoom);
        window->switchpromode();
        // 50 mm f/2.8 at 5 m: from 2.7 to 4.2 m (x = 85 to 133) it falls from zc 4.5 to 1.2.
        window->cam1.init(5000, 2.8, 50, 0.03, 1, 0, 100, 1.8);
        // The plot draws what it is given.
        window->graphWidget->setInput(window->plotInput());
        QImage image;
        if (format == "png") {
            image = window->graphWidget->renderImage(zoom);
        } else {
            const QString file = dir->filePath("plot." + format);
            QVERIFY(window->graphWidget->saveImage(file));
            const QString png = dir->filePath("zoomed.png");
            const int status =
                format == "svg"
                    ? run("rsvg-convert", {"-z", QString::number(zoom), file, "-o", png})
                    : run("pdftoppm", {"-r", QString::number(96 * zoom), "-png", "-singlefile",
                                       file, dir->filePath("zoomed")});
            QCOMPARE(status, 0);
            image = QImage(png);
        }
        QCOMPARE(image.size(), QSize(600, 400) * zoom);
        QVERIFY2(curveWobble(image, 90 * zoom, 130 * zoom) < 0.25 * zoom,
                 qPrintable(QString::number(curveWobble(image, 90 * zoom, 130 * zoom))));
    }

    void failuresAreReported_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("diskBytes"); // 0: as much as there is
        QTest::addColumn<QString>("reason");
        QTest::newRow("folder missing") << "missing/plot.png" << 0 << "No such file or directory";
        QTest::newRow("folder is a file") << "file.txt/plot.png" << 0 << "Not a directory";
        QTest::newRow("unknown suffix over an older file")
            << "old.xyz" << 0 << "could not be drawn in this format";
        // The PDF writer wrote straight into the file and never heard of the full disk.
        QTest::newRow("PDF over an older file on a full disk")
            << "old.pdf" << 4096 << "File too large";
    }
    void failuresAreReported()
    {
        QFETCH(QString, name);
        QFETCH(int, diskBytes);
        QFETCH(QString, reason);
        const QString path = dir->filePath(name);
        for (const char* existing : {"file.txt", "old.xyz", "old.pdf"}) {
            QFile file(dir->filePath(existing));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write("keep") == 4);
        }
        QString text;
        ModalAnswerer answer([&text](QWidget* modal) {
            text = qobject_cast<QMessageBox*>(modal)->text();
            qobject_cast<QDialog*>(modal)->accept();
        });
        {
            std::optional<FileSizeLimit> fullDisk;
            if (diskBytes > 0)
                fullDisk.emplace(diskBytes);
            QVERIFY(!window->exportImageTo(path));
        }
        QVERIFY2(text.contains(QDir::toNativeSeparators(path)), qPrintable(text));
        QVERIFY2(text.contains(reason), qPrintable(text));
        for (const char* existing : {"old.xyz", "old.pdf"}) {
            QFile old(dir->filePath(existing));
            QVERIFY(old.open(QIODevice::ReadOnly) && old.readAll() == "keep");
        }
    }

private:
    // How far the middle of the green curve strays, in device pixels, from the cubic that fits
    // it best between two columns.
    static double curveWobble(const QImage& image, int first, int last)
    {
        std::vector<double> xs, ys;
        for (int x = first; x <= last; ++x) {
            double sum = 0, weight = 0;
            for (int y = 0; y < image.height(); ++y) {
                const QRgb p = image.pixel(x, y);
                const int green = qGreen(p) - std::max(qRed(p), qBlue(p));
                if (green > 20) {
                    sum += green * y;
                    weight += green;
                }
            }
            if (weight > 0) {
                xs.push_back(double(x - first) / (last - first));
                ys.push_back(sum / weight);
            }
        }
        if (xs.size() < 10)
            return 1e9;
        // Least squares through the normal equations, solved by elimination.
        double a[4][5] = {};
        for (size_t i = 0; i < xs.size(); ++i) {
            const double powers[4] = {1, xs[i], xs[i] * xs[i], xs[i] * xs[i] * xs[i]};
            for (int r = 0; r < 4; ++r) {
                for (int c = 0; c < 4; ++c)
                    a[r][c] += powers[r] * powers[c];
                a[r][4] += powers[r] * ys[i];
            }
        }
        for (int r = 0; r < 4; ++r)
            for (int k = 0; k < 4; ++k)
                if (k != r) {
                    const double f = a[k][r] / a[r][r];
                    for (int c = 0; c < 5; ++c)
                        a[k][c] -= f * a[r][c];
                }
        double worst = 0;
        for (size_t i = 0; i < xs.size(); ++i) {
            double fit = 0;
            for (int r = 3; r >= 0; --r)
                fit = fit * xs[i] + a[r][4] / a[r][r];
            worst = std::max(worst, std::abs(ys[i] - fit));
        }
        return worst;
    }

    static int run(const QString& program, const QStringList& arguments)
    {
        QProcess process;
        process.start(program, arguments);
        return process.waitForFinished(30000) && process.exitStatus() == QProcess::NormalExit
                   ? process.exitCode()
                   : -1;
    }

    FreshWindow<mainWin> window;
    std::unique_ptr<QTemporaryDir> dir;
};

ZIDOV_GUITEST_MAIN(TestImageExport)
#include "tst_imageexport.moc"
