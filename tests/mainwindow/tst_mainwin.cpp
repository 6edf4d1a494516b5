// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "cameracontrols.h"
#include "eqwin.h"
#include "graph.h"
#include "guitest.h"
#include "languagechoice.h"
#include "mainwin.h"
#include "opti.h"
#include "settings.h"
#include "storedsettingsscope.h"
#include "unitchoice.h"
#include "windowform.h"
#include "windowshape.h"

#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QMenu>
#include <QScrollArea>
#include <QStatusBar>
#include <QTableWidget>

#include <memory>

namespace {
QStringList menuTexts(QMenu* menu)
{
    QStringList texts;
    for (QAction* action : menu->actions())
        texts << action->text().remove('&');
    return texts;
}

// Camera 1 at 50 mm f/2.8 with a manual CoC of 0.03 mm and no diffraction: hyperfocal 29761.9 mm,
// infinity sharp from a focus of 29811.9 mm on.
void setTextbookCamera1(mainWin& w)
{
    windowForm(w).c1_cocSet->setCurrentIndex(3);
    windowForm(w).c1_calcDef->setChecked(false);
    windowForm(w).c1_flength->setValue(50);
    windowForm(w).c1_apature->setValue(2.8);
    windowForm(w).c1_coc->setValue(0.03);
    windowForm(w).c1_fdist->setValue(5);
}

// The window on screen in simple mode, or in expert mode with both cameras.
void showIn(mainWin& w, bool expert)
{
    if (expert) {
        w.switchpromode();
        windowForm(w).boxC2->setChecked(true);
    }
    w.show();
}
} // namespace

Q_DECLARE_METATYPE(LengthUnit)
Q_DECLARE_METATYPE(Qt::FocusReason)

class TestMainWin : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void slotsKeepTheirOrder();
    void startsInSimpleMode();
    void sensorCombosHoldTheFormatTable();
    void advancedMenuOffersTheCalculator();
    void slidersDriveCamera1_data();
    void slidersDriveCamera1();
    void cocModesShowTheirBoxes();
    void hyperfocalButton();
    void hyperfocalButtonWithoutHyperfocal();
    void hyperfocalButtonMakesInfinitySharp_data();
    void hyperfocalButtonMakesInfinitySharp();
    void cropFactorModeKeepsTheSensor();
    void modeSwitchBothWays();
    void showOptiSwitchesToExpertMode();
    void focusPlaneDistances();
    void copyCarriesManualCoc();
    void swapExchangesCameras();
    void settingsFactorRecalculates();
    void oneRepaintPerUserAction();
    void scaleFitMovesFocus();
    void dialogsBehave();
    void dialogsMadeOnFirstUse_data();
    void dialogsMadeOnFirstUse();
    void feetThroughoutTheWindow();
    void typedLengths_data();
    void typedLengths();
    void typedNumbersLeaveTheBoxAsItWas_data();
    void typedNumbersLeaveTheBoxAsItWas();
    void startsInTheUnitLastChosen();
    void windowKeepsItsShape_data();
    void windowKeepsItsShape();
    void everyControlReachableOnASmallScreen_data();
    void everyControlReachableOnASmallScreen();
    void cameraBoxesHoldStill();
    void simpleModeBoxesAreReadOuts();
    void firstWindowFitsTheScreen_data();
    void firstWindowFitsTheScreen();
    void tabFollowsTheLayout_data();
    void tabFollowsTheLayout();

private:
    FreshWindow<mainWin> window;
};

void TestMainWin::init()
{
    window.open();
}

void TestMainWin::cleanup()
{
    window.close();
}

void TestMainWin::slotsKeepTheirOrder()
{
    // Slot indices are part of the window's interface; 0 to 27 public, the rest private.
    const QStringList expected = {"run()",
                                  "switchpromode()",
                                  "setDist()",
                                  "setC1CocCF()",
                                  "setC2CocCF()",
                                  "setC1CocPS()",
                                  "setC2CocPS()",
                                  "setC1CocVD()",
                                  "setC2CocVD()",
                                  "copyL()",
                                  "copyR()",
                                  "swapLR()",
                                  "getDiag(int)",
                                  "getMPixel(int)",
                                  "load()",
                                  "save()",
                                  "saveAs()",
                                  "quit()",
                                  "about()",
                                  "tutorial()",
                                  "help()",
                                  "setC1Hyper()",
                                  "setC2Hyper()",
                                  "exportImage()",
                                  "showOpti()",
                                  "checkDistanceCam()",
                                  "setScale()",
                                  "on_actionSettings_triggered()",
                                  "on_groupBox_toggled(bool)",
                                  "on_dsb_repScale_valueChanged()",
                                  "on_rb_repScaleFlength_toggled(bool)",
                                  "on_rb_repScaleDist_toggled(bool)",
                                  "on_dofMode_clicked()",
                                  "on_actionEquivalency_Calculator_triggered()"};
    const QMetaObject& meta = mainWin::staticMetaObject;
    QCOMPARE(meta.methodCount() - meta.methodOffset(), int(expected.size()));
    for (int i = 0; i < expected.size(); ++i) {
        const QMetaMethod method = meta.method(meta.methodOffset() + i);
        QCOMPARE(QString(method.methodSignature()), expected[i]);
        QCOMPARE(method.methodType(), QMetaMethod::Slot);
        QCOMPARE(method.access(), i < 28 ? QMetaMethod::Public : QMetaMethod::Private);
    }
    QCOMPARE(QString(meta.method(meta.indexOfSlot("getMPixel(int)")).typeName()),
             QString("double"));
}

void TestMainWin::startsInSimpleMode()
{
    mainWin& w = *window;
    QCOMPARE(w.expertMode, 0);
    QCOMPARE(w.windowTitle(), QString("Zidov"));
    // The icon and the hidden Setups panel follow the first picture.
    QVERIFY(w.windowIcon().isNull() && !w.findChild<QTableWidget*>("setupsTable"));
    w.show();
    QTRY_VERIFY(w.windowIcon().availableSizes().contains(QSize(48, 48)));
    QVERIFY(w.findChild<QTableWidget*>("setupsTable"));
    QCOMPARE(w.version, QString("0.14ruri"));
    QVERIFY(w.fileName.isEmpty() && !w.fileName.isNull());
    QCOMPARE(windowForm(w).horizontalSlider->value(), 40);
    QCOMPARE(windowForm(w).horizontalSlider_2->value(), 5);
    QCOMPARE(windowForm(w).horizontalSlider_3->value(), 45);
    QCOMPARE(windowForm(w).c1_fdist->value(), 5.0);
    QCOMPARE(windowForm(w).c1_apature->value(), 1.8);
    QCOMPARE(windowForm(w).c1_flength->value(), 50.0);
    QCOMPARE(windowForm(w).c1_cocSet->currentIndex(), 1);
    QVERIFY(windowForm(w).c1_calcDef->isChecked());
    QVERIFY(!windowForm(w).boxC2->isChecked());
    QVERIFY(windowForm(w).distanceCam->isChecked());
    QCOMPARE(windowForm(w).c1_fdist->buttonSymbols(), QAbstractSpinBox::NoButtons);
    // The sliders drive these boxes in simple mode; typed values would only snap back.
    QDoubleSpinBox* const slid[] = {windowForm(w).c1_fdist, windowForm(w).c1_apature,
                                    windowForm(w).c1_flength};
    for (QDoubleSpinBox* box : slid)
        QVERIFY2(box->isReadOnly(), qPrintable(box->objectName()));
    QCOMPARE(windowForm(w).qxscaled->text(), QString("20"));
    QCOMPARE(windowForm(w).qyscaled->text(), QString("50"));
    QCOMPARE(windowForm(w).SB_leftBorder->maximum(), 1000);
    // The pixel-size CoC of a full-frame standard grid, and the record that follows it.
    QCOMPARE(windowForm(w).c1_coc->value(), 0.0288);
    QCOMPARE(w.cam1.getFdist(), 5000.0);
    QCOMPARE(w.cam1.getDiffFactor(), 1.8);
    QVERIFY(std::fabs(w.c1Crop - 1.0) < 1e-9);

    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QVERIFY(windowForm(w).expertmode->isVisible());
    QVERIFY(windowForm(w).horizontalSlider->isVisible());
    for (QWidget* hidden : {(QWidget*)windowForm(w).boxC2, (QWidget*)windowForm(w).useLog,
                            (QWidget*)windowForm(w).distanceFP, (QWidget*)windowForm(w).distanceCam,
                            (QWidget*)windowForm(w).cpR, (QWidget*)windowForm(w).cpL,
                            (QWidget*)windowForm(w).swpLR, (QWidget*)windowForm(w).c1_set_Hyper,
                            (QWidget*)windowForm(w).c1_cocSet, (QWidget*)windowForm(w).c1_calcDef,
                            (QWidget*)windowForm(w).c1_lockMag, (QWidget*)windowForm(w).groupBox,
                            (QWidget*)windowForm(w).gbC1_1, (QWidget*)windowForm(w).gbC1_3})
        QVERIFY2(!hidden->isVisible(), qPrintable(hidden->objectName()));
    QVERIFY(windowForm(w).gbC1_2->isVisible());
    QVERIFY(w.graphWidget->isVisible());
    QCOMPARE(w.graphWidget->parentWidget(), windowForm(w).frame);
}

void TestMainWin::sensorCombosHoldTheFormatTable()
{
    mainWin& w = *window;
    for (QComboBox* box : {windowForm(w).c1_cropC, windowForm(w).c1_crop, windowForm(w).c2_cropC,
                           windowForm(w).c2_crop}) {
        QCOMPARE(box->count(), 19);
        QCOMPARE(box->itemText(3), QString("Full-Frame Crop 1"));
        QCOMPARE(box->itemText(14), QString("1/3.2\""));
        QCOMPARE(box->itemText(18), QString("Custom…"));
    }
    QCOMPARE(windowForm(w).c1_crop->currentIndex(), 3);
    QCOMPARE(windowForm(w).c2_crop->currentIndex(), 3);
    QCOMPARE(windowForm(w).c1_cropC->currentIndex(), 3);
    QCOMPARE(windowForm(w).c2_cropC->currentIndex(), 3);
    QCOMPARE(w.getDiag(3), SensorFormatTable().diagonal(3));
    QuietTrace capture;
    QCOMPARE(w.getMPixel(15), 4170000.0);
    QCOMPARE(capture.text(), std::string("4.17e+06\n"));
}

void TestMainWin::advancedMenuOffersTheCalculator()
{
    QCOMPARE(menuTexts(windowForm(*window).menuOptimizer),
             QStringList({"Show auto optimizer", "Equivalency Calculator", "Settings"}));
    QCOMPARE(menuTexts(windowForm(*window).menuFile),
             QStringList({"New", "Open", "Recent projects", "Save", "Save as", "Switch Expert Mode",
                          "Export to image", "Quit"}));
}

void TestMainWin::slidersDriveCamera1_data()
{
    QTest::addColumn<int>("s1");
    QTest::addColumn<int>("s2");
    QTest::addColumn<int>("s3");
    QTest::addColumn<double>("focus");
    QTest::addColumn<double>("aperture");
    QTest::addColumn<double>("flength");
    QTest::newRow("defaults") << 40 << 5 << 45 << 5.0 << 1.8 << 50.0;
    QTest::newRow("nearest") << 0 << 0 << 0 << 1.0 << 1.0 << 5.0;
    QTest::newRow("end of the metre scale") << 149 << 9 << 46 << 80.0 << 2.8 << 55.0;
    QTest::newRow("scale jumps to 150 m") << 150 << 36 << 195 << 150.0 << 64.0 << 800.0;
    QTest::newRow("far end") << 199 << 5 << 45 << 9999.0 << 1.8 << 50.0;
    QTest::newRow("half metres") << 51 << 5 << 44 << 6.5 << 1.8 << 49.0;
}

void TestMainWin::slidersDriveCamera1()
{
    QFETCH(int, s1);
    QFETCH(int, s2);
    QFETCH(int, s3);
    mainWin& w = *window;
    windowForm(w).horizontalSlider->setValue(s1);
    windowForm(w).horizontalSlider_2->setValue(s2);
    windowForm(w).horizontalSlider_3->setValue(s3);
    QTEST(windowForm(w).c1_fdist->value(), "focus");
    QTEST(windowForm(w).c1_apature->value(), "aperture");
    QTEST(windowForm(w).c1_flength->value(), "flength");
    QCOMPARE(w.cam1.getFdist(), windowForm(w).c1_fdist->value() * 1000);
    QCOMPARE(w.cam1.getFlength(), windowForm(w).c1_flength->value());

    // Expert mode ignores the sliders.
    w.switchpromode();
    windowForm(w).c1_fdist->setValue(7.25);
    windowForm(w).horizontalSlider->setValue(10);
    QCOMPARE(windowForm(w).c1_fdist->value(), 7.25);
}

void TestMainWin::cocModesShowTheirBoxes()
{
    mainWin& w = *window;
    w.switchpromode();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));

    windowForm(w).c1_cocSet->setCurrentIndex(0);
    windowForm(w).c1_cropC->setCurrentIndex(5);
    QVERIFY(windowForm(w).gbC1_1->isVisible() && !windowForm(w).gbC1_2->isVisible() &&
            !windowForm(w).gbC1_3->isVisible());
    QVERIFY(!windowForm(w).c1_coc->isEnabled());
    QCOMPARE(windowForm(w).c1_coc->value(), 0.0189);
    QVERIFY(std::fabs(w.c1Crop - 1.5249) < 1e-4);

    windowForm(w).c1_cocSet->setCurrentIndex(2);
    QVERIFY(!windowForm(w).gbC1_1->isVisible() && windowForm(w).gbC1_3->isVisible());
    windowForm(w).c1_formD->setCurrentIndex(1);
    QCOMPARE(windowForm(w).c1_coc->value(), 0.0277);
    QCOMPARE(w.c1Crop, 1.0);

    windowForm(w).c1_cocSet->setCurrentIndex(3);
    QVERIFY(windowForm(w).c1_coc->isEnabled());
    QVERIFY(!windowForm(w).gbC1_1->isVisible() && !windowForm(w).gbC1_2->isVisible() &&
            !windowForm(w).gbC1_3->isVisible());
    windowForm(w).c1_coc->setValue(0.0125);
    QVERIFY(std::fabs(w.c1Crop - 2.30755) < 1e-5);
    QCOMPARE(w.cam1.getCoc(), 0.0125);

    windowForm(w).c1_cocSet->setCurrentIndex(1);
    windowForm(w).c1_quality->setCurrentIndex(4);
    QCOMPARE(windowForm(w).c1_coc->value(), 0.0170);
}

void TestMainWin::hyperfocalButton()
{
    mainWin& w = *window;
    w.switchpromode();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    setTextbookCamera1(w);
    QVERIFY(std::fabs(w.cam1.getHyperfocal() - 29761.9) < 0.05);
    QCOMPARE(windowForm(w).c1_set_Hyper->text(), QString("Set to hyperfocal (29.8m)"));
    QTest::mouseClick(windowForm(w).c1_set_Hyper, Qt::LeftButton);
    QCOMPARE(windowForm(w).c1_fdist->value(), 29.82);
    QCOMPARE(w.cam1.getFdist(), 29820.0);

    // Camera 2's button works on its own record and box.
    windowForm(w).boxC2->setChecked(true);
    windowForm(w).c2_calcDef->setChecked(false);
    windowForm(w).c2_cocSet->setCurrentIndex(3);
    windowForm(w).c2_coc->setValue(0.03);
    windowForm(w).c2_apature->setValue(2.8);
    QTest::mouseClick(windowForm(w).c2_set_Hyper, Qt::LeftButton);
    QCOMPARE(windowForm(w).c2_fdist->value(), 29.82);
}

void TestMainWin::hyperfocalButtonWithoutHyperfocal()
{
    mainWin& w = *window;
    w.switchpromode();
    windowForm(w).c1_cocSet->setCurrentIndex(3);
    windowForm(w).c1_coc->setValue(0.01);
    windowForm(w).c1_apature->setValue(22);
    QVERIFY(windowForm(w).c1_calcDef->isChecked());
    QCOMPARE(w.cam1.getHyperfocal(), -1.0);
    QCOMPARE(windowForm(w).c1_set_Hyper->text(), QString("Set to hyperfocal (none)"));
    QTest::mouseClick(windowForm(w).c1_set_Hyper, Qt::LeftButton);
    QCOMPARE(windowForm(w).c1_fdist->value(), 5.0);

    // A larger diffraction factor pushes the hyperfocal distance out, then rules it out.
    windowForm(w).c1_apature->setValue(2.8);
    windowForm(w).c1_coc->setValue(0.03);
    const double before = w.cam1.getHyperfocal();
    auto* factor = w.settingsDialog()->findChild<QDoubleSpinBox*>("dsb_difffact");
    factor->setValue(3.0);
    QVERIFY(w.cam1.getHyperfocal() > before);
    factor->setValue(10.0);
    windowForm(w).c1_apature->setValue(16);
    QCOMPARE(windowForm(w).c1_set_Hyper->text(), QString("Set to hyperfocal (none)"));
}

void TestMainWin::hyperfocalButtonMakesInfinitySharp_data()
{
    QTest::addColumn<double>("focalLength");
    QTest::addColumn<double>("aperture");
    QTest::addColumn<bool>("diffraction");
    QTest::addColumn<LengthUnit>("unit");
    QTest::addColumn<QString>("button");
    QTest::addColumn<double>("focus");
    // Full frame, CoC 0.0288 mm by pixel size. The focus box rounds up to what it shows.
    QTest::newRow("50 mm f/22") << 50.0 << 22.0 << false << LengthUnit::Metres
                                << "Set to hyperfocal (4.0m)" << 4.0;
    QTest::newRow("24 mm f/11") << 24.0 << 11.0 << false << LengthUnit::Metres
                                << "Set to hyperfocal (1.8m)" << 1.85;
    QTest::newRow("35 mm f/8 with diffraction")
        << 35.0 << 8.0 << true << LengthUnit::Metres << "Set to hyperfocal (5.7m)" << 5.69;
    QTest::newRow("600 mm f/4 with diffraction, sharp at infinity itself")
        << 600.0 << 4.0 << true << LengthUnit::Metres << "Set to hyperfocal (3170.5m)" << 3170.54;
    // 3995.7 mm is 13.109 ft: the next hundredth of a foot, not the next micrometre.
    QTest::newRow("50 mm f/22 in feet") << 50.0 << 22.0 << false << LengthUnit::Feet
                                        << "Set to hyperfocal (13.1ft)" << 13.11 * 0.3048;
}

void TestMainWin::hyperfocalButtonMakesInfinitySharp()
{
    QFETCH(double, focalLength);
    QFETCH(double, aperture);
    QFETCH(bool, diffraction);
    QFETCH(LengthUnit, unit);
    QFETCH(QString, button);
    QFETCH(double, focus);
    mainWin& w = *window;
    w.switchpromode();
    w.setLengthUnit(unit);
    windowForm(w).dofMode->setChecked(true);
    windowForm(w).c1_calcDef->setChecked(diffraction);
    windowForm(w).c1_flength->setValue(focalLength);
    windowForm(w).c1_apature->setValue(aperture);
    QCOMPARE(windowForm(w).c1_set_Hyper->text(), button);

    QTest::mouseClick(windowForm(w).c1_set_Hyper, Qt::LeftButton);
    QCOMPARE(windowForm(w).c1_fdist->value(), focus);
    QVERIFY(w.cam1.getZcAtInfinity() <= 1);
    const QString caption = w.graphWidget->captionTexts(1).values;
    QVERIFY2(caption.contains(" - inf. "), qPrintable(caption));
}

void TestMainWin::cropFactorModeKeepsTheSensor()
{
    mainWin& w = *window;
    w.switchpromode();
    // Camera 1 by pixel size on full frame; by crop factor it is full frame too.
    windowForm(w).c1_cocSet->setCurrentIndex(CocByCropFactor);
    QCOMPARE(windowForm(w).c1_cropC->currentIndex(), 3);
    QCOMPARE(windowForm(w).c1_coc->value(), 0.0288);

    // The sensor goes with the camera from one mode's box to the other's, both ways.
    windowForm(w).c1_cropC->setCurrentIndex(5);
    windowForm(w).c1_cocSet->setCurrentIndex(CocByPixelSize);
    QCOMPARE(windowForm(w).c1_crop->currentIndex(), 5);
    QCOMPARE(windowForm(w).c1_coc->value(), 0.0189);
    windowForm(w).c1_crop->setCurrentIndex(8);
    windowForm(w).c1_cocSet->setCurrentIndex(CocByCropFactor);
    QCOMPARE(windowForm(w).c1_cropC->currentIndex(), 8);
    QCOMPARE(windowForm(w).c1_coc->value(), 0.0144);
    // Also when a command changes the mode: the mode switch sets camera 1 to pixel size.
    windowForm(w).c1_cropC->setCurrentIndex(9);
    w.switchpromode();
    QCOMPARE(windowForm(w).c1_crop->currentIndex(), 9);
    w.switchpromode();

    // Swap exchanges the hidden boxes as they were, too.
    windowForm(w).c1_cocSet->setCurrentIndex(CocByCropFactor);
    windowForm(w).c1_cropC->setCurrentIndex(8);
    windowForm(w).c1_crop->setCurrentIndex(2);
    windowForm(w).c2_crop->setCurrentIndex(7);
    windowForm(w).c2_cropC->setCurrentIndex(10);
    w.swapLR();
    QCOMPARE(windowForm(w).c1_cropC->currentIndex(), 10);
    QCOMPARE(windowForm(w).c1_crop->currentIndex(), 7);
    QCOMPARE(windowForm(w).c2_cropC->currentIndex(), 8);
    QCOMPARE(windowForm(w).c2_crop->currentIndex(), 2);
}

void TestMainWin::modeSwitchBothWays()
{
    mainWin& w = *window;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    windowForm(w).c1_cocSet->setCurrentIndex(3);
    windowForm(w).c1_calcDef->setChecked(false);

    windowForm(w).actionMode->trigger();
    QCOMPARE(w.expertMode, 1);
    QVERIFY(windowForm(w).boxC2->isVisible() && !windowForm(w).boxC2->isChecked());
    QCOMPARE(windowForm(w).c1_cocSet->currentIndex(), 1);
    QVERIFY(windowForm(w).c1_calcDef->isChecked());
    QVERIFY(windowForm(w).distanceCam->isChecked());
    for (QWidget* shown : {(QWidget*)windowForm(w).useLog, (QWidget*)windowForm(w).distanceFP,
                           (QWidget*)windowForm(w).distanceCam, (QWidget*)windowForm(w).cpR,
                           (QWidget*)windowForm(w).cpL, (QWidget*)windowForm(w).swpLR,
                           (QWidget*)windowForm(w).c1_set_Hyper, (QWidget*)windowForm(w).c1_cocSet,
                           (QWidget*)windowForm(w).c1_calcDef, (QWidget*)windowForm(w).c1_lockMag})
        QVERIFY2(shown->isVisible(), qPrintable(shown->objectName()));
    QVERIFY(!windowForm(w).expertmode->isVisible() && !windowForm(w).horizontalSlider->isVisible());
    QVERIFY(!windowForm(w).groupBox->isVisible());
    QCOMPARE(windowForm(w).c1_fdist->buttonSymbols(), QAbstractSpinBox::UpDownArrows);
    const QList<QDoubleSpinBox*> sliderBoxes{windowForm(w).c1_fdist, windowForm(w).c1_apature,
                                             windowForm(w).c1_flength};
    for (QDoubleSpinBox* box : sliderBoxes)
        QVERIFY2(!box->isReadOnly(), qPrintable(box->objectName()));

    windowForm(w).boxC2->setChecked(true);
    windowForm(w).useLog->setChecked(true);
    windowForm(w).distanceFP->setChecked(true);
    windowForm(w).horizontalSlider->setValue(120);
    windowForm(w).actionMode->trigger();
    QCOMPARE(w.expertMode, 0);
    QVERIFY(!windowForm(w).boxC2->isVisible() && !windowForm(w).boxC2->isChecked());
    QVERIFY(!windowForm(w).useLog->isChecked());
    QVERIFY(windowForm(w).distanceCam->isChecked());
    QCOMPARE(windowForm(w).horizontalSlider->value(), 40);
    QCOMPARE(windowForm(w).c1_fdist->value(), 5.0);
    QVERIFY(windowForm(w).expertmode->isVisible());
    QCOMPARE(windowForm(w).c1_fdist->buttonSymbols(), QAbstractSpinBox::NoButtons);
    // The sliders drive these boxes in simple mode; typed values would only snap back.
    for (QDoubleSpinBox* box : sliderBoxes)
        QVERIFY2(box->isReadOnly(), qPrintable(box->objectName()));
    QTest::mouseClick(windowForm(w).expertmode, Qt::LeftButton);
    QCOMPARE(w.expertMode, 1);
}

void TestMainWin::showOptiSwitchesToExpertMode()
{
    mainWin& w = *window;
    windowForm(w).actionShow_auto_optimizer->trigger();
    QCOMPARE(w.expertMode, 1);
    QVERIFY(w.optiWin()->isVisible());
    windowForm(w).actionShow_auto_optimizer->trigger();
    QCOMPARE(w.expertMode, 1);
    w.optiWin()->hide();
}

void TestMainWin::focusPlaneDistances()
{
    mainWin& w = *window;
    w.switchpromode();
    windowForm(w).boxC2->setChecked(true);
    windowForm(w).c1_fdist->setValue(5);
    windowForm(w).c2_fdist->setValue(12.5);
    windowForm(w).distanceFP->setChecked(true);
    QCOMPARE(windowForm(w).DSB_leftBorder->minimum(), -12.5);
    QCOMPARE(windowForm(w).DSB_leftBorder->value(), -12.5);
    QCOMPARE(windowForm(w).SB_leftBorder->minimum(), -12);
    QCOMPARE(windowForm(w).SB_leftBorder->value(), -12);

    // The scroll bar moves the border in whole metres.
    windowForm(w).SB_leftBorder->setValue(-3);
    QCOMPARE(windowForm(w).DSB_leftBorder->value(), -3.0);

    // Camera 1 farther away, then equal distances (Camera 2's box is taken).
    windowForm(w).distanceCam->setChecked(true);
    QCOMPARE(windowForm(w).DSB_leftBorder->minimum(), 0.0);
    QCOMPARE(windowForm(w).DSB_leftBorder->value(), 0.0);
    QCOMPARE(windowForm(w).SB_leftBorder->minimum(), 0);
    QCOMPARE(windowForm(w).SB_leftBorder->value(), 0);
    windowForm(w).c1_fdist->setValue(20.3);
    windowForm(w).distanceFP->setChecked(true);
    QCOMPARE(windowForm(w).DSB_leftBorder->value(), -20.3);
    QCOMPARE(windowForm(w).SB_leftBorder->value(), -20);
}

void TestMainWin::copyCarriesManualCoc()
{
    mainWin& w = *window;
    w.switchpromode();
    windowForm(w).boxC2->setChecked(true);
    windowForm(w).c1_cocSet->setCurrentIndex(3);
    windowForm(w).c1_coc->setValue(0.0421);
    windowForm(w).c1_fdist->setValue(3.3);
    windowForm(w).c1_apature->setValue(8);
    windowForm(w).c1_flength->setValue(135);
    windowForm(w).c1_lensQ->setValue(90);
    windowForm(w).c1_distD->setValue(2.5);
    windowForm(w).c1_widthD->setValue(0.4);
    windowForm(w).c1_formD->setCurrentIndex(1);
    windowForm(w).c1_quality->setCurrentIndex(7);
    windowForm(w).c1_cropC->setCurrentIndex(9);
    windowForm(w).c1_crop->setCurrentIndex(6);
    windowForm(w).c2_calcDef->setChecked(false);

    QTest::mouseClick(windowForm(w).cpR, Qt::LeftButton);
    QCOMPARE(windowForm(w).c2_cocSet->currentIndex(), 3);
    QCOMPARE(windowForm(w).c2_coc->value(), 0.0421);
    QCOMPARE(windowForm(w).c2_fdist->value(), 3.3);
    QCOMPARE(windowForm(w).c2_apature->value(), 8.0);
    QCOMPARE(windowForm(w).c2_flength->value(), 135.0);
    QCOMPARE(windowForm(w).c2_lensQ->value(), 90.0);
    QCOMPARE(windowForm(w).c2_distD->value(), 2.5);
    QCOMPARE(windowForm(w).c2_widthD->value(), 0.4);
    QCOMPARE(windowForm(w).c2_formD->currentIndex(), 1);
    QCOMPARE(windowForm(w).c2_quality->currentIndex(), 7);
    QCOMPARE(windowForm(w).c2_cropC->currentIndex(), 9);
    QCOMPARE(windowForm(w).c2_crop->currentIndex(), 6);
    QVERIFY(!windowForm(w).c2_calcDef->isChecked());
    QCOMPARE(w.cam2.getCoc(), 0.0421);
    QCOMPARE(w.c2Crop, w.c1Crop);

    // Back again, from a derived mode into a manual one.
    windowForm(w).c2_cocSet->setCurrentIndex(0);
    windowForm(w).c2_cropC->setCurrentIndex(5);
    QTest::mouseClick(windowForm(w).cpL, Qt::LeftButton);
    QCOMPARE(windowForm(w).c1_cocSet->currentIndex(), 0);
    QCOMPARE(windowForm(w).c1_coc->value(), 0.0189);
    QVERIFY(windowForm(w).c1_calcDef->isChecked());
}

void TestMainWin::swapExchangesCameras()
{
    mainWin& w = *window;
    w.switchpromode();
    windowForm(w).boxC2->setChecked(true);
    windowForm(w).c1_cocSet->setCurrentIndex(3);
    windowForm(w).c1_coc->setValue(0.05);
    windowForm(w).c1_fdist->setValue(2);
    windowForm(w).c2_fdist->setValue(9);
    windowForm(w).c2_apature->setValue(11);
    windowForm(w).c2_flength->setValue(300);
    windowForm(w).c2_quality->setCurrentIndex(10);
    const double c2Coc = windowForm(w).c2_coc->value();

    QTest::mouseClick(windowForm(w).swpLR, Qt::LeftButton);
    QCOMPARE(windowForm(w).c1_fdist->value(), 9.0);
    QCOMPARE(windowForm(w).c2_fdist->value(), 2.0);
    QCOMPARE(windowForm(w).c1_apature->value(), 11.0);
    QCOMPARE(windowForm(w).c2_apature->value(), 1.8);
    QCOMPARE(windowForm(w).c1_flength->value(), 300.0);
    QCOMPARE(windowForm(w).c1_quality->currentIndex(), 10);
    QCOMPARE(windowForm(w).c1_cocSet->currentIndex(), 1);
    QCOMPARE(windowForm(w).c2_cocSet->currentIndex(), 3);
    QCOMPARE(windowForm(w).c2_coc->value(), 0.05);
    QCOMPARE(w.cam2.getCoc(), 0.05);
    QCOMPARE(w.cam1.getFdist(), 9000.0);
    QCOMPARE(windowForm(w).c1_coc->value(), c2Coc); // derived again from the swapped 25 Mpx preset
}

void TestMainWin::settingsFactorRecalculates()
{
    mainWin& w = *window;
    windowForm(w).actionSettings->trigger();
    QVERIFY(w.settingsDialog()->isVisible());
    auto* factor = w.settingsDialog()->findChild<QDoubleSpinBox*>("dsb_difffact");
    QVERIFY(factor);
    QCOMPARE(factor->value(), 1.8);
    QCOMPARE(factor->minimum(), 0.1);
    QCOMPARE(factor->maximum(), 10.0);
    QCOMPARE(factor->singleStep(), 0.05);
    const int before = w.recalculationCount();
    factor->setValue(2.5);
    QCOMPARE(w.recalculationCount(), before + 1);
    QCOMPARE(w.cam1.getDiffFactor(), 2.5);
    QCOMPARE(w.cam2.getDiffFactor(), 2.5);
    // Cancel only closes; the value stays in force.
    QTest::keyClick(w.settingsDialog(), Qt::Key_Escape);
    QVERIFY(!w.settingsDialog()->isVisible());
    QCOMPARE(w.diffractionFactor(), 2.5);
}

void TestMainWin::oneRepaintPerUserAction()
{
    mainWin& w = *window;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    PaintCounter counter;
    w.graphWidget->installEventFilter(&counter);
    QCoreApplication::processEvents();

    counter.paints = 0;
    int before = w.recalculationCount();
    windowForm(w).horizontalSlider->setValue(41);
    QCOMPARE(counter.paints, 1);
    QCOMPARE(w.recalculationCount(), before + 1);
    QCOMPARE(windowForm(w).c1_fdist->value(), 5.1);
    // The controls that changed paint themselves later; the plot is not painted again.
    QCoreApplication::processEvents();
    QCOMPARE(counter.paints, 1);

    w.switchpromode();
    windowForm(w).boxC2->setChecked(true);
    // Shown and hidden controls move the plot over several rounds of posted events.
    for (int round = 0; round < 5; ++round)
        QCoreApplication::processEvents();
    const auto oneAction = [&](const char* what, auto action) {
        counter.paints = 0;
        const int start = w.recalculationCount();
        action();
        QVERIFY2(counter.paints == 1, what);
        QVERIFY2(w.recalculationCount() == start + 1, what);
        QCoreApplication::processEvents();
        QVERIFY2(counter.paints == 1, what);
    };
    oneAction("focus",
              [&] { windowForm(w).c1_fdist->setValue(windowForm(w).c1_fdist->value() + 0.5); });
    oneAction("copy", [&] { QTest::mouseClick(windowForm(w).cpR, Qt::LeftButton); });
    windowForm(w).c2_fdist->setValue(8);
    oneAction("swap", [&] { QTest::mouseClick(windowForm(w).swpLR, Qt::LeftButton); });
    oneAction("focus plane", [&] { QTest::mouseClick(windowForm(w).distanceFP, Qt::LeftButton); });
    oneAction("camera distance",
              [&] { QTest::mouseClick(windowForm(w).distanceCam, Qt::LeftButton); });
    oneAction("mode switch", [&] { windowForm(w).actionMode->trigger(); });
}

void TestMainWin::scaleFitMovesFocus()
{
    mainWin& w = *window;
    w.switchpromode();
    windowForm(w).c1_cocSet->setCurrentIndex(0);
    windowForm(w).c1_cropC->setCurrentIndex(3);
    windowForm(w).c1_fdist->setValue(5);
    windowForm(w).dsb_repScale->setValue(50);
    QVERIFY(windowForm(w).rb_repScaleDist->isChecked());
    w.setScale();
    QVERIFY2(std::fabs(windowForm(w).c1_fdist->value() - 2.55) < 0.006,
             qPrintable(QString::number(windowForm(w).c1_fdist->value())));
}

void TestMainWin::dialogsBehave()
{
    mainWin& w = *window;
    QVERIFY(!w.eqWin()->isVisible());
    auto* table = w.eqWin()->findChild<QTableWidget*>("tableWidget");
    QCOMPARE(table->columnCount(), 9);
    QCOMPARE(table->rowCount(), 3);
    auto* lenses = w.eqWin()->findChild<QSpinBox*>("spinBox");
    lenses->setValue(0);
    QCOMPARE(lenses->value(), 1);
    QCOMPARE(table->rowCount(), 1);

    QVERIFY(!w.optiWin()->isVisible());
    QCOMPARE(w.optiWin()->windowTitle(), QString("Auto optimizer"));
    w.optiWin()->table->setItem(0, 0, new QTableWidgetItem("3"));
    w.optiWin()->count->setValue(3);
    w.optiWin()->table->setItem(1, 0, new QTableWidgetItem("4"));
    w.optiWin()->table->setItem(2, 0, new QTableWidgetItem("5"));
    w.optiWin()->count->setValue(1);
    w.optiWin()->count->setValue(3);
    QCOMPARE(w.optiWin()->table->rowCount(), 3);
    QVERIFY(w.optiWin()->table->item(0, 0));
    QVERIFY(!w.optiWin()->table->item(1, 0));
    QVERIFY(!w.optiWin()->table->item(2, 0));
}

void TestMainWin::dialogsMadeOnFirstUse_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("dialog");
    QTest::newRow("optimizer") << "actionShow_auto_optimizer"
                               << "opti";
    QTest::newRow("equivalence calculator") << "actionEquivalency_Calculator"
                                            << "EqWin";
    QTest::newRow("zone planner") << "actionPlanZone"
                                  << "zonePlanner";
    QTest::newRow("stack planner") << "actionPlanStack"
                                   << "stackPlanner";
    QTest::newRow("framing planner") << "actionPlanFraming"
                                     << "framingPlanner";
}

// The first picture does not wait for dialogs: each is made when its command first opens
// it, and the same one opens again.
void TestMainWin::dialogsMadeOnFirstUse()
{
    QFETCH(QString, command);
    QFETCH(QString, dialog);
    mainWin& w = *window;
    const auto made = [&] {
        QList<QWidget*> found;
        for (QWidget* widget : QApplication::allWidgets()) {
            if (widget->objectName() == dialog && qobject_cast<QDialog*>(widget))
                found << widget;
        }
        return found;
    };
    QVERIFY(made().isEmpty());
    QAction* const action = w.findChild<QAction*>(command);
    QVERIFY(action);
    action->trigger();
    const QList<QWidget*> opened = made();
    QCOMPARE(opened.size(), 1);
    QVERIFY(opened[0]->isVisible());
    opened[0]->hide();
    action->trigger();
    QCOMPARE(made(), opened);
    QVERIFY(opened[0]->isVisible());
    opened[0]->hide();
}

void TestMainWin::feetThroughoutTheWindow()
{
    mainWin& w = *window;
    windowForm(w).actionFeet->trigger();
    QVERIFY(windowForm(w).actionFeet->isChecked() && !windowForm(w).actionMetres->isChecked());
    // Simple mode: the same slider positions, their distances shown in feet.
    QCOMPARE(windowForm(w).c1_fdist->value(), 5.0);
    QCOMPARE(windowForm(w).c1_fdist->text(), QString("16.40 ft"));
    windowForm(w).horizontalSlider->setValue(41);
    QCOMPARE(windowForm(w).c1_fdist->value(), 5.1);
    QCOMPARE(windowForm(w).c1_fdist->text(), QString("16.73 ft"));

    w.switchpromode();
    setTextbookCamera1(w);
    QCOMPARE(windowForm(w).c1_set_Hyper->text(), QString("Set to hyperfocal (97.8ft)"));
    QCOMPARE(w.graphWidget->captionTexts(1).settings,
             QString("50mm f/2.8 - Dist.: 16.40ft - CoC: 0.0300mm"));
    QCOMPARE(w.optiWin()->table->horizontalHeaderItem(0)->text(), QString("Distance [ft]"));
    // Arrows step in feet; the scroll bar moves the border in whole feet.
    windowForm(w).c1_fdist->stepBy(1);
    QCOMPARE(windowForm(w).c1_fdist->text(), QString("16.50 ft"));
    QVERIFY(windowForm(w).c1_fdist->value() == 5.0292);
    QCOMPARE(windowForm(w).SB_leftBorder->maximum(), 3280);
    windowForm(w).SB_leftBorder->setValue(10);
    QVERIFY(windowForm(w).DSB_leftBorder->value() == 3.048);
    QCOMPARE(windowForm(w).DSB_leftBorder->text(), QString("10.00 ft"));

    // Metres again: the values stay as they are, shown to the centimetre.
    const int recalculations = w.recalculationCount();
    windowForm(w).actionMetres->trigger();
    QCOMPARE(w.recalculationCount(), recalculations + 1);
    QVERIFY(windowForm(w).c1_fdist->value() == 5.0292 &&
            windowForm(w).DSB_leftBorder->value() == 3.048);
    QCOMPARE(windowForm(w).c1_fdist->text(), QString("5.03 m"));
    QCOMPARE(windowForm(w).SB_leftBorder->maximum(), 1000);
    QCOMPARE(windowForm(w).SB_leftBorder->value(), 3);
    QCOMPARE(windowForm(w).c1_set_Hyper->text(), QString("Set to hyperfocal (29.8m)"));
}

void TestMainWin::typedLengths_data()
{
    QTest::addColumn<LengthUnit>("unit");
    QTest::addColumn<bool>("german");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<double>("metres");
    // How editing ends: by Enter where no focus is lost.
    QTest::addColumn<Qt::FocusReason>("leaving");
    const auto enter = Qt::NoFocusReason;
    const auto feet = LengthUnit::Feet;
    const auto metres = LengthUnit::Metres;
    QTest::newRow("16.4 ft, exactly") << feet << false << "16.4" << true << 4.99872 << enter;
    QTest::newRow("metres in feet") << feet << false << "5 m" << true << 5.0 << enter;
    QTest::newRow("feet and inch signs") << feet << false << "16' 5\"" << true << 5.0038 << enter;
    QTest::newRow("centimetres") << metres << false << "350 cm" << true << 3.5 << enter;
    QTest::newRow("feet and inches in metres, exactly")
        << metres << false << "16 ft 5 in" << true << 5.0038 << enter;
    QTest::newRow("inches") << metres << false << "197 in" << true << 5.0038 << enter;
    QTest::newRow("a point after the feet, key by key")
        << feet << false << "16' .5\"" << true << 4.8895 << enter;
    QTest::newRow("English decimal comma") << metres << false << "4,5 m" << true << 4.5 << enter;
    QTest::newRow("German decimal comma") << metres << true << "4,5 m" << true << 4.5 << enter;
    QTest::newRow("not a length") << metres << false << "abc" << false << 2.0 << enter;
    QTest::newRow("in front of the camera") << feet << false << "-5 ft" << false << 2.0 << enter;
    // The leading number, taken while it was typed, goes when editing ends.
    QTest::newRow("an exponent, by Tab")
        << metres << false << "1e9" << false << 2.0 << Qt::TabFocusReason;
    QTest::newRow("metres then a number, by a click elsewhere")
        << metres << false << "4 m 3" << false << 2.0 << Qt::MouseFocusReason;
    QTest::newRow("a letter after the feet, by leaving the window")
        << feet << false << "7x" << false << 2.0 << Qt::ActiveWindowFocusReason;
    QTest::newRow("metres then a number in feet")
        << feet << false << "5 m 3" << false << 2.0 << enter;
}

void TestMainWin::typedLengths()
{
    QFETCH(LengthUnit, unit);
    QFETCH(bool, german);
    QFETCH(QString, typed);
    QFETCH(bool, accepted);
    QFETCH(double, metres);
    QFETCH(Qt::FocusReason, leaving);
    const auto enter = Qt::NoFocusReason;
    mainWin& w = *window;
    w.switchpromode();
    windowForm(w).c1_fdist->setValue(2);
    w.setLengthUnit(unit);
    const QString shown = windowForm(w).c1_fdist->text();
    const int recalculations = w.recalculationCount();
    if (german)
        setProgramLocale(QLocale(QLocale::German, QLocale::Germany));
    // As the user types: all of the box selected, the text, Enter.
    windowForm(w).c1_fdist->selectAll();
    QTest::keyClicks(windowForm(w).c1_fdist, typed);
    if (!accepted && !typed.front().isDigit())
        QCOMPARE(w.recalculationCount(), recalculations);
    // Editing ends by Enter, Tab, a click elsewhere or the window losing focus.
    if (leaving == enter) {
        QTest::keyClick(windowForm(w).c1_fdist, Qt::Key_Return);
    } else {
        QFocusEvent out(QEvent::FocusOut, leaving);
        QApplication::sendEvent(windowForm(w).c1_fdist, &out);
    }
    setProgramLocale(QLocale::c());
    // Exactly: a length typed in feet is held as that length.
    QVERIFY2(windowForm(w).c1_fdist->value() == metres,
             qPrintable(QString::number(windowForm(w).c1_fdist->value(), 'g', 17)));
    QCOMPARE(w.cam1.getFdist(), metres * 1000);
    if (!accepted)
        QCOMPARE(windowForm(w).c1_fdist->text(), shown);
    // The box holds a value it took, unmarked; its tooltip says what was not taken.
    QVERIFY(!windowForm(w).c1_fdist->property("refused").toBool());
    QCOMPARE(windowForm(w).c1_fdist->toolTip().contains("was not taken"), !accepted);
}

void TestMainWin::typedNumbersLeaveTheBoxAsItWas_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    // Each takes the 6 while it is typed; deleted again, nothing is left that it takes.
    QTest::newRow("f-number") << "c1_apature"
                              << "6";
    QTest::newRow("focal length") << "c1_flength"
                                  << "6";
    QTest::newRow("CoC") << "c1_coc"
                         << "0.06";
}

void TestMainWin::typedNumbersLeaveTheBoxAsItWas()
{
    QFETCH(QString, box);
    QFETCH(QString, typed);
    mainWin& w = *window;
    w.switchpromode();
    windowForm(w).c1_cocSet->setCurrentIndex(3);
    auto* numbers = w.findChild<QDoubleSpinBox*>(box);
    QVERIFY(numbers);
    const double before = numbers->value();
    numbers->selectAll();
    QTest::keyClicks(numbers, typed);
    QVERIFY(numbers->value() != before);
    for (int i = 0; i < typed.size(); ++i)
        QTest::keyClick(numbers, Qt::Key_Backspace);
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(numbers, &out);
    QCOMPARE(numbers->value(), before);
}

void TestMainWin::startsInTheUnitLastChosen()
{
    const StoredSettingsScope settings;
    windowForm(*window).actionFeet->trigger();
    mainWin next;
    next.setLengthUnit(UnitChoice::atStart());
    QCOMPARE(next.lengthUnit(), LengthUnit::Feet);
    QVERIFY(windowForm(next).actionFeet->isChecked());
    QCOMPARE(windowForm(next).c1_fdist->suffix(), QString(" ft"));
    windowForm(next).actionMetres->trigger();
    QCOMPARE(UnitChoice::atStart(), LengthUnit::Metres);
}

void TestMainWin::windowKeepsItsShape_data()
{
    QTest::addColumn<bool>("expert");
    QTest::newRow("simple mode") << false;
    QTest::newRow("expert mode, both cameras") << true;
}

// Made as small as it goes, the window keeps a usable plot and squeezes no control below its
// own minimum.
void TestMainWin::windowKeepsItsShape()
{
    QFETCH(bool, expert);
    mainWin& w = *window;
    showIn(w, expert);
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.resize(1, 1);
    QTRY_COMPARE(w.size(), w.minimumSize());
    QCOMPARE(w.graphWidget->height(), 200);
    for (QWidget* control : w.centralWidget()->findChildren<QWidget*>()) {
        // The toolkit's own parts of a control are laid out by the control.
        if (!control->isVisible() || control->objectName().isEmpty() ||
            control->objectName().startsWith("qt_"))
            continue;
        const QSize least = control->minimumSizeHint().expandedTo(control->minimumSize());
        QVERIFY2(control->width() >= least.width() && control->height() >= least.height(),
                 qPrintable(control->objectName()));
    }
}

void TestMainWin::everyControlReachableOnASmallScreen_data()
{
    windowKeepsItsShape_data();
}

// At 1920 x 1080 with a scale factor of 2, 960 x 540 pixels less a window frame: the plot
// keeps its least height, and every control lies in the window or scrolls into it.
void TestMainWin::everyControlReachableOnASmallScreen()
{
    QFETCH(bool, expert);
    mainWin& w = *window;
    showIn(w, expert);
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QSize small = WindowShape::fittedSize(w.size(), QSize(960, 540), QSize());
    w.resize(small);
    QTRY_COMPARE(w.size(), small);
    QVERIFY(w.graphWidget->height() >= WindowShape::minimumPlotHeight);
    auto* scroller = w.findChild<QScrollArea*>("controlsArea");
    QVERIFY(scroller);
    const QRect shown = w.rect();
    for (QWidget* control : w.findChildren<QWidget*>()) {
        if (!control->isVisible() || control->objectName().isEmpty() ||
            control->objectName().startsWith("qt_") || control->window() != &w ||
            control == scroller->widget())
            continue;
        if (!scroller->widget()->isAncestorOf(control)) {
            const QRect inWindow(control->mapTo(&w, QPoint()), control->size());
            QVERIFY2(shown.contains(inWindow), qPrintable(control->objectName()));
            continue;
        }
        // Scrolled to, it shows whole, or fills the view where it is larger.
        scroller->ensureWidgetVisible(control, 0, 0);
        const QRect view = scroller->viewport()->rect();
        const QRect inView(control->mapTo(scroller->viewport(), QPoint()), control->size());
        const QSize seen = (view & inView).size();
        QVERIFY2(seen == inView.size().boundedTo(view.size()), qPrintable(control->objectName()));
    }
}

// Another CoC mode, a longer hyperfocal distance or none at all: nothing moves.
void TestMainWin::cameraBoxesHoldStill()
{
    mainWin& w = *window;
    showIn(w, true);
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const auto places = [&w]() {
        QCoreApplication::sendPostedEvents();
        QList<int> columns;
        for (QWidget* control : {static_cast<QWidget*>(windowForm(w).boxC1),
                                 static_cast<QWidget*>(windowForm(w).boxC2),
                                 static_cast<QWidget*>(windowForm(w).c1_calcDef),
                                 static_cast<QWidget*>(windowForm(w).c2_calcDef)})
            columns << control->mapTo(&w, QPoint()).x() << control->width();
        // Rows stay in their place in the box, level with the other camera's.
        columns << windowForm(w).c1_fdist->mapTo(windowForm(w).boxC1, QPoint()).y()
                << windowForm(w).c1_fdist->mapTo(&w, QPoint()).y() -
                       windowForm(w).c2_fdist->mapTo(&w, QPoint()).y();
        return columns;
    };
    const QList<int> start = places();
    for (int mode = 0; mode < 4; ++mode) {
        windowForm(w).c1_cocSet->setCurrentIndex(mode);
        windowForm(w).c2_cocSet->setCurrentIndex(3 - mode);
        QCOMPARE(places(), start);
    }
    windowForm(w).c1_apature->setValue(64); // with diffraction, no hyperfocal distance
    windowForm(w).c2_flength->setValue(1000);
    QVERIFY(windowForm(w).c1_set_Hyper->text().contains("none"));
    QCOMPARE(places(), start);
}

void TestMainWin::firstWindowFitsTheScreen_data()
{
    QTest::addColumn<QSize>("available");
    QTest::addColumn<bool>("fits");
    QTest::addColumn<QSize>("fitted");
    QTest::newRow("1920 x 1080 with a panel") << QSize(1920, 1040) << true << QSize(1292, 725);
    QTest::newRow("1440 x 900") << QSize(1440, 900) << true << QSize(1292, 725);
    QTest::newRow("1366 x 768 laptop with a panel")
        << QSize(1366, 728) << false << QSize(1292, 680);
    QTest::newRow("1920 x 1080 at scale factor 1.5")
        << QSize(1280, 690) << false << QSize(1264, 642);
}

// The offscreen screen is smaller than the window, which zidov-render and the tests keep at
// its own size; the program's first window is fitted to it, also where nothing maximises it.
void TestMainWin::firstWindowFitsTheScreen()
{
    QFETCH(QSize, available);
    QTEST(WindowShape::fits(window->size(), available), "fits");
    QTEST(WindowShape::fittedSize(window->size(), available, QSize()), "fitted");
    QCOMPARE(window->size(), QSize(1292, 725));
    const QRect screen = window->screen()->availableGeometry();
    WindowShape::showFirstWindow(*window);
    QVERIFY(window->isMaximized());
    QVERIFY(window->normalGeometry().width() <= screen.width() ||
            window->normalGeometry().width() == window->minimumSizeHint().width());
}

// The boxes the sliders drive look like read-outs in simple mode and like fields in expert
// mode.
void TestMainWin::simpleModeBoxesAreReadOuts()
{
    mainWin& w = *window;
    const auto* edit = windowForm(w).c1_fdist->findChild<QLineEdit*>();
    QVERIFY(edit);
    QVERIFY(!windowForm(w).c1_fdist->hasFrame());
    QVERIFY(windowForm(w).c1_fdist->isReadOnly());
    QCOMPARE(edit->cursor().shape(), Qt::ArrowCursor);
    QCOMPARE(windowForm(w).c1_fdist->palette().color(QPalette::Base).alpha(), 0);
    w.switchpromode();
    QVERIFY(windowForm(w).c1_fdist->hasFrame());
    QCOMPARE(edit->cursor().shape(), Qt::IBeamCursor);
    QCOMPARE(windowForm(w).c1_fdist->palette().color(QPalette::Base),
             w.palette().color(QPalette::Base));
}

void TestMainWin::tabFollowsTheLayout_data()
{
    QTest::addColumn<bool>("expert");
    QTest::addColumn<QStringList>("chain");
    QTest::newRow("simple mode") << false << QStringList{"DSB_leftBorder", "dofMode",
                                                         "qxscale",        "qyscale",
                                                         "boxC1",          "horizontalSlider",
                                                         "c1_fdist",       "horizontalSlider_2",
                                                         "c1_apature",     "horizontalSlider_3",
                                                         "c1_flength",     "c1_lensQ",
                                                         "c1_bodyButton",  "c1_lensButton",
                                                         "c1_crop",        "c1_quality",
                                                         "expertmode",     "plot"};
    QTest::newRow("expert mode, both cameras")
        << true << QStringList{"DSB_leftBorder", "distanceCam",   "dofMode",
                               "useLog",         "qxscale",       "qyscale",
                               "boxC1",          "c1_fdist",      "c1_set_Hyper",
                               "c1_apature",     "c1_calcDef",    "c1_flength",
                               "c1_lockMag",     "c1_lensQ",      "c1_bodyButton",
                               "c1_lensButton",  "c1_cocSet",     "c1_crop",
                               "c1_quality",     "cpR",           "cpL",
                               "swpLR",          "boxC2",         "c2_fdist",
                               "c2_set_Hyper",   "c2_apature",    "c2_calcDef",
                               "c2_flength",     "c2_lockMag",    "c2_lensQ",
                               "c2_bodyButton",  "c2_lensButton", "c2_cocSet",
                               "c2_crop",        "c2_quality",    "plot"};
}

// Tab runs top to bottom and left to right, skipping what is hidden or disabled; the plot, at
// the top, begins the cycle.
void TestMainWin::tabFollowsTheLayout()
{
    QFETCH(bool, expert);
    QFETCH(QStringList, chain);
    mainWin& w = *window;
    showIn(w, expert);
    QApplication::setActiveWindow(&w);
    QVERIFY(QTest::qWaitForWindowActive(&w));
    windowForm(w).DSB_leftBorder->setFocus();
    QStringList visited{QApplication::focusWidget()->objectName()};
    for (int step = 0; step < chain.size(); ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, chain + QStringList{"DSB_leftBorder"});
}

ZIDOV_GUITEST_MAIN(TestMainWin)
#include "tst_mainwin.moc"
