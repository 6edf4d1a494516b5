// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "cameracomparison.h"
#include "cameramatch.h"
#include "cocpresets.h"
#include "depthoffield.h"
#include "sensorformattable.h"

#include "tracecapture.h"

#include <QtTest>

#include <cmath>

using namespace CameraMatch;

namespace {
enum Format
{
    Square56 = 0,
    FullFrame = 3,
    Dx = 5,
    ApsC = 6,
    FourThirds = 8,
    Inch1_2_5 = 12,
    Inch1_3_2 = 14
};

// A camera set by crop factor: the CoC and crop value of its sensor format.
struct Setup
{
    Format format;
    double focalLength;
    double aperture;
    double focusMetres;
    bool diffraction = true;
    double lensQuality = 100;
    double coc = 0; // 0: the format's own
};

enum Command
{
    Equivalent,
    Framing,
    BackgroundBlur,
    DepthOfFieldLength
};

CameraSetup camera(const Setup& s)
{
    const CocPresets::CocAndCrop preset =
        CocPresets::byCropFactor(SensorFormatTable().diagonal(s.format));
    TraceCapture quiet;
    CameraSetup setup;
    setup.init(s.focusMetres * 1000, s.aperture, s.focalLength, s.coc > 0 ? s.coc : preset.coc,
               preset.crop, s.diffraction ? 1 : 0, s.lensQuality, 1.8);
    return setup;
}

// The ranges and steps of Camera 2's boxes.
const InputBoxes boxes{{0, 99999000, 10}, {0.7, 64, 0.1}, {1, 5000, 1}};

Result solve(Command command, const Setup& one, const Setup& two)
{
    switch (command) {
    case Equivalent:
        return equivalentSettings(camera(one), camera(two), boxes);
    case Framing:
        return sameFraming(camera(one), camera(two), boxes);
    case BackgroundBlur:
        return sameBackgroundBlur(camera(one), camera(two), boxes);
    case DepthOfFieldLength:
        break;
    }
    return sameDepthOfField(camera(one), camera(two), boxes);
}

// What an f-number search matched, for Camera 2 at that f-number.
double matchedQuantity(Quantity quantity, CameraSetup two, double aperture)
{
    two.setAperture(aperture);
    const DepthRules::DepthLimits limits = DepthRules::depthLimits(two);
    switch (quantity) {
    case Quantity::BlurAtInfinity:
        return two.getBackgroundBlur();
    case Quantity::NearLimit:
        return limits.nearLimit;
    case Quantity::DepthOfField:
        break;
    }
    return limits.length();
}

bool near(double actual, double expected, double relative)
{
    return std::fabs(actual - expected) <= std::fabs(expected) * relative;
}
} // namespace

Q_DECLARE_METATYPE(Setup)

class TestCameraMatch : public QObject
{
    Q_OBJECT

private slots:
    void matchesAreRoundedToTheBoxes_data();
    void matchesAreRoundedToTheBoxes();
    void impossibleMatchesSayWhatItWouldTake_data();
    void impossibleMatchesSayWhatItWouldTake();
    void comparisonRatios_data();
    void comparisonRatios();
};

void TestCameraMatch::matchesAreRoundedToTheBoxes_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<Setup>("one");
    QTest::addColumn<Setup>("two");
    QTest::addColumn<double>("focusMetres");
    QTest::addColumn<double>("aperture");
    QTest::addColumn<double>("focalLength");

    const Setup fullFrame50{FullFrame, 50, 2.8, 3};
    const Setup fourThirds25{FourThirds, 25, 4, 3};
    QTest::newRow("full frame 50 mm f/2.8 at 3 m to Four-Thirds: equivalent settings")
        << int(Equivalent) << fullFrame50 << Setup{FourThirds, 50, 4, 5} << 3.0 << 1.4 << 25.0;
    QTest::newRow("APS-C 35 mm f/1.8 at 2 m to full frame: equivalent settings")
        << int(Equivalent) << Setup{ApsC, 35, 1.8, 2} << Setup{FullFrame, 50, 4, 5} << 2.0 << 2.9
        << 57.0;
    QTest::newRow("full frame 50 mm at 3 m to Four-Thirds 25 mm: same framing")
        << int(Framing) << fullFrame50 << Setup{FourThirds, 25, 4, 5} << 2.97 << 4.0 << 25.0;
    QTest::newRow("full frame 85 mm at 2 m to DX 35 mm: same framing")
        << int(Framing) << Setup{FullFrame, 85, 1.8, 2} << Setup{Dx, 35, 2, 5} << 1.24 << 2.0
        << 35.0;
    QTest::newRow("full frame 50 mm f/2.8 at 3 m to Four-Thirds 25 mm: same background blur")
        << int(BackgroundBlur) << fullFrame50 << fourThirds25 << 3.0 << 1.4 << 25.0;
    QTest::newRow("Four-Thirds 25 mm f/1.4 to a full frame 50 mm of lens quality 95: same "
                  "background blur")
        << int(BackgroundBlur) << Setup{FourThirds, 25, 1.4, 2}
        << Setup{FullFrame, 50, 8, 2, true, 95} << 2.0 << 2.9 << 50.0;
    QTest::newRow("full frame 50 mm f/2.8 at 3 m to Four-Thirds 25 mm: same depth of field")
        << int(DepthOfFieldLength) << fullFrame50 << fourThirds25 << 3.0 << 1.4 << 25.0;
    QTest::newRow("lens quality 99: full frame 50 mm f/2.8 at 3 m to Four-Thirds 25 mm: same "
                  "depth of field")
        << int(DepthOfFieldLength) << Setup{FullFrame, 50, 2.8, 3, false, 99}
        << Setup{FourThirds, 25, 4, 3, false, 99} << 3.0 << 2.8 << 25.0;
    QTest::newRow("diffraction at 0.25 m: full frame 100 mm f/8 to Four-Thirds 50 mm: same depth "
                  "of field")
        << int(DepthOfFieldLength) << Setup{FullFrame, 100, 8, 0.25}
        << Setup{FourThirds, 50, 4, 0.25} << 0.25 << 2.6 << 50.0;
    QTest::newRow("full frame 50 mm f/2.8 judged by a 12 MP pixel CoC to one judged by 40 MP: "
                  "same background blur")
        << int(BackgroundBlur) << Setup{FullFrame, 50, 2.8, 3, true, 100, 0.0170}
        << Setup{FullFrame, 50, 5.6, 3, true, 100, 0.0093} << 3.0 << 2.8 << 50.0;
    QTest::newRow("full frame 24 mm f/8 at 30 m, sharp to infinity, to Four-Thirds 25 mm at 3 m: "
                  "same near limit")
        << int(DepthOfFieldLength) << Setup{FullFrame, 24, 8, 30} << fourThirds25 << 3.0 << 3.5
        << 25.0;
}

void TestCameraMatch::matchesAreRoundedToTheBoxes()
{
    QFETCH(int, command);
    QFETCH(Setup, one);
    QFETCH(Setup, two);
    QFETCH(double, focusMetres);
    QFETCH(double, aperture);
    QFETCH(double, focalLength);

    const Result result = solve(Command(command), one, two);
    QCOMPARE(int(result.outcome), int(Outcome::Matched));
    QCOMPARE(result.focus, focusMetres * 1000);
    QCOMPARE(result.aperture, aperture);
    QCOMPARE(result.focalLength, focalLength);
    if (command == Equivalent || command == Framing)
        return;
    // The search's answer is the box's value nearest to the exact one.
    const CameraSetup cameraTwo = camera(two);
    const double target = result.quantity == Quantity::BlurAtInfinity
                              ? camera(one).getBackgroundBlur()
                              : result.target;
    const auto miss = [&](double f) {
        return std::fabs(matchedQuantity(result.quantity, cameraTwo, f) - target);
    };
    QVERIFY(miss(aperture) <= miss(aperture - 0.1));
    QVERIFY(miss(aperture) <= miss(aperture + 0.1));
}

void TestCameraMatch::impossibleMatchesSayWhatItWouldTake_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<Setup>("one");
    QTest::addColumn<Setup>("two");
    QTest::addColumn<int>("outcome");
    // The setting that would be out of range, or the quantity that cannot be met.
    QTest::addColumn<int>("what");
    // What the setting would need, or the nearest Camera 2 comes.
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("limit");

    const auto outOfRange = int(Outcome::OutOfRange);
    const auto unreachable = int(Outcome::Unreachable);
    QTest::newRow("full frame 50 mm f/1.0 to Four-Thirds 25 mm: background blur needs f/0.5")
        << int(BackgroundBlur) << Setup{FullFrame, 50, 1.0, 3} << Setup{FourThirds, 25, 4, 3}
        << outOfRange << int(Setting::Aperture) << 0.5 << 0.7;
    QTest::newRow("full frame 50 mm f/1.2 to 1/2.5-inch: the equivalent is f/0.2")
        << int(Equivalent) << Setup{FullFrame, 50, 1.2, 3} << Setup{Inch1_2_5, 8, 2, 3}
        << outOfRange << int(Setting::Aperture) << 0.2 << 0.7;
    QTest::newRow("1/3.2-inch 800 mm to 56x56: the equivalent is 11233 mm")
        << int(Equivalent) << Setup{Inch1_3_2, 800, 4, 50} << Setup{Square56, 80, 4, 50}
        << outOfRange << int(Setting::FocalLength) << 11233.0 << 5000.0;
    QTest::newRow("full frame 50 mm at 9999 m to 1/3.2-inch 400 mm: framing needs 614 km")
        << int(Framing) << Setup{FullFrame, 50, 4, 9999} << Setup{Inch1_3_2, 400, 4, 50}
        << outOfRange << int(Setting::Focus) << 6.136e8 << 99999000.0;
    QTest::newRow("phone 4 mm f/2 at 1 m to full frame 50 mm at 1 m: diffraction keeps its "
                  "background blurred")
        << int(BackgroundBlur) << Setup{Inch1_3_2, 4, 2, 1} << Setup{FullFrame, 50, 4, 1}
        << unreachable << int(Quantity::BlurAtInfinity) << 2.84 << 0.0;
    QTest::newRow("full frame 24 mm f/8 at 30 m to Four-Thirds at 2 m, nearer than that near "
                  "limit")
        << int(DepthOfFieldLength) << Setup{FullFrame, 24, 8, 30} << Setup{FourThirds, 25, 4, 2}
        << unreachable << int(Quantity::NearLimit) << 2000.0 << 0.0;
    QTest::newRow("full frame 24 mm focused at 0.01 ft, inside its focal length, forms no image")
        << int(Framing) << Setup{FullFrame, 24, 4, 0.003048} << Setup{FourThirds, 25, 4, 3}
        << int(Outcome::NoSharpImage) << int(Quantity::BlurAtInfinity) << 0.0 << 0.0;
    QTest::newRow("full frame 50 mm f/22 with a 0.01 mm CoC has no depth of field to match")
        << int(DepthOfFieldLength) << Setup{FullFrame, 50, 22, 5, true, 100, 0.01}
        << Setup{FourThirds, 25, 4, 3} << int(Outcome::NothingToMatch)
        << int(Quantity::DepthOfField) << 0.0 << 0.0;
}

void TestCameraMatch::impossibleMatchesSayWhatItWouldTake()
{
    QFETCH(int, command);
    QFETCH(Setup, one);
    QFETCH(Setup, two);
    QFETCH(int, outcome);
    QFETCH(int, what);
    QFETCH(double, value);
    QFETCH(double, limit);

    const Result result = solve(Command(command), one, two);
    QCOMPARE(int(result.outcome), outcome);
    switch (result.outcome) {
    case Outcome::OutOfRange:
        QCOMPARE(int(result.setting), what);
        QVERIFY2(near(result.needed, value, 0.01), qPrintable(QString::number(result.needed)));
        QCOMPARE(result.limit, limit);
        break;
    case Outcome::Unreachable:
        QCOMPARE(int(result.quantity), what);
        QVERIFY2(near(result.closest, value, 0.01), qPrintable(QString::number(result.closest)));
        break;
    default:
        QCOMPARE(int(result.quantity), what);
        break;
    }
}

void TestCameraMatch::comparisonRatios_data()
{
    QTest::addColumn<Setup>("one");
    QTest::addColumn<Setup>("two");
    QTest::addColumn<double>("blurRatio");
    QTest::addColumn<double>("depthRatio");
    QTest::addColumn<bool>("bothEndless");

    const double infinite = std::numeric_limits<double>::infinity();
    QTest::newRow("full frame 50 mm f/2.8 and Four-Thirds 25 mm f/2.8 at 5 m")
        << Setup{FullFrame, 50, 2.8, 5} << Setup{FourThirds, 25, 2.8, 5} << 0.4988 << 2.1241
        << false;
    QTest::newRow("both past their hyperfocal distance")
        << Setup{FullFrame, 24, 8, 30} << Setup{FourThirds, 12, 8, 30} << 1.9437 << 1.0 << true;
    QTest::newRow("Camera 1 focused at 10 km without diffraction keeps a trace of blur at infinity")
        << Setup{FullFrame, 50, 2.8, 10000, false} << Setup{FullFrame, 50, 2.8, 5} << 2020.55 << 0.0
        << false;
    QTest::newRow("Camera 1 focused at infinity has no blur there")
        << Setup{FullFrame, 50, 2.8, infinite, false} << Setup{FullFrame, 50, 2.8, 5} << infinite
        << 0.0 << false;
    QTest::newRow("lens quality 99: full frame 50 mm and Four-Thirds 25 mm at f/2.8 and 3 m")
        << Setup{FullFrame, 50, 2.8, 3, false, 99} << Setup{FourThirds, 25, 2.8, 3, false, 99}
        << 0.5023 << 1.0412 << false;
    QTest::newRow("diffraction at 0.25 m: full frame 100 mm f/8 and Four-Thirds 50 mm f/4")
        << Setup{FullFrame, 100, 8, 0.25} << Setup{FourThirds, 50, 4, 0.25} << 0.7498 << 1.4600
        << false;
    QTest::newRow("one full-frame picture judged by 12 and by 40 MP pixel-size CoCs")
        << Setup{FullFrame, 50, 2.8, 3, true, 100, 0.0170}
        << Setup{FullFrame, 50, 2.8, 3, true, 100, 0.0093} << 1.0 << 0.5179 << false;
}

void TestCameraMatch::comparisonRatios()
{
    QFETCH(Setup, one);
    QFETCH(Setup, two);
    QFETCH(double, blurRatio);
    QFETCH(double, depthRatio);
    QFETCH(bool, bothEndless);

    CameraSetup first = camera(one);
    CameraSetup second = camera(two);
    const CameraComparison comparison = compareCameras(first, second);
    QVERIFY2(std::isinf(blurRatio) ? comparison.blurRatio == blurRatio
                                   : near(comparison.blurRatio, blurRatio, 1e-3),
             qPrintable(QString::number(comparison.blurRatio)));
    QVERIFY2(near(comparison.depthRatio, depthRatio, 1e-3),
             qPrintable(QString::number(comparison.depthRatio)));
    QCOMPARE(comparison.bothEndless, bothEndless);
    QCOMPARE(comparison.scaleOne, first.getScale() / first.getCrop());
}

QTEST_APPLESS_MAIN(TestCameraMatch)
#include "tst_cameramatch.moc"
