// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "cameracontrols.h"
#include "guitest.h"
#include "mainwin.h"
#include "pinnedsetups.h"
#include "setupcommands.h"
#include "windowform.h"

#include <QDockWidget>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>

#include <cmath>
#include <memory>

namespace {
enum Format
{
    FullFrame = 3,
    Dx = 5,
    ApsC = 6,
    FourThirds = 8
};

struct Lens
{
    Format format;
    double focalLength;
    double aperture;
    double focusMetres;
};

const char* const compareCommands[] = {"actionMatchEquivalent", "actionMatchFraming",
                                       "actionMatchBlur", "actionMatchDof"};

// A camera switched on with its CoC set by crop factor, and diffraction as the box has it.
void setCamera(mainWin& w, int camera, const Lens& lens)
{
    const CameraControls c = cameraControls(w, camera);
    c.box->setChecked(true);
    c.cocMode->setCurrentIndex(CocByCropFactor);
    c.cropFactorFormat->setCurrentIndex(lens.format);
    c.flength->setValue(lens.focalLength);
    c.aperture->setValue(lens.aperture);
    c.fdist->setValue(lens.focusMetres);
}

QAction* command(mainWin& w, const char* name)
{
    return w.findChild<QAction*>(QLatin1String(name));
}

QString readout(mainWin& w)
{
    return w.comparisonReadout->text();
}

QString withoutMnemonic(QString title)
{
    return title.remove(QLatin1Char('&'));
}

// Triggers a command and returns the text of the message it shows, and its title where asked,
// answering it.
QString messageOf(QAction* action, QString* title = nullptr)
{
    if (!action)
        return QStringLiteral("(no such command)");
    QString text;
    ModalAnswerer answerer([&text, title](QWidget* modal) {
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            text = box->text();
            if (title)
                *title = box->windowTitle();
        }
        modal->close();
    });
    action->trigger();
    return text;
}
} // namespace

Q_DECLARE_METATYPE(Lens)

class TestCompare : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void compareMenuStandsBeforeAdvanced();
    void commandsSetCameraTwo_data();
    void commandsSetCameraTwo();
    void impossibleTargetChangesNothing();
    void readoutComparesTheCameras();
    void lockKeepsTheFraming();
    void loadedLockKeepsTheFraming();
    void feetInMatchesAndMessages();
    void pinnedSetupsAreDrawnSavedAndReopened();
    void setupsPanelCommands_data();
    void setupsPanelCommands();
    void setupsMatchCameraOneTogether();

private:
    FreshWindow<mainWin> window;
};

void TestCompare::init()
{
    window.open();
}

void TestCompare::cleanup()
{
    window.close();
}

void TestCompare::compareMenuStandsBeforeAdvanced()
{
    mainWin& w = *window;
    const QList<QAction*> bar = windowForm(w).menubar->actions();
    const qsizetype advanced = bar.indexOf(windowForm(w).menuOptimizer->menuAction());
    // The Plan menu stands between them.
    QVERIFY(advanced > 1);
    QAction* const compare = bar[advanced - 2];
    QCOMPARE(compare->menu()->objectName(), QString("menuCompare"));
    QCOMPARE(withoutMnemonic(compare->text()), QString("Compare"));
    QStringList texts;
    QList<QAction*> entries;
    for (QAction* action : compare->menu()->actions()) {
        if (action->isSeparator())
            continue;
        entries << action;
        texts << action->objectName() + ": " + withoutMnemonic(action->text());
    }
    QVERIFY(hasDistinctMnemonics(entries));
    QCOMPARE(texts,
             QStringList({"actionMatchEquivalent: Camera 2: equivalent settings",
                          "actionMatchFraming: Camera 2: same framing",
                          "actionMatchBlur: Camera 2: same background blur",
                          "actionMatchDof: Camera 2: same depth of field",
                          "actionPinCamera1: Pin Camera 1", "actionPinCamera2: Pin Camera 2"}));

    // All four or none.
    const auto enabled = [&w] {
        int count = 0;
        for (const char* name : compareCommands)
            count += command(w, name) && command(w, name)->isEnabled() ? 1 : 0;
        return count;
    };
    QCOMPARE(enabled(), 0); // simple mode
    QVERIFY(command(w, "actionPinCamera1")->isEnabled());
    QVERIFY(!command(w, "actionPinCamera2")->isEnabled());
    w.switchpromode();
    QCOMPARE(enabled(), 0); // Camera 2 off
    windowForm(w).boxC2->setChecked(true);
    QCOMPARE(enabled(), 4);
    windowForm(w).boxC1->setChecked(false);
    QCOMPARE(enabled(), 0);
    windowForm(w).boxC1->setChecked(true);
    QCOMPARE(enabled(), 4);
    w.switchpromode();
    QCOMPARE(enabled(), 0);
}

void TestCompare::commandsSetCameraTwo_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<Lens>("one");
    QTest::addColumn<Lens>("two");
    QTest::addColumn<double>("focusMetres");
    QTest::addColumn<double>("aperture");
    QTest::addColumn<double>("focalLength");

    const Lens fullFrame50{FullFrame, 50, 2.8, 3};
    const Lens fourThirds25{FourThirds, 25, 4, 3};
    const Lens apsC35{ApsC, 35, 2, 2};
    const Lens fullFrame85{FullFrame, 85, 4, 2};
    QTest::newRow("full frame 50 mm f/2.8 at 3 m to Four-Thirds: equivalent settings")
        << "actionMatchEquivalent" << fullFrame50 << Lens{FourThirds, 50, 4, 5} << 3.0 << 1.4
        << 25.0;
    QTest::newRow("full frame 35 mm f/2 at 3 m to Four-Thirds: to a tenth of a millimetre")
        << "actionMatchEquivalent" << Lens{FullFrame, 35, 2, 3} << Lens{FourThirds, 50, 4, 5} << 3.0
        << 1.0 << 17.5;
    QTest::newRow("APS-C 35 mm f/2 at 2 m to full frame: equivalent settings")
        << "actionMatchEquivalent" << apsC35 << fullFrame85 << 2.0 << 3.3 << 57.0;
    QTest::newRow("full frame 50 mm at 3 m to Four-Thirds 25 mm: same framing")
        << "actionMatchFraming" << fullFrame50 << Lens{FourThirds, 25, 4, 5} << 2.97 << 4.0 << 25.0;
    QTest::newRow("APS-C 35 mm at 2 m to full frame 85 mm: same framing")
        << "actionMatchFraming" << apsC35 << fullFrame85 << 3.02 << 4.0 << 85.0;
    QTest::newRow("full frame 50 mm f/2.8 at 3 m to Four-Thirds 25 mm: same background blur")
        << "actionMatchBlur" << fullFrame50 << fourThirds25 << 3.0 << 1.4 << 25.0;
    QTest::newRow("APS-C 35 mm f/2 at 2 m to full frame 85 mm: same background blur")
        << "actionMatchBlur" << apsC35 << fullFrame85 << 2.0 << 7.4 << 85.0;
    QTest::newRow("full frame 50 mm f/2.8 at 3 m to Four-Thirds 25 mm: same depth of field")
        << "actionMatchDof" << fullFrame50 << fourThirds25 << 3.0 << 1.4 << 25.0;
    QTest::newRow("APS-C 35 mm f/2 at 2 m to DX 35 mm at 2 m: same depth of field")
        << "actionMatchDof" << apsC35 << Lens{Dx, 35, 8, 2} << 2.0 << 1.9 << 35.0;
}

void TestCompare::commandsSetCameraTwo()
{
    QFETCH(QString, action);
    QFETCH(Lens, one);
    QFETCH(Lens, two);
    QFETCH(double, focusMetres);
    QFETCH(double, aperture);
    QFETCH(double, focalLength);

    mainWin& w = *window;
    w.switchpromode();
    setCamera(w, 1, one);
    setCamera(w, 2, two);
    const int before = w.recalculationCount();
    QVERIFY(command(w, qPrintable(action)));
    command(w, qPrintable(action))->trigger();
    QCOMPARE(w.recalculationCount(), before + 1);
    QCOMPARE(windowForm(w).c2_fdist->value(), focusMetres);
    QCOMPARE(windowForm(w).c2_apature->value(), aperture);
    QCOMPARE(windowForm(w).c2_flength->value(), focalLength);
    QCOMPARE(w.cam2.getAperture(), aperture);
    if (action == "actionMatchEquivalent" && one.format == FullFrame) {
        // The same picture: the two curves coincide.
        for (double metres : {1.0, 2.0, 3.0, 10.0, 100.0}) {
            const double zc1 = w.cam1.getZc(metres * 1000);
            const double zc2 = w.cam2.getZc(metres * 1000);
            QVERIFY2(std::fabs(zc2 - zc1) <= 0.02 * zc1 + 0.01,
                     qPrintable(QString("%1 m: %2 against %3").arg(metres).arg(zc2).arg(zc1)));
        }
    }
}

void TestCompare::impossibleTargetChangesNothing()
{
    mainWin& w = *window;
    w.switchpromode();
    setCamera(w, 1, Lens{FullFrame, 50, 1.0, 3});
    setCamera(w, 2, Lens{FourThirds, 25, 4, 3});
    const int before = w.recalculationCount();
    QString title;
    QCOMPARE(messageOf(command(w, "actionMatchBlur"), &title),
             QString("Camera 2 would need f/0.5; the smallest f-number is f/0.7."));
    QCOMPARE(title, QString("Camera 2: same background blur"));
    QCOMPARE(w.recalculationCount(), before);
    QCOMPARE(windowForm(w).c2_apature->value(), 4.0);
    QCOMPARE(w.cam2.getAperture(), 4.0);
}

void TestCompare::readoutComparesTheCameras()
{
    mainWin& w = *window;
    QCOMPARE(readout(w), QString());
    w.switchpromode();
    setCamera(w, 1, Lens{FullFrame, 50, 2.8, 5});
    setCamera(w, 2, Lens{FourThirds, 25, 2.8, 5});
    QCOMPARE(readout(w), QString("Camera 2 vs 1: background blur ×0.50 · depth of field ×2.12 · "
                                 "framing 1:100 / 1:99"));
    windowForm(w).c1_fdist->setValue(9999);
    windowForm(w).c2_fdist->setValue(9999);
    QVERIFY2(readout(w).contains(QString("depth of field both endless")), qPrintable(readout(w)));
    windowForm(w).boxC2->setChecked(false);
    QCOMPARE(readout(w), QString());
}

void TestCompare::lockKeepsTheFraming()
{
    mainWin& w = *window;
    // In simple mode the sliders own Camera 1's focus.
    windowForm(w).c1_lockMag->setChecked(true);
    windowForm(w).horizontalSlider_3->setValue(46); // 55 mm
    QCOMPARE(windowForm(w).c1_flength->value(), 55.0);
    QCOMPARE(windowForm(w).c1_fdist->value(), 5.0);
    windowForm(w).c1_lockMag->setChecked(false);

    w.switchpromode();
    setCamera(w, 1, Lens{FullFrame, 50, 2.8, 3});
    QVERIFY(windowForm(w).c1_lockMag->isEnabled());
    windowForm(w).c1_lockMag->setChecked(true);
    // 1:59 on full frame.
    windowForm(w).c1_flength->setValue(100);
    QCOMPARE(windowForm(w).c1_fdist->value(), 6.0);
    windowForm(w).c1_flength->setValue(25);
    QCOMPARE(windowForm(w).c1_fdist->value(), 1.5);
    // A typed focus is the new framing, 1:79.
    windowForm(w).c1_fdist->setValue(2);
    windowForm(w).c1_flength->setValue(50);
    QCOMPARE(windowForm(w).c1_fdist->value(), 4.0);
    // A new format recalculates its CoC on the way; the framing kept is still the one shown.
    windowForm(w).c1_cropC->setCurrentIndex(FourThirds);
    QCOMPARE(windowForm(w).c1_fdist->value(), 7.95);
    QCOMPARE(windowForm(w).c1_coc->value(), 0.0144);
    // 1:100020 at 800 mm is beyond the focus box: it goes as far as it can, and says so.
    windowForm(w).c1_fdist->setValue(9999);
    windowForm(w).c1_flength->setValue(800);
    QCOMPARE(windowForm(w).c1_fdist->value(), 99999.0);
    QVERIFY2(windowForm(w).statusbar->currentMessage().startsWith(
                 "Camera 1 would need a focus of 159984.00 m to keep its framing of 1:100020"),
             qPrintable(windowForm(w).statusbar->currentMessage()));

    windowForm(w).c1_lockMag->setChecked(false);
    windowForm(w).c1_flength->setValue(50);
    QCOMPARE(windowForm(w).c1_fdist->value(), 99999.0);
}

void TestCompare::loadedLockKeepsTheFraming()
{
    QTemporaryDir folder;
    const QString name = folder.filePath("locked.mvx");
    {
        mainWin& w = *window;
        w.switchpromode();
        setCamera(w, 1, Lens{FullFrame, 50, 2.8, 3});
        windowForm(w).boxC2->setChecked(true);
        windowForm(w).c2_lockMag->setChecked(true);
        windowForm(w).c2_cocSet->setCurrentIndex(CocByCropFactor);
        windowForm(w).c2_cropC->setCurrentIndex(FullFrame);
        windowForm(w).c2_flength->setValue(50);
        windowForm(w).c2_fdist->setValue(3);
        QVERIFY(w.saveTo(name));
    }
    mainWin loaded;
    QVERIFY(loaded.loadFrom(name));
    QCOMPARE(windowForm(loaded).c2_fdist->value(), 3.0);
    windowForm(loaded).c2_flength->setValue(100);
    QCOMPARE(windowForm(loaded).c2_fdist->value(), 6.0);
}

// In feet a match lands on a hundredth of a foot, as the box shows it, and a message names
// feet.
void TestCompare::feetInMatchesAndMessages()
{
    mainWin& w = *window;
    w.switchpromode();
    w.setLengthUnit(LengthUnit::Feet);
    setCamera(w, 1, Lens{FullFrame, 50, 2.8, 3});
    setCamera(w, 2, Lens{FourThirds, 25, 2.8, 3});
    QVERIFY(command(w, "actionMatchFraming"));
    command(w, "actionMatchFraming")->trigger();
    QCOMPARE(windowForm(w).c2_fdist->text(), QString("9.76 ft"));
    QCOMPARE(windowForm(w).c2_fdist->value(), 9.76 * 0.3048);

    windowForm(w).c1_lockMag->setChecked(true);
    windowForm(w).c1_fdist->setValue(9999);
    windowForm(w).c1_flength->setValue(800);
    const QString message = windowForm(w).statusbar->currentMessage();
    QVERIFY2(message.startsWith("Camera 1 would need a focus of 524881.89 ft") &&
                 message.endsWith("the farthest is 328080.71 ft."),
             qPrintable(message));
}

namespace {
QTableWidget* setupsTable(mainWin& w)
{
    return w.findChild<QTableWidget*>(QStringLiteral("setupsTable"));
}

QPushButton* panelButton(mainWin& w, const char* name)
{
    return w.findChild<QPushButton*>(QLatin1String(name));
}
} // namespace

void TestCompare::pinnedSetupsAreDrawnSavedAndReopened()
{
    QTemporaryDir folder;
    const QString name = folder.filePath("setups.mvx");
    {
        mainWin& w = *window;
        w.switchpromode();
        setCamera(w, 1, Lens{FullFrame, 50, 2.8, 3});
        setCamera(w, 2, Lens{FourThirds, 25, 4, 3});
        command(w, "actionPinCamera1")->trigger();
        command(w, "actionPinCamera2")->trigger();
        QVERIFY(w.findChild<QDockWidget*>(QStringLiteral("setupsDock"))->isVisibleTo(&w));
        QTableWidget* table = setupsTable(w);
        QCOMPARE(table->rowCount(), 2);
        QCOMPARE(table->item(1, 2)->text(), QString("25 mm f/4 · Four-Thirds Crop 2"));
        QCOMPARE(table->item(1, 6)->text(), QString("×0.348"));
        // Renamed, band on: the plot draws both as the panel says.
        table->item(1, 2)->setText(QStringLiteral("  B camera "));
        table->item(1, 8)->setCheckState(Qt::Checked);
        const PlotInput input = w.plotInput();
        QCOMPARE(int(input.pinned.size()), 2);
        QCOMPARE(input.pinned[1].name, QString("B camera"));
        QVERIFY(input.pinned[1].band && !input.pinned[0].band);
        QCOMPARE(input.pinned[1].camera.getFlength(), 25.0);
        QVERIFY(w.saveTo(name));
        // A hidden setup's band waits for its curve.
        for (const Qt::CheckState shown : {Qt::Unchecked, Qt::Checked}) {
            table->item(1, 0)->setCheckState(shown);
            QCOMPARE(bool(table->item(1, 8)->flags() & Qt::ItemIsEnabled), shown == Qt::Checked);
        }
    }
    {
        // Shown from the View menu before the window is first painted, the panel is there.
        mainWin fresh;
        command(fresh, "actionShowSetups")->trigger();
        QVERIFY(setupsTable(fresh) && setupsTable(fresh)->isVisibleTo(&fresh));
    }
    mainWin loaded;
    QVERIFY(loaded.loadFrom(name));
    QCOMPARE(setupsTable(loaded)->rowCount(), 2);
    QCOMPARE(loaded.setupCommands->setups(), window->setupCommands->setups());
    QCOMPARE(int(loaded.plotInput().pinned.size()), 2);
    // New starts without them.
    loaded.newProject();
    QCOMPARE(setupsTable(loaded)->rowCount(), 0);
}

void TestCompare::setupsPanelCommands_data()
{
    QTest::addColumn<QString>("given");
    QTest::addColumn<int>("rows");
    QTest::addColumn<double>("cameraOneFocal");
    QTest::addColumn<double>("cameraTwoFocal");
    QTest::addColumn<QString>("message");

    QTest::newRow("Delete removes") << "Delete" << 1 << 50.0 << 25.0 << QString();
    QTest::newRow("Enter puts it into Camera 2") << "Enter" << 2 << 50.0 << 85.0 << QString();
    QTest::newRow("to Camera 1, gear and all")
        << "setupToCamera1" << 2 << 85.0 << 25.0 << QString();
    QTest::newRow("a ninth is refused")
        << "pin" << 8 << 50.0 << 25.0
        << "At most 8 setups can be pinned; remove one to pin another.";
}

void TestCompare::setupsPanelCommands()
{
    QFETCH(QString, given);
    QFETCH(int, rows);
    QFETCH(double, cameraOneFocal);
    QFETCH(double, cameraTwoFocal);
    QFETCH(QString, message);

    mainWin& w = *window;
    w.switchpromode();
    setCamera(w, 1, Lens{FullFrame, 85, 1.8, 2});
    command(w, "actionPinCamera1")->trigger();
    setCamera(w, 1, Lens{FullFrame, 50, 2.8, 3});
    command(w, "actionPinCamera1")->trigger();
    setCamera(w, 2, Lens{FourThirds, 25, 4, 3});
    QTableWidget* table = setupsTable(w);
    table->setCurrentCell(0, 2);
    table->setFocus();
    QString seen;
    if (given == "Delete") {
        QTest::keyClick(table, Qt::Key_Delete);
    } else if (given == "Enter") {
        QTest::keyClick(table, Qt::Key_Return);
        QVERIFY(windowForm(w).boxC2->isChecked());
        QCOMPARE(windowForm(w).c2_fdist->value(), 2.0);
        QCOMPARE(windowForm(w).c2_apature->value(), 1.8);
        QCOMPARE(windowForm(w).c2_cropC->currentIndex(), int(FullFrame));
    } else if (given == "pin") {
        for (int more = 0; more < 6; ++more)
            command(w, "actionPinCamera2")->trigger();
        seen = messageOf(command(w, "actionPinCamera1"));
    } else {
        panelButton(w, qPrintable(given))->click();
    }
    QCOMPARE(table->rowCount(), rows);
    QCOMPARE(int(w.plotInput().pinned.size()), rows);
    QCOMPARE(windowForm(w).c1_flength->value(), cameraOneFocal);
    QCOMPARE(windowForm(w).c2_flength->value(), cameraTwoFocal);
    QCOMPARE(seen, message);
}

// The interview: three formats made to show Camera 1's background in one command.
void TestCompare::setupsMatchCameraOneTogether()
{
    mainWin& w = *window;
    w.switchpromode();
    for (const Lens& lens :
         {Lens{FullFrame, 85, 4, 3}, Lens{ApsC, 56, 2.8, 3}, Lens{FourThirds, 42.5, 2, 3}}) {
        setCamera(w, 2, lens);
        command(w, "actionPinCamera2")->trigger();
    }
    setCamera(w, 1, Lens{FullFrame, 85, 2, 3});
    QTableWidget* table = setupsTable(w);
    table->selectAll();
    QMenu* solvers = panelButton(w, "setupMatch")->menu();
    QVERIFY(solvers && solvers->actions().size() == 4);
    solvers->actions()[2]->trigger();
    for (int row = 0; row < 3; ++row) {
        const SetupNumbers numbers =
            PinnedSetups::numbers(w.setupCommands->setups()[row], w.cam1, w.cam1.getDiffFactor());
        // The f-number box's tenth leaves up to a few percent.
        QVERIFY2(std::fabs(numbers.backgroundBlurRatio - 1) < 0.04,
                 qPrintable(table->item(row, 6)->text()));
    }
    QCOMPARE(table->item(0, 4)->text(), QString("f/2"));

    windowForm(w).boxC1->setChecked(false);
    QCOMPARE(messageOf(solvers->actions()[2]),
             QString("Camera 1 is switched off: switch it on to match setups to it."));
}

ZIDOV_GUITEST_MAIN(TestCompare)
#include "tst_compare.moc"
