// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
//
// Drives every numeric input of both cameras and of the display row through its limits and
// special values, through the real window's controls, and renders after every step: into
// an image as the export does, and by a real repaint of the shown window. Run in the
// sanitized build, this finds crashes and undefined behaviour (a double->int conversion of
// an infinite row, an index outside a table); a hang meets CTest's time-out. Each step must
// still give a whole image and a repaint, and each row then checks that an ordinary change
// still works.
#include "graph.h"
#include "guitest.h"
#include "mainwin.h"
#include "settings.h"
#include "windowform.h"

#include <QDoubleSpinBox>
#include <QRegularExpression>

#include <functional>
#include <memory>
#include <vector>

namespace {
using Step = std::function<void(mainWin&)>;

struct Case
{
    const char* name;
    // Each step is followed by both renders.
    std::vector<Step> steps;
};

void expert(mainWin& w)
{
    if (w.expertMode == 0)
        w.switchpromode();
}

void bothCameras(mainWin& w)
{
    expert(w);
    windowForm(w).boxC2->setChecked(true);
}

QDoubleSpinBox* diffractionFactorBox(mainWin& w)
{
    return w.settingsDialog()->findChild<QDoubleSpinBox*>(QStringLiteral("dsb_difffact"));
}

// Both cameras in expert mode, with the given camera's control at its values in turn.
template <typename SpinBox>
Case spinSweep(const char* name, SpinBox* Ui_mainWin::*box, std::vector<double> values)
{
    Case c{name, {bothCameras}};
    for (double v : values)
        c.steps.push_back([box, v](mainWin& w) { (windowForm(w).*box)->setValue(v); });
    return c;
}

// Both cameras in expert mode, the CoC mode that uses the combo, then every entry the user
// can pick and no current entry at all.
Case comboSweep(const char* name, QComboBox* Ui_mainWin::*box, int mode,
                QComboBox* Ui_mainWin::*modeBox)
{
    Case c{name, {bothCameras, [mode, modeBox](mainWin& w) {
                      (windowForm(w).*modeBox)->setCurrentIndex(mode);
                  }}};
    for (int i = 0; i <= 15; ++i)
        c.steps.push_back([box, i](mainWin& w) {
            (windowForm(w).*box)->setCurrentIndex(i < (windowForm(w).*box)->count() ? i : -1);
        });
    return c;
}

std::vector<Case> cameraCases(int camera)
{
    const bool one = camera == 1;
    const auto fdist = one ? &Ui_mainWin::c1_fdist : &Ui_mainWin::c2_fdist;
    const auto aperture = one ? &Ui_mainWin::c1_apature : &Ui_mainWin::c2_apature;
    const auto flength = one ? &Ui_mainWin::c1_flength : &Ui_mainWin::c2_flength;
    const auto lensQ = one ? &Ui_mainWin::c1_lensQ : &Ui_mainWin::c2_lensQ;
    const auto coc = one ? &Ui_mainWin::c1_coc : &Ui_mainWin::c2_coc;
    const auto cocSet = one ? &Ui_mainWin::c1_cocSet : &Ui_mainWin::c2_cocSet;
    const auto cropC = one ? &Ui_mainWin::c1_cropC : &Ui_mainWin::c2_cropC;
    const auto crop = one ? &Ui_mainWin::c1_crop : &Ui_mainWin::c2_crop;
    const auto quality = one ? &Ui_mainWin::c1_quality : &Ui_mainWin::c2_quality;
    const auto distD = one ? &Ui_mainWin::c1_distD : &Ui_mainWin::c2_distD;
    const auto widthD = one ? &Ui_mainWin::c1_widthD : &Ui_mainWin::c2_widthD;
    const auto formD = one ? &Ui_mainWin::c1_formD : &Ui_mainWin::c2_formD;
    const auto calcDef = one ? &Ui_mainWin::c1_calcDef : &Ui_mainWin::c2_calcDef;
    const auto manual = [cocSet](mainWin& w) { (windowForm(w).*cocSet)->setCurrentIndex(3); };
    const auto diffraction = [calcDef](bool on) {
        return [calcDef, on](mainWin& w) { (windowForm(w).*calcDef)->setChecked(on); };
    };
    const bool c1 = one;
    const auto named = [c1](const char* first, const char* second) { return c1 ? first : second; };

    std::vector<Case> cases;
    cases.push_back(spinSweep(named("Camera 1 focus: 0, the focal length, 99999 m",
                                    "Camera 2 focus: 0, the focal length, 99999 m"),
                              fdist, {0, 0.05, 0.1, 99999, 0.01}));
    cases.push_back(
        spinSweep(named("Camera 1 aperture f/0.7 and f/64", "Camera 2 aperture f/0.7 and f/64"),
                  aperture, {0.7, 64}));
    cases.push_back(spinSweep(
        named("Camera 1 focal length 1 and 5000 mm", "Camera 2 focal length 1 and 5000 mm"),
        flength, {1, 5000}));
    cases.push_back(
        spinSweep(named("Camera 1 lens quality 0 and 99.99", "Camera 2 lens quality 0 and 99.99"),
                  lensQ, {0, 99.99, 100}));
    {
        Case c = spinSweep(
            named("Camera 1 manual CoC 0.0001 and 10 mm", "Camera 2 manual CoC 0.0001 and 10 mm"),
            coc, {0.0001, 10});
        c.steps.insert(c.steps.begin() + 1, manual);
        cases.push_back(c);
    }
    {
        Case c{named("Camera 1 focused on its focal length, with and without diffraction",
                     "Camera 2 focused on its focal length, with and without diffraction"),
               {bothCameras}};
        c.steps.push_back([flength, fdist](mainWin& w) {
            (windowForm(w).*flength)->setValue(5000);
            (windowForm(w).*fdist)->setValue(5);
        });
        c.steps.push_back(diffraction(false));
        c.steps.push_back(diffraction(true));
        cases.push_back(c);
    }
    {
        Case c{named("Camera 1 every CoC mode", "Camera 2 every CoC mode"), {bothCameras}};
        for (int mode : {0, 1, 2, 3, 2, 1, 0})
            c.steps.push_back(
                [cocSet, mode](mainWin& w) { (windowForm(w).*cocSet)->setCurrentIndex(mode); });
        cases.push_back(c);
    }
    cases.push_back(comboSweep(named("Camera 1 every sensor format by crop factor",
                                     "Camera 2 every sensor format by crop factor"),
                               cropC, 0, cocSet));
    cases.push_back(comboSweep(named("Camera 1 every sensor format by pixel size",
                                     "Camera 2 every sensor format by pixel size"),
                               crop, 1, cocSet));
    cases.push_back(comboSweep(named("Camera 1 every pixel count", "Camera 2 every pixel count"),
                               quality, 1, cocSet));
    cases.push_back(
        comboSweep(named("Camera 1 both print form factors", "Camera 2 both print form factors"),
                   formD, 2, cocSet));
    {
        Case c = spinSweep(named("Camera 1 view distance and image width at their limits",
                                 "Camera 2 view distance and image width at their limits"),
                           distD, {0.1, 99999});
        c.steps.insert(c.steps.begin() + 1,
                       [cocSet](mainWin& w) { (windowForm(w).*cocSet)->setCurrentIndex(2); });
        for (double v : {0.1, 99999.0})
            c.steps.push_back([widthD, v](mainWin& w) { (windowForm(w).*widthD)->setValue(v); });
        c.steps.push_back([distD](mainWin& w) { (windowForm(w).*distD)->setValue(0.1); });
        cases.push_back(c);
    }
    {
        // The lock moves the focus to wherever the framing takes it, as far as the box allows.
        const auto lockMag = one ? &Ui_mainWin::c1_lockMag : &Ui_mainWin::c2_lockMag;
        Case c{
            named("Camera 1 locked: focus, focal length and CoC at their limits",
                  "Camera 2 locked: focus, focal length and CoC at their limits"),
            {bothCameras, [lockMag](mainWin& w) { (windowForm(w).*lockMag)->setChecked(true); }}};
        for (double metres : {99999.0, 0.0}) {
            c.steps.push_back(
                [fdist, metres](mainWin& w) { (windowForm(w).*fdist)->setValue(metres); });
            for (double mm : {1.0, 5000.0, 50.0})
                c.steps.push_back(
                    [flength, mm](mainWin& w) { (windowForm(w).*flength)->setValue(mm); });
        }
        c.steps.push_back(manual);
        for (double mm : {0.0001, 10.0})
            c.steps.push_back([coc, mm](mainWin& w) { (windowForm(w).*coc)->setValue(mm); });
        cases.push_back(c);
    }
    return cases;
}

std::vector<Case> displayCases()
{
    std::vector<Case> cases;
    cases.push_back(spinSweep("left border 0 and 99999 m from the camera",
                              &Ui_mainWin::DSB_leftBorder, {0, 99999, 0}));
    cases.push_back(
        {"left border scroll bar at its ends",
         {bothCameras,
          [](mainWin& w) {
              windowForm(w).SB_leftBorder->setValue(windowForm(w).SB_leftBorder->maximum());
          },
          [](mainWin& w) {
              windowForm(w).SB_leftBorder->setValue(windowForm(w).SB_leftBorder->minimum());
          }}});
    cases.push_back(
        {"focus-plane distances, left border at its limits",
         {bothCameras, [](mainWin& w) { windowForm(w).distanceFP->setChecked(true); },
          [](mainWin& w) {
              windowForm(w).DSB_leftBorder->setValue(windowForm(w).DSB_leftBorder->minimum());
          },
          [](mainWin& w) {
              windowForm(w).DSB_leftBorder->setValue(windowForm(w).DSB_leftBorder->maximum());
          },
          [](mainWin& w) {
              windowForm(w).SB_leftBorder->setValue(windowForm(w).SB_leftBorder->minimum());
          },
          [](mainWin& w) { windowForm(w).distanceCam->setChecked(true); }}});
    cases.push_back({"log scale on and off",
                     {bothCameras,
                      [](mainWin& w) {
                          windowForm(w).useLog->setChecked(true);
                          w.run();
                      },
                      [](mainWin& w) {
                          windowForm(w).useLog->setChecked(false);
                          w.run();
                      }}});
    cases.push_back({"DOF mode on and off",
                     {bothCameras,
                      [](mainWin& w) {
                          windowForm(w).dofMode->setChecked(true);
                          w.run();
                      },
                      [](mainWin& w) {
                          windowForm(w).dofMode->setChecked(false);
                          w.run();
                      }}});
    cases.push_back({"distance and zc scales at their ends",
                     {bothCameras, [](mainWin& w) { windowForm(w).qxscale->setValue(1); },
                      [](mainWin& w) { windowForm(w).qxscale->setValue(49); },
                      [](mainWin& w) { windowForm(w).qyscale->setValue(1); },
                      [](mainWin& w) { windowForm(w).qyscale->setValue(100); },
                      [](mainWin& w) {
                          windowForm(w).useLog->setChecked(true);
                          w.run();
                      },
                      [](mainWin& w) { windowForm(w).qyscale->setValue(1); }}});
    cases.push_back({"simple mode sliders at their ends",
                     {[](mainWin& w) { windowForm(w).horizontalSlider->setValue(0); },
                      [](mainWin& w) { windowForm(w).horizontalSlider->setValue(199); },
                      [](mainWin& w) { windowForm(w).horizontalSlider->setValue(150); },
                      [](mainWin& w) { windowForm(w).horizontalSlider_2->setValue(0); },
                      [](mainWin& w) { windowForm(w).horizontalSlider_2->setValue(36); },
                      [](mainWin& w) { windowForm(w).horizontalSlider_3->setValue(0); },
                      [](mainWin& w) { windowForm(w).horizontalSlider_3->setValue(195); },
                      [](mainWin& w) { windowForm(w).qxscale->setValue(1); },
                      [](mainWin& w) { windowForm(w).qyscale->setValue(100); }}});
    cases.push_back({"diffraction factor at its ends",
                     {bothCameras, [](mainWin& w) { diffractionFactorBox(w)->setValue(0.1); },
                      [](mainWin& w) { diffractionFactorBox(w)->setValue(10); }}});
    cases.push_back({"reproduction scale fit at its ends",
                     {bothCameras,
                      [](mainWin& w) {
                          windowForm(w).dsb_repScale->setValue(1);
                          w.setScale();
                      },
                      [](mainWin& w) {
                          windowForm(w).dsb_repScale->setValue(10000000);
                          w.setScale();
                      },
                      [](mainWin& w) {
                          windowForm(w).rb_repScaleFlength->setChecked(true);
                          windowForm(w).dsb_repScale->setValue(1);
                          w.setScale();
                      },
                      [](mainWin& w) {
                          windowForm(w).dsb_repScale->setValue(10000000);
                          w.setScale();
                      }}});
    return cases;
}

// Combinations where several extremes meet.
std::vector<Case> nastyCases()
{
    const auto everything = [](double focus, double aperture, double flength, double coc) {
        return [=](mainWin& w) {
            windowForm(w).c1_cocSet->setCurrentIndex(3);
            windowForm(w).c2_cocSet->setCurrentIndex(3);
            for (int k : {1, 2}) {
                (k == 1 ? windowForm(w).c1_flength : windowForm(w).c2_flength)->setValue(flength);
                (k == 1 ? windowForm(w).c1_fdist : windowForm(w).c2_fdist)->setValue(focus);
                (k == 1 ? windowForm(w).c1_apature : windowForm(w).c2_apature)->setValue(aperture);
                (k == 1 ? windowForm(w).c1_coc : windowForm(w).c2_coc)->setValue(coc);
                (k == 1 ? windowForm(w).c1_lensQ : windowForm(w).c2_lensQ)->setValue(0);
            }
        };
    };
    const auto displayExtremes = [](mainWin& w) {
        windowForm(w).dofMode->setChecked(true);
        windowForm(w).useLog->setChecked(true);
        windowForm(w).qxscale->setValue(1);
        windowForm(w).qyscale->setValue(100);
        windowForm(w).distanceFP->setChecked(true);
        windowForm(w).DSB_leftBorder->setValue(windowForm(w).DSB_leftBorder->minimum());
    };
    std::vector<Case> cases;
    cases.push_back({"focus 0, 5000 mm, f/64, tiny CoC, worst lens, log scale, focus plane",
                     {bothCameras, everything(0, 64, 5000, 0.0001), displayExtremes}});
    cases.push_back({"focus on the focal length, tiny CoC, log scale, focus plane",
                     {bothCameras, everything(5, 0.7, 5000, 0.0001), displayExtremes,
                      [](mainWin& w) { windowForm(w).c2_calcDef->setChecked(false); }}});
    cases.push_back({"99999 m, f/0.7, 1 mm, CoC 10 mm, left border 99999 m",
                     {bothCameras, everything(99999, 0.7, 1, 10),
                      [](mainWin& w) {
                          windowForm(w).qxscale->setValue(49);
                          windowForm(w).DSB_leftBorder->setValue(99999);
                      },
                      [](mainWin& w) {
                          windowForm(w).useLog->setChecked(true);
                          w.run();
                      }}});
    cases.push_back({"cameras at opposite extremes, copied and swapped",
                     {bothCameras,
                      [](mainWin& w) {
                          windowForm(w).c1_fdist->setValue(0);
                          windowForm(w).c1_flength->setValue(5000);
                          windowForm(w).c2_fdist->setValue(99999);
                          windowForm(w).c2_apature->setValue(0.7);
                      },
                      [](mainWin& w) { w.swapLR(); }, [](mainWin& w) { w.copyR(); },
                      [](mainWin& w) { w.setC1Hyper(); }, [](mainWin& w) { w.setC2Hyper(); }}});
    cases.push_back({"window at its smallest and at 3840 x 2160, at the scales' ends",
                     {bothCameras, [](mainWin& w) { w.resize(1, 1); },
                      [](mainWin& w) { windowForm(w).qxscale->setValue(1); },
                      [](mainWin& w) {
                          windowForm(w).useLog->setChecked(true);
                          windowForm(w).qyscale->setValue(100);
                      },
                      [](mainWin& w) { w.resize(3840, 2160); },
                      [](mainWin& w) { windowForm(w).qxscale->setValue(49); },
                      [](mainWin& w) { w.resize(1292, 725); }}});
    cases.push_back(
        {"simple mode at 9999 m, f/64, 800 mm, widest scale, then expert and back",
         {[](mainWin& w) {
              windowForm(w).horizontalSlider->setValue(199);
              windowForm(w).horizontalSlider_2->setValue(36);
              windowForm(w).horizontalSlider_3->setValue(195);
              windowForm(w).qxscale->setValue(49);
          },
          [](mainWin& w) { w.switchpromode(); }, [](mainWin& w) { w.switchpromode(); }}});
    return cases;
}

const std::vector<Case>& allCases()
{
    static const std::vector<Case> cases = [] {
        std::vector<Case> all;
        for (const std::vector<Case>& part :
             {cameraCases(1), cameraCases(2), displayCases(), nastyCases()})
            all.insert(all.end(), part.begin(), part.end());
        return all;
    }();
    return cases;
}
} // namespace

class TestRobustness : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        window.open();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    void cleanup() { window.close(); }

    void extremes_data()
    {
        QTest::addColumn<int>("index");
        const std::vector<Case>& cases = allCases();
        for (int i = 0; i < int(cases.size()); ++i)
            QTest::newRow(cases[size_t(i)].name) << i;
    }
    void extremes()
    {
        QFETCH(int, index);
        mainWin& w = *window;
        const Case& c = allCases()[size_t(index)];
        for (size_t step = 0; step < c.steps.size(); ++step) {
            const QString where = QStringLiteral("step %1").arg(step);
            c.steps[step](w);
            renderBoth(where);
            if (QTest::currentTestFailed())
                return;
        }
        stillUsable();
    }

private:
    void renderBoth(const QString& where)
    {
        mainWin& w = *window;
        const QImage image = w.graphWidget->renderImage();
        QVERIFY2(!image.isNull(), qPrintable(where + " image"));
        QCOMPARE(image.size(), w.graphWidget->size());

        PaintCounter plotPaints;
        w.graphWidget->installEventFilter(&plotPaints);
        w.repaint();
        QCoreApplication::processEvents();
        w.graphWidget->removeEventFilter(&plotPaints);
        QVERIFY2(plotPaints.paints > 0, qPrintable(where + " window repaint"));

        // Whatever the values, the hyperfocal buttons say a number of metres or "none".
        static const QRegularExpression sensible(
            QStringLiteral("^Set to hyperfocal \\((\\d+\\.\\dm|none)\\)$"));
        for (QPushButton* button : {windowForm(w).c1_set_Hyper, windowForm(w).c2_set_Hyper})
            QVERIFY2(sensible.match(button->text()).hasMatch(),
                     qPrintable(where + ": " + button->text()));
    }

    // After the extremes, an ordinary camera still recalculates and draws as usual.
    void stillUsable()
    {
        mainWin& w = *window;
        expert(w);
        windowForm(w).c1_cocSet->setCurrentIndex(3);
        windowForm(w).c1_calcDef->setChecked(false);
        windowForm(w).c1_lensQ->setValue(100);
        windowForm(w).c1_flength->setValue(50);
        windowForm(w).c1_apature->setValue(2.8);
        windowForm(w).c1_coc->setValue(0.03);
        const int before = w.recalculationCount();
        windowForm(w).c1_fdist->setValue(windowForm(w).c1_fdist->value() == 5 ? 4 : 5);
        windowForm(w).c1_fdist->setValue(5);
        QVERIFY(w.recalculationCount() > before);
        QCOMPARE(w.cam1.getFdist(), 5000.0);
        QCOMPARE(windowForm(w).c1_set_Hyper->text(), QStringLiteral("Set to hyperfocal (29.8m)"));
        renderBoth(QStringLiteral("afterwards"));
    }

    FreshWindow<mainWin> window;
};

ZIDOV_GUITEST_MAIN(TestRobustness)
#include "tst_robustness.moc"
