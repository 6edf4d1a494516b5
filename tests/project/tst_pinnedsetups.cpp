// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "cocpresets.h"
#include "pinnedsetups.h"
#include "projectcameras.h"

#include <QtTest>

#include <cmath>

Q_DECLARE_METATYPE(CameraRecord)

namespace {
constexpr double diffractionFactor = ProjectCameras::startupDiffractionFactor;

// Focused at 3 m, its CoC by the crop factor of a listed format.
CameraRecord camera(int format, double focalLength, double aperture)
{
    CameraRecord c;
    c.cocMode = CocByCropFactor;
    c.cropFactorFormat = format;
    c.pixelSizeFormat = format;
    c.focusDistance = 3;
    c.focalLength = focalLength;
    c.aperture = aperture;
    c.circleOfConfusion = 0.03;
    c.viewDistance = 1.2;
    c.imageWidth = 1;
    return c;
}

constexpr int fullFrame = 3;
constexpr int apsC = 6;
constexpr int fourThirds = 8;

double blurRatio(CameraRecord setup, double aperture, const CameraSetup& one)
{
    setup.aperture = aperture;
    return setupNumbers(ProjectCameras::pinnedSetup(setup, diffractionFactor), one)
        .backgroundBlurRatio;
}
} // namespace

class TestPinnedSetups : public QObject
{
    Q_OBJECT

private slots:
    void refusalsChangeNothing_data();
    void refusalsChangeNothing();
    void matchAllAgainstCameraOne_data();
    void matchAllAgainstCameraOne();
};

void TestPinnedSetups::refusalsChangeNothing_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("message");
    QTest::newRow("a ninth setup") << "add"
                                   << "At most 8 setups can be pinned; remove one to pin another.";
    QTest::newRow("a name of nothing but spaces") << "rename"
                                                  << "A pinned setup needs a name.";
}

void TestPinnedSetups::refusalsChangeNothing()
{
    QFETCH(QString, action);
    PinnedSetups setups;
    for (int i = 0; i < PinnedSetups::maxCount; ++i)
        QCOMPARE(setups.add(camera(fullFrame, 20 + 10 * i, 2.8)).index, i);
    const QList<PinnedSetup> before = setups.setups();
    // Eight colours, none twice.
    for (int i = 0; i < setups.count(); ++i)
        QCOMPARE(before[i].colour, i);
    QCOMPARE(before[3].name, QString("50 mm f/2.8 · Full-Frame Crop 1"));
    QString message;
    if (action == "add") {
        const PinnedSetups::Added added = setups.add(camera(apsC, 35, 2));
        QCOMPARE(added.index, -1);
        message = added.refusal;
    } else {
        message = setups.rename(2, "   ");
    }
    QTEST(message, "message");
    QVERIFY(setups.setups() == before);
}

void TestPinnedSetups::matchAllAgainstCameraOne_data()
{
    QTest::addColumn<CameraRecord>("cameraOne");
    QTest::addColumn<QString>("refused"); // the name of the setup refused, empty where none is
    // Full frame, APS-C and Four-Thirds at 3 m, made to the background blur of 85 mm f/2.
    QTest::newRow("three formats to the background blur of 85 mm f/2")
        << camera(fullFrame, 85, 2) << QString();
    // 85 mm f/1.2 blurs more than the Four-Thirds lens can at any f-number its box holds.
    QTest::newRow("85 mm f/1.2, beyond Four-Thirds at 42 mm")
        << camera(fullFrame, 85, 1.2) << QString("42 mm f/4 · Four-Thirds Crop 2");
}

void TestPinnedSetups::matchAllAgainstCameraOne()
{
    QFETCH(CameraRecord, cameraOne);
    QFETCH(QString, refused);
    PinnedSetups setups;
    setups.add(camera(fullFrame, 85, 4));
    setups.add(camera(apsC, 56, 4));
    setups.add(camera(fourThirds, 42, 4));
    const QList<PinnedSetup> before = setups.setups();
    const CameraSetup one = ProjectCameras::pinnedSetup(cameraOne, diffractionFactor);
    const QString message = setups.matchAll({0, 1, 2}, one, &CameraMatch::sameBackgroundBlur,
                                            LengthUnit::Metres, diffractionFactor);
    if (!refused.isEmpty()) {
        QVERIFY2(message.startsWith(refused + " would need f/0.") &&
                     message.endsWith("; the smallest f-number is f/0.7."),
                 qPrintable(message));
        QVERIFY(setups.setups() == before);
        return;
    }
    QVERIFY2(message.isEmpty(), qPrintable(message));
    for (const PinnedSetup& setup : setups.setups()) {
        // Focus and focal length stay; the f-number is the box's step nearest to the blur.
        QCOMPARE(setup.camera.focusDistance, 3.0);
        const double aperture = setup.camera.aperture;
        QCOMPARE(aperture, std::round(aperture * 10) / 10);
        const double error = std::abs(blurRatio(setup.camera, aperture, one) - 1);
        QVERIFY2(error <= std::abs(blurRatio(setup.camera, aperture - 0.1, one) - 1) &&
                     error <= std::abs(blurRatio(setup.camera, aperture + 0.1, one) - 1),
                 qPrintable(setup.name));
        QVERIFY2(error < 0.05, qPrintable(setup.name));
    }
    QCOMPARE(setups.setups()[0].camera.aperture, 2.0);
}

QTEST_APPLESS_MAIN(TestPinnedSetups)
#include "tst_pinnedsetups.moc"
