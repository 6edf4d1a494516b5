// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "filesizelimit.h"
#include "gearcommands.h"
#include "graph.h"
#include "guitest.h"
#include "mainwin.h"
#include "projectbytes.h"
#include "projectcameras.h"
#include "projectcodec.h"
#include "projectcontrols.h"
#include "projectsettingstable.h"
#include "settings.h"
#include "settingstablesource.h"
#include "stackoverlay.h"
#include "unprivileged.h"
#include "windowform.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>

#include <memory>

#if defined(Q_OS_UNIX)
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

// What a message box showed; the answerer clicks its Ok button.
struct Message
{
    bool shown = false;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttonCount = 0;
    bool okIsDefault = false;
};

// Runs a file command with an answerer standing by, so an unexpected message box fails
// the test instead of blocking it.
template <typename Command> Message answered(Command command)
{
    Message message;
    ModalAnswerer answerer([&message](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (!box) {
            modal->close();
            return;
        }
        message.shown = true;
        message.title = box->windowTitle();
        message.text = box->text();
        message.icon = box->icon();
        message.buttonCount = int(box->buttons().size());
        message.okIsDefault = box->defaultButton() == box->button(QMessageBox::Ok);
        box->button(QMessageBox::Ok)->click();
    });
    command();
    return message;
}

// The window's title while the project file name is open.
QString titleOf(const QString& name)
{
    return "Zidov - " + QFileInfo(name).fileName() + "[*]";
}

QByteArray contents(const QString& name)
{
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray("<unreadable>");
    return file.readAll();
}

void writeFile(const QString& name, const QByteArray& bytes)
{
    QFile file(name);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray patched(QByteArray bytes, int offset, const QByteArray& value)
{
    bytes.replace(offset, value.size(), value);
    return bytes;
}

const char* const storedValues[] = {"DSB_leftBorder", "c1_fdist",   "c1_apature", "c1_flength",
                                    "c1_coc",         "c1_lensQ",   "c1_distD",   "c1_widthD",
                                    "c2_fdist",       "c2_apature", "c2_flength", "c2_coc",
                                    "c2_lensQ",       "c2_distD",   "c2_widthD"};
const char* const storedChecks[] = {"distanceCam", "distanceFP", "boxC1",      "c1_calcDef",
                                    "c1_lockMag",  "boxC2",      "c2_calcDef", "c2_lockMag"};
const char* const storedIndices[] = {"c1_cocSet", "c1_cropC", "c1_crop", "c1_quality", "c1_formD",
                                     "c2_cocSet", "c2_cropC", "c2_crop", "c2_quality", "c2_formD"};
const char* const storedSliders[] = {"qxscale", "qyscale"};

// Every control a project file stores, found by object name, as "name=value" lines.
QStringList storedControls(mainWin& w)
{
    // A control that is not found is listed as missing, which no expected state holds.
    const auto shown = [&w](const char* name) -> QString {
        if (auto* box = w.findChild<QDoubleSpinBox*>(name))
            return QString::number(box->value(), 'g', 17);
        if (auto* button = w.findChild<QAbstractButton*>(name))
            return QString::number(button->isChecked());
        if (auto* group = w.findChild<QGroupBox*>(name))
            return QString::number(group->isChecked());
        if (auto* list = w.findChild<QComboBox*>(name))
            return QString::number(list->currentIndex());
        if (auto* slider = w.findChild<QSlider*>(name))
            return QString::number(slider->value());
        return QStringLiteral("missing");
    };
    QStringList state;
    for (const char* name : storedValues)
        state << QString("%1=%2").arg(name, shown(name));
    for (const char* name : storedChecks)
        state << QString("%1=%2").arg(name, shown(name));
    for (const char* name : storedIndices)
        state << QString("%1=%2").arg(name, shown(name));
    for (const char* name : storedSliders)
        state << QString("%1=%2").arg(name, shown(name));
    return state;
}

// The state of the golden file, entered through the controls.
void enterGoldenState(mainWin& w)
{
    if (w.expertMode == 0)
        w.switchpromode();
    windowForm(w).distanceCam->setChecked(true);
    windowForm(w).DSB_leftBorder->setValue(7.5);
    windowForm(w).qxscale->setValue(20);
    windowForm(w).qyscale->setValue(50);
    windowForm(w).c1_cocSet->setCurrentIndex(3);
    windowForm(w).boxC1->setChecked(true);
    windowForm(w).c1_fdist->setValue(5);
    windowForm(w).c1_apature->setValue(2.8);
    windowForm(w).c1_flength->setValue(50);
    windowForm(w).c1_coc->setValue(0.03);
    windowForm(w).c1_lensQ->setValue(100);
    windowForm(w).c1_calcDef->setChecked(false);
    windowForm(w).c1_lockMag->setChecked(false);
    windowForm(w).c1_cropC->setCurrentIndex(3);
    windowForm(w).c1_crop->setCurrentIndex(3);
    windowForm(w).c1_quality->setCurrentIndex(0);
    windowForm(w).c1_distD->setValue(1.2);
    windowForm(w).c1_formD->setCurrentIndex(0);
    windowForm(w).c1_widthD->setValue(1.0);
    windowForm(w).c2_cocSet->setCurrentIndex(3);
    windowForm(w).boxC2->setChecked(true);
    windowForm(w).c2_fdist->setValue(12.5);
    windowForm(w).c2_apature->setValue(4);
    windowForm(w).c2_flength->setValue(100);
    windowForm(w).c2_coc->setValue(0.02);
    windowForm(w).c2_lensQ->setValue(80.5);
    windowForm(w).c2_calcDef->setChecked(true);
    windowForm(w).c2_lockMag->setChecked(true);
    windowForm(w).c2_cropC->setCurrentIndex(5);
    windowForm(w).c2_crop->setCurrentIndex(7);
    windowForm(w).c2_quality->setCurrentIndex(14);
    windowForm(w).c2_distD->setValue(30);
    windowForm(w).c2_formD->setCurrentIndex(1);
    windowForm(w).c2_widthD->setValue(0.5);
}

const char* const goldenTrace =
    "ver: 1.3\nlb: 7.5\ndistCam: 1\ndistFP: 0\nxscale: 20\nyscale: 50\n"
    "old 3: 3\ncalc c1: 1\nfdist: 5\napature: 2.8\nflength: 50\ncoc: 0.03\nlensQ: 100\n"
    "diff: 0\nlock mag: 0\n0: 3\n1: 3\n2: 0\n4: 1.2\n5: 0\n6: 1\n"
    "old 3: 3\ncalc c2: 1\nfdist: 12.5\napature: 4\nflength: 100\ncoc: 0.02\nlensQ: 80.5\n"
    "diff: 1\nlock mag: 1\n0: 5\n1: 7\n2: 14\n4: 30\n5: 1\n6: 0.5\n";

// A folder that takes no new files, where an unprivileged user may still write old.mvx.
QString lockedFolderWithProject(const QTemporaryDir& dir)
{
    // "nobody" keeps root's group, so the group needs the same rights as everyone else.
    const auto all = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                     QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup |
                     QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther;
    const auto execute = QFileDevice::ExeOwner | QFileDevice::ExeGroup | QFileDevice::ExeOther;
    const auto write = QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    const QString locked = dir.filePath("locked");
    QFile::setPermissions(dir.path(), all);
    QDir(dir.path()).mkdir("locked");
    writeFile(locked + "/old.mvx", "old project");
    QFile::setPermissions(locked + "/old.mvx", all & ~execute);
    QFile::setPermissions(locked, all & ~write);
    return locked;
}

// The folder refuses new files to the current user.
bool refusesNewFiles(const QString& folder)
{
    QFile probe(folder + "/probe");
    if (!probe.open(QIODevice::WriteOnly))
        return true;
    probe.remove();
    return false;
}

} // namespace

class TestProjectFiles : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void storedRangesMatchTheControls();
    void saveWritesTheGoldenBytes();
    void loadFillsEveryControl();
    void previousVersionLoadsAPerfectLens();
    void roundTrip_data();
    void roundTrip();
    void savingInSimpleModeStoresHiddenControls();
    void unitSwitchKeepsTheProject();
    void loadRoundsToTheControlsDecimals();
    void storedCocSurvivesOnlyInManualMode();
    void derivedAsTheWindowLoads_data();
    void derivedAsTheWindowLoads();
    void distanceReferenceOnLoad_data();
    void distanceReferenceOnLoad();
    void wrongVersionChangesNothing();
    void refusedFilesChangeNothing_data();
    void refusedFilesChangeNothing();
    void cancelledDialogsKeepTheProject();
    void saveDialogAddsTheSuffix();
    void failedSaveKeepsThePreviousFile_data();
    void failedSaveKeepsThePreviousFile();
    void savesInPlaceWhereNoTemporaryFileCanBeMade();

private:
    FreshWindow<mainWin> window;
    std::unique_ptr<QTemporaryDir> dir;
    QString path(const QString& name) const { return dir->filePath(name); }
};

void TestProjectFiles::init()
{
    window.open();
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
}

void TestProjectFiles::cleanup()
{
    // Lets the temporary folder go also for a user without root's rights.
    QFile::setPermissions(path("locked"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    window.close();
    dir.reset();
}

void TestProjectFiles::storedRangesMatchTheControls()
{
    // The decoder refuses values the controls would not hold as they are; its ranges and
    // the controls must agree.
    mainWin& w = *window;
    const auto range = [&](const QString& name) {
        if (auto* box = w.findChild<QDoubleSpinBox*>(name))
            return ProjectCodec::ValueRange{box->minimum(), box->maximum(), box->decimals()};
        auto* slider = w.findChild<QSlider*>(name);
        return ProjectCodec::ValueRange{double(slider->minimum()), double(slider->maximum()), 0};
    };
    const auto same = [](ProjectCodec::ValueRange a, ProjectCodec::ValueRange b) {
        return a.minimum == b.minimum && a.maximum == b.maximum && a.decimals == b.decimals;
    };
    for (int camera : {1, 2}) {
        const auto name = [&](const char* control) {
            return QString("c%1_%2").arg(camera).arg(control);
        };
        QVERIFY(same(range(name("fdist")), ProjectCodec::focusDistanceRange));
        QVERIFY(same(range(name("apature")), ProjectCodec::apertureRange));
        QVERIFY(same(range(name("flength")), ProjectCodec::focalLengthRange));
        QVERIFY(same(range(name("coc")), ProjectCodec::cocRange));
        QVERIFY(same(range(name("lensQ")), ProjectCodec::lensQualityRange));
        QVERIFY(same(range(name("distD")), ProjectCodec::viewDistanceRange));
        QVERIFY(same(range(name("widthD")), ProjectCodec::imageWidthRange));
        const auto combo = [&](const char* control) {
            return w.findChild<QComboBox*>(name(control))->count();
        };
        QCOMPARE(combo("cocSet"), ProjectCodec::cocModeCount);
        // Format 1.3 holds the first entries; the additions hold the rest and a custom one.
        QCOMPARE(combo("cropC"), ProjectCodec::additionsFormatCount);
        QCOMPARE(combo("crop"), ProjectCodec::additionsFormatCount);
        QCOMPARE(combo("quality"), ProjectCodec::additionsPixelCountCount);
        QVERIFY(same(range(name("sensorWidth")), ProjectCodec::sensorSideRange));
        QVERIFY(same(range(name("sensorHeight")), ProjectCodec::sensorSideRange));
        QVERIFY(same(range(name("megapixels")), ProjectCodec::megapixelRange));
        QCOMPARE(combo("formD"), ProjectCodec::formFactorCount);
    }
    QVERIFY(same(range("qxscale"), ProjectCodec::distanceScaleRange));
    QVERIFY(same(range("qyscale"), ProjectCodec::zcScaleRange));
    QVERIFY(same(range("DSB_leftBorder"), ProjectCodec::leftBorderFromCameraRange));
    // From the focus plane the border may start as far out as the larger focus allows.
    w.switchpromode();
    windowForm(w).c1_fdist->setValue(windowForm(w).c1_fdist->maximum());
    windowForm(w).distanceFP->setChecked(true);
    QVERIFY(same(range("DSB_leftBorder"), ProjectCodec::leftBorderFromFocusPlaneRange));
}

void TestProjectFiles::saveWritesTheGoldenBytes()
{
    mainWin& w = *window;
    enterGoldenState(w);
    const QString name = path("golden.mvx");
    const Message message = answered([&] { QVERIFY(w.saveTo(name)); });
    QVERIFY(!message.shown);
    QCOMPARE(contents(name).toHex(' '), goldenFile().toHex(' '));
    QCOMPARE(w.fileName, name);
    QCOMPARE(w.windowTitle(), titleOf(name));

    // Save writes to the current name without asking; the file is replaced, not appended.
    windowForm(w).c2_lensQ->setValue(100);
    answered([&] { w.save(); });
    QCOMPARE(contents(name), patched(goldenFile(), 105 + 37, FileBytes().f64(100).bytes));
}

void TestProjectFiles::loadFillsEveryControl()
{
    mainWin& w = *window;
    const QString name = path("golden.mvx");
    writeFile(name, goldenFile());
    QCOMPARE(w.expertMode, 0);
    const int recalculations = w.recalculationCount();
    QuietTrace trace;

    const Message message = answered([&] { QVERIFY(w.loadFrom(name)); });

    QVERIFY(!message.shown);
    QCOMPARE(w.expertMode, 1);
    QCOMPARE(w.recalculationCount(), recalculations + 1);
    QCOMPARE(w.fileName, name);
    QCOMPARE(w.windowTitle(), titleOf(name));
    QVERIFY2(QString::fromStdString(trace.text()).startsWith(goldenTrace), trace.text().c_str());

    mainWin expected;
    enterGoldenState(expected);
    QCOMPARE(storedControls(w), storedControls(expected));

    // The one recalculation rebuilt the camera records from the loaded controls.
    QCOMPARE(w.cam1.getFdist(), 5000.0);
    QCOMPARE(w.cam2.getFdist(), 12500.0);
    QCOMPARE(w.cam2.getLensQuality(), 80.5);
}

void TestProjectFiles::previousVersionLoadsAPerfectLens()
{
    mainWin& w = *window;
    w.switchpromode();
    windowForm(w).c1_lensQ->setValue(50);
    windowForm(w).c2_lensQ->setValue(60);
    const QString name = path("old.mvx");
    writeFile(name, previousVersionFile());
    QuietTrace trace;

    QVERIFY(!answered([&] { QVERIFY(w.loadFrom(name)); }).shown);

    QCOMPARE(windowForm(w).c1_lensQ->value(), 100.0);
    QCOMPARE(windowForm(w).c2_lensQ->value(), 100.0);
    mainWin expected;
    enterGoldenState(expected);
    windowForm(expected).c2_lensQ->setValue(100);
    QCOMPARE(storedControls(w), storedControls(expected));
    const QString text = QString::fromStdString(trace.text());
    QVERIFY(text.startsWith("ver: 1.2\nlb: 7.5\n"));
    QVERIFY(!text.contains("lensQ"));
    QVERIFY(text.contains("coc: 0.02\ndiff: 1\n"));
}

void TestProjectFiles::roundTrip_data()
{
    QTest::addColumn<bool>("fromFocusPlane");
    QTest::addColumn<double>("border");
    QTest::addColumn<double>("laterFocus");
    QTest::newRow("distances from the camera") << false << 12.75 << 7.25;
    QTest::newRow("distances from the focus plane") << true << -2.5 << 7.25;
    // The border's minimum follows the focus only when the reference is chosen.
    QTest::newRow("focus plane, border beyond a focus shortened afterwards")
        << true << -7.25 << 2.0;
}

void TestProjectFiles::roundTrip()
{
    QFETCH(bool, fromFocusPlane);
    QFETCH(double, border);
    QFETCH(double, laterFocus);
    mainWin& w = *window;
    w.switchpromode();
    windowForm(w).c1_fdist->setValue(7.25);
    windowForm(w).c2_fdist->setValue(3.5);
    if (fromFocusPlane)
        windowForm(w).distanceFP->setChecked(true);
    windowForm(w).DSB_leftBorder->setValue(border);
    QCOMPARE(windowForm(w).DSB_leftBorder->value(), border);
    windowForm(w).c1_fdist->setValue(laterFocus);
    windowForm(w).qxscale->setValue(33);
    windowForm(w).qyscale->setValue(77);
    windowForm(w).c1_cocSet->setCurrentIndex(2);
    windowForm(w).c1_apature->setValue(5.6);
    windowForm(w).c1_flength->setValue(135);
    windowForm(w).c1_lensQ->setValue(64.25);
    windowForm(w).c1_calcDef->setChecked(false);
    windowForm(w).c1_lockMag->setChecked(true);
    windowForm(w).c1_cropC->setCurrentIndex(9);
    windowForm(w).c1_crop->setCurrentIndex(11);
    windowForm(w).c1_quality->setCurrentIndex(6);
    windowForm(w).c1_distD->setValue(2.5);
    windowForm(w).c1_formD->setCurrentIndex(1);
    windowForm(w).c1_widthD->setValue(0.3);
    windowForm(w).boxC2->setChecked(true);
    windowForm(w).c2_cocSet->setCurrentIndex(0);
    windowForm(w).c2_apature->setValue(11);
    windowForm(w).c2_flength->setValue(24);
    windowForm(w).c2_lensQ->setValue(90);
    windowForm(w).c2_calcDef->setChecked(false);
    windowForm(w).c2_cropC->setCurrentIndex(7);
    windowForm(w).c2_crop->setCurrentIndex(2);
    windowForm(w).c2_quality->setCurrentIndex(13);
    windowForm(w).c2_distD->setValue(4.5);
    windowForm(w).c2_widthD->setValue(2.25);
    const QStringList saved = storedControls(w);
    const QString name = path("round.mvx");
    QVERIFY(!answered([&] { QVERIFY(w.saveTo(name)); }).shown);
    QCOMPARE(contents(name).size(), 184);

    // A fresh window with the same distance reference, so the border is not reset.
    mainWin other;
    other.switchpromode();
    if (fromFocusPlane)
        windowForm(other).distanceFP->setChecked(true);
    QVERIFY(storedControls(other) != saved);
    QVERIFY(!answered([&] { QVERIFY(other.loadFrom(name)); }).shown);
    QCOMPARE(storedControls(other), saved);
}

void TestProjectFiles::savingInSimpleModeStoresHiddenControls()
{
    mainWin& w = *window;
    const QString name = path("simple.mvx");
    QVERIFY(!answered([&] { QVERIFY(w.saveTo(name)); }).shown);
    QCOMPARE(w.expertMode, 0);
    const ProjectCodec::DecodeResult file = ProjectCodec::decode(contents(name));
    QVERIFY(file.ok());
    QCOMPARE(file.record.camera2.aperture, 4.0);
    QCOMPARE(file.record.camera2.cocMode, 1);
    QVERIFY(!file.record.camera2.switchedOn);
    QCOMPARE(file.record.camera1.focusDistance, 5.0);
}

// The unit changes only what is shown: switched to feet and back, saved in feet, opened and
// saved again in feet, the file stays byte for byte; a focus set in feet comes back exactly.
void TestProjectFiles::unitSwitchKeepsTheProject()
{
    mainWin& w = *window;
    enterGoldenState(w);
    const QString name = path("switched.mvx");
    for (LengthUnit unit : {LengthUnit::Feet, LengthUnit::Metres}) {
        w.setLengthUnit(unit);
        QVERIFY(!answered([&] { QVERIFY(w.saveTo(name)); }).shown);
        QCOMPARE(contents(name), goldenFile());
    }
    mainWin feet;
    feet.setLengthUnit(LengthUnit::Feet);
    QVERIFY(!answered([&] { QVERIFY(feet.loadFrom(name)); }).shown);
    QVERIFY(!answered([&] { QVERIFY(feet.saveTo(name)); }).shown);
    QCOMPARE(contents(name), goldenFile());

    windowForm(feet).c2_fdist->setValue(16.4 * 0.3048);
    QVERIFY(!answered([&] { QVERIFY(feet.saveTo(name)); }).shown);
    mainWin reopened;
    reopened.setLengthUnit(LengthUnit::Feet);
    QVERIFY(!answered([&] { QVERIFY(reopened.loadFrom(name)); }).shown);
    QVERIFY(windowForm(reopened).c2_fdist->value() == 4.99872);
    QCOMPARE(windowForm(reopened).c2_fdist->text(), QString("16.40 ft"));
}

void TestProjectFiles::loadRoundsToTheControlsDecimals()
{
    mainWin& w = *window;
    QByteArray file = goldenFile();
    file = patched(file, 26 + 13, FileBytes().f64(64.04).bytes);     // aperture
    file = patched(file, 26 + 5, FileBytes().f64(12.3456789).bytes); // focus
    file = patched(file, 105 + 29, FileBytes().f64(0.000051).bytes); // CoC
    const QString name = path("decimals.mvx");
    writeFile(name, file);
    QuietTrace trace;
    QVERIFY(!answered([&] { QVERIFY(w.loadFrom(name)); }).shown);

    QCOMPARE(windowForm(w).c1_apature->value(), 64.0);
    // Lengths are held as stored, finer than the box shows them.
    QCOMPARE(windowForm(w).c1_fdist->value(), 12.3456789);
    QCOMPARE(windowForm(w).c2_coc->value(), 0.0001);
    // The trace shows what the file holds, in six significant digits.
    QVERIFY(QString::fromStdString(trace.text()).contains("calc c1: 1\nfdist: 12.3457\n"));
}

void TestProjectFiles::storedCocSurvivesOnlyInManualMode()
{
    mainWin& w = *window;
    // Camera 1 by pixel size (full frame, standard grid), camera 2 manual; both store 0.5 mm.
    QByteArray file = goldenFile();
    file = patched(file, 26, FileBytes().i32(1).bytes);
    file = patched(file, 26 + 29, FileBytes().f64(0.5).bytes);
    file = patched(file, 105 + 29, FileBytes().f64(0.5).bytes);
    const QString name = path("coc.mvx");
    writeFile(name, file);
    QVERIFY(!answered([&] { QVERIFY(w.loadFrom(name)); }).shown);
    QCOMPARE(windowForm(w).c1_coc->value(), 0.0288);
    QCOMPARE(windowForm(w).c2_coc->value(), 0.5);
}

// zidov-render derives what it draws from a file without a window: the record as the
// controls hold it, the cameras as the recalculation makes them, the plot's input.
void TestProjectFiles::derivedAsTheWindowLoads_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("feet");
    const QByteArray golden = goldenFile();
    QTest::newRow("start-up state") << QByteArray() << false;
    QTest::newRow("start-up state, feet") << QByteArray() << true;
    QTest::newRow("manual CoCs") << golden << false;
    QTest::newRow("manual CoCs, feet") << golden << true;
    // Pixel size and view distance, more decimals than the boxes show, both references.
    QByteArray derived = patched(golden, 26, FileBytes().i32(1).bytes);
    derived = patched(derived, 105, FileBytes().i32(2).bytes);
    derived = patched(derived, 26 + 5, FileBytes().f64(12.3456789).bytes);
    derived = patched(derived, 16, FileBytes().flag(true).flag(true).bytes);
    derived = patched(derived, 8, FileBytes().f64(-3.004).bytes);
    QTest::newRow("derived CoCs, focus plane") << derived << false;
    QTest::newRow("derived CoCs, focus plane, feet") << derived << true;
    QTest::newRow("no reference claimed")
        << patched(golden, 16, FileBytes().flag(false).flag(false).bytes) << false;
    // Lenses with the focal lengths and f-numbers they allow, the zoom's at the widest it opens
    // to at 50 mm as the box rounds it (f/4.07).
    ProjectRecord gear = ProjectCodec::decode(golden).record;
    gear.camera1.body = BodyChoice{QStringLiteral("Sony"), QStringLiteral("Alpha 7 III"),
                                   QStringLiteral("ILCE-7M3"), QStringLiteral("Sony E"), 1};
    gear.camera1.lens = LensChoice{QStringLiteral("Sony"), QStringLiteral("FE 85mm F1.8"),
                                   lensRangeFromName(QStringLiteral("FE 85mm F1.8"))};
    gear.camera1.focalLength = 85;
    gear.camera2.lens =
        LensChoice{QStringLiteral("Canon"), QStringLiteral("EF-S 18-135mm f/3.5-5.6"),
                   lensRangeFromName(QStringLiteral("EF-S 18-135mm f/3.5-5.6"))};
    gear.camera2.focalLength = 50;
    gear.camera2.aperture = 4.1;
    QTest::newRow("gear") << ProjectCodec::encode(gear) << false;
    ProjectRecord stack = ProjectCodec::decode(golden).record;
    stack.focusStack = FocusStackRecord{2, 8, {2.0, 3.0, 5.0}};
    QTest::newRow("focus stack") << ProjectCodec::encode(stack) << false;
    stack.focusStack = FocusStackRecord{1, 8, {0.2913, 0.29386, 0.29642}, 0.2913};
    QTest::newRow("focus stack on a focusing rail") << ProjectCodec::encode(stack) << false;
}

void TestProjectFiles::derivedAsTheWindowLoads()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, feet);
    const LengthUnit unit = feet ? LengthUnit::Feet : LengthUnit::Metres;
    mainWin w;
    w.setLengthUnit(unit);
    ProjectRecord record = ProjectCameras::startupProject();
    if (!file.isEmpty()) {
        const QString name = path("derived.mvx");
        writeFile(name, file);
        QVERIFY(!answered([&] { QVERIFY(w.loadFrom(name)); }).shown);
        const ProjectCodec::DecodeResult decoded = ProjectCodec::decode(file);
        QVERIFY(decoded.ok());
        record = ProjectCameras::asControlsHold(decoded.record, unit);
    }
    QCOMPARE(w.diffractionFactor(), ProjectCameras::startupDiffractionFactor);
    const ProjectCameras::Cameras cameras =
        ProjectCameras::derive(record, ProjectCameras::startupDiffractionFactor);
    // The window writes the CoC its mode gives into the box.
    record.camera1.circleOfConfusion = cameras.cocs[0];
    record.camera2.circleOfConfusion = cameras.cocs[1];
    ProjectRecord held = projectFromControls(w);
    held.version = record.version;
    QVERIFY(held == record);
    QCOMPARE(cameras.crops[0], w.c1Crop);
    QCOMPARE(cameras.crops[1], w.c2Crop);
    const PlotInput derived = ProjectCameras::plotInput(record, cameras);
    const PlotInput shown = w.plotInput();
    for (int camera : {0, 1}) {
        CameraSetup a = derived.cameras[camera];
        CameraSetup b = shown.cameras[camera];
        QCOMPARE(a.getFdist(), b.getFdist());
        QCOMPARE(a.getAperture(), b.getAperture());
        QCOMPARE(a.getFlength(), b.getFlength());
        QCOMPARE(a.getCoc(), b.getCoc());
        QCOMPARE(a.getCrop(), b.getCrop());
        QCOMPARE(a.getDiffraction(), b.getDiffraction());
        QCOMPARE(a.getLensQuality(), b.getLensQuality());
        QVERIFY(ZcCurve(a) == ZcCurve(b));
    }
    QVERIFY(derived.switchedOn == shown.switchedOn);
    QCOMPARE(derived.leftBorder, shown.leftBorder);
    QCOMPARE(derived.fromCamera, shown.fromCamera);
    QCOMPARE(derived.distanceScale, shown.distanceScale);
    QCOMPARE(derived.zcScale, shown.zcScale);
    for (int camera : {0, 1}) {
        QCOMPARE(derived.gear[camera].body, shown.gear[camera].body);
        QCOMPARE(derived.gear[camera].lens, shown.gear[camera].lens);
    }
    const std::optional<StackOnPlot> stack = stackOnPlot(record.focusStack, derived);
    QCOMPARE(stack.has_value(), w.graphWidget->showsFocusStack());
    if (stack) {
        StackOnPlot made = *stack;
        StackOnPlot drawn = *w.graphWidget->focusStack();
        QCOMPARE(made.camera, drawn.camera);
        QVERIFY(made.focuses == drawn.focuses);
        QCOMPARE(made.railFocus, drawn.railFocus);
        QVERIFY(ZcCurve(made.setup) == ZcCurve(drawn.setup));
    }
    // zidov-render's settings table, from the record and the input alone.
    PlotInput rendered = derived;
    rendered.expert = shown.expert;
    rendered.unit = shown.unit;
    const QString table = projectSettingsTable(record, rendered).tabSeparated();
    QCOMPARE(table, settingsTableOf(w).tabSeparated());
    // The gear by name, as the JSON has it, in a row of its own where either camera has any.
    for (int camera : {0, 1}) {
        for (const QString& name : {derived.gear[camera].body, derived.gear[camera].lens})
            QVERIFY2(name.isEmpty() || table.contains('\t' + name), qPrintable(table));
    }
}

void TestProjectFiles::distanceReferenceOnLoad_data()
{
    QTest::addColumn<bool>("windowFromFocusPlane");
    QTest::addColumn<bool>("fileFromFocusPlane");
    QTest::addColumn<double>("storedBorder");
    QTest::addColumn<double>("border");
    // Before loading, the window shows camera 1 at 5 m and camera 2 at 12.5 m; the file
    // holds 20 m and 2 m, which arrive only after the reference is set. The stored border
    // is written again at the end, within the range of the loaded reference and focus.
    QTest::newRow("camera before, focus plane in the file: stored border")
        << false << true << -3.0 << -3.0;
    QTest::newRow("focus plane before, camera in the file: stored border")
        << true << false << 7.0 << 7.0;
    QTest::newRow("camera in both: stored border stays") << false << false << 7.0 << 7.0;
    QTest::newRow("focus plane in both: stored border stays") << true << true << -3.0 << -3.0;
    // The border was chosen while a focus was farther; the project opens where it was saved.
    QTest::newRow("focus plane, border past the larger loaded focus: stored border")
        << false << true << -25.0 << -25.0;
}

void TestProjectFiles::distanceReferenceOnLoad()
{
    QFETCH(bool, windowFromFocusPlane);
    QFETCH(bool, fileFromFocusPlane);
    QFETCH(double, storedBorder);
    QFETCH(double, border);
    mainWin& w = *window;
    w.switchpromode();
    windowForm(w).c1_fdist->setValue(5);
    windowForm(w).c2_fdist->setValue(12.5);
    if (windowFromFocusPlane)
        windowForm(w).distanceFP->setChecked(true);

    QByteArray file = goldenFile();
    file = patched(file, 8, FileBytes().f64(storedBorder).bytes);
    file = patched(file, 16, FileBytes().flag(!fileFromFocusPlane).flag(fileFromFocusPlane).bytes);
    file = patched(file, 26 + 5, FileBytes().f64(20).bytes);
    file = patched(file, 105 + 5, FileBytes().f64(2).bytes);
    const QString name = path("reference.mvx");
    writeFile(name, file);
    QVERIFY(!answered([&] { QVERIFY(w.loadFrom(name)); }).shown);

    QCOMPARE(windowForm(w).distanceFP->isChecked(), fileFromFocusPlane);
    QCOMPARE(windowForm(w).DSB_leftBorder->value(), border);
    QCOMPARE(windowForm(w).c1_fdist->value(), 20.0);
    QCOMPARE(windowForm(w).c2_fdist->value(), 2.0);
}

void TestProjectFiles::wrongVersionChangesNothing()
{
    mainWin& w = *window;
    const QString previous = path("previous.mvx");
    QVERIFY(!answered([&] { QVERIFY(w.saveTo(previous)); }).shown);
    const QString name = path("old format.mvx");
    writeFile(name, patched(goldenFile(), 0, FileBytes().f64(1.1).bytes));
    const QStringList before = storedControls(w);
    const int recalculations = w.recalculationCount();
    QuietTrace trace;

    const Message message = answered([&] { QVERIFY(!w.loadFrom(name)); });

    QVERIFY(message.shown);
    QCOMPARE(message.title, QString("Zidov"));
    QCOMPARE(message.text, "Wrong file version:\n" + name);
    QCOMPARE(message.icon, QMessageBox::Warning);
    QCOMPARE(message.buttonCount, 1);
    QVERIFY(message.okIsDefault);
    QCOMPARE(trace.text(), std::string("ver: 1.1\n"));
    QCOMPARE(storedControls(w), before);
    QCOMPARE(w.recalculationCount(), recalculations);
    // The project that was open stays open, in the mode it was in.
    QCOMPARE(w.fileName, previous);
    QCOMPARE(w.windowTitle(), titleOf(previous));
    QCOMPARE(w.expertMode, 0);
}

void TestProjectFiles::refusedFilesChangeNothing_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");
    const QByteArray golden = goldenFile();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const auto damaged = [](const char* row, const char* file, const QByteArray& bytes,
                            const char* reason) {
        QTest::newRow(row) << file << bytes << QString("Damaged project file:\n%1\n\n") + reason;
    };
    damaged("empty file", "empty.mvx", QByteArray(),
            "The file ends after 0 bytes; format version, stored from byte 0 on, is missing.");
    damaged("cut inside camera 2", "cut.mvx", golden.left(147),
            "The file ends after 147 bytes; Camera 2, lens quality, stored from byte 142 on, "
            "is missing.");
    damaged("version 1.2 cut after camera 1", "cut12.mvx", previousVersionFile().left(97),
            "The file ends after 97 bytes; Camera 2, CoC mode, stored from byte 97 on, is "
            "missing.");
    damaged("sensor format past the table", "format.mvx",
            patched(golden, 26 + 47, FileBytes().i32(15).bytes),
            "Camera 1, sensor format for the crop factor (byte 73) holds the list index 15, "
            "but only 0 to 14 exist.");
    damaged("CoC mode 7", "mode.mvx", patched(golden, 105, FileBytes().i32(7).bytes),
            "Camera 2, CoC mode (byte 105) holds the list index 7, but only 0 to 3 exist.");
    damaged("pixel preset -1", "preset.mvx", patched(golden, 105 + 55, FileBytes().i32(-1).bytes),
            "Camera 2, pixel count (byte 160) holds the list index -1, but only 0 to 14 exist.");
    damaged("third form factor", "form.mvx", patched(golden, 26 + 67, FileBytes().i32(2).bytes),
            "Camera 1, form factor (byte 93) holds the list index 2, but only 0 to 1 exist.");
    damaged("NaN focus distance", "nan.mvx", patched(golden, 26 + 5, FileBytes().f64(nan).bytes),
            "Camera 1, focus distance (byte 31) holds NaN, which is not a finite number.");
    damaged("infinite left border", "inf.mvx", patched(golden, 8, FileBytes().f64(-inf).bytes),
            "Left border (byte 8) holds -infinity, which is not a finite number.");
    damaged("focus distance -5 m", "focus.mvx", patched(golden, 26 + 5, FileBytes().f64(-5).bytes),
            "Camera 1, focus distance (byte 31) holds -5, but only 0 to 99999 are allowed.");
    damaged("f-number 200", "aperture.mvx", patched(golden, 105 + 13, FileBytes().f64(200).bytes),
            "Camera 2, aperture (byte 118) holds 200, but only 0.7 to 64 are allowed.");
    QTest::newRow("missing file") << "missing.mvx" << QByteArray()
                                  << "Could not open the project file:\n%1\n\nNo such file or "
                                     "directory";
    QTest::newRow("a folder")
        << "folder.mvx" << QByteArray()
        << "Could not open the project file:\n%1\n\nIt is not a regular file.";
    // Opened, it would wait for a writer for ever.
    QTest::newRow("a pipe") << "pipe.mvx" << QByteArray()
                            << "Could not open the project file:\n%1\n\nIt is not a regular file.";
}

void TestProjectFiles::refusedFilesChangeNothing()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    const QString name = path(file);
    if (file == "folder.mvx")
        QVERIFY(QDir(dir->path()).mkdir(file));
    else if (file == "pipe.mvx")
        QCOMPARE(::mkfifo(QFile::encodeName(name).constData(), 0600), 0);
    else if (file != "missing.mvx")
        writeFile(name, bytes);

    mainWin& w = *window;
    const QString previous = path("previous.mvx");
    QVERIFY(!answered([&] { QVERIFY(w.saveTo(previous)); }).shown);
    const QStringList before = storedControls(w);
    const int recalculations = w.recalculationCount();

    const Message message = answered([&] { QVERIFY(!w.loadFrom(name)); });

    QVERIFY(message.shown);
    QCOMPARE(message.title, QString("Zidov"));
    QCOMPARE(message.icon, QMessageBox::Warning);
    QVERIFY2(message.text.startsWith(reason.arg(name)), qPrintable(message.text));
    QCOMPARE(storedControls(w), before);
    QCOMPARE(w.recalculationCount(), recalculations);
    QCOMPARE(w.fileName, previous);
    QCOMPARE(w.windowTitle(), titleOf(previous));
    QCOMPARE(w.expertMode, 0);
}

void TestProjectFiles::cancelledDialogsKeepTheProject()
{
    // The slots pass the dialogs' answer on unchanged; a cancelled dialog answers "".
    mainWin& w = *window;
    const QString name = path("kept.mvx");
    QVERIFY(!answered([&] { QVERIFY(w.saveTo(name)); }).shown);
    const QStringList before = storedControls(w);

    QVERIFY(!answered([&] { QVERIFY(!w.loadFrom(QString())); }).shown);
    QVERIFY(!answered([&] { QVERIFY(!w.saveTo(QString())); }).shown);

    QCOMPARE(w.fileName, name);
    QCOMPARE(w.windowTitle(), titleOf(name));
    QCOMPARE(w.expertMode, 0);
    QCOMPARE(storedControls(w), before);
    // So Save still writes to the open project without asking.
    windowForm(w).c1_lensQ->setValue(42);
    QVERIFY(!answered([&] { w.save(); }).shown);
    QCOMPARE(ProjectCodec::decode(contents(name)).record.camera1.lensQuality, 42.0);
}

void TestProjectFiles::saveDialogAddsTheSuffix()
{
    // Typed into the dialog without a suffix, as a user does; the Open filter needs ".mvx".
    mainWin& w = *window;
    for (const QString& typed : {path("plain"), path("named.project")}) {
        QStringList filters;
        ModalAnswerer choose([&](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            if (!dialog) {
                modal->close();
                return;
            }
            filters = dialog->nameFilters();
            if (auto* nameField = dialog->findChild<QLineEdit*>("fileNameEdit"))
                nameField->setText(typed);
            static_cast<QDialog*>(dialog)->accept();
        });
        w.saveAs();
        QCOMPARE(filters, QStringList("Zidov (*.mvx)"));
    }
    QCOMPARE(w.fileName, path("named.project"));
    QDir folder(dir->path());
    QCOMPARE(folder.entryList(QDir::Files, QDir::Name),
             (QStringList{"named.project", "plain.mvx"}));
}

enum class SaveFailure
{
    DiskFull,
    MissingFolder,
    ReadOnlyFolder,
    FolderInTheWay,
    WouldNotOpen
};

void TestProjectFiles::failedSaveKeepsThePreviousFile_data()
{
    QTest::addColumn<SaveFailure>("failure");
    QTest::newRow("disk full after 100 bytes") << SaveFailure::DiskFull;
    QTest::newRow("folder removed") << SaveFailure::MissingFolder;
    QTest::newRow("read-only folder") << SaveFailure::ReadOnlyFolder;
    QTest::newRow("a folder of that name") << SaveFailure::FolderInTheWay;
    QTest::newRow("a project too large to open again") << SaveFailure::WouldNotOpen;
}

void TestProjectFiles::failedSaveKeepsThePreviousFile()
{
    QFETCH(SaveFailure, failure);
    mainWin& w = *window;
    const QString previous = path("project.mvx");
    QVERIFY(!answered([&] { QVERIFY(w.saveTo(previous)); }).shown);
    QByteArray previousBytes = contents(previous);
    QCOMPARE(previousBytes.size(), 184);
    windowForm(w).c1_lensQ->setValue(12);

    QString target;
    QByteArray targetBytes = "<unreadable>";
    Message message;
    switch (failure) {
    case SaveFailure::DiskFull: {
#if defined(Q_OS_UNIX)
        target = previous;
        targetBytes = previousBytes;
        FileSizeLimit limit(100);
        message = answered([&] { w.save(); });
#else
        QSKIP("needs a file size limit");
#endif
        break;
    }
    case SaveFailure::MissingFolder:
        target = path("gone/new.mvx");
        message = answered([&] { QVERIFY(!w.saveTo(target)); });
        break;
    case SaveFailure::ReadOnlyFolder: {
#if defined(Q_OS_UNIX)
        // A new file cannot be made there, neither beside nor in place.
        const QString locked = lockedFolderWithProject(*dir);
        target = locked + "/new.mvx";
        Unprivileged user;
        if (!refusesNewFiles(locked))
            QSKIP("this user may write into read-only folders");
        message = answered([&] { QVERIFY(!w.saveTo(target)); });
#else
        QSKIP("needs folder permissions");
#endif
        break;
    }
    case SaveFailure::FolderInTheWay:
        target = path("folder.mvx");
        QVERIFY(QDir(dir->path()).mkdir("folder.mvx"));
        message = answered([&] { QVERIFY(!w.saveTo(target)); });
        break;
    case SaveFailure::WouldNotOpen: {
        // Opened at 1 MiB with a record of another tag, then given a lens.
        previousBytes =
            goldenFile() + ProjectExtension::encode({{"ZZZZ", QByteArray(1048372, 'z')}});
        writeFile(previous, previousBytes);
        QVERIFY(!answered([&] { QVERIFY(w.loadFrom(previous)); }).shown);
        w.gearCommands->setLens(
            1, LensChoice{"Mymaker", "Mymaker 35mm f/2", lensRangeFromName("Mymaker 35mm f/2")});
        target = previous;
        targetBytes = previousBytes;
        message = answered([&] { QVERIFY(!w.saveTo(target)); });
        QVERIFY2(message.text.endsWith("but a project file holds at most 1048576."),
                 qPrintable(message.text));
        break;
    }
    }

    QVERIFY(message.shown);
    QCOMPARE(message.title, QString("Zidov"));
    QCOMPARE(message.icon, QMessageBox::Warning);
    const QString text = "Could not save the project file:\n" + target + "\n\n";
    QVERIFY2(message.text.startsWith(text) && message.text.size() > text.size(),
             qPrintable(message.text));
    QCOMPARE(contents(previous), previousBytes);
    QCOMPARE(contents(target), targetBytes);
    QCOMPARE(w.fileName, previous);
    QCOMPARE(w.windowTitle(), titleOf(previous));
    // No temporary file is left behind.
    QDir folder(dir->path());
    folder.setFilter(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QString& entry : folder.entryList())
        QVERIFY2(QStringList({"project.mvx", "locked", "folder.mvx"}).contains(entry),
                 qPrintable(entry));
}

void TestProjectFiles::savesInPlaceWhereNoTemporaryFileCanBeMade()
{
#if defined(Q_OS_UNIX)
    mainWin& w = *window;
    const QString target = lockedFolderWithProject(*dir) + "/old.mvx";
    Unprivileged user;
    if (!refusesNewFiles(path("locked")))
        QSKIP("this user may write into read-only folders");
    const Message message = answered([&] { QVERIFY(w.saveTo(target)); });
    QVERIFY2(!message.shown, qPrintable(message.text));
    QVERIFY(ProjectCodec::decode(contents(target)).ok());
    QCOMPARE(QDir(path("locked")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList("old.mvx"));
#else
    QSKIP("needs folder permissions");
#endif
}

ZIDOV_GUITEST_MAIN(TestProjectFiles)
#include "tst_projectfiles.moc"
