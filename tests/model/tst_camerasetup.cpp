// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "boxrounding.h"
#include "camerasetup.h"

#include "tracecapture.h"

#include <QtTest>

#include <cmath>
#include <cstring>
#include <vector>

namespace {
// F 50 mm, c 0.03 mm, focused at 5 m on full frame: the textbook example of the blur model.
CameraSetup standardCamera(double aperture = 2.8, int diffraction = 0, double lensQuality = 100,
                           double coc = 0.03, double fdist = 5000)
{
    TraceCapture quiet;
    CameraSetup camera;
    camera.init(fdist, aperture, 50, coc, 1, diffraction, lensQuality, 1.8);
    return camera;
}
} // namespace

class TestCameraSetup : public QObject
{
    Q_OBJECT

private slots:
    void derivedValues_data();
    void derivedValues();
    void exactLimits_data();
    void exactLimits();
    void lensQualityAloneBlurs();
    void diffractionCanRuleOutHyperfocal();
    void farLimitStandsForInfinityPastHyperfocal();
    void hyperfocalSearchRestoresFocus();
    void fitsReachTheScale();
    void diagnosticLines();
    void nonFiniteInputsPropagateAndEnd();
    void roundToStep_data();
    void roundToStep();
    void roundedToStep_data();
    void roundedToStep();
};

void TestCameraSetup::derivedValues_data()
{
    QTest::addColumn<int>("diffraction");
    QTest::addColumn<double>("zcAtFocus");
    QTest::addColumn<double>("hyperfocal");
    QTest::addColumn<double>("nearLimit");
    QTest::addColumn<double>("farLimit");
    QTest::addColumn<double>("tolerance");

    QTest::newRow("50mm f/2.8 at 5 m, no diffraction")
        << 0 << 0.0 << 29761.90 << 4286.99 << 5997.51 << 0.01;
    QTest::newRow("50mm f/2.8 at 5 m, diffraction K 1.8")
        << 1 << 0.11387 << 30003.472 << 4290.968 << 5989.733 << 0.001;
}

void TestCameraSetup::derivedValues()
{
    QFETCH(int, diffraction);
    QFETCH(double, zcAtFocus);
    QFETCH(double, hyperfocal);
    QFETCH(double, nearLimit);
    QFETCH(double, farLimit);
    QFETCH(double, tolerance);

    CameraSetup camera = standardCamera(2.8, diffraction);
    QVERIFY(std::fabs(camera.getZc(5000) - zcAtFocus) < 1e-5);
    // A curve's columns at once give getZc's values to the last bit, the odd last one too.
    std::vector<double> distances;
    for (int i = 0; i < 101; ++i)
        distances.push_back(51 + i * i * 37.5);
    std::vector<double> blurs(distances.size());
    ZcCurve(camera).at(distances.data(), blurs.data(), distances.size());
    for (size_t i = 0; i < distances.size(); ++i) {
        const double one = camera.getZc(distances[i]);
        QVERIFY2(std::memcmp(&one, &blurs[i], sizeof one) == 0, qPrintable(QString::number(i)));
    }
    QVERIFY2(std::fabs(camera.getHyperfocal() - hyperfocal) < tolerance,
             qPrintable(QString::number(camera.getHyperfocal(), 'f', 3)));
    QVERIFY2(std::fabs(camera.getNearLimit() - nearLimit) < tolerance,
             qPrintable(QString::number(camera.getNearLimit(), 'f', 3)));
    QVERIFY2(std::fabs(camera.getFarLimit() - farLimit) < tolerance,
             qPrintable(QString::number(camera.getFarLimit(), 'f', 3)));
    QCOMPARE(camera.getScale(), 99.0);
    QVERIFY(std::fabs(camera.getFieldDiag() - 4283.39) < 0.01);
    if (diffraction) {
        QVERIFY(std::fabs(camera.getDiffSpot() - 0.003416) < 1e-6);
    } else {
        QVERIFY(std::fabs(camera.getZc(10000000) - 6.0095) < 1e-4);
    }
}

void TestCameraSetup::exactLimits_data()
{
    QTest::addColumn<double>("flength");
    QTest::addColumn<double>("aperture");
    QTest::addColumn<double>("coc");
    QTest::addColumn<double>("fdist");
    QTest::addColumn<int>("diffraction");
    QTest::addColumn<double>("lensQuality");
    QTest::addColumn<double>("nearLimit");
    QTest::addColumn<double>("farLimit"); // -1: infinite
    QTest::addColumn<double>("hyperfocalFocus");
    QTest::addColumn<double>("zcAtInfinity");

    QTest::newRow("lens quality 99: 50 mm f/2.8 at 3 m")
        << 50.0 << 2.8 << 0.0288 << 3000.0 << 0 << 99.0 << 2764.22933 << 3279.74039 << 34636.4757
        << 10.5184937;
    QTest::newRow("lens quality 95: 24 mm f/8, hyperfocal")
        << 24.0 << 8.0 << 0.0288 << 3000.0 << 0 << 95.0 << 1398.11417 << -1.0 << 2621.43091
        << 0.88278212;
    QTest::newRow("diffraction: 50 mm f/1.8, hyperfocal beyond the thin-lens 48.28 m")
        << 50.0 << 1.8 << 0.0288 << 48000.0 << 1 << 100.0 << 24103.061 << 5612924.79 << 48413.588
        << 1.00857641;
    QTest::newRow("diffraction: 600 mm f/4 at 2407.4 m, infinity blurred")
        << 600.0 << 4.0 << 0.0288 << 2407400.0 << 1 << 100.0 << 1368418.76 << 9999866.76
        << 3170536.5 << 1.30920143;
    QTest::newRow("diffraction: 100 mm f/8 at 0.25 m")
        << 100.0 << 8.0 << 0.0288 << 250.0 << 1 << 100.0 << 249.285743 << 250.718362 << 46185.8684
        << 289.352392;
    QTest::newRow("diffraction: Four-Thirds 50 mm f/4 at 0.25 m")
        << 50.0 << 4.0 << 0.0144 << 250.0 << 1 << 100.0 << 248.958556 << 251.050194 << 46129.5149
        << 217.014294;
}

void TestCameraSetup::exactLimits()
{
    QFETCH(double, flength);
    QFETCH(double, aperture);
    QFETCH(double, coc);
    QFETCH(double, fdist);
    QFETCH(int, diffraction);
    QFETCH(double, lensQuality);
    QFETCH(double, nearLimit);
    QFETCH(double, farLimit);
    QFETCH(double, hyperfocalFocus);
    QFETCH(double, zcAtInfinity);

    const auto setup = [&](double focus, int withDiffraction) {
        TraceCapture quiet;
        CameraSetup camera;
        camera.init(focus, aperture, flength, coc, 1, withDiffraction, lensQuality, 1.8);
        return camera;
    };
    const auto near = [](double actual, double expected) {
        return std::fabs(actual - expected) <= 1e-6 * expected;
    };
    CameraSetup camera = setup(fdist, diffraction);
    QVERIFY(near(camera.getNearLimit(), nearLimit));
    if (farLimit < 0)
        QCOMPARE(camera.getFarLimit(), CameraSetup::infiniteFarLimit);
    else
        QVERIFY(near(camera.getFarLimit(), farLimit));
    QVERIFY(near(camera.getZcAtInfinity(), zcAtInfinity));
    const double hyperfocal = camera.getHyperfocalFocus();
    QVERIFY(near(hyperfocal, hyperfocalFocus));
    // Diffraction never brings the hyperfocal focus nearer.
    QVERIFY(hyperfocal >= setup(fdist, 0).getHyperfocalFocus());
    // There, and only from there on, infinity is sharp.
    CameraSetup atHyperfocal = setup(hyperfocal * (1 + 1e-9), diffraction);
    QVERIFY(atHyperfocal.getZcAtInfinity() <= 1);
    QCOMPARE(atHyperfocal.getFarLimit(), CameraSetup::infiniteFarLimit);
    CameraSetup shortOfIt = setup(hyperfocal * (1 - 1e-6), diffraction);
    QVERIFY(shortOfIt.getZcAtInfinity() > 1);
    QVERIFY(std::isfinite(shortOfIt.getFarLimit()) &&
            shortOfIt.getFarLimit() != CameraSetup::infiniteFarLimit);
}

void TestCameraSetup::lensQualityAloneBlurs()
{
    CameraSetup camera = standardCamera(2.8, 0, 90);
    QVERIFY(std::fabs(camera.getZc(5000) - 4.2521) < 1e-4);
    // At quality 0 the lens term is 10 / N^2 mm.
    CameraSetup worst = standardCamera(2.8, 0, 0);
    QVERIFY(std::fabs(worst.getZc(5000) - 10 / (2.8 * 2.8) / 0.03) < 1e-9);
}

void TestCameraSetup::diffractionCanRuleOutHyperfocal()
{
    CameraSetup camera = standardCamera(22, 1, 100, 0.01);
    QVERIFY(std::fabs(camera.getZc(5000) - 2.684) < 1e-3);
    QCOMPARE(camera.getHyperfocal(), -1.0);
    QVERIFY(std::fabs(camera.getNearLimit() - 4999.4) < 1.5);
    QVERIFY(std::fabs(camera.getFarLimit() - 5000.6) < 1.5);
    QVERIFY(camera.getNearLimit() <= 5000 && camera.getFarLimit() >= 5000);
}

void TestCameraSetup::farLimitStandsForInfinityPastHyperfocal()
{
    CameraSetup camera = standardCamera(2.8, 0, 100, 0.03, 29761.90 + 60);
    QCOMPARE(camera.getFarLimit(), CameraSetup::infiniteFarLimit);
    QCOMPARE(camera.getFarLimit(), 99999001.0);
    // Just short of it the limit is finite.
    CameraSetup closer = standardCamera(2.8, 0, 100, 0.03, 29000);
    QVERIFY(closer.getFarLimit() < CameraSetup::infiniteFarLimit);
    // With diffraction a focus beyond 20 km is no reason for a nearer limit.
    CameraSetup beyond = standardCamera(2.8, 1, 100, 0.03, 20000000);
    QVERIFY(beyond.getFarLimit() >= beyond.getFdist());
}

void TestCameraSetup::hyperfocalSearchRestoresFocus()
{
    CameraSetup camera = standardCamera(2.8, 1);
    camera.getHyperfocal();
    QCOMPARE(camera.getFdist(), 5000.0);
}

void TestCameraSetup::fitsReachTheScale()
{
    CameraSetup camera = standardCamera();
    camera.fitFdistToScale(50);
    QVERIFY2(std::fabs(camera.getFdist() - 2550.24) < 0.5,
             qPrintable(QString::number(camera.getFdist(), 'f', 3)));
    QVERIFY(std::fabs(camera.getScale() - 50) < 0.02);

    // However far from the focus the target lies: 1:1000 from 5 m is 50.05 m.
    CameraSetup far = standardCamera();
    far.fitFdistToScale(1000);
    QVERIFY2(std::fabs(far.getFdist() - 50050) < 1e-6,
             qPrintable(QString::number(far.getFdist(), 'f', 3)));

    // Fitting the focal length: 1:49 at 5 m needs F = 100 mm; adia waits for the next init.
    CameraSetup zoom = standardCamera();
    zoom.fitFlengthToScale(49);
    QVERIFY2(std::fabs(zoom.getFlength() - 100) < 0.05,
             qPrintable(QString::number(zoom.getFlength(), 'f', 3)));
    QCOMPARE(zoom.getAdia(), 50 / 2.8);
}

void TestCameraSetup::diagnosticLines()
{
    TraceCapture capture;
    CameraSetup camera;
    camera.init(5000, 1.8, 50, 0.0288, 1, 1, 100, 1.8);
    QCOMPARE(capture.text(), std::string("init - fdist: 5000 aperture: 1.8 flength: 50 coc: 0.0288 "
                                         "adia: 27.7778crop: 1\n"));

    TraceCapture scaleCapture;
    CameraSetup dx = standardCamera();
    dx.init(5000, 2.8, 50, 0.03, 1.5249, 0, 100, 1.8);
    TraceCapture onlyScale;
    QCOMPARE(dx.getFFScale(), 99 / 1.5249);
    QCOMPARE(onlyScale.text(), std::string("scale: 99 crop: 1.5249\n"));
}

void TestCameraSetup::nonFiniteInputsPropagateAndEnd()
{
    CameraSetup camera = standardCamera();
    QVERIFY(std::isnan(camera.getZc(50)));

    CameraSetup atFocalLength = standardCamera(2.8, 0, 100, 0.03, 50);
    QVERIFY(std::isinf(atFocalLength.getZc(5000)));

    // Every search must end, whatever arrives from the controls.
    const double hostile[] = {std::nan(""), INFINITY, -INFINITY, 0.0, -1e300, 1e300};
    for (double value : hostile) {
        for (int diffraction : {0, 1}) {
            CameraSetup c = standardCamera(2.8, diffraction, 50, 0.03, value);
            c.getHyperfocal();
            c.getNearLimit();
            c.getFarLimit();
            CameraSetup a = standardCamera(value, diffraction, 50);
            a.getHyperfocal();
            a.getNearLimit();
            a.getFarLimit();
            CameraSetup k = standardCamera(2.8, diffraction, 50, value);
            k.getHyperfocal();
            k.getNearLimit();
            k.getFarLimit();
        }
    }
}

void TestCameraSetup::roundToStep_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("expected");
    QTest::newRow("7 to 5") << 7 << 5 << 5;
    QTest::newRow("8 to 10") << 8 << 5 << 10;
    QTest::newRow("-8 to -10") << -8 << 5 << -10;
    QTest::newRow("half rounds away from zero") << 5 << 10 << 10;
    QTest::newRow("negative half away from zero") << -1500 << 1000 << -2000;
    QTest::newRow("first tick of the default axis") << 2023 << 1000 << 2000;
    QTest::newRow("largest int stays in range") << INT_MAX << 1000 << INT_MAX / 1000 * 1000;
    QTest::newRow("smallest int stays in range") << INT_MIN << 1000 << INT_MIN / 1000 * 1000;
}

void TestCameraSetup::roundToStep()
{
    QFETCH(int, value);
    QFETCH(int, step);
    QFETCH(int, expected);
    QCOMPARE(::roundToStep(value, step), expected);
}

void TestCameraSetup::roundedToStep_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("step");
    QTest::addColumn<double>("expected");
    QTest::newRow("a tenth gives the decimal itself") << 1.37 << 0.1 << 1.4;
    QTest::newRow("0.01 ft in mm") << 5000.0 << 3.048 << 1640 * 3.048;
    QTest::newRow("half rounds away from zero") << -2.5 << 1.0 << -3.0;
}

void TestCameraSetup::roundedToStep()
{
    QFETCH(double, value);
    QFETCH(double, step);
    QFETCH(double, expected);
    // Exactly: a box compares what it is given with its limits.
    QVERIFY2(::roundedToStep(value, step) == expected,
             qPrintable(QString::number(::roundedToStep(value, step), 'g', 17)));
}

QTEST_APPLESS_MAIN(TestCameraSetup)
#include "tst_camerasetup.moc"
