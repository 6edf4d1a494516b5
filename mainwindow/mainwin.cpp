// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "mainwin.h"
#include "afterfirstpaint.h"
#include "cameracontrols.h"
#include "comparecommands.h"
#include "eqwin.h"
#include "gearcommands.h"
#include "graph.h"
#include "lengthspinbox.h"
#include "opti.h"
#include "plancommands.h"
#include "plotcommands.h"
#include "projectcameras.h"
#include "projectcontrols.h"
#include "sensorformatcarry.h"
#include "settings.h"
#include "setupcommands.h"
#include "sharecommands.h"
#include "typingstart.h"
#include "windowshape.h"

#include <QGridLayout>
#include <QIcon>
#include <QLabel>

#include <sstream>

mainWin::mainWin()
{
    setupUi(this);
    version = programVersion();
    groupBox->hide();
    compareCommands = new CompareCommands(this);
    planCommands = new PlanCommands(this);
    comparisonReadout = new QLabel(statusbar);
    comparisonReadout->setObjectName(QStringLiteral("comparisonReadout"));
    // Permanent, so that a passing message does not hide it.
    statusbar->addPermanentWidget(comparisonReadout);
    shareCommands = new ShareCommands(this);

    setWindowTitle(QStringLiteral("Zidov"));

    QComboBox* const formatBoxes[] = {c1_cropC, c1_crop, c2_cropC, c2_crop};
    for (QComboBox* box : formatBoxes)
        box->clear();
    for (int i = 0; i < sensorTable.formatCount(); ++i) {
        for (QComboBox* box : formatBoxes)
            box->addItem(sensorTable.name(i));
    }
    for (QComboBox* box : {c1_cropC, c1_crop, c2_cropC, c2_crop, c1_quality, c2_quality})
        box->addItem(tr("Custom…"));
    // All four start at "Full-Frame Crop 1", whichever CoC mode a camera is switched to.
    for (QComboBox* box : formatBoxes)
        box->setCurrentIndex(3);
    for (int camera : {1, 2})
        SensorFormatCarry::attach(cameraControls(*this, camera));
    for (QDoubleSpinBox* box : findChildren<QDoubleSpinBox*>()) {
        if (!qobject_cast<LengthSpinBox*>(box))
            TypingStart::attach(box);
    }

    for (QWidget* hidden :
         {static_cast<QWidget*>(gbC1_1), static_cast<QWidget*>(gbC1_2),
          static_cast<QWidget*>(gbC1_3), static_cast<QWidget*>(gbC2_1),
          static_cast<QWidget*>(gbC2_2), static_cast<QWidget*>(gbC2_3),
          static_cast<QWidget*>(useLog), static_cast<QWidget*>(c1_sensorRow),
          static_cast<QWidget*>(c2_sensorRow), static_cast<QWidget*>(c1_megapixels),
          static_cast<QWidget*>(c2_megapixels)})
        hidden->hide();

    auto* plotLayout = new QGridLayout;
    plotLayout->setSpacing(0);
    graphWidget = new graph;
    graphWidget->setObjectName(QStringLiteral("plot"));
    plotLayout->addWidget(graphWidget);
    frame->setLayout(plotLayout);
    WindowShape::holdSteady(*this);
    gearCommands = new GearCommands(*this);
    setupCommands = new SetupCommands(*this);
    {
        // The start-up project is the one start-up state: the form's values only lay it out,
        // and New and zidov-render start from the same record.
        std::ostringstream noTrace;
        applyProjectToControls(*this, ProjectCameras::startupProject(), noTrace);
    }

    expertMode = 1;
    switchpromode();
    fileName = QString(QLatin1String(""));

    connectControls();
    connectUnitMenu();
    run();
    setUpDocumentCommands();
    // Decoding the icon's five sizes and making the hidden Setups panel would hold up the
    // first picture, which shows neither.
    AfterFirstPaint::schedule(*graphWidget, [this] {
        setWindowIcon(QIcon(QStringLiteral(":/new/prefix1/vlogo_small.ico")));
        setupCommands->panelMade();
    });
}

mainWin::~mainWin()
{
    // The dialogs are top-level windows without a parent; they go with the main window.
    delete settingsWin;
    delete optimizerDialog;
    delete equivalenceDialog;
}

opti* mainWin::optiWin()
{
    if (!optimizerDialog) {
        optimizerDialog = new opti(*this);
        optimizerDialog->setLengthUnit(unit);
    }
    return optimizerDialog;
}

Settings* mainWin::settingsDialog()
{
    if (!settingsWin) {
        settingsWin = new Settings(diffraction, nullptr);
        connect(settingsWin, &Settings::diffractionFactorChanged, this, [this](double factor) {
            diffraction = factor;
            run();
        });
    }
    return settingsWin;
}

EqWin* mainWin::eqWin()
{
    if (!equivalenceDialog) {
        equivalenceDialog = new EqWin(nullptr);
        equivalenceDialog->hide();
    }
    return equivalenceDialog;
}

void mainWin::connectControls()
{
    connect(actionOpen, &QAction::triggered, this, &mainWin::load);
    connect(actionSave, &QAction::triggered, this, &mainWin::save);
    connect(actionSave_as, &QAction::triggered, this, &mainWin::saveAs);
    connect(actionMode, &QAction::triggered, this, &mainWin::switchpromode);
    connect(actionExport_to_Image, &QAction::triggered, this, &mainWin::exportImage);
    connect(actionQuit, &QAction::triggered, this, &mainWin::quit);
    connect(actionHelp, &QAction::triggered, this, &mainWin::help);
    connect(actionAbout, &QAction::triggered, this, &mainWin::about);
    connect(actionTutorial, &QAction::triggered, this, &mainWin::tutorial);
    connect(actionShow_auto_optimizer, &QAction::triggered, this, &mainWin::showOpti);
    connect(actionFitView, &QAction::triggered, this, [this] { PlotCommands::fitToFocus(*this); });
    connect(useLog, &QCheckBox::released, this, &mainWin::run);

    const auto spinToRun = [this](QDoubleSpinBox* box) {
        connect(box, &QDoubleSpinBox::valueChanged, this, &mainWin::run);
    };
    const auto comboToRun = [this](QComboBox* box) {
        connect(box, &QComboBox::currentIndexChanged, this, &mainWin::run);
    };

    spinToRun(c1_fdist);
    spinToRun(c2_fdist);
    spinToRun(c1_apature);
    spinToRun(c2_apature);
    spinToRun(c1_flength);
    spinToRun(c2_flength);
    spinToRun(c1_coc);
    spinToRun(c2_coc);
    spinToRun(DSB_leftBorder);
    connect(qxscale, &QSlider::valueChanged, this, &mainWin::run);
    connect(qyscale, &QSlider::valueChanged, this, &mainWin::run);
    connect(distanceCam, &QRadioButton::toggled, this, &mainWin::checkDistanceCam);
    connect(distanceFP, &QRadioButton::toggled, this, &mainWin::checkDistanceCam);
    connect(SB_leftBorder, &QScrollBar::valueChanged, this, &mainWin::setDist);
    // What the pointer and the wheel ask for on the plot, written into the controls.
    connect(graphWidget, &graph::focusRequested, this, [this](int camera, double metres) {
        PlotCommands::focusCameraAt(*this, camera, metres);
    });
    connect(graphWidget, &graph::distanceZoomRequested, this,
            [this](int column, int notches, double distance) {
                PlotCommands::zoomDistanceAt(*this, column, notches, distance);
            });
    connect(graphWidget, &graph::blurZoomRequested, this,
            [this](int notches) { PlotCommands::stepBlurScale(*this, notches); });
    connect(c1_set_Hyper, &QPushButton::clicked, this, &mainWin::setC1Hyper);
    connect(c2_set_Hyper, &QPushButton::clicked, this, &mainWin::setC2Hyper);
    connect(boxC1, &QGroupBox::toggled, this, &mainWin::run);
    connect(boxC2, &QGroupBox::toggled, this, &mainWin::run);
    spinToRun(c1_lensQ);
    spinToRun(c2_lensQ);
    connect(expertmode, &QPushButton::clicked, this, &mainWin::switchpromode);
    connect(c1_calcDef, &QCheckBox::toggled, this, &mainWin::run);
    connect(c2_calcDef, &QCheckBox::toggled, this, &mainWin::run);
    comboToRun(c1_cocSet);
    comboToRun(c2_cocSet);
    connect(cpL, &QPushButton::released, this, &mainWin::copyL);
    connect(cpR, &QPushButton::released, this, &mainWin::copyR);
    connect(swpLR, &QPushButton::released, this, &mainWin::swapLR);
    comboToRun(c1_cropC);
    comboToRun(c1_crop);
    comboToRun(c1_quality);
    spinToRun(c1_distD);
    comboToRun(c1_formD);
    spinToRun(c1_widthD);
    comboToRun(c2_cropC);
    comboToRun(c2_crop);
    comboToRun(c2_quality);
    spinToRun(c2_distD);
    comboToRun(c2_formD);
    spinToRun(c2_widthD);
    for (QDoubleSpinBox* box : {c1_sensorWidth, c1_sensorHeight, c1_megapixels, c2_sensorWidth,
                                c2_sensorHeight, c2_megapixels})
        spinToRun(box);
    connect(horizontalSlider, &QSlider::valueChanged, this, &mainWin::run);
    connect(horizontalSlider_2, &QSlider::valueChanged, this, &mainWin::run);
    connect(horizontalSlider_3, &QSlider::valueChanged, this, &mainWin::run);
    connect(c1_lockMag, &QCheckBox::toggled, this, [this] { locks[0].restart(); });
    connect(c2_lockMag, &QCheckBox::toggled, this, [this] { locks[1].restart(); });
    connect(c1_lockMag, &QCheckBox::clicked, this, [this] { refuseLockWithoutImage(1); });
    connect(c2_lockMag, &QCheckBox::clicked, this, [this] { refuseLockWithoutImage(2); });
}

void mainWin::quit()
{
    // Unsaved changes are asked about on closing, which Cancel refuses. The dialogs are
    // windows of their own and go too, so the program ends even while one of them is open.
    if (!close())
        return;
    if (settingsWin)
        settingsWin->close();
    if (optimizerDialog)
        optimizerDialog->close();
    if (equivalenceDialog)
        equivalenceDialog->close();
}

void mainWin::showOpti()
{
    if (expertMode == 0)
        switchpromode();
    optiWin()->setVisible(true);
}

void mainWin::on_actionSettings_triggered()
{
    settingsDialog()->setVisible(true);
}

void mainWin::on_actionEquivalency_Calculator_triggered()
{
    // Opened afresh, it starts from Camera 1's sensor; open, it keeps what was typed.
    EqWin* const calculator = eqWin();
    if (!calculator->isVisible())
        calculator->setSourceCropFactor(c1Crop);
    calculator->setVisible(true);
    // Typing goes into the calculator, not into the window behind it.
    calculator->raise();
    calculator->activateWindow();
}

void mainWin::on_dofMode_clicked()
{
    run();
}

void mainWin::on_groupBox_toggled(bool)
{
    setScale();
}

void mainWin::on_dsb_repScale_valueChanged()
{
    setScale();
}

void mainWin::on_rb_repScaleFlength_toggled(bool)
{
    setScale();
}

void mainWin::on_rb_repScaleDist_toggled(bool)
{
    setScale();
}
