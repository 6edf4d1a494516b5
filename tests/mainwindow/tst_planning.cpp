// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "cameracontrols.h"
#include "graph.h"
#include "guitest.h"
#include "mainwin.h"
#include "plotdata.h"
#include "shotplans.h"
#include "windowform.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>

#include <memory>

namespace {
struct Lens
{
    double focalLength;
    double aperture;
    bool diffraction;
};

// Camera 1 in expert mode with a manual CoC of 0.03 mm and a perfect lens.
void setCamera(mainWin& w, const Lens& lens)
{
    if (w.expertMode == 0)
        w.switchpromode();
    const CameraControls c = cameraControls(w, 1);
    c.cocMode->setCurrentIndex(CocManual);
    c.coc->setValue(0.03);
    c.diffraction->setChecked(lens.diffraction);
    c.flength->setValue(lens.focalLength);
    c.aperture->setValue(lens.aperture);
}

template <typename T> T* child(QObject* parent, const char* name)
{
    return parent ? parent->findChild<T*>(QLatin1String(name)) : nullptr;
}

// Opens a Plan dialog through its menu command.
QDialog* open(mainWin& w, const char* action, const char* dialog)
{
    QAction* command = child<QAction>(&w, action);
    if (!command)
        return nullptr;
    command->trigger();
    return child<QDialog>(&w, dialog);
}

// Near and far in metres, far 0 for infinity; false where the dialog lacks a box.
bool setZone(QDialog* dialog, const char* prefix, double nearMetres, double farMetres)
{
    const QByteArray p(prefix);
    auto* nearBox = child<QDoubleSpinBox>(dialog, (p + "Near").constData());
    auto* farBox = child<QDoubleSpinBox>(dialog, (p + "Far").constData());
    auto* toInfinity = child<QCheckBox>(dialog, (p + "ToInfinity").constData());
    if (!nearBox || !farBox || !toInfinity)
        return false;
    nearBox->setValue(nearMetres);
    toInfinity->setChecked(farMetres == 0);
    if (farMetres > 0)
        farBox->setValue(farMetres);
    return true;
}
// The stack planner for Camera 1 set to the lens, planning 0.5 m to infinity; null where the
// dialog or one of its boxes is missing.
QDialog* openStackPlanner(mainWin& w, const Lens& lens)
{
    setCamera(w, lens);
    QDialog* dialog = open(w, "actionPlanStack", "stackPlanner");
    return dialog && setZone(dialog, "stack", 0.5, 0) ? dialog : nullptr;
}
} // namespace

Q_DECLARE_METATYPE(Lens)

class TestPlanning : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void planMenuFollowsCompare();
    void zonePlanner_data();
    void zonePlanner();
    void stackPlannerCoversTheZone();
    void stackPlannerRefuses();
    void stackSavedWithProject_data();
    void stackSavedWithProject();
    void framingBothCameras();
    void hyperfocalTooltip();

private:
    FreshWindow<mainWin> window;
};

void TestPlanning::init()
{
    window.open();
    window->resize(1292, 725);
}

void TestPlanning::cleanup()
{
    window.close();
}

void TestPlanning::planMenuFollowsCompare()
{
    mainWin& w = *window;
    const QList<QAction*> bar = windowForm(w).menubar->actions();
    const qsizetype advanced = bar.indexOf(windowForm(w).menuOptimizer->menuAction());
    QVERIFY(advanced > 1);
    QCOMPARE(bar[advanced - 2]->menu()->objectName(), QString("menuCompare"));
    QMenu* plan = bar[advanced - 1]->menu();
    QCOMPARE(plan->objectName(), QString("menuPlan"));
    QCOMPARE(plan->title(), QString("&Plan"));
    QVERIFY(hasDistinctMnemonics(plan->actions()));
    QStringList names;
    for (QAction* action : plan->actions())
        names << action->objectName();
    QCOMPARE(names, QStringList({"actionPlanZone", "actionPlanStack", "actionPlanFraming"}));

    // Non-modal, opened in expert mode, closed by Escape.
    QDialog* zone = open(w, "actionPlanZone", "zonePlanner");
    QVERIFY(zone);
    QVERIFY(zone->isVisible() && !zone->isModal());
    QCOMPARE(w.expertMode, 1);
    QTest::keyClick(zone, Qt::Key_Escape);
    QVERIFY(!zone->isVisible());
}

void TestPlanning::zonePlanner_data()
{
    QTest::addColumn<Lens>("lens");
    QTest::addColumn<double>("nearMetres");
    QTest::addColumn<double>("farMetres");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<double>("focus"); // after Enter; 0 where nothing applies
    QTest::addColumn<double>("aperture");

    QTest::newRow("24 mm, 0.5 m to infinity, no diffraction")
        << Lens{24, 8, false} << 0.5 << 0.0
        << "Focus at 1.00 m. f/20 or narrower keeps 500 mm to infinity sharp." << 1.0 << 20.0;
    // f/55.7 holds it at the balanced 299.67 mm, but at 300 mm it takes f/57.5.
    QTest::newRow("100 mm, 290 to 310 mm, no diffraction")
        << Lens{100, 8, false} << 0.29 << 0.31
        << "Focus at 299.7 mm. f/56 or narrower keeps 290 mm to 310 mm sharp." << 0.2997 << 57.0;
    QTest::newRow("50 mm, 3 to 8 m, diffraction")
        << Lens{50, 2.8, true} << 3.0 << 8.0
        << "Focus at 4.36 m. f/9.6 or narrower keeps 3.00 m to 8.00 m sharp; sharpest at f/15 "
           "(zc at most 0.85); beyond f/22 diffraction blurs it."
        << 4.36 << 10.0;
    QTest::newRow("24 mm, 0.5 m to infinity, diffraction: no f-number")
        << Lens{24, 8, true} << 0.5 << 0.0
        << "No f-number keeps 500 mm to infinity sharp: the best is f/22, focused at 1.00 m, "
           "with zc at most 1.27. A focus stack can cover it."
        << 0.0 << 0.0;
    QTest::newRow("100 mm, 290 to 310 mm, diffraction: a macro stack")
        << Lens{100, 8, true} << 0.29 << 0.31
        << "No f-number keeps 290 mm to 310 mm sharp: the best is f/31, focused at 300 mm, with "
           "zc at most 2.63. A focus stack can cover it."
        << 0.0 << 0.0;
}

void TestPlanning::zonePlanner()
{
    QFETCH(Lens, lens);
    QFETCH(double, nearMetres);
    QFETCH(double, farMetres);
    QFETCH(QString, answer);
    QFETCH(double, focus);
    QFETCH(double, aperture);
    mainWin& w = *window;
    setCamera(w, lens);
    QDialog* dialog = open(w, "actionPlanZone", "zonePlanner");
    QVERIFY(dialog);
    QVERIFY(setZone(dialog, "zone", nearMetres, farMetres));
    auto* result = child<QLabel>(dialog, "zoneResult");
    auto* stack = child<QPushButton>(dialog, "zoneStack");
    QVERIFY(result && stack);
    QCOMPARE(result->text(), answer);
    QCOMPARE(stack->isVisible(), focus == 0);

    const int before = w.recalculationCount();
    QTest::keyClick(child<QDoubleSpinBox>(dialog, "zoneNear"), Qt::Key_Return);
    if (focus == 0) {
        QCOMPARE(w.recalculationCount(), before);
        stack->click();
        QDialog* planner = child<QDialog>(&w, "stackPlanner");
        QVERIFY(planner && planner->isVisible());
        QCOMPARE(child<QDoubleSpinBox>(planner, "stackNear")->value(), nearMetres);
        QCOMPARE(child<QCheckBox>(planner, "stackToInfinity")->isChecked(), farMetres == 0);
        // Which the stack planner does plan.
        QVERIFY(child<QPushButton>(planner, "stackShow")->isEnabled());
        return;
    }
    QCOMPARE(w.recalculationCount(), before + 1);
    QCOMPARE(windowForm(w).c1_fdist->value(), focus);
    QCOMPARE(windowForm(w).c1_apature->value(), aperture);
    // As set, the camera keeps the zone sharp.
    QVERIFY(ShotPlans::zoneBlur(w.cam1, {nearMetres * 1000,
                                         farMetres > 0 ? farMetres * 1000 : ShotPlans::infinity}) <=
            1);
}

void TestPlanning::stackPlannerCoversTheZone()
{
    mainWin& w = *window;
    QDialog* dialog = openStackPlanner(w, Lens{24, 8, false});
    QVERIFY(dialog);
    QCOMPARE(child<QDoubleSpinBox>(dialog, "stackAperture")->value(), 8.0);
    auto* shots = child<QTableWidget>(dialog, "stackShots");
    QVERIFY(shots);
    // The first focus rounded down so that its near limit stays at or before 0.5 m, the last
    // the nearest that is sharp to infinity.
    QStringList rows;
    for (int row = 0; row < shots->rowCount(); ++row)
        rows << shots->item(row, 0)->text() + " " + shots->item(row, 1)->text() + " " +
                    shots->item(row, 2)->text();
    QCOMPARE(rows, QStringList(
                       {"625 mm 500 mm 834 mm", "1.26 m 832 mm 2.60 m", "2.43 m 1.21 m infinity"}));
    child<QPushButton>(dialog, "stackCopy")->click();
    QCOMPARE(QGuiApplication::clipboard()->text().count(QLatin1Char('\n')), 5);

    // Shown on the plot while the camera is focused at a shot, until its lens changes.
    const QImage without = w.graphWidget->grab().toImage();
    QTest::keyClick(child<QDoubleSpinBox>(dialog, "stackNear"), Qt::Key_Return);
    QVERIFY(w.graphWidget->showsFocusStack());
    QVERIFY(w.graphWidget->grab().toImage() != without);
    windowForm(w).c1_fdist->setValue(1.24);
    QVERIFY(w.graphWidget->showsFocusStack());
    windowForm(w).c1_fdist->setValue(5);
    windowForm(w).c1_flength->setValue(25);
    windowForm(w).c1_flength->setValue(24);
    QVERIFY(!w.graphWidget->showsFocusStack());
}

void TestPlanning::stackPlannerRefuses()
{
    mainWin& w = *window;
    QDialog* dialog = openStackPlanner(w, Lens{24, 8, true});
    QVERIFY(dialog);
    auto* aperture = child<QDoubleSpinBox>(dialog, "stackAperture");
    auto* result = child<QLabel>(dialog, "stackResult");
    auto* show = child<QPushButton>(dialog, "stackShow");
    QVERIFY(aperture && result && show);
    aperture->setValue(64);
    QCOMPARE(result->text(), QString("At f/64 not even the focused distance is sharp: diffraction "
                                     "and the lens blur it beyond the circle of confusion."));
    QVERIFY(!show->isEnabled());
}

void TestPlanning::stackSavedWithProject_data()
{
    QTest::addColumn<Lens>("lens");
    QTest::addColumn<double>("nearMetres");
    QTest::addColumn<double>("farMetres"); // 0: infinity
    QTest::addColumn<bool>("onRail");
    QTest::addColumn<int>("shots");
    QTest::addColumn<double>("firstFocus"); // mm
    QTest::addColumn<double>("railStep");   // mm
    QTest::addColumn<QString>("answer");
    QTest::newRow("24 mm f/8, 0.5 m to infinity, by the focus ring")
        << Lens{24, 8, false} << 0.5 << 0.0 << false << 3 << 625.0 << 0.0
        << "3 shots at f/8 keep 500 mm to infinity sharp.";
    QTest::newRow("100 mm f/8, 290 to 310 mm, on a focusing rail")
        << Lens{100, 8, false} << 0.29 << 0.31 << true << 8 << 291.0 << 2.66
        << "8 shots at f/8 keep 290 mm to 310 mm sharp on a focusing rail: focus at 291 mm, then "
           "move the camera 2.66 mm closer after each shot.";
}

void TestPlanning::stackSavedWithProject()
{
    QFETCH(Lens, lens);
    QFETCH(double, nearMetres);
    QFETCH(double, farMetres);
    QFETCH(bool, onRail);
    mainWin& w = *window;
    setCamera(w, lens);
    QDialog* dialog = open(w, "actionPlanStack", "stackPlanner");
    QVERIFY(dialog && setZone(dialog, "stack", nearMetres, farMetres));
    child<QComboBox>(dialog, "stackMethod")->setCurrentIndex(onRail ? 1 : 0);
    QTEST(child<QLabel>(dialog, "stackResult")->text(), "answer");
    QTest::keyClick(child<QDoubleSpinBox>(dialog, "stackNear"), Qt::Key_Return);
    QTemporaryDir folder;
    const QString name = folder.filePath(QStringLiteral("stack.mvx"));
    QVERIFY(w.saveTo(name));

    // Drawn again when the project opens, and in the numbers zidov-render writes, as planned.
    mainWin opened;
    QVERIFY(opened.loadFrom(name));
    QVERIFY(opened.graphWidget->showsFocusStack());
    const QJsonObject stack =
        QJsonDocument::fromJson(PlotData(opened.graphWidget->drawing()).json(QString()))
            .object()["stack"]
            .toObject();
    QCOMPARE(stack["camera"].toInt(), 1);
    QCOMPARE(stack["f_number"].toDouble(), 8.0);
    const QJsonArray shots = stack["shots"].toArray();
    QTEST(int(shots.size()), "shots");
    QTEST(shots[0].toObject()["focus"].toDouble(), "firstFocus");
    QVERIFY(shots[0].toObject()["near"].toDouble() <= nearMetres * 1000);
    QVERIFY(farMetres > 0 || shots.last().toObject()["far"].isNull());
    QTEST(stack["focusing_rail"].toObject()["step"].toDouble(), "railStep");
    // A project saved without a stack opens without one.
    windowForm(w).c1_flength->setValue(25);
    QVERIFY(w.saveTo(name));
    QVERIFY(opened.loadFrom(name));
    QVERIFY(!opened.graphWidget->showsFocusStack());
}

void TestPlanning::framingBothCameras()
{
    mainWin& w = *window;
    QDialog* dialog = open(w, "actionPlanFraming", "framingPlanner");
    QVERIFY(dialog);
    windowForm(w).boxC2->setChecked(true);
    const CameraControls two = cameraControls(w, 2);
    two.cocMode->setCurrentIndex(CocByCropFactor);
    two.cropFactorFormat->setCurrentIndex(8); // Four-Thirds, 17.3 x 13 mm
    two.flength->setValue(25);
    child<QDoubleSpinBox>(dialog, "subjectSize")->setValue(1.8);
    child<QComboBox>(dialog, "subjectSide")->setCurrentIndex(0); // height
    child<QComboBox>(dialog, "framingCamera")->setCurrentIndex(2);
    QTest::keyClick(child<QDoubleSpinBox>(dialog, "subjectSize"), Qt::Key_Return);
    // Camera 1: 50 mm on full frame, 24 mm high; 50 + 50 * 1800 / 24 mm.
    QCOMPARE(windowForm(w).c1_fdist->value(), 3.80);
    // 25 mm on Four-Thirds, 13 mm high: exactly, finer than the box shows.
    QCOMPARE(windowForm(w).c2_fdist->value(), (25 + 25 * 1800 / 13.0) / 1000);
    // From the real sensor: a custom 36 x 18 mm one is no 3:2 frame.
    const CameraControls one = cameraControls(w, 1);
    one.cocMode->setCurrentIndex(CocByCropFactor);
    one.cropFactorFormat->setCurrentIndex(w.sensorTable.customIndex());
    one.sensorWidth->setValue(36);
    one.sensorHeight->setValue(18);
    QTest::keyClick(child<QDoubleSpinBox>(dialog, "subjectSize"), Qt::Key_Return);
    QCOMPARE(windowForm(w).c1_fdist->value(), 5.05);
    // A macro subject, with no rounding that would cut 9 % of it.
    child<QDoubleSpinBox>(dialog, "subjectSize")->setValue(0.02);
    QCOMPARE(child<QLabel>(dialog, "framingResult")->text().section('\n', 1),
             QString("Camera 2 frames it from 63.5 mm (25 mm, a frame side of 13.0 mm)."));
}

void TestPlanning::hyperfocalTooltip()
{
    mainWin& w = *window;
    w.switchpromode();
    setCamera(w, Lens{24, 8, false});
    // H + F = 2.424 m, rounded up to 2.43 m by the button.
    QCOMPARE(windowForm(w).c1_set_Hyper->toolTip(), QString("Sharp from 1.21 m to infinity"));
    w.setLengthUnit(LengthUnit::Feet);
    QCOMPARE(windowForm(w).c1_set_Hyper->toolTip(), QString("Sharp from 3.98 ft to infinity"));
}

ZIDOV_GUITEST_MAIN(TestPlanning)
#include "tst_planning.moc"
