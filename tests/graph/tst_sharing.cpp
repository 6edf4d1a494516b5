// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "graph.h"
#include "guitest.h"
#include "lengthunit.h"
#include "mainwin.h"
#include "storedsettingsscope.h"
#include "windowform.h"

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QProcess>
#include <QTemporaryDir>

#include <memory>

Q_DECLARE_METATYPE(LengthUnit)

// Sharing a comparison: the settings table below exported charts, and the Edit menu's copies.
class TestSharing : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        window.open();
        window->switchpromode();
        windowForm(*window).boxC2->setChecked(true);
        windowForm(*window).c2_fdist->setValue(9);
        windowForm(*window).c2_apature->setValue(16);
        window->graphWidget->setFixedSize(700, 400);
        window->run();
        dir = std::make_unique<QTemporaryDir>();
    }
    void cleanup()
    {
        window.close();
        dir.reset();
    }

    // Every export format carries the table with the chosen unit's values as text, on a page
    // that much taller than the plot.
    void exportsCarryTheTable_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<LengthUnit>("unit");
        QTest::newRow("PNG") << "png" << LengthUnit::Metres;
        QTest::newRow("SVG in feet") << "svg" << LengthUnit::Feet;
        QTest::newRow("PDF") << "pdf" << LengthUnit::Metres;
    }
    void exportsCarryTheTable()
    {
        QFETCH(QString, format);
        QFETCH(LengthUnit, unit);
        mainWin& w = *window;
        w.setLengthUnit(unit);
        QAction* table = w.findChild<QAction*>("actionExportSettings");
        QVERIFY(table && table->isCheckable() && !table->isChecked());
        table->setChecked(true);
        const QString name = dir->filePath("chart." + format);
        QVERIFY(w.exportImageTo(name));
        const QString nearLimit = LengthUnits::text(w.cam1.getNearLimit() / 1000, unit);
        const QStringList expected{"Near limit", nearLimit, "endless", w.comparisonReadout->text()};
        QString text;
        if (format == "png") {
            const QImage image(name);
            QCOMPARE(image.width(), 700);
            QVERIFY(image.height() > 400 + 16 * 13);
            return;
        }
        if (format == "svg") {
            QFile svg(name);
            QVERIFY(svg.open(QIODevice::ReadOnly));
            text = QString::fromUtf8(svg.readAll());
        } else {
            if (QStandardPaths::findExecutable("pdftotext").isEmpty())
                QSKIP("pdftotext is not installed");
            QProcess pdftotext;
            pdftotext.start("pdftotext", {name, "-"});
            QVERIFY(pdftotext.waitForFinished(30000));
            text = QString::fromUtf8(pdftotext.readAllStandardOutput());
        }
        for (const QString& value : expected)
            QVERIFY2(text.contains(value.toHtmlEscaped()) || text.contains(value),
                     qPrintable(value));
    }

    // Copy chart: the chart as exported, as an image at the screen's pixel ratio and as SVG;
    // Copy numbers: the table as tab-separated text, the comparison last.
    void copies()
    {
        mainWin& w = *window;
        QAction* chart = w.findChild<QAction*>("actionCopyChart");
        QAction* numbers = w.findChild<QAction*>("actionCopyNumbers");
        QVERIFY(chart && numbers);
        QClipboard* clipboard = QGuiApplication::clipboard();
        chart->trigger();
        const QMimeData* data = clipboard->mimeData();
        QVERIFY(data && data->hasImage());
        const QImage image = qvariant_cast<QImage>(data->imageData());
        QCOMPARE(image.size(), QSize(700, 400) * w.graphWidget->devicePixelRatioF());
        QVERIFY(data->data("image/svg+xml").contains("<svg"));
        windowForm(w).actionExportSettings->setChecked(true);
        chart->trigger();
        QVERIFY(qvariant_cast<QImage>(clipboard->mimeData()->imageData()).height() > 400);

        // A custom sensor by its size.
        windowForm(w).c2_cocSet->setCurrentIndex(0);
        windowForm(w).c2_cropC->setCurrentIndex(w.sensorTable.customIndex());
        windowForm(w).c2_sensorWidth->setValue(44);
        windowForm(w).c2_sensorHeight->setValue(33);
        numbers->trigger();
        const QStringList lines = clipboard->text().split('\n');
        QCOMPARE(lines.first(), QString("\tCamera 1\tCamera 2"));
        QCOMPARE(lines[1].section('\t', 2), QString("44 × 33 mm"));
        // The unit in the label and bare numbers in the cells, which a spreadsheet takes.
        QVERIFY(lines.contains("Focus distance (m)\t5.00\t9.00"));
        QVERIFY(lines.contains(
            "Far limit (m)\t" +
            LengthUnits::number(w.cam1.getFarLimit() / 1000, LengthUnit::Metres) + "\tinfinity"));
        QVERIFY(lines.contains("F-number\t1.8\t16"));
        QVERIFY(lines.contains("Circle of confusion set\tSet by pixel size\tSet by crop factor"));
        QCOMPARE(lines[lines.size() - 2], w.comparisonReadout->text());
        // A row's label names its unit where Camera 1 has no length there, Camera 2 one.
        windowForm(w).c1_fdist->setValue(0.04);
        numbers->trigger();
        QVERIFY2(clipboard->text().contains("\nNear limit (m)\tnone\t"),
                 qPrintable(clipboard->text()));
    }

    // Ctrl+C copies the chart unless a text field has the focus, which copies its text.
    void controlCCopiesTheChartOutsideTextFields()
    {
        mainWin& w = *window;
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QClipboard* clipboard = QGuiApplication::clipboard();
        clipboard->clear();
        w.graphWidget->setFocus();
        QTest::keyClick(w.graphWidget, Qt::Key_C, Qt::ControlModifier);
        QVERIFY(clipboard->mimeData()->hasImage());

        windowForm(w).c1_fdist->setFocus();
        windowForm(w).c1_fdist->selectAll();
        QTest::keyClick(windowForm(w).c1_fdist->findChild<QLineEdit*>(), Qt::Key_C,
                        Qt::ControlModifier);
        QVERIFY(!clipboard->mimeData()->hasImage());
        QCOMPARE(clipboard->text(), windowForm(w).c1_fdist->cleanText());
    }

    void theTableChoiceIsRemembered()
    {
        const StoredSettingsScope settings;
        windowForm(*window).actionExportSettings->setChecked(true);
        QVERIFY(windowForm(mainWin()).actionExportSettings->isChecked());
        windowForm(*window).actionExportSettings->setChecked(false);
        QVERIFY(!windowForm(mainWin()).actionExportSettings->isChecked());
    }

private:
    FreshWindow<mainWin> window;
    std::unique_ptr<QTemporaryDir> dir;
};

ZIDOV_GUITEST_MAIN(TestSharing)
#include "tst_sharing.moc"
