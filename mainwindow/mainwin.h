// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include "camerasetup.h"
#include "lengthunit.h"
#include "magnificationlock.h"
#include "plotinput.h"
#include "projectcameras.h"
#include "projectextension.h"
#include "sensorformattable.h"
#include "ui_mainWin.h"
#include "windowsurface.h"

#include <QMainWindow>
#include <QString>

#include <optional>

class CompareCommands;
class PlanCommands;
class EqWin;
class GearCommands;
class QLabel;
class ProjectDocument;
class RecentProjects;
class Settings;
class ShareCommands;
class SetupCommands;
class graph;
class opti;

// The main window and the hub of the program. A control's change signal reaches run(),
// which reads the controls into a ProjectRecord, derives each camera's CoC, crop value and
// CameraSetup record from it (ProjectCameras::derive), writes the CoCs back into their
// boxes and hands the plot everything it draws as one PlotInput (graph::setInput). The
// plot's own commands (click to focus, wheel zoom) come back as its signals and are
// carried out in plotcommands. Commands (mode switch, copy, swap, hyperfocal, project
// files, optimizer) only write controls and let run() follow.
//
// Writes into connected controls are not shielded, so run() is asked for again while it
// works; those requests are folded into the running pass (see recalculation.cpp), and a
// multi-step command holds a RecalcBatch so that it ends in one recalculation and one repaint.
class mainWin : public QMainWindow, public WindowSurface, private Ui_mainWin
{
    Q_OBJECT
    // The form stays out of the public interface; see windowform.h.
    friend Ui_mainWin& windowForm(mainWin& window);
    friend const Ui_mainWin& windowForm(const mainWin& window);

public:
    mainWin();
    ~mainWin() override;
    // The version the plot shows; the command-line renderer reports it too.
    static QString programVersion() { return ::programVersion(); }
    // The text of a "Set to hyperfocal" button for a hyperfocal distance in mm.
    static QString hyperfocalText(double hyperfocal, LengthUnit unit);
    // The focus in metres that a "Set to hyperfocal" button sets: the hyperfocal focus
    // rounded up to what the focus box shows; none where there is no hyperfocal distance.
    static std::optional<double> hyperfocalFocusShown(const CameraSetup& camera,
                                                      const LengthSpinBox* focus);

    // Read by the plot and the optimizer, refilled by every recalculation.
    SensorFormatTable sensorTable;
    CameraSetup cam1;
    CameraSetup cam2;
    double c1Crop = 0;
    double c2Crop = 0;
    QString version;
    QString fileName;
    graph* graphWidget = nullptr;
    int expertMode = 0;
    // The optimizer and the equivalence calculator, made when first asked for: the first
    // picture does not wait for windows that most runs never open.
    opti* optiWin();
    EqWin* eqWin();
    // The settings dialog, made when first opened; the factor it sets is kept here.
    Settings* settingsDialog();
    double diffractionFactor() const { return diffraction; }
    // The Compare menu, and its read-out of Camera 2 against Camera 1 in the status bar.
    CompareCommands* compareCommands = nullptr;
    QLabel* comparisonReadout = nullptr;
    // The Plan menu, its dialogs and the focus stack on show.
    PlanCommands* planCommands = nullptr;
    // Edit > Copy chart and Copy numbers, and the settings table of exports.
    ShareCommands* shareCommands = nullptr;
    // Each camera's body and lens by name.
    GearCommands* gearCommands = nullptr;
    // Compare > Pin Camera 1 and 2 and the Setups panel.
    SetupCommands* setupCommands = nullptr;
    // Additions of the open project that this build does not read, written back on saving.
    QList<ProjectExtension::Record> keptAdditions;

    // What the plot draws: the records of the last recalculation and the display controls.
    PlotInput plotInput();

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
    // Sets the left border as a loaded project asks for: within that range, or from the
    // focus plane further out where the project was saved so.
    void restoreLeftBorder(double metres);

    void applySliders();
    void setSliderDefaults();
    void setC1CropByCoc();
    void setC2CropByCoc();
    // Writes the plot to fileName (".png" added when it has no suffix) and tells the user
    // when that fails. False when nothing was written; an empty name does nothing.
    bool exportImageTo(const QString& fileName);

    // The unit distances are shown and typed in; it changes no value (see LengthSpinBox).
    // A new window shows metres; the program's main() and zidov-render set what they need.
    LengthUnit lengthUnit() const override { return unit; }
    void setLengthUnit(LengthUnit lengthUnit);

    // What the dialogs see of the window (dialogsurface.cpp).
    const CameraSetup& cameraRecord(int camera) const override;
    bool switchedOn(int camera) const override;
    CocPresets::SensorSides sensorSides(int camera) const override;
    ShotPlans::FocusBox focusLimits(int camera) const override;
    ShotPlans::ApertureRange apertureLimits(int camera) const override;
    void setFocus(int camera, double millimetres, FocusHeld held) override;
    void setAperture(int camera, double fNumber) override;
    CameraRecord cameraInputs(int camera) const override;
    void putCamera(int camera, const CameraRecord& record) override;
    void recalculate() override { run(); }

    // Projects as desktop documents (documentcommands.cpp): the open file's title and unsaved
    // changes, the recent list, New, drops, shortcuts. Each command that sets the open
    // project aside asks first whether to save its changes, and does nothing on Cancel.
    ProjectDocument* projectDocument = nullptr;
    RecentProjects* recentProjects = nullptr;
    bool openProject(const QString& name);
    void openRecentProject(const QString& name);
    void newProject();

protected:
    void closeEvent(QCloseEvent* event) override;
    void holdRecalculation() override;
    void releaseRecalculation() override;

private:
    void setUpDocumentCommands();
    void connectControls();
    void recalculateOnce();
    void switchModeControls();
    // Shows the group box of each camera's CoC mode and its custom sensor's row; only a
    // manual CoC is typed in.
    void showCocModes();
    void applyCocOf(int camera, int mode);
    void showSensorRow(int camera, int mode);
    void updateHyperfocalButtons();
    void copyCamera(int from, int to);
    void connectUnitMenu();
    // The menu's choice, which the next start remembers.
    void chooseLengthUnit(LengthUnit lengthUnit);
    // The left-border scroll bar moves in whole units: its position for a border in metres.
    int leftBorderSteps(double metres) const;
    void followMagnificationLocks();
    // A camera that forms no sharp image has no framing to keep: switching its lock on is
    // refused with a word in the status bar.
    void refuseLockWithoutImage(int camera);
    void updateComparison();

    Settings* settingsWin = nullptr;
    double diffraction = ProjectCameras::startupDiffractionFactor;
    opti* optimizerDialog = nullptr;
    EqWin* equivalenceDialog = nullptr;
    int batchDepth = 0;
    // The recalculation that ends a command: it sets the focus it wants, locked or not.
    bool batchEnding = false;
    // Set for the first pass of a recalculation that follows the user's own change.
    bool followLocks = false;
    MagnificationLock locks[2];
    bool recalculating = false;
    // A command changed what the plot shows without any input: hand it over at the batch's end.
    bool plotBehind = false;
    bool recalculationPending = false;
    int recalculations = 0;
    LengthUnit unit = LengthUnit::Metres;
    // The left-border scroll bar reaches this many metres, in whole units.
    static constexpr double leftBorderScrollReach = 1000;
};
