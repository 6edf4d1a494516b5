// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "camerasetup.h"
#include "defaultplotsize.h"
#include "graph.h"
#include "guitest.h"
#include "mainwin.h"
#include "plotgeometry.h"
#include "projectcameras.h"
#include "projectcodec.h"
#include "projectsettingstable.h"
#include "readernumbers.h"
#include "setupnumbers.h"
#include "windowform.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <memory>

#include <sys/stat.h>
#include <unistd.h>

namespace {
struct Run
{
    int status = -1;
    QByteArray out;
    QString err;
};

Run render(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(ZIDOV_RENDER), arguments);
    Run run;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.status = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}
} // namespace

class TestRender : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        // Full frame 50 mm f/2.8 at 5 m against 24 mm f/11 at 3 m, past its hyperfocal
        // distance, so that one far limit is finite and one infinite. The second with
        // diffraction, whose far-limit search stops at 10 km although it is sharp there.
        mainWin w;
        w.switchpromode();
        windowForm(w).boxC2->setChecked(true);
        windowForm(w).c1_calcDef->setChecked(false);
        windowForm(w).c2_calcDef->setChecked(true);
        // Two millimetres a column: the first columns lie closer than twice the focal length.
        windowForm(w).qxscale->setValue(49);
        windowForm(w).DSB_leftBorder->setValue(0);
        windowForm(w).c1_fdist->setValue(5);
        windowForm(w).c1_apature->setValue(2.8);
        windowForm(w).c1_flength->setValue(50);
        windowForm(w).c2_fdist->setValue(3);
        windowForm(w).c2_apature->setValue(11);
        windowForm(w).c2_flength->setValue(24);
        QVERIFY(w.saveTo(project()));
        // Typed as 16' 5".
        windowForm(w).c1_fdist->setExactValue(5.0038);
        QVERIFY(w.saveTo(dir.filePath("feet.mvx")));
        QFile damaged(dir.filePath("damaged.mvx"));
        QVERIFY(damaged.open(QIODevice::WriteOnly) && damaged.write("\x3f\xf4\xcc", 3) == 3);
        // Camera 1 focused at -5 m.
        QFile saved(project());
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QFile outOfRange(dir.filePath("out-of-range.mvx"));
        QVERIFY(outOfRange.open(QIODevice::WriteOnly));
        QVERIFY(outOfRange.write(
                    saved.readAll().replace(31, 8, QByteArray("\xc0\x14\0\0\0\0\0\0", 8))) == 184);
        QCOMPARE(::mkfifo(QFile::encodeName(dir.filePath("pipe.mvx")).constData(), 0600), 0);
        // Pinned: camera 2 as it is, camera 1 at f/8 with its band, and one hidden.
        QVERIFY(saved.seek(0));
        ProjectRecord withPins = ProjectCodec::decode(saved.readAll()).record;
        PinnedSetup wide{"Wide", true, false, 0, withPins.camera2};
        PinnedSetup stopped{"Stopped down", true, true, 3, withPins.camera1};
        stopped.camera.aperture = 8;
        PinnedSetup hidden{"Hidden", false, false, 5, withPins.camera1};
        withPins.pinnedSetups = {wide, hidden, stopped};
        QFile pins(dir.filePath("pinned.mvx"));
        QVERIFY(pins.open(QIODevice::WriteOnly));
        QVERIFY(pins.write(ProjectCodec::encode(withPins)) > 184);
    }

    // The window and the renderer load and draw through the same code, so the files
    // agree pixel for pixel, for a project and for the start-up state, also with the views
    // the file does not store.
    void pngEqualsTheWindowsExport_data()
    {
        QTest::addColumn<QString>("project");
        QTest::addColumn<bool>("views");
        QTest::addColumn<bool>("table");
        // The PNG's zlib level, which changes the bytes and never a pixel.
        QTest::addColumn<QString>("level");
        QTest::newRow("project") << project() << false << false << QString();
        QTest::newRow("start-up state") << QString() << false << false << QString();
        QTest::newRow("project, DOF limits on a log scale")
            << project() << true << false << QString();
        QTest::newRow("project with the settings table") << project() << false << true << QString();
        QTest::newRow("stored, not compressed") << project() << false << false << "0";
        QTest::newRow("compressed hardest") << project() << false << false << "9";
    }
    void pngEqualsTheWindowsExport()
    {
        QFETCH(QString, project);
        QFETCH(bool, views);
        QFETCH(bool, table);
        QFETCH(QString, level);
        mainWin w;
        w.graphWidget->setFixedSize(600, 400);
        windowForm(w).actionExportSettings->setChecked(table);
        if (!project.isEmpty())
            QVERIFY(w.loadFrom(project));
        QStringList arguments{"--size", "600x400", "-o", dir.filePath("render.png")};
        if (views) {
            windowForm(w).dofMode->setChecked(true);
            windowForm(w).useLog->setChecked(true);
            w.run();
            // The near and far limit, which the project alone would not show.
            QVERIFY(w.graphWidget->captionTexts(1).values.contains(
                QRegularExpression("DOF: \\[[0-9.]+ - [0-9.]+m\\]")));
            arguments << "--dof-limits"
                      << "--log-scale";
        }
        if (table)
            arguments << "--settings-table";
        if (!level.isEmpty())
            arguments << "--png-compression" << level;
        QVERIFY(w.exportImageTo(dir.filePath("window.png")));
        if (!project.isEmpty())
            arguments << project;
        const Run run = render(arguments);
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out, QByteArray());
        const QImage rendered(dir.filePath("render.png"));
        QCOMPARE(rendered.width(), 600);
        // The table goes below the plot.
        QCOMPARE(rendered.height() > 400, table);
        QVERIFY(rendered == QImage(dir.filePath("window.png")));
        // The same chart through standard output, which a writer thread fills.
        QStringList streamed = arguments;
        streamed[streamed.indexOf(dir.filePath("render.png"))] = "-";
        const Run piped = render(streamed);
        QCOMPARE(piped.status, 0);
        QVERIFY(QImage::fromData(piped.out, "png") == rendered);

        QCOMPARE(render(arguments << "--scale"
                                  << "2")
                     .status,
                 0);
        QCOMPARE(QImage(dir.filePath("render.png")).size(), rendered.size() * 2);
    }

    // Standard output carries the CSV alone; the trace goes to standard error on request.
    void csvHoldsTheCurveSamples()
    {
        const Run run = render({"--size", "600x400", "--csv", "-", "--trace", project()});
        QCOMPARE(run.status, 0);
        QVERIFY2(run.err.contains("ver: 1.3"), qPrintable(run.err));
        const QList<QByteArray> lines = run.out.trimmed().split('\n');
        QCOMPARE(lines.first(), QByteArray("distance_m,camera1_zc,camera2_zc"));
        QCOMPARE(lines.size(), 1 + 600 - 40 - 1);

        mainWin w;
        w.graphWidget->setFixedSize(600, 400);
        QVERIFY(w.loadFrom(project()));
        QVERIFY(windowForm(w).distanceCam->isChecked());
        int pinned = 0;
        for (int row = 1; row < lines.size(); ++row) {
            const QList<QByteArray> cells = lines[row].split(',');
            QCOMPARE(cells.size(), 3);
            const double millimetres = cells[0].toDouble() * 1000;
            QCOMPARE(millimetres, double(w.graphWidget->currentGeometry().intervalEnd(row)));
            for (int camera = 1; camera <= 2; ++camera) {
                CameraSetup& setup = camera == 1 ? w.cam1 : w.cam2;
                const double zc = cells[camera].toDouble();
                if (millimetres <= setup.getFlength()) {
                    QCOMPARE(zc, 10000.0);
                    ++pinned;
                } else {
                    QCOMPARE(zc, setup.getZc(millimetres));
                }
            }
        }
        QVERIFY(pinned > 0);
    }

    // --units ft: the chart the window draws in feet, and the CSV's distances in feet.
    void feetChartAndCsv()
    {
        mainWin w;
        w.graphWidget->setFixedSize(600, 400);
        w.setLengthUnit(LengthUnit::Feet);
        QVERIFY(w.loadFrom(project()));
        QVERIFY(w.exportImageTo(dir.filePath("window-ft.png")));
        const Run run = render({"--size", "600x400", "--units", "ft", "-o",
                                dir.filePath("render-ft.png"), "--csv", "-", project()});
        QCOMPARE(run.status, 0);
        QVERIFY(QImage(dir.filePath("render-ft.png")) == QImage(dir.filePath("window-ft.png")));
        const QList<QByteArray> lines = run.out.trimmed().split('\n');
        QCOMPARE(lines.first(), QByteArray("distance_ft,camera1_zc,camera2_zc"));
        QCOMPARE(lines[1].split(',')[0].toDouble() * 304.8,
                 double(w.graphWidget->currentGeometry().intervalEnd(1)));
    }

    // The unit changes what is shown, never the lengths the numbers are computed from.
    void sameNumbersInEitherUnit()
    {
        QJsonObject numbers[2];
        QList<QByteArray> blur[2];
        for (int i : {0, 1}) {
            const QString csv = dir.filePath(QString("unit%1.csv").arg(i));
            const Run run = render({"--units", i == 0 ? "m" : "ft", "--json", "-", "--csv", csv,
                                    dir.filePath("feet.mvx")});
            QCOMPARE(run.status, 0);
            QJsonObject camera =
                QJsonDocument::fromJson(run.out).object()["cameras"].toArray()[0].toObject();
            camera.remove("caption");
            numbers[i] = camera;
            QFile file(csv);
            QVERIFY(file.open(QIODevice::ReadOnly));
            for (const QByteArray& line : file.readAll().trimmed().split('\n').mid(1))
                blur[i] << line.mid(line.indexOf(','));
        }
        QCOMPARE(numbers[0]["inputs"].toObject()["focus_mm"].toDouble(), 5003.8);
        QCOMPARE(numbers[0], numbers[1]);
        QCOMPARE(blur[0], blur[1]);
    }

    void jsonLimitsMatchTheCaption()
    {
        const Run run = render({"--json", "-", project()});
        QCOMPARE(run.status, 0);
        const QJsonObject root = QJsonDocument::fromJson(run.out).object();
        QCOMPARE(root["length_unit"].toString(), QString("mm"));
        const QJsonArray cameras = root["cameras"].toArray();
        QCOMPARE(cameras.size(), 2);
        for (const QJsonValue& value : cameras) {
            const QJsonObject camera = value.toObject();
            const QString caption = camera["caption"].toArray()[2].toString();
            const bool infinite = camera["far_limit_mm"].isNull();
            QVERIFY2(infinite == (camera["camera"].toInt() == 2), qPrintable(caption));
            QCOMPARE(camera["hyperfocal_mm"].isDouble(), true);
            // The caption shows the depth of field, far minus near limit, in metres.
            const QString depth = infinite ? QString("inf.")
                                           : QString::number((camera["far_limit_mm"].toDouble() -
                                                              camera["near_limit_mm"].toDouble()) /
                                                                 1000,
                                                             'f', 2);
            QVERIFY2(caption.contains("DOF: [" + depth), qPrintable(caption));
        }
    }

    // The shown setups in each data output, in the project's order, numbered as the JSON
    // lists them; the hidden one in none.
    void pinnedSetupsInTheData_data()
    {
        QTest::addColumn<QString>("format");
        QTest::newRow("CSV: a zc column per shown setup") << "csv";
        QTest::newRow("JSON: setups with the derived numbers") << "json";
        QTest::newRow("settings table: a column per shown setup") << "table";
    }

    void pinnedSetupsInTheData()
    {
        QFETCH(QString, format);
        const QString pinned = dir.filePath("pinned.mvx");
        QFile file(pinned);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const ProjectRecord record = ProjectCodec::decode(file.readAll()).record;
        const ProjectCameras::Cameras cameras =
            ProjectCameras::derive(record, ProjectCameras::startupDiffractionFactor);
        const PlotInput input = ProjectCameras::plotInput(record, cameras);
        QCOMPARE(int(input.pinned.size()), 2);
        if (format == "csv") {
            const Run run = render({"--size", "600x400", "--csv", "-", pinned});
            QCOMPARE(run.status, 0);
            const QList<QByteArray> lines = run.out.trimmed().split('\n');
            QCOMPARE(lines.first(),
                     QByteArray("distance_m,camera1_zc,camera2_zc,setup1_zc,setup2_zc"));
            const QList<QByteArray> far = lines.last().split(',');
            CameraSetup stopped = input.pinned[1].camera;
            QCOMPARE(far[4].toDouble(), stopped.getZc(far[0].toDouble() * 1000));
            // The first setup is camera 2 unchanged.
            QCOMPARE(far[3], far[2]);
        } else if (format == "json") {
            const Run run = render({"--json", "-", pinned});
            QCOMPARE(run.status, 0);
            const QJsonArray setups = QJsonDocument::fromJson(run.out).object()["setups"].toArray();
            QCOMPARE(setups.size(), 2);
            QCOMPARE(setups[0].toObject()["name"].toString(), QString("Wide"));
            const QJsonObject stopped = setups[1].toObject();
            QCOMPARE(stopped["name"].toString(), QString("Stopped down"));
            QCOMPARE(stopped["inputs"].toObject()["aperture"].toDouble(), 8.0);
            const SetupNumbers numbers = setupNumbers(input.pinned[1].camera, cameras.setups[0]);
            QCOMPARE(stopped["background_blur_ratio"].toDouble(), numbers.backgroundBlurRatio);
            QCOMPARE(stopped["depth_of_field_ratio"].toDouble(), numbers.depthOfFieldRatio);
            // Stopped down from f/2.8 to f/8: less background blur, more depth of field.
            QVERIFY(numbers.backgroundBlurRatio < 0.5 && numbers.depthOfFieldRatio > 2);
            QCOMPARE(stopped["near_limit_mm"].toDouble(), numbers.limits.nearLimit);
        } else {
            const SettingsTable table = projectSettingsTable(record, input);
            QCOMPARE(int(table.columns().size()), 4);
            QCOMPARE(table.columns()[2].heading, QString("Wide"));
            QCOMPARE(table.columns()[3].heading, QString("Stopped down"));
            QCOMPARE(table.columns()[3].colour, graph::pinnedColour(3));
            QVERIFY(table.columns()[3].values.contains("f/8"));
            // The factors against Camera 1 as the JSON has them, Camera 1's own being 1.
            const SetupNumbers numbers = setupNumbers(input.pinned[1].camera, cameras.setups[0]);
            QCOMPARE(table.labels().mid(table.labels().size() - 2),
                     QStringList(
                         {"Background blur against Camera 1", "Depth of field against Camera 1"}));
            QCOMPARE(table.columns()[0].values.last(), QString("×1"));
            QCOMPARE(table.columns()[3].values.last(),
                     "×" + ReaderNumbers::significant(numbers.depthOfFieldRatio, 3));
            const Run run = render({"--settings-table", "-o", dir.filePath("pinned.png"), pinned});
            QCOMPARE(run.status, 0);
        }
    }

    // Without --size the renderer draws at the plot's size in a window of the default size.
    void defaultSizeIsTheWindows()
    {
        mainWin w;
        w.show();
        const auto settled = [&w] {
            // The toolkit lays a shown window out in several rounds of posted events.
            QSize plot;
            while (plot != w.graphWidget->size()) {
                plot = w.graphWidget->size();
                for (int round = 0; round < 5; ++round)
                    QCoreApplication::processEvents();
            }
            return plot;
        };
        QCOMPARE(settled(), DefaultPlotSize::simple);
        w.switchpromode();
        QCOMPARE(settled(), DefaultPlotSize::expert);
        QVERIFY(w.loadFrom(project()));
        QVERIFY(w.exportImageTo(dir.filePath("window.png")));
        QCOMPARE(render({"-o", dir.filePath("render.png"), project()}).status, 0);
        QVERIFY(QImage(dir.filePath("render.png")) == QImage(dir.filePath("window.png")));
    }

    void badInputWritesNothing_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        const QString damaged = dir.filePath("damaged.mvx");
        const QString out = dir.filePath("out");
        QTest::newRow("damaged project")
            << QStringList{"--output-dir", out, "--format", "png,csv", damaged} << 2
            << "Damaged project file:\n" + damaged;
        QTest::newRow("project value out of range")
            << QStringList{"-o", out + "/a.png", dir.filePath("out-of-range.mvx")} << 2
            << "Camera 1, focus distance (byte 31) holds -5, but only 0 to 99999 are allowed.";
        // One of the fuzzers' seeds: the window would move its focal length to the lens's.
        QTest::newRow("focal length outside its lens")
            << QStringList{"-o", out + "/a.png", ZIDOV_FUZZ_SEEDS "/lens-70-200mm-at-50mm.mvx"} << 2
            << "Camera 1 is set to 50 mm, but its lens, Mymaker 70-200mm f/4, reaches only 70 to "
               "200 mm (record 1 at byte 196).";
        QTest::newRow("bad size") << QStringList{"--size", "0x10", "-o", out + "/a.png"} << 2
                                  << "--size";
        QTest::newRow("bitmap too large")
            << QStringList{"--size", "20000x20000", "-o", out + "/a.png"} << 2 << "too large";
        QTest::newRow("no output") << QStringList{project()} << 2 << "Nothing to write";
        QTest::newRow("unknown unit")
            << QStringList{"--units", "yd", "--csv", out + "/a.csv", project()} << 2 << "--units";
        QTest::newRow("unwritable chart")
            << QStringList{"-o", out + "/missing/a.png", project()} << 1
            << QDir::toNativeSeparators(out + "/missing/a.png") +
                   ": The folder does not exist (No such file or directory).";
        // Opened, it would wait for a writer for ever.
        QTest::newRow("a pipe as the project")
            << QStringList{"-o", out + "/a.png", dir.filePath("pipe.mvx")} << 2
            << "It is not a regular file.";
        QTest::newRow("no jobs") << QStringList{"--jobs", "0", "--csv", out + "/a.csv"} << 2
                                 << "--jobs wants a whole number from 1 to 256, not 0";
        QTest::newRow("PNG level past 9")
            << QStringList{"--png-compression", "10", "-o", out + "/a.png"} << 2
            << "--png-compression wants a whole number from 0 to 9, not 10";
        QTest::newRow("unwritable csv") << QStringList{"--csv", out + "/missing/a.csv", project()}
                                        << 1 << QDir::toNativeSeparators(out + "/missing/a.csv");
    }
    void badInputWritesNothing()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, message);
        QDir(dir.filePath("out")).removeRecursively();
        const Run run = render(arguments);
        QCOMPARE(run.status, status);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QVERIFY(QDir(dir.filePath("out")).isEmpty());
    }

    // The temporary file's name stays within the file system's limit, so a name at the limit
    // can be written again; a reader that goes away ends the run with a message, not a signal.
    void outputsAtTheLimits()
    {
        const QString longName = dir.filePath(QString(251, QLatin1Char('a')) + ".csv");
        for (int round = 0; round < 2; ++round)
            QCOMPARE(render({"--csv", longName, project()}).status, 0);
        // Standard output a pipe whose reader is gone, as in "| head -c0".
        int ends[2];
        QCOMPARE(::pipe(ends), 0);
        ::close(ends[0]);
        QProcess process;
        process.setChildProcessModifier([&ends] { ::dup2(ends[1], STDOUT_FILENO); });
        process.start(QStringLiteral(ZIDOV_RENDER), {"--csv", "-", project()});
        QVERIFY(process.waitForFinished(60000));
        ::close(ends[1]);
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 1);
        QVERIFY(process.readAllStandardError().contains("Could not write -"));
    }

    // One file per project and format; a refused project costs only its own files.
    void batchNamesFilesAfterProjects()
    {
        const QString out = dir.filePath("batch");
        const Run run = render(
            {"--output-dir", out, "--format", "svg,json", project(), dir.filePath("damaged.mvx")});
        QCOMPARE(run.status, 2);
        QCOMPARE(QDir(out).entryList(QDir::Files), QStringList({"plot.json", "plot.svg"}));
    }

    // Threads change nothing a batch writes or says, nor its status, whatever fails where.
    void parallelBatchMatchesOneJob_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        const QString plot = project();
        const QString feet = dir.filePath("feet.mvx");
        QTest::newRow("refused projects among good ones")
            << QStringList{"--format",
                           "png,svg,csv,json",
                           plot,
                           dir.filePath("damaged.mvx"),
                           feet,
                           dir.filePath("out-of-range.mvx"),
                           dir.filePath("pipe.mvx")}
            << 2;
        QTest::newRow("charts at twice the pixels, level 9")
            << QStringList{"--format",          "png,pdf", "--scale", "2",
                           "--png-compression", "9",       feet,      plot}
            << 0;
        // Each project's trace lines come before its messages, as one after another.
        QTest::newRow("traced")
            << QStringList{"--trace", "--format", "json", plot, dir.filePath("damaged.mvx"), feet}
            << 2;
        // The folder is a file: every project says so, in its turn.
        QTest::newRow("no folder to write into")
            << QStringList{"--format", "png", "--output-dir", plot, feet, dir.filePath("pipe.mvx"),
                           plot}
            << 2;
    }
    void parallelBatchMatchesOneJob()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QStringList outputs;
        QStringList messages;
        for (const char* jobs : {"1", "4"}) {
            const QString out = dir.filePath(QStringLiteral("jobs-") + jobs);
            QDir(out).removeRecursively();
            QStringList call{"--jobs", jobs, "--output-dir", out};
            const Run run = render(call + arguments);
            QCOMPARE(run.status, status);
            messages.append(QString(run.err).replace(out, "OUT"));
            QString listing;
            for (const QFileInfo& file : QDir(out).entryInfoList(QDir::Files, QDir::Name)) {
                QFile written(file.filePath());
                QVERIFY(written.open(QIODevice::ReadOnly));
                const QByteArray bytes = written.readAll();
                // A PDF holds its moment of creation.
                listing += file.fileName() + QLatin1Char(' ') +
                           (file.suffix() == "pdf" ? QString::number(bytes.size())
                                                   : QString::fromLatin1(bytes.toBase64())) +
                           QLatin1Char('\n');
            }
            outputs.append(listing);
        }
        QCOMPARE(messages[1], messages[0]);
        QCOMPARE(outputs[1], outputs[0]);
        QVERIFY(!outputs[0].isEmpty() || status != 0);
    }

private:
    QString project() const { return dir.filePath("plot.mvx"); }

    QuietTrace quiet;
    QTemporaryDir dir;
};

ZIDOV_GUITEST_MAIN(TestRender)
#include "tst_render.moc"
