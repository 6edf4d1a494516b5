// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "gearrecord.h"
#include "pinrecord.h"
#include "projectbytes.h"
#include "projectcodec.h"
#include "stackrecord.h"

#include <QRandomGenerator>
#include <QtTest>

#include <cmath>
#include <limits>

using ProjectCodec::DecodeError;

Q_DECLARE_METATYPE(ProjectCodec::DecodeError)

namespace {

CameraRecord recordOf(const CameraBytes& c)
{
    CameraRecord r;
    r.cocMode = c.cocMode;
    r.switchedOn = c.on != 0;
    r.focusDistance = c.fdist;
    r.aperture = c.aperture;
    r.focalLength = c.flength;
    r.circleOfConfusion = c.coc;
    r.lensQuality = c.lensQuality;
    r.withDiffraction = c.diffraction != 0;
    r.lockMagnification = c.lockMag != 0;
    r.cropFactorFormat = c.cropC;
    r.pixelSizeFormat = c.crop;
    r.pixelCountPreset = c.quality;
    r.viewDistance = c.distD;
    r.formFactor = c.formD;
    r.imageWidth = c.widthD;
    return r;
}

ProjectRecord goldenRecord()
{
    ProjectRecord r;
    r.version = 1.3;
    r.leftBorder = 7.5;
    r.distanceFromCamera = true;
    r.distanceFromFocusPlane = false;
    r.distanceScale = 20;
    r.zcScale = 50;
    r.camera1 = recordOf(goldenCamera1);
    r.camera2 = recordOf(goldenCamera2);
    return r;
}

// Where each field starts, from the format's tables.
QList<int> fieldStarts(bool current)
{
    QList<int> starts{0, 8, 16, 17, 18, 22};
    const QList<int> block =
        current ? QList<int>{0, 4, 5, 13, 21, 29, 37, 45, 46, 47, 51, 55, 59, 67, 71}
                : QList<int>{0, 4, 5, 13, 21, 29, 37, 38, 39, 43, 47, 51, 59, 63};
    const int blockSize = current ? 79 : 71;
    for (int camera = 0; camera < 2; ++camera)
        for (int offset : block)
            starts << 26 + camera * blockSize + offset;
    return starts;
}

QByteArray patched(QByteArray bytes, int offset, const QByteArray& value)
{
    bytes.replace(offset, value.size(), value);
    return bytes;
}

QByteArray doubleBytes(double value)
{
    return FileBytes().f64(value).bytes;
}

QByteArray intBytes(qint32 value)
{
    return FileBytes().i32(value).bytes;
}

// Whether value, rounded to the decimals, lies within the limits.
bool within(double value, double minimum, double maximum, int decimals)
{
    const double rounded = QString::number(value, 'f', decimals).toDouble();
    return rounded >= minimum && rounded <= maximum;
}

// What a decoder may hand on: only values every control and table takes as they are.
bool usable(const ProjectRecord& r)
{
    const auto cameraUsable = [](const CameraRecord& c) {
        return c.cocMode >= 0 && c.cocMode < 4 && c.cropFactorFormat >= 0 &&
               c.cropFactorFormat < 15 && c.pixelSizeFormat >= 0 && c.pixelSizeFormat < 15 &&
               c.pixelCountPreset >= 0 && c.pixelCountPreset < 15 && c.formFactor >= 0 &&
               c.formFactor < 2 && within(c.focusDistance, 0, 99999, 2) &&
               within(c.aperture, 0.7, 64, 1) && within(c.focalLength, 1, 5000, 0) &&
               within(c.circleOfConfusion, 0.0001, 10, 4) && within(c.lensQuality, 0, 100, 2) &&
               within(c.viewDistance, 0.1, 99999, 2) && within(c.imageWidth, 0.1, 99999, 2);
    };
    return (r.version == 1.2 || r.version == 1.3) &&
           within(r.leftBorder, r.distanceFromFocusPlane ? -99999 : 0, 99999, 2) &&
           within(r.distanceScale, 1, 49, 0) && within(r.zcScale, 1, 100, 0) &&
           cameraUsable(r.camera1) && cameraUsable(r.camera2);
}

} // namespace

class TestProjectCodec : public QObject
{
    Q_OBJECT

private slots:
    void encodesTheGoldenFile();
    void decodesTheGoldenFile();
    void decodesThePreviousVersion();
    void wrongVersions_data();
    void wrongVersions();
    void everyCutIsReported_data();
    void everyCutIsReported();
    void unusableValues_data();
    void unusableValues();
    void toleratedBytes_data();
    void toleratedBytes();
    void additionsRoundTrip();
    void damagedAdditions_data();
    void damagedAdditions();
    void savingWritesOnlyWhatOpens_data();
    void savingWritesOnlyWhatOpens();
    void randomBytesNeverPassUnusableValues();
    void damagedGoldenFiles();
};

void TestProjectCodec::encodesTheGoldenFile()
{
    const QByteArray bytes = ProjectCodec::encode(goldenRecord());
    QCOMPARE(bytes.size(), 184);
    QCOMPARE(bytes.left(8).toHex(' '), QByteArray("3f f4 cc cc cc cc cc cd"));
    QCOMPARE(bytes.toHex(' '), goldenFile().toHex(' '));

    // A record read from an older file is written in the current version.
    ProjectRecord old = goldenRecord();
    old.version = 1.2;
    QCOMPARE(ProjectCodec::encode(old), goldenFile());
}

void TestProjectCodec::decodesTheGoldenFile()
{
    const ProjectCodec::DecodeResult result = ProjectCodec::decode(goldenFile());
    QVERIFY2(result.ok(), qPrintable(result.message));
    QVERIFY(result.versionRead);
    QCOMPARE(result.offset, -1);
    QVERIFY(result.record == goldenRecord());
}

void TestProjectCodec::decodesThePreviousVersion()
{
    const QByteArray file = previousVersionFile();
    QCOMPARE(file.size(), 168);
    const ProjectCodec::DecodeResult result = ProjectCodec::decode(file);
    QVERIFY2(result.ok(), qPrintable(result.message));
    ProjectRecord expected = goldenRecord();
    expected.version = 1.2;
    expected.camera2.lensQuality = 100; // camera 1 already has 100
    QVERIFY(result.record == expected);
}

void TestProjectCodec::wrongVersions_data()
{
    QTest::addColumn<double>("version");
    QTest::newRow("an older format, 1.1") << 1.1;
    QTest::newRow("a zero-filled file") << 0.0;
    QTest::newRow("a future format, 1.4") << 1.4;
    QTest::newRow("almost 1.3") << std::nextafter(1.3, 2.0);
    QTest::newRow("negative 1.3") << -1.3;
    QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity();
}

void TestProjectCodec::wrongVersions()
{
    QFETCH(double, version);
    const ProjectCodec::DecodeResult result =
        ProjectCodec::decode(patched(goldenFile(), 0, doubleBytes(version)));
    QCOMPARE(result.error, DecodeError::WrongVersion);
    QVERIFY(result.versionRead);
    QCOMPARE(result.offset, 0);
    QCOMPARE(doubleBytes(result.record.version), doubleBytes(version));
    QVERIFY(result.message.contains("neither 1.2 nor 1.3"));
}

void TestProjectCodec::everyCutIsReported_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("current");
    QTest::newRow("version 1.3") << goldenFile() << true;
    QTest::newRow("version 1.2") << previousVersionFile() << false;
}

void TestProjectCodec::everyCutIsReported()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, current);
    const QList<int> starts = fieldStarts(current);
    for (int size = 0; size < file.size(); ++size) {
        const ProjectCodec::DecodeResult result = ProjectCodec::decode(file.left(size));
        int expected = 0;
        for (int start : starts)
            if (start <= size)
                expected = start;
        QVERIFY2(result.error == DecodeError::EndsEarly, qPrintable(QString::number(size)));
        QCOMPARE(result.offset, expected);
        QCOMPARE(result.versionRead, size >= 8);
        const QString length = size == 1 ? QString("1 byte;") : QString("%1 bytes;").arg(size);
        QVERIFY2(result.message.contains("ends after " + length), qPrintable(result.message));
    }
}

void TestProjectCodec::unusableValues_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("offset");
    QTest::addColumn<DecodeError>("error");
    QTest::addColumn<QString>("field");
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const QByteArray golden = goldenFile();
    const auto row = [&](const char* name, int offset, const QByteArray& value, DecodeError error,
                         const char* field) {
        QTest::newRow(name) << patched(golden, offset, value) << offset << error << field;
    };
    row("CoC mode 4 does not exist", 26, intBytes(4), DecodeError::IndexOutOfRange,
        "Camera 1, CoC mode");
    row("negative CoC mode", 105, intBytes(-1), DecodeError::IndexOutOfRange, "Camera 2, CoC mode");
    row("16th sensor format for the crop factor", 26 + 47, intBytes(15),
        DecodeError::IndexOutOfRange, "Camera 1, sensor format for the crop factor");
    row("16th sensor format for the pixel size", 105 + 51, intBytes(15),
        DecodeError::IndexOutOfRange, "Camera 2, sensor format for the pixel size");
    row("huge pixel preset", 26 + 55, intBytes(0x7fffffff), DecodeError::IndexOutOfRange,
        "Camera 1, pixel count");
    row("third form factor", 105 + 67, intBytes(2), DecodeError::IndexOutOfRange,
        "Camera 2, form factor");
    row("NaN left border", 8, doubleBytes(nan), DecodeError::NotFinite, "Left border");
    row("NaN focus distance", 26 + 5, doubleBytes(nan), DecodeError::NotFinite,
        "Camera 1, focus distance");
    row("infinite aperture", 26 + 13, doubleBytes(inf), DecodeError::NotFinite,
        "Camera 1, aperture");
    row("minus infinite focal length", 105 + 21, doubleBytes(-inf), DecodeError::NotFinite,
        "Camera 2, focal length");
    row("NaN circle of confusion", 105 + 29, doubleBytes(nan), DecodeError::NotFinite,
        "Camera 2, circle of confusion");
    row("NaN lens quality", 26 + 37, doubleBytes(nan), DecodeError::NotFinite,
        "Camera 1, lens quality");
    row("infinite view distance", 26 + 59, doubleBytes(inf), DecodeError::NotFinite,
        "Camera 1, view distance");
    row("infinite image width", 105 + 71, doubleBytes(inf), DecodeError::NotFinite,
        "Camera 2, image width");
    QTest::newRow("version 1.2 with a NaN view distance")
        << patched(previousVersionFile(), 26 + 51, doubleBytes(nan)) << 26 + 51
        << DecodeError::NotFinite << "Camera 1, view distance";
    // A control would hold these at its limits, so the project would load as another.
    const DecodeError outside = DecodeError::OutOfRange;
    row("focus distance -5 m", 26 + 5, doubleBytes(-5), outside, "Camera 1, focus distance");
    row("f-number 200", 105 + 13, doubleBytes(200), outside, "Camera 2, aperture");
    row("focal length 0.4 mm, shown as 0", 26 + 21, doubleBytes(0.4), outside,
        "Camera 1, focal length");
    row("CoC 0.00004 mm, shown as 0", 105 + 29, doubleBytes(0.00004), outside,
        "Camera 2, circle of confusion");
    row("lens quality 100.01", 26 + 37, doubleBytes(100.01), outside, "Camera 1, lens quality");
    row("view distance 0", 105 + 59, doubleBytes(0), outside, "Camera 2, view distance");
    row("image width 100000", 26 + 71, doubleBytes(100000), outside, "Camera 1, image width");
    row("distance scale 50", 18, intBytes(50), outside, "Distance scale");
    row("zc scale 0", 22, intBytes(0), outside, "Zc scale");
    row("left border in front of the camera", 8, doubleBytes(-0.01), outside, "Left border");
    QTest::newRow("left border from the focus plane beyond any focus")
        << patched(patched(golden, 8, doubleBytes(-100000)), 16, QByteArray("\0\1", 2)) << 8
        << outside << "Left border";
}

void TestProjectCodec::unusableValues()
{
    QFETCH(QByteArray, file);
    QFETCH(int, offset);
    QFETCH(DecodeError, error);
    QFETCH(QString, field);
    const ProjectCodec::DecodeResult result = ProjectCodec::decode(file);
    QCOMPARE(result.error, error);
    QCOMPARE(result.offset, offset);
    QVERIFY2(result.message.startsWith(field + QString(" (byte %1)").arg(offset)),
             qPrintable(result.message));
}

namespace {
ProjectRecord pinned();
} // namespace

void TestProjectCodec::toleratedBytes_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<ProjectRecord>("expected");
    const QByteArray golden = goldenFile();
    ProjectRecord r = goldenRecord();

    // Version 1.2 has no additions; whatever follows it is not read.
    ProjectRecord previous = r;
    previous.version = 1.2;
    previous.camera2.lensQuality = 100;
    QTest::newRow("bytes after the last field of version 1.2")
        << previousVersionFile() + QByteArray(300, '\xff') << previous;

    ProjectRecord flags = r;
    flags.distanceFromFocusPlane = true;
    flags.camera1.withDiffraction = true;
    QTest::newRow("any non-zero byte is true")
        << patched(patched(golden, 17, QByteArray(1, '\x02')), 26 + 45, QByteArray(1, '\xff'))
        << flags;

    // The controls round these into their ranges.
    ProjectRecord rounded = r;
    rounded.camera1.aperture = 64.04;
    rounded.camera2.focusDistance = -0.004;
    rounded.camera2.circleOfConfusion = 0.000051;
    QTest::newRow("more decimals than the controls show")
        << patched(
               patched(patched(golden, 26 + 13, doubleBytes(64.04)), 105 + 5, doubleBytes(-0.004)),
               105 + 29, doubleBytes(0.000051))
        << rounded;

    // From the focus plane the border may lie as far out as any focus, whatever the two
    // focus distances are now.
    ProjectRecord farBorder = r;
    farBorder.distanceFromCamera = false;
    farBorder.distanceFromFocusPlane = true;
    farBorder.leftBorder = -99999;
    QTest::newRow("left border from the focus plane beyond both focus distances")
        << patched(patched(golden, 8, doubleBytes(-99999)), 16, QByteArray("\0\1", 2)) << farBorder;
    // A build that reads no further than format 1.3 opens the cameras alone.
    const QByteArray withPins = ProjectCodec::encode(pinned());
    QTest::newRow("pinned setups, read back exactly") << withPins << pinned();
    QTest::newRow("pinned setups, read by a build before them") << withPins.left(184) << r;
    ProjectExtension::Record later = PinRecord::encode(pinned().pinnedSetups);
    later.payload.append("later", 5);
    QTest::newRow("pinned setups with fields of a later build")
        << golden + ProjectExtension::encode({later}) << pinned();
}

void TestProjectCodec::toleratedBytes()
{
    QFETCH(QByteArray, file);
    QFETCH(ProjectRecord, expected);
    const ProjectCodec::DecodeResult result = ProjectCodec::decode(file);
    QVERIFY2(result.ok(), qPrintable(result.message));
    QVERIFY(result.record == expected);
}

namespace {
// Camera 1 on a custom sensor with a typed pixel count, a body and a lens; camera 2 on a
// format that format 1.3 does not list; and a record of another feature.
ProjectRecord geared()
{
    ProjectRecord r = goldenRecord();
    r.camera1.cropFactorFormat = 18;
    r.camera1.pixelSizeFormat = 18;
    r.camera1.sensorWidth = 23.5;
    r.camera1.sensorHeight = 15.6;
    r.camera1.pixelCountPreset = 15;
    r.camera1.megapixels = 24.2;
    r.camera1.body = {"Fujifilm", "X-T4", "", "Fujifilm X", 1.534};
    r.camera1.lens = {"Fujifilm", "XF 16-55mm f/2.8 R LM WR", {16, 55, 2.8, 2.8}};
    r.camera2.cropFactorFormat = 15;
    r.otherRecords.append({"ZZZZ", QByteArray("\1\2\3", 3)});
    return r;
}
} // namespace

namespace {
// Camera 2 of the golden file pinned as "Pin", and Camera 1 with its gear, hidden, band on.
ProjectRecord pinned()
{
    ProjectRecord r = goldenRecord();
    PinnedSetup plain{QStringLiteral("Pin"), true, false, 0, r.camera2};
    plain.camera.switchedOn = false;
    PinnedSetup geared_{QStringLiteral("X-T4 · 16-55"), false, true, 7, geared().camera1};
    geared_.camera.switchedOn = false;
    r.pinnedSetups = {plain, geared_};
    return r;
}
} // namespace

void TestProjectCodec::additionsRoundTrip()
{
    const ProjectRecord r = geared();
    const QByteArray bytes = ProjectCodec::encode(r);
    QCOMPARE(bytes.mid(184, 4), QByteArray("ZDXT"));
    const ProjectCodec::DecodeResult result = ProjectCodec::decode(bytes);
    QVERIFY2(result.ok(), qPrintable(result.message));
    QVERIFY(result.record == r);
    // Saved again, a file without pinned setups keeps its very bytes.
    QCOMPARE(ProjectCodec::encode(result.record), bytes);
    QCOMPARE(ProjectCodec::encode(ProjectCodec::decode(goldenFile()).record), goldenFile());
    // A build that reads no further sees the nearest formats and preset of format 1.3.
    const ProjectCodec::DecodeResult first = ProjectCodec::decode(bytes.left(184));
    QVERIFY(first.ok());
    QCOMPARE(first.record.camera1.cropFactorFormat, 5);  // 28.2 mm: "DX Crop 1.5"
    QCOMPARE(first.record.camera1.pixelCountPreset, 10); // 25 million
    QCOMPARE(first.record.camera2.cropFactorFormat, 2);  // 44x33: "45x30"
}

namespace {
// The golden file followed by these records.
QByteArray withRecords(const QList<ProjectExtension::Record>& records)
{
    return goldenFile() + ProjectExtension::encode(records);
}

ProjectExtension::Record gearOf(int camera, const CameraRecord& settings, const BodyChoice& body,
                                const LensChoice& lens)
{
    CameraRecord c = settings;
    c.body = body;
    c.lens = lens;
    return GearRecord::encode(camera, c);
}

LensChoice mymaker(const char* model, LensRange stated)
{
    return {QStringLiteral("Mymaker"), QString::fromLatin1(model), stated};
}
} // namespace

void TestProjectCodec::damagedAdditions_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("offset");
    QTest::addColumn<QString>("message");
    const QByteArray bytes = ProjectCodec::encode(geared());
    const QByteArray golden = goldenFile();
    const CameraRecord camera1 = goldenRecord().camera1; // 50 mm f/2.8
    const CameraRecord camera2 = goldenRecord().camera2; // 100 mm f/4
    const QString damaged = QStringLiteral("The file is damaged: ");
    QTest::newRow("not additions")
        << golden + QByteArray(300, '\xff') << 184
        << damaged + "after the camera settings it holds something Zidov did not write (300 "
                     "bytes from byte 184 on).";
    QTest::newRow("a later version")
        << patched(bytes, 188, intBytes(2)) << 188
        << "The file is damaged or was saved by a newer Zidov: the camera settings added to it "
           "are of a kind this Zidov does not know (version 2 at byte 188).";
    QTest::newRow("cut in a record")
        << bytes.left(bytes.size() - 1) << bytes.size() - 3 - 8
        << damaged + QString("the camera settings added to it end too early (record 3 at byte %1 "
                             "claims 3 bytes).")
                         .arg(bytes.size() - 3 - 8);
    QTest::newRow("a record longer than the file")
        << patched(bytes, 200, intBytes(100000)) << 196
        << damaged + "the camera settings added to it end too early (record 1 at byte 196 claims "
                     "100000 bytes).";
    QTest::newRow("bytes after the last record")
        << bytes + QByteArray(1, '\0') << bytes.size()
        << damaged + QString("it goes on after the camera settings added to it (1 byte at byte "
                             "%1).")
                         .arg(bytes.size());
    QTest::newRow("a record's tag with a control character")
        << withRecords({{"\x01ZZZ", "abc"}}) << 196
        << damaged + "the camera settings added to it cannot be read (the tag of record 1 at byte "
                     "196, 01 5a 5a 5a, is not four printable ASCII characters).";
    QTest::newRow("gear of a third camera")
        << patched(bytes, 204, QByteArray(1, '\3')) << 196
        << damaged + "it holds gear for camera 3, but only cameras 1 and 2 exist (record 1 at "
                     "byte 196).";
    QTest::newRow("a sensor 0 mm wide")
        << patched(bytes, 204 + 13, doubleBytes(0)) << 196
        << damaged + "the gear of camera 1 gives 0 for the width of the custom sensor in mm, but "
                     "only 0.5 to 200 are allowed (record 1 at byte 196).";
    const ProjectExtension::Record bodyGear =
        gearOf(1, camera1, {"Fujifilm", "X-T4", "", "Fujifilm X", 1.534}, {});
    QTest::newRow("two gear records for camera 1")
        << withRecords({bodyGear, bodyGear}) << 196 + 8 + int(bodyGear.payload.size())
        << damaged + "it holds the gear of camera 1 twice (records 1 and 2).";
    const ProjectExtension::Record stack = StackRecord::encode({1, 8, {2.0, 3.0}});
    QTest::newRow("two focus stacks") << withRecords({stack, stack}) << 196 + 8 + 29
                                      << damaged + "it holds two focus stacks (records 1 and 2).";
    // Read, but dropped on the next save: what no listed format or preset chooses.
    const QString unneeded = damaged + "the gear of camera 1 names no body or lens and chooses "
                                       "no sensor format or pixel count that needs it (record 1 "
                                       "at byte 196).";
    CameraRecord unchosen = camera1;
    unchosen.sensorWidth = 12.3;
    unchosen.sensorHeight = 8.2;
    unchosen.megapixels = 2.0;
    QTest::newRow("a 12.3 x 8.2 mm sensor and 2.0 MP that nothing chooses")
        << withRecords({GearRecord::encode(1, unchosen)}) << 196 << unneeded;
    QTest::newRow("a body's maker, mount and crop without a model")
        << withRecords({gearOf(1, camera1, {"Fujifilm", "", "", "Fujifilm X", 1.534}, {})}) << 196
        << unneeded;
    // A lens's range the boxes cannot hold, as the window saved it from the name alone.
    const auto unholdable = [&](const char* row, const char* model, LensRange stated,
                                const char* range) {
        QTest::newRow(row) << withRecords({gearOf(1, camera1, {}, mymaker(model, stated))}) << 196
                           << damaged + QString("the gear of camera 1 gives its lens a range of "
                                                "%1, which the focal length and aperture boxes "
                                                "cannot hold (record 1 at byte 196).")
                                            .arg(range);
    };
    unholdable("a lens from 135 to 18 mm", "Mymaker 135-18mm f/3.5-5.6", {135, 18, 3.5, 5.6},
               "135 to 18 mm and f/3.5 to f/5.6");
    unholdable("a lens of f/99", "Mymaker 50mm f/99", {50, 50, 99, 99},
               "50 to 50 mm and f/99 to f/99");
    unholdable("a lens of 0.5 mm", "Mymaker 0.5mm", {0.5, 0.5, 0, 0},
               "0.5 to 0.5 mm and f/0 to f/0");
    // The controls would move these to what the lens does.
    QTest::newRow("50 mm f/2.8 with an 18-135mm f/3.5-5.6")
        << withRecords(
               {gearOf(1, camera1, {}, mymaker("Mymaker 18-135mm f/3.5-5.6", {18, 135, 3.5, 5.6}))})
        << 196
        << "Camera 1 is set to f/2.8, but at 50 mm its lens, Mymaker 18-135mm f/3.5-5.6, opens "
           "only "
           "to f/4.1 (record 1 at byte 196).";
    QTest::newRow("50 mm with a 70-200mm f/4")
        << withRecords({gearOf(1, camera1, {}, mymaker("Mymaker 70-200mm f/4", {70, 200, 4, 4}))})
        << 196
        << "Camera 1 is set to 50 mm, but its lens, Mymaker 70-200mm f/4, reaches only 70 to 200 "
           "mm (record 1 at byte 196).";
    QTest::newRow("100 mm with an 85 mm prime")
        << withRecords({gearOf(2, camera2, {}, mymaker("Mymaker 85mm f/1.8", {85, 85, 1.8, 1.8}))})
        << 196
        << "Camera 2 is set to 100 mm, but its lens, Mymaker 85mm f/1.8, has a fixed focal length "
           "of 85 mm (record 1 at byte 196).";
    QByteArray manyShots = StackRecord::encode({1, 8, {2.0}}).payload;
    manyShots.replace(9, 4, intBytes(1000));
    QTest::newRow("a stack of 1000 shots")
        << withRecords({{"STCK", manyShots}}) << 196
        << damaged + "the focus stack has 1000 shots, but only 1 to 999 are allowed (record 1 at "
                     "byte 196).";
    QTest::newRow("a stack's second shot nearer than its first")
        << withRecords({StackRecord::encode({1, 8, {3.0, 2.0}})}) << 196
        << damaged + "shot 2 of the focus stack is not farther than the shot before it (record 1 "
                     "at byte 196).";
    ProjectRecord onRail = goldenRecord();
    onRail.focusStack = FocusStackRecord{1, 8, {0.2913, 0.29386}, 0.2913};
    const QByteArray rail = ProjectCodec::encode(onRail);
    QTest::newRow("a rail's lens focus of NaN")
        << patched(rail, int(rail.size()) - 8, doubleBytes(std::nan(""))) << 196
        << damaged + "the focusing rail of the focus stack starts at NaN m, but only more than 0 "
                     "up to 99999 m are allowed (record 1 at byte 196).";
    // "Pin" is camera 2 of the golden file: 100 mm f/4; its f-number at payload byte 26.
    const QByteArray pins = PinRecord::encode(pinned().pinnedSetups.mid(0, 1)).payload;
    const auto pinRow = [&](const char* row, const QByteArray& payload, const QString& message) {
        QTest::newRow(row) << withRecords({{"PINS", payload}}) << 196
                           << damaged + message + " (record 1 at byte 196).";
    };
    pinRow("nine pinned setups", patched(pins, 0, QByteArray(1, '\x09')),
           "it holds 9 pinned setups, but only 1 to 8 are allowed");
    pinRow("pinned setups cut short", pins.left(pins.size() - 1),
           "the pinned setups are cut short");
    pinRow("a pinned setup of f/99", patched(pins, 26, doubleBytes(99)),
           "pinned setup 1 gives 99 for the aperture, but only 0.7 to 64 are allowed");
    pinRow("a pinned setup in colour 8", patched(pins, 13, QByteArray(1, '\x08')),
           "pinned setup 1 is drawn in colour 8, but only 0 to 7 exist");
    pinRow("a pinned setup named by spaces",
           patched(pins, 1, FileBytes().i32(6).bytes + QByteArray("\0 \0 \0 ", 6)),
           "pinned setup 1 has no name");
    PinnedSetup outsideLens = pinned().pinnedSetups[1];
    outsideLens.camera.focalLength = 70;
    pinRow("a pinned setup at 70 mm with a 16-55mm lens", PinRecord::encode({outsideLens}).payload,
           "pinned setup 1 is set to 70 mm and f/2.8, which its lens, Fujifilm XF 16-55mm f/2.8 R "
           "LM WR, cannot be set to");
    const ProjectExtension::Record pinRecord{"PINS", pins};
    QTest::newRow("pinned setups twice")
        << withRecords({pinRecord, pinRecord}) << 196 + 8 + int(pins.size())
        << damaged + "it holds the pinned setups twice (records 1 and 2).";
    QTest::newRow("longer than 1 MiB")
        << withRecords({{"ZZZZ", QByteArray(ProjectCodec::largestFileSize - 184 - 12 - 7, '\0')}})
        << 184 << damaged + "it is longer than a project file can be (more than 1048576 bytes).";
}

void TestProjectCodec::damagedAdditions()
{
    QFETCH(QByteArray, file);
    const ProjectCodec::DecodeResult result = ProjectCodec::decode(file);
    QCOMPARE(result.error, DecodeError::DamagedAdditions);
    QTEST(result.offset, "offset");
    QTEST(result.message, "message");
}

// Saving checks what opening checks: what would not open again is not written.
void TestProjectCodec::savingWritesOnlyWhatOpens_data()
{
    QTest::addColumn<ProjectRecord>("record");
    QTest::addColumn<QString>("problem");
    // A project of exactly 1 MiB, with a record of another tag.
    ProjectRecord mebibyte = goldenRecord();
    mebibyte.otherRecords.append(
        {"ZZZZ", QByteArray(ProjectCodec::largestFileSize - 184 - 12 - 8, '\0')});
    QTest::newRow("1 MiB with a record of another tag") << mebibyte << QString();
    ProjectRecord withLens = mebibyte;
    withLens.camera1.lens = mymaker("Mymaker 35mm f/2", {35, 35, 2, 2});
    withLens.camera1.focalLength = 35;
    withLens.camera1.aperture = 2;
    QTest::newRow("1 MiB and a lens")
        << withLens
        << QString("The project is too large to be opened again: it would take %1 bytes, but a "
                   "project file holds at most 1048576.")
               .arg(ProjectCodec::encode(withLens).size());
    // What the boxes held once a lens's name had moved their limits.
    ProjectRecord f99 = goldenRecord();
    f99.camera1.lens = mymaker("Mymaker 50mm f/99", {50, 50, 99, 99});
    f99.camera1.aperture = 99;
    QTest::newRow("f/99 from a lens's name")
        << f99
        << "Zidov would refuse to open it again:\nCamera 1, aperture (byte 39) holds 99, but only "
           "0.7 to 64 are allowed.";
}

void TestProjectCodec::savingWritesOnlyWhatOpens()
{
    QFETCH(ProjectRecord, record);
    QFETCH(QString, problem);
    const ProjectCodec::Encoded encoded = ProjectCodec::encodeChecked(record);
    QCOMPARE(encoded.problem, problem);
    if (problem.isEmpty()) {
        QCOMPARE(encoded.bytes, ProjectCodec::encode(record));
        QVERIFY(ProjectCodec::decode(encoded.bytes).record == record);
    } else {
        QVERIFY(encoded.bytes.isEmpty());
    }
}

void TestProjectCodec::randomBytesNeverPassUnusableValues()
{
    // Random indices almost never all fall inside their lists, so nearly every input is
    // refused; what counts is that nothing crashes and that every refusal says where.
    QRandomGenerator random(20260101);
    for (int round = 0; round < 20000; ++round) {
        QByteArray bytes(int(random.bounded(200)), Qt::Uninitialized);
        for (char& byte : bytes)
            byte = char(random.bounded(256));
        // Half the inputs get a valid version so the decoder gets past the first field.
        if (round % 2 && bytes.size() >= 8)
            bytes.replace(0, 8, doubleBytes(round % 4 == 1 ? 1.3 : 1.2));
        const ProjectCodec::DecodeResult result = ProjectCodec::decode(bytes);
        if (!result.ok()) {
            QVERIFY(result.offset >= 0 && result.offset <= bytes.size());
            QVERIFY(!result.message.isEmpty());
            continue;
        }
        QVERIFY(usable(result.record));
    }
}

void TestProjectCodec::damagedGoldenFiles()
{
    // Single flipped bytes: whatever the decoder accepts is usable and survives a round trip.
    QRandomGenerator random(7);
    const QByteArray golden = goldenFile();
    int accepted = 0;
    for (int round = 0; round < 5000; ++round) {
        QByteArray bytes = golden;
        const int at = int(random.bounded(golden.size()));
        bytes[at] = char(random.bounded(256));
        const ProjectCodec::DecodeResult result = ProjectCodec::decode(bytes);
        if (!result.ok())
            continue;
        ++accepted;
        QVERIFY(usable(result.record));
        const ProjectCodec::DecodeResult again =
            ProjectCodec::decode(ProjectCodec::encode(result.record));
        QVERIFY(again.ok());
        QVERIFY(again.record == result.record);
    }
    QVERIFY(accepted > 1000);
}

QTEST_APPLESS_MAIN(TestProjectCodec)
#include "tst_projectcodec.moc"
