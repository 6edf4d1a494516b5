// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "guitest.h"
#include "ui_mainWin.h"

#include <QMainWindow>
#include <QMenu>
#include <QSet>

#include <memory>

// The main form straight out of setupUi, before the window class changes anything.
class TestMainForm : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void doubleSpinBoxes_data();
    void doubleSpinBoxes();
    void sliders();
    void checkStates();
    void texts();
    void comboLists();
    void menus();
    void tabOrder();
    void rounding();

private:
    std::unique_ptr<QMainWindow> window;
    Ui_mainWin form;
    template <typename T> T* widget(const QString& name)
    {
        T* found = window->findChild<T*>(name);
        if (!found)
            qFatal("missing widget %s", qPrintable(name));
        return found;
    }
};

void TestMainForm::init()
{
    window = std::make_unique<QMainWindow>();
    form.setupUi(window.get());
}

void TestMainForm::cleanup()
{
    window.reset();
}

void TestMainForm::doubleSpinBoxes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("minimum");
    QTest::addColumn<double>("maximum");
    QTest::addColumn<double>("step");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QString>("suffix");

    QTest::newRow("DSB_leftBorder") << "DSB_leftBorder" << 0.0 << 99999.0 << 0.1 << 2 << 1.0 << ""
                                    << " m";
    for (const char* camera : {"c1", "c2"}) {
        const QString p = QString::fromLatin1(camera) + "_";
        const double aperture = p == "c1_" ? 1.8 : 4.0;
        QTest::newRow(qPrintable(p + "fdist"))
            << p + "fdist" << 0.0 << 99999.0 << 0.1 << 2 << 5.0 << ""
            << " m";
        QTest::newRow(qPrintable(p + "apature"))
            << p + "apature" << 0.7 << 64.0 << 0.1 << 1 << aperture << "f/"
            << "";
        QTest::newRow(qPrintable(p + "flength"))
            << p + "flength" << 1.0 << 5000.0 << 5.0 << 1 << 50.0 << ""
            << " mm";
        QTest::newRow(qPrintable(p + "lensQ"))
            << p + "lensQ" << 0.0 << 100.0 << 0.1 << 2 << 100.0 << ""
            << "";
        QTest::newRow(qPrintable(p + "coc"))
            << p + "coc" << 0.0001 << 10.0 << 0.001 << 4 << 0.0125 << ""
            << " mm";
        QTest::newRow(qPrintable(p + "distD"))
            << p + "distD" << 0.1 << 99999.0 << 0.1 << 2 << 1.2 << ""
            << "";
        QTest::newRow(qPrintable(p + "widthD"))
            << p + "widthD" << 0.1 << 99999.0 << 0.1 << 2 << 1.0 << ""
            << "";
    }
    QTest::newRow("dsb_repScale") << "dsb_repScale" << 1.0 << 10000000.0 << 1.0 << 1 << 50.0 << "1:"
                                  << "";
}

void TestMainForm::doubleSpinBoxes()
{
    QFETCH(QString, name);
    auto* box = widget<QDoubleSpinBox>(name);
    QTEST(box->minimum(), "minimum");
    QTEST(box->maximum(), "maximum");
    QTEST(box->singleStep(), "step");
    QTEST(box->decimals(), "decimals");
    QTEST(box->value(), "value");
    QTEST(box->prefix(), "prefix");
    QTEST(box->suffix(), "suffix");
    const bool accelerated = name.endsWith("fdist") || name == "DSB_leftBorder";
    QCOMPARE(box->isAccelerated(), accelerated);
}

void TestMainForm::sliders()
{
    const struct
    {
        const char* name;
        int minimum, maximum, value;
    } sliders[] = {{"qxscale", 1, 49, 20},
                   {"qyscale", 1, 100, 50},
                   {"horizontalSlider", 0, 199, 0},
                   {"horizontalSlider_2", 0, 36, 0},
                   {"horizontalSlider_3", 0, 195, 0}};
    for (const auto& s : sliders) {
        auto* slider = widget<QSlider>(s.name);
        QCOMPARE(slider->minimum(), s.minimum);
        QCOMPARE(slider->maximum(), s.maximum);
        QCOMPARE(slider->value(), s.value);
        QCOMPARE(slider->orientation(), Qt::Horizontal);
    }
    for (const char* name : {"horizontalSlider", "horizontalSlider_2", "horizontalSlider_3"})
        QCOMPARE(widget<QSlider>(name)->minimumWidth(), 200);
    QCOMPARE(form.SB_leftBorder->minimum(), 0);
    QCOMPARE(form.SB_leftBorder->maximum(), 99);
    QCOMPARE(form.SB_leftBorder->orientation(), Qt::Horizontal);
}

void TestMainForm::checkStates()
{
    QVERIFY(form.distanceCam->isChecked() && !form.distanceFP->isChecked());
    QVERIFY(!form.dofMode->isChecked() && !form.useLog->isChecked());
    QVERIFY(form.boxC1->isCheckable() && form.boxC1->isChecked());
    QVERIFY(form.boxC2->isCheckable() && !form.boxC2->isChecked());
    QCOMPARE(form.boxC1->maximumHeight(), 500);
    QVERIFY(!form.c2_fdist->isEnabled()); // an unchecked group box disables its children
    QVERIFY(form.c1_calcDef->isChecked() && form.c2_calcDef->isChecked());
    // The magnification lock works; Camera 2's waits with the rest of its unchecked box.
    QVERIFY(form.c1_lockMag->isEnabled() && !form.c2_lockMag->isEnabled());
    QVERIFY(!form.c1_lockMag->isChecked());
    QVERIFY(form.groupBox->isCheckable() && !form.groupBox->isChecked());
    QCOMPARE(form.groupBox->minimumHeight(), 50);
    QVERIFY(form.rb_repScaleDist->isChecked() && !form.rb_repScaleFlength->isChecked());
    for (QGroupBox* box :
         {form.gbC1_1, form.gbC1_2, form.gbC1_3, form.gbC2_1, form.gbC2_2, form.gbC2_3})
        QVERIFY(box->isFlat());
    QCOMPARE(form.gbC1_1->maximumHeight(), 100);
    QCOMPARE(form.gbC1_2->maximumHeight(), 100);
    QCOMPARE(form.frame->sizePolicy().verticalPolicy(), QSizePolicy::MinimumExpanding);
    QCOMPARE(form.frame->frameShape(), QFrame::StyledPanel);
    QCOMPARE(form.frame->frameShadow(), QFrame::Raised);
    // Radio buttons are exclusive within their parent.
    form.distanceFP->setChecked(true);
    QVERIFY(!form.distanceCam->isChecked());
    form.rb_repScaleFlength->setChecked(true);
    QVERIFY(!form.rb_repScaleDist->isChecked());
}

void TestMainForm::texts()
{
    QCOMPARE(window->objectName(), QString("mainWin"));
    QCOMPARE(window->size(), QSize(1292, 725));
    QCOMPARE(window->windowTitle(), QString("MainWindow"));
    const QList<QPair<QWidget*, QString>> expected = {
        {form.label_23, "Circel of Confusion"},
        {form.label_7, "Circel of Confusion"},
        {form.rb_repScaleFlength, "F-Lenght"},
        {form.c1_lockMag, "Lock Magnification"},
        {form.c2_lockMag, "Lock magnification"},
        {form.gbC1_1, "Set Coc by crop factor"},
        {form.gbC2_1, "Set CoC by crop factor"},
        {form.gbC2_2, "Set CoC by Pixelsize"},
        {form.gbC1_2, "Set CoC by pixel size"},
        {form.label_3, "Left Border"},
        {form.distanceFP, "Distance from focus plane"},
        {form.cpR, "--->"},
        {form.cpL, "<---"},
        {form.swpLR, "<--->"},
        {form.expertmode, "Expert Mode"},
        {form.c1_set_Hyper, "Set to hyperfocal"},
        {form.label_14, "Crop factor"},
        {form.label_8, "Sensor format"},
        {form.qxscaled, "100"},
        {form.qyscaled, "1000"},
        {form.boxC2, "Camera 2"},
        {form.groupBox, "FFScale"}};
    for (const auto& [w, text] : expected) {
        QString actual = w->property("text").toString();
        if (actual.isEmpty())
            actual = w->property("title").toString();
        QCOMPARE(actual, text);
    }
    QVERIFY(form.label_24->text().contains("Scale"));
}

void TestMainForm::comboLists()
{
    const QStringList modes1 = {"Set by crop factor", "Set by pixel size", "Set by view distace",
                                "Manual"};
    QStringList modes2 = modes1;
    modes2[2] = "Set by view distance";
    const auto items = [](QComboBox* box) {
        QStringList list;
        for (int i = 0; i < box->count(); ++i)
            list << box->itemText(i);
        return list;
    };
    QCOMPARE(items(form.c1_cocSet), modes1);
    QCOMPARE(items(form.c2_cocSet), modes2);
    QCOMPARE(form.c1_cocSet->currentIndex(), 0);
    QCOMPARE(form.c2_cocSet->currentIndex(), 1);
    QCOMPARE(items(form.c1_formD), QStringList({"3:2", "4:3"}));
    QCOMPARE(form.c1_quality->count(), 15);
    QCOMPARE(form.c1_quality->itemText(13), QString("64 Mill. Pixel"));
    QCOMPARE(form.c2_quality->itemText(13), QString("64 Mill Pixel"));
    QCOMPARE(form.c2_quality->itemText(14), QString("100 Mill Pixel"));
    for (QComboBox* box : {form.c1_cropC, form.c1_crop, form.c2_cropC, form.c2_crop}) {
        QCOMPARE(box->count(), 14);
        QCOMPARE(box->currentIndex(), 3);
        QCOMPARE(box->itemText(12), QString("1/3\" (4:3) "));
    }
}

void TestMainForm::menus()
{
    // Texts as shown, without the mnemonics' '&'.
    const auto shown = [](QAction* action) { return action->text().remove('&'); };
    const QList<QAction*> bar = form.menubar->actions();
    QCOMPARE(bar.size(), 5);
    QCOMPARE(shown(bar[0]), QString("File"));
    QCOMPARE(shown(bar[1]), QString("Edit"));
    QCOMPARE(shown(bar[2]), QString("View"));
    QCOMPARE(shown(bar[3]), QString("Advanced"));
    QCOMPARE(shown(bar[4]), QString("Help"));
    const auto texts = [&](QMenu* menu) {
        QStringList list;
        for (QAction* a : menu->actions())
            list << (a->isSeparator() ? QString("|") : shown(a));
        return list;
    };
    QCOMPARE(texts(form.menuFile), QStringList({"New", "Open", "Recent projects", "Save", "Save as",
                                                "Switch Expert Mode", "Export to image", "Quit"}));
    QCOMPARE(form.menuRecent->objectName(), QString("menuRecent"));
    QCOMPARE(texts(form.menuOptimizer),
             QStringList({"Show auto optimizer", "Equivalency Calculator", "Settings"}));
    QCOMPARE(texts(form.menuHelp), QStringList({"Help", "Tutorial", "About"}));
    QCOMPARE(texts(form.menuView), QStringList({"Units", "Fit to focus", "Settings in exports"}));
    QCOMPARE(texts(form.menuEdit), QStringList({"Copy chart", "Copy numbers"}));
    QCOMPARE(texts(form.menuUnits), QStringList({"Metres", "Feet"}));
    QVERIFY(form.actionMetres->isCheckable() && form.actionMetres->isChecked());
    QVERIFY(form.actionFeet->isCheckable() && !form.actionFeet->isChecked());
    // The menus on the bar, and the entries of each menu, open by distinct letters.
    QVERIFY(hasDistinctMnemonics(bar));
    for (QMenu* menu : {form.menuFile, form.menuEdit, form.menuView, form.menuUnits,
                        form.menuOptimizer, form.menuHelp})
        QVERIFY2(hasDistinctMnemonics(menu->actions()), qPrintable(menu->objectName()));
}

void TestMainForm::tabOrder()
{
    // Top to bottom and left to right: the display row, Camera 1, the centre column, Camera 2.
    const QStringList chain = {"DSB_leftBorder",
                               "distanceCam",
                               "distanceFP",
                               "dofMode",
                               "useLog",
                               "qxscale",
                               "qyscale",
                               "SB_leftBorder",
                               "boxC1",
                               "horizontalSlider",
                               "c1_fdist",
                               "c1_set_Hyper",
                               "horizontalSlider_2",
                               "c1_apature",
                               "c1_calcDef",
                               "horizontalSlider_3",
                               "c1_flength",
                               "c1_lockMag",
                               "c1_lensQ",
                               "c1_bodyButton",
                               "c1_lensButton",
                               "c1_coc",
                               "c1_cocSet",
                               "c1_cropC",
                               "c1_crop",
                               "c1_quality",
                               "c1_megapixels",
                               "c1_distD",
                               "c1_formD",
                               "c1_widthD",
                               "c1_sensorWidth",
                               "c1_sensorHeight",
                               "expertmode",
                               "cpR",
                               "cpL",
                               "swpLR",
                               "groupBox",
                               "dsb_repScale",
                               "rb_repScaleFlength",
                               "rb_repScaleDist",
                               "boxC2",
                               "c2_fdist",
                               "c2_set_Hyper",
                               "c2_apature",
                               "c2_calcDef",
                               "c2_flength",
                               "c2_lockMag",
                               "c2_lensQ",
                               "c2_bodyButton",
                               "c2_lensButton",
                               "c2_coc",
                               "c2_cocSet",
                               "c2_cropC",
                               "c2_crop",
                               "c2_quality",
                               "c2_megapixels",
                               "c2_distD",
                               "c2_formD",
                               "c2_widthD",
                               "c2_sensorWidth",
                               "c2_sensorHeight"};
    for (int i = 0; i + 1 < chain.size(); ++i) {
        QWidget* from = widget<QWidget>(chain[i]);
        QWidget* to = widget<QWidget>(chain[i + 1]);
        // Focus proxies and inner line edits sit between, so walk a few steps at most.
        QWidget* next = from->nextInFocusChain();
        int steps = 0;
        while (next != to && steps < 4) {
            next = next->nextInFocusChain();
            ++steps;
        }
        QVERIFY2(next == to, qPrintable(chain[i] + " -> " + chain[i + 1]));
    }
}

void TestMainForm::rounding()
{
    form.c1_apature->setValue(0.65);
    QCOMPARE(form.c1_apature->value(), 0.7);
    form.c1_apature->setValue(70);
    QCOMPARE(form.c1_apature->value(), 64.0);
    form.c1_flength->setValue(52.44);
    QCOMPARE(form.c1_flength->value(), 52.4);
    form.c1_flength->stepUp();
    QCOMPARE(form.c1_flength->value(), 57.4);
    form.c1_coc->setValue(0.00001);
    QCOMPARE(form.c1_coc->value(), 0.0001);
    form.dsb_repScale->stepUp();
    QCOMPARE(form.dsb_repScale->value(), 51.0);
}

ZIDOV_GUITEST_MAIN(TestMainForm)
#include "tst_mainform.moc"
