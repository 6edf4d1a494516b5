// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "shotplans.h"

#include "stdoutcapture.h"

#include <QtTest>

#include <cmath>

using namespace ShotPlans;

namespace {
struct Lens
{
    double focalLength;
    double aperture;
    double coc;
    bool diffraction;
};

CameraSetup cameraWith(const Lens& lens)
{
    StdoutCapture quiet;
    CameraSetup camera;
    camera.init(5000, lens.aperture, lens.focalLength, lens.coc, 1, lens.diffraction ? 1 : 0, 100,
                1.8);
    return camera;
}

// The focus box of the window: up to 99999 m.
constexpr FocusBox focusBox{0, 99999000};

Zone zoneOf(double nearMm, double farMm)
{
    return {nearMm, farMm > 0 ? farMm : infinity};
}

bool onReaderGrid(double millimetres, LengthUnit unit, int digits)
{
    const double shown = LengthUnits::readerRounded(millimetres / 1000, unit, digits) * 1000;
    return std::fabs(shown - millimetres) <= 1e-9 * millimetres;
}
} // namespace

Q_DECLARE_METATYPE(Lens)
Q_DECLARE_METATYPE(StackMethod)
Q_DECLARE_METATYPE(StackOutcome)
Q_DECLARE_METATYPE(FrameSide)

class TestShotPlans : public QObject
{
    Q_OBJECT

private slots:
    void stacks_data();
    void stacks();
    void zones_data();
    void zones();
    void framing_data();
    void framing();
};

// The counts are those of thin-lens arithmetic at 40 digits with the focus free.
void TestShotPlans::stacks_data()
{
    QTest::addColumn<Lens>("lens");
    QTest::addColumn<double>("nearMm");
    QTest::addColumn<double>("farMm"); // 0: infinity
    QTest::addColumn<StackMethod>("method");
    QTest::addColumn<bool>("feet");
    QTest::addColumn<StackOutcome>("outcome");
    QTest::addColumn<int>("shots");
    const auto ring = StackMethod::FocusRing;
    const auto rail = StackMethod::FocusingRail;
    const Lens wide{24, 8, 0.03, false};
    const Lens macro{100, 8, 0.0288, false};
    QTest::newRow("24 mm f/8, 0.5 m to infinity")
        << wide << 500.0 << 0.0 << ring << false << StackOutcome::Planned << 3;
    QTest::newRow("24 mm f/8, 0.5 m to infinity, in feet")
        << wide << 500.0 << 0.0 << ring << true << StackOutcome::Planned << 3;
    QTest::newRow("with diffraction, 50 mm f/8, 1 to 10 m")
        << Lens{50, 8, 0.03, true} << 1000.0 << 10000.0 << ring << false << StackOutcome::Planned
        << 6;
    QTest::newRow("macro, 100 mm f/8, 290 to 310 mm: thinner than 0.01 m")
        << macro << 290.0 << 310.0 << ring << false << StackOutcome::Planned << 8;
    QTest::newRow("macro on a rail, steps of 2.56 mm")
        << macro << 290.0 << 310.0 << rail << false << StackOutcome::Planned << 8;
    QTest::newRow("macro on a rail, in feet")
        << macro << 290.0 << 310.0 << rail << true << StackOutcome::Planned << 8;
    QTest::newRow("on a rail, one shot needs no step")
        << wide << 2500.0 << 0.0 << rail << false << StackOutcome::Planned << 1;
    QTest::newRow("on a rail to infinity")
        << wide << 500.0 << 0.0 << rail << false << StackOutcome::RailToInfinity << 0;
    QTest::newRow("near end at the focal length")
        << wide << 24.0 << 0.0 << ring << false << StackOutcome::BadZone << 0;
    QTest::newRow("far end before the near end")
        << wide << 2000.0 << 1000.0 << rail << false << StackOutcome::BadZone << 0;
    QTest::newRow("f/64 with diffraction: not even the focus is sharp")
        << Lens{50, 64, 0.03, true} << 1000.0 << 2000.0 << ring << false
        << StackOutcome::NoDepthOfField << 0;
    QTest::newRow("f/64 with diffraction, on a rail")
        << Lens{50, 64, 0.03, true} << 1000.0 << 2000.0 << rail << false
        << StackOutcome::NoDepthOfField << 0;
    // 1201 shots.
    QTest::newRow("100 mm f/1, CoC 0.01 mm, 200 to 300 mm: too many shots")
        << Lens{100, 1, 0.01, false} << 200.0 << 300.0 << ring << false
        << StackOutcome::TooManyShots << 0;
    QTest::newRow("too many shots on a rail") << Lens{100, 1, 0.01, false} << 200.0 << 300.0 << rail
                                              << false << StackOutcome::TooManyShots << 0;
    // The farthest focus, 99999 m, is sharp to 120 km.
    QTest::newRow("5000 mm f/1.4, 90 km to infinity: beyond the farthest focus")
        << Lens{5000, 1.4, 0.03, false} << 9e7 << 0.0 << ring << false
        << StackOutcome::OutOfFocusRange << 0;
    QTest::newRow("beyond the farthest focus, on a rail")
        << Lens{5000, 1.4, 0.03, false} << 1.1e8 << 1.2e8 << rail << false
        << StackOutcome::OutOfFocusRange << 0;
}

void TestShotPlans::stacks()
{
    QFETCH(Lens, lens);
    QFETCH(double, nearMm);
    QFETCH(double, farMm);
    QFETCH(StackMethod, method);
    QFETCH(bool, feet);
    const LengthUnit unit = feet ? LengthUnit::Feet : LengthUnit::Metres;
    const CameraSetup camera = cameraWith(lens);
    const Zone zone = zoneOf(nearMm, farMm);
    const FocusStack stack = planStack(camera, zone, focusBox, method, unit);
    QTEST(stack.outcome, "outcome");
    QTEST(int(stack.shots.size()), "shots");
    QCOMPARE(stack.aperture, lens.aperture);
    if (stack.shots.empty())
        return;

    // No gap from the near end to the far end, nearest first.
    QVERIFY(stack.shots.front().range.nearLimit <= zone.nearDistance);
    for (size_t i = 1; i < stack.shots.size(); ++i) {
        QVERIFY(stack.shots[i].focus > stack.shots[i - 1].focus);
        QVERIFY(stack.shots[i].range.nearLimit <= stack.shots[i - 1].range.farLimit);
    }
    const SharpRange& last = stack.shots.back().range;
    QVERIFY(zone.toInfinity() ? last.endless : last.farLimit >= zone.farDistance);
    // Which the blur itself confirms, point by point, out to infinity.
    for (int i = 0; i <= 2000; ++i) {
        const double t = i / 2000.0;
        const double distance =
            zone.toInfinity() ? (t == 1 ? infinity : zone.nearDistance / (1 - t))
                              : zone.nearDistance + t * (zone.farDistance - zone.nearDistance);
        QVERIFY2(stackBlur(camera, stack, distance) <= 1 + 1e-9,
                 qPrintable(QString::number(distance)));
    }

    // Focus distances a reader can set: on the grid the dialog shows them on.
    if (method == StackMethod::FocusRing) {
        for (const Shot& shot : stack.shots)
            QVERIFY(onReaderGrid(shot.focus, unit, stack.focusDigits));
        return;
    }
    QVERIFY(onReaderGrid(stack.lensFocus, unit, stack.focusDigits));
    QCOMPARE(stack.shots.front().focus, stack.lensFocus);
    if (unit == LengthUnit::Metres) {
        for (const Shot& shot : stack.shots)
            QVERIFY(onReaderGrid(shot.focus, unit, stack.shotDigits));
    }
    if (stack.shots.size() == 1)
        return;
    // Equal steps of the camera, each at most the depth of field, as the rail is marked.
    QVERIFY(onReaderGrid(stack.railStep, LengthUnit::Metres, 0));
    const SharpRange& first = stack.shots.front().range;
    QVERIFY(stack.railStep <= first.farLimit - first.nearLimit);
    for (size_t i = 1; i < stack.shots.size(); ++i)
        QVERIFY(std::fabs(stack.shots[i].focus - stack.shots[i - 1].focus - stack.railStep) < 1e-9);
    // The shots' own numbers, as a project gives them back.
    std::vector<double> focuses;
    for (const Shot& shot : stack.shots)
        focuses.push_back(shot.focus);
    const FocusStack again = stackOf(camera, focuses, stack.lensFocus);
    for (size_t i = 0; i < stack.shots.size(); ++i) {
        QCOMPARE(again.shots[i].range.nearLimit, stack.shots[i].range.nearLimit);
        QCOMPARE(again.shots[i].range.farLimit, stack.shots[i].range.farLimit);
    }
}

void TestShotPlans::zones_data()
{
    QTest::addColumn<Lens>("lens");
    QTest::addColumn<double>("nearMm");
    QTest::addColumn<double>("farMm"); // 0: infinity
    QTest::addColumn<bool>("holds");
    QTest::addColumn<double>("roundedFocus");
    QTest::addColumn<double>("widest"); // as written, rounded up
    QTest::addColumn<double>("thirdStop");
    QTest::newRow("24 mm, 0.5 m to infinity")
        << Lens{24, 8, 0.03, false} << 500.0 << 0.0 << true << 1000.0 << 20.0 << 20.0;
    // f/58 holds the zone at the balanced 299.67 mm; at 300 mm it takes f/59.9.
    QTest::newRow("100 mm on full frame, 290 to 310 mm")
        << Lens{100, 8, 0.0288, false} << 290.0 << 310.0 << true << 299.7 << 59.0 << 64.0;
    QTest::newRow("with diffraction, no f-number holds 0.5 m to infinity")
        << Lens{24, 8, 0.03, true} << 500.0 << 0.0 << false << 1000.0 << 22.0 << 0.0;
    QTest::newRow("near end inside the focal length")
        << Lens{24, 8, 0.03, false} << 20.0 << 0.0 << false << 0.0 << 0.0 << 0.0;
}

void TestShotPlans::zones()
{
    QFETCH(Lens, lens);
    QFETCH(double, nearMm);
    QFETCH(double, farMm);
    const Zone zone = zoneOf(nearMm, farMm);
    const CameraSetup camera = cameraWith(lens);
    const ZonePlan plan = planZone(camera, zone, {0.7, 64}, focusBox, LengthUnit::Metres);
    QTEST(plan.holds, "holds");
    QTEST(plan.roundedFocus, "roundedFocus");
    QTEST(plan.thirdStop.value_or(0), "thirdStop");
    QTEST(shownFNumber(plan.widest, plan.holds ? FNumberRounding::Up : FNumberRounding::Nearest),
          "widest");
    if (!plan.holds)
        return;
    // What the answer names holds the zone together: the focus with the f-number as written,
    // and with what Apply sets.
    const auto blurAt = [&](double aperture) {
        CameraSetup trial = camera;
        trial.setFdist(plan.roundedFocus);
        trial.setAperture(aperture);
        return zoneBlur(trial, zone);
    };
    QVERIFY(blurAt(shownFNumber(plan.widest, FNumberRounding::Up)) <= 1);
    QVERIFY(blurAt(*plan.thirdStop) <= 1);
    QVERIFY(blurAt(plan.widest * (1 - 1e-6)) > 1);
}

void TestShotPlans::framing_data()
{
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("height");
    QTest::addColumn<FrameSide>("side");
    QTest::addColumn<double>("focalLength");
    QTest::addColumn<double>("subject");
    QTest::addColumn<double>("focus");
    QTest::newRow("Four-Thirds, 25 mm, a 20 mm subject on the short side")
        << 17.3 << 13.0 << FrameSide::ShortSide << 25.0 << 20.0 << 25 + 25 * 20 / 13.0;
    QTest::newRow("custom 36 x 18 mm, 50 mm, 1.8 m on the short side")
        << 36.0 << 18.0 << FrameSide::ShortSide << 50.0 << 1800.0 << 5050.0;
    QTest::newRow("a sensor given upright, the long side")
        << 24.0 << 36.0 << FrameSide::LongSide << 50.0 << 1800.0 << 2550.0;
    QTest::newRow("full frame, the diagonal") << 36.0 << 24.0 << FrameSide::Diagonal << 50.0
                                              << 1800.0 << 50 + 50 * 1800 / std::hypot(36.0, 24.0);
}

void TestShotPlans::framing()
{
    QFETCH(double, width);
    QFETCH(double, height);
    QFETCH(FrameSide, side);
    QFETCH(double, focalLength);
    QFETCH(double, subject);
    QFETCH(double, focus);
    const double found =
        focusForSubjectSize(focalLength, frameSide({width, height}, side), subject);
    QVERIFY(std::fabs(found - focus) <= 1e-12 * focus);
}

QTEST_APPLESS_MAIN(TestShotPlans)
#include "tst_shotplans.moc"
