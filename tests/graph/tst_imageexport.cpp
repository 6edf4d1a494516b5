// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "graph.h"
#include "guitest.h"
#include "mainwin.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>

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
            QCOMPARE(start, QDir::currentPath() + "Image (*.png)");
        }
        QVERIFY(QFile::remove(path));
        ModalAnswerer none([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
        QVERIFY(!window->exportImageTo(QString())); // cancelled: no file, no message
        QVERIFY(!none.seen);
        QVERIFY(QDir(dir->path()).isEmpty());
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
    std::unique_ptr<QuietStdout> quiet;
    std::unique_ptr<mainWin> window;
    std::unique_ptr<QTemporaryDir> dir;
};

ZIDOV_GUITEST_MAIN(TestImageExport)
#include "tst_imageexport.moc"
