// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "shotplans.h"

#include "tracecapture.h"

#include <QtTest>

#include <cmath>

using namespace ShotPlans;

namespace {
// A camera at f/N with a CoC of c mm; only the focus changes from shot to shot.
CameraSetup lens(double focalLength, double aperture, double coc, bool diffraction = false)
{
    TraceCapture quiet;
    CameraSetup camera;
    camera.init(5000, aperture, focalLength, coc, 1, diffraction ? 1 : 0, 100, 1.8);
    return camera;
}

bool onReaderGrid(double millimetres, LengthUnit unit, int digits)
{
    const double shown = LengthUnits::readerRounded(millimetres / 1000, unit, digits) * 1000;
    return std::fabs(shown - millimetres) <= 1e-9 * millimetres;
}
} // namespace

Q_DECLARE_METATYPE(CameraSetup)
Q_DECLARE_METATYPE(StackMethod)
Q_DECLARE_METATYPE(StackOutcome)

class TestShotPlans : public QObject
{
    Q_OBJECT

private slots:
    void stacks_data();
    void stacks();
};

// The counts are those of thin-lens arithmetic at 40 digits with the focus free.
void TestShotPlans::stacks_data()
{
    QTest::addColumn<CameraSetup>("camera");
    QTest::addColumn<double>("nearMm");
    QTest::addColumn<double>("farMm"); // 0: infinity
    QTest::addColumn<StackMethod>("method");
    QTest::addColumn<bool>("feet");
    QTest::addColumn<StackOutcome>("outcome");
    QTest::addColumn<int>("shots");
    const auto ring = StackMethod::FocusRing;
    const auto rail = StackMethod::FocusingRail;
    const CameraSetup wide = lens(24, 8, 0.03);
    const CameraSetup macro = lens(100, 8, 0.0288);
    QTest::newRow("24 mm f/8, 0.5 m to infinity")
        << wide << 500.0 << 0.0 << ring << false << StackOutcome::Planned << 3;
    QTest::newRow("24 mm f/8, 0.5 m to infinity, in feet")
        << wide << 500.0 << 0.0 << ring << true << StackOutcome::Planned << 3;
    QTest::newRow("with diffraction, 50 mm f/8, 1 to 10 m")
        << lens(50, 8, 0.03, true) << 1000.0 << 10000.0 << ring << false << StackOutcome::Planned
        << 6;
    QTest::newRow("macro, 100 mm f/8, 290 to 310 mm: thinner than 0.01 m")
        << macro << 290.0 << 310.0 << ring << false << StackOutcome::Planned << 8;
    QTest::newRow("macro on a rail, steps of 2.56 mm")
        << macro << 290.0 << 310.0 << rail << false << StackOutcome::Planned << 8;
    QTest::newRow("on a rail, one shot needs no step")
        << wide << 2500.0 << 0.0 << rail << false << StackOutcome::Planned << 1;
    QTest::newRow("on a rail to infinity")
        << wide << 500.0 << 0.0 << rail << false << StackOutcome::RailToInfinity << 0;
    QTest::newRow("near end at the focal length")
        << wide << 24.0 << 0.0 << ring << false << StackOutcome::BadZone << 0;
    QTest::newRow("far end before the near end")
        << wide << 2000.0 << 1000.0 << rail << false << StackOutcome::BadZone << 0;
    QTest::newRow("f/64 with diffraction: not even the focus is sharp")
        << lens(50, 64, 0.03, true) << 1000.0 << 2000.0 << ring << false
        << StackOutcome::NoDepthOfField << 0;
    // 1201 shots.
    QTest::newRow("100 mm f/1, CoC 0.01 mm, 200 to 300 mm: too many shots")
        << lens(100, 1, 0.01) << 200.0 << 300.0 << ring << false << StackOutcome::TooManyShots << 0;
    QTest::newRow("too many shots on a rail")
        << lens(100, 1, 0.01) << 200.0 << 300.0 << rail << false << StackOutcome::TooManyShots << 0;
    // The farthest focus, 99999 m, is sharp to 120 km.
    QTest::newRow("5000 mm f/1.4, 90 km to infinity: beyond the farthest focus")
        << lens(5000, 1.4, 0.03) << 9e7 << 0.0 << ring << false << StackOutcome::OutOfFocusRange
        << 0;
}

void TestShotPlans::stacks()
{
    QFETCH(CameraSetup, camera);
    QFETCH(double, nearMm);
    QFETCH(double, farMm);
    QFETCH(StackMethod, method);
    QFETCH(bool, feet);
    const LengthUnit unit = feet ? LengthUnit::Feet : LengthUnit::Metres;
    const Zone zone{nearMm, farMm > 0 ? farMm : infinity};
    // The focus box of the window: up to 99999 m.
    const FocusStack stack = planStack(camera, zone, {0, 99999000}, method, unit);
    QTEST(stack.outcome, "outcome");
    QTEST(int(stack.shots.size()), "shots");
    if (stack.shots.empty())
        return;
    for (size_t i = 1; i < stack.shots.size(); ++i)
        QVERIFY(stack.shots[i].range.nearLimit <= stack.shots[i - 1].range.farLimit);
    // No gap from the near end to the far end, as the blur itself confirms, out to infinity.
    for (int i = 0; i <= 2000; ++i) {
        const double t = i / 2000.0;
        const double distance =
            zone.toInfinity() ? (t == 1 ? infinity : zone.nearDistance / (1 - t))
                              : zone.nearDistance + t * (zone.farDistance - zone.nearDistance);
        QVERIFY2(stackBlur(camera, stack, distance) <= 1 + 1e-9,
                 qPrintable(QString::number(distance)));
    }

    // Focus distances a reader can set, on the grid the dialog shows them on; on a rail equal
    // steps of the camera, none longer than the depth of field.
    const bool onRail = method == StackMethod::FocusingRail;
    QVERIFY(
        onReaderGrid(onRail ? stack.lensFocus : stack.shots.back().focus, unit, stack.focusDigits));
    const SharpRange& first = stack.shots.front().range;
    QVERIFY(!onRail || stack.railStep <= first.farLimit - first.nearLimit);
    for (size_t i = 1; onRail && i < stack.shots.size(); ++i)
        QVERIFY(std::fabs(stack.shots[i].focus - stack.shots[i - 1].focus - stack.railStep) < 1e-9);
}

QTEST_APPLESS_MAIN(TestShotPlans)
#include "tst_shotplans.moc"
