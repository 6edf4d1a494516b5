// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include "camerasetup.h"
#include "sensorformattable.h"
#include "ui_mainWin.h"

#include <QMainWindow>
#include <QString>

class EqWin;
class Settings;
class graph;
class opti;

// The main window and the hub of the program. A control's change signal reaches run(),
// which derives each camera's CoC and crop value, refills the two CameraSetup records
// from the controls and repaints; the plot's graphDraw then reads those records and the
// display controls to draw curves, bands and captions. Commands (mode switch, copy,
// swap, hyperfocal, project files, optimizer) only write controls and let run() follow.
//
// Writes into connected controls are not shielded, so run() is asked for again while it
// works; those requests are folded into the running pass (see recalculation.cpp), and a
// multi-step command holds a RecalcBatch so that it ends in one recalculation and one repaint.
class mainWin : public QMainWindow, public Ui_mainWin
{
    Q_OBJECT

public:
    mainWin();
    ~mainWin() override;
    // The version the plot shows; the command-line renderer reports it too.
    static QString programVersion() { return QStringLiteral("0.14ruri"); }
    // The text of a "Set to hyperfocal" button for a hyperfocal distance in mm.
    static QString hyperfocalText(double hyperfocal);

    // Read by the plot and the optimizer, refilled by every recalculation.
    Settings* settingsWin = nullptr;
    SensorFormatTable sensorTable;
    CameraSetup cam1;
    CameraSetup cam2;
    double c1Crop = 0;
    double c2Crop = 0;
    QString version;
    QString fileName;
    graph* graphWidget = nullptr;
    opti* optiWin = nullptr;
    int expertMode = 0;
    EqWin* eqWin = nullptr;

    // Number of completed recalculations; lets tests and the benchmark see folding work.
    int recalculationCount() const { return recalculations; }

    // Holds back recalculation while a command writes several controls; the last one
    // to end runs one recalculation if any write asked for it.
    class RecalcBatch
    {
    public:
        explicit RecalcBatch(mainWin* window);
        ~RecalcBatch();
        RecalcBatch(const RecalcBatch&) = delete;
        RecalcBatch& operator=(const RecalcBatch&) = delete;

    private:
        mainWin* window;
    };

public slots:
    void run();
    void switchpromode();
    void setDist();
    void setC1CocCF();
    void setC2CocCF();
    void setC1CocPS();
    void setC2CocPS();
    void setC1CocVD();
    void setC2CocVD();
    void copyL();
    void copyR();
    void swapLR();
    double getDiag(int index);
    double getMPixel(int index);
    void load();
    void save();
    void saveAs();
    void quit();
    void about();
    void tutorial();
    void help();
    void setC1Hyper();
    void setC2Hyper();
    void exportImage();
    void showOpti();
    void checkDistanceCam();
    void setScale();
    void on_actionSettings_triggered();

private slots:
    void on_groupBox_toggled(bool);
    void on_dsb_repScale_valueChanged();
    void on_rb_repScaleFlength_toggled(bool);
    void on_rb_repScaleDist_toggled(bool);
    void on_dofMode_clicked();
    void on_actionEquivalency_Calculator_triggered();

public:
    // The file commands without their dialogs; an empty name (a cancelled dialog) does
    // nothing. Both report failures in a message box and return whether they succeeded.
    bool saveTo(const QString& name);
    bool loadFrom(const QString& name);

    // The smallest left border the distance reference allows: 0 from the camera, minus the
    // larger focus distance from the focus plane.
    double leftBorderMinimum() const;
    // Sets the left border within that range, as a loaded project asks for.
    void restoreLeftBorder(double metres);

    void applySliders();
    void setSliderDefaults();
    void setC1CropByCoc();
    void setC2CropByCoc();
    // Writes the plot to fileName (".png" added when it has no suffix) and tells the user
    // when that fails. False when nothing was written; an empty name does nothing.
    bool exportImageTo(const QString& fileName);

private:
    void connectControls();
    void recalculateOnce();
    void applyCocMode(int camera);
    void updateHyperfocalButtons();
    void copyCamera(int from, int to);

    int batchDepth = 0;
    bool recalculating = false;
    bool recalculationPending = false;
    int recalculations = 0;
};
