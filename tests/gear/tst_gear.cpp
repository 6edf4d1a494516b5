// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "cameracontrols.h"
#include "gearcommands.h"
#include "geardatabase.h"
#include "guitest.h"
#include "mainwin.h"
#include "plotdata.h"

#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>

#include <functional>
#include <memory>

namespace {
using Step = std::function<void(mainWin&)>;
using Check = std::function<void(mainWin&, int camera)>;

std::unique_ptr<GearDatabase> testDatabase()
{
    return GearDatabase::loadFiles({QStringLiteral(ZIDOV_GEAR_XML)});
}

BodyChoice testBody()
{
    return testDatabase()->bodies().value(0);
}

LensChoice testLens()
{
    return testDatabase()->lenses().value(0).choice;
}
} // namespace

Q_DECLARE_METATYPE(Step)
Q_DECLARE_METATYPE(Check)

class TestGear : public QObject
{
    Q_OBJECT

private slots:
    void init() { quiet = std::make_unique<QuietStdout>(); }
    void cleanup() { quiet.reset(); }
    void lensRangeFromItsName_data();
    void lensRangeFromItsName();
    void chooserFindsBodiesAsTyped_data();
    void chooserFindsBodiesAsTyped();
    void databaseWaitsUntilNeeded();
    void missingGearOpensAsStored();
    void gearSurvivesSwapCopyAndFiles_data();
    void gearSurvivesSwapCopyAndFiles();

private:
    std::unique_ptr<QuietStdout> quiet;
};

void TestGear::lensRangeFromItsName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("stated");
    QTest::newRow("zoom") << "Fujifilm XF 16-55mm f/2.8 R LM WR"
                          << "16-55mm f/2.8";
    QTest::newRow("variable aperture") << "Canon EF-S 18-135mm f/3.5-5.6 IS"
                                       << "18-135mm f/3.5-5.6";
    QTest::newRow("prime, capital F") << "Sony FE 85mm F1.8"
                                      << "85mm f/1.8";
    QTest::newRow("1:4") << "Nikkor 70-200mm 1:4"
                         << "70-200mm f/4";
}

void TestGear::lensRangeFromItsName()
{
    QFETCH(QString, name);
    QTEST(lensRangeFromName(name).text(), "stated");
}

void TestGear::chooserFindsBodiesAsTyped_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("found");
    QTest::newRow("a7 iii") << "a7 iii"
                            << "Sony Alpha 7 III (ILCE-7M3)";
    QTest::newRow("x-t4") << "x-t4"
                          << "Fujifilm X-T4";
    QTest::newRow("e-m1") << "e-m1"
                          << "Olympus E-M1";
    QTest::newRow("r6") << "r6"
                        << "Canon EOS R6";
}

// The installed database, typed into the real chooser and taken with Enter.
void TestGear::chooserFindsBodiesAsTyped()
{
    QFETCH(QString, typed);
    mainWin w;
    QString chosen;
    ModalAnswerer answer([&](QWidget* modal) {
        QCOMPARE(modal->objectName(), QString("gearChooser"));
        auto* search = modal->findChild<QLineEdit*>("gearSearch");
        auto* list = modal->findChild<QListWidget*>("gearList");
        QVERIFY(search && list);
        QTest::keyClicks(search, typed);
        chosen = list->currentItem()->text();
        QTest::keyClick(search, Qt::Key_Enter);
    });
    QTest::mouseClick(w.c1_bodyButton, Qt::LeftButton);
    QVERIFY(answer.seen);
    QTEST(chosen, "found");
    QVERIFY(w.gearCommands->gear(1).body.isSet());
}

void TestGear::databaseWaitsUntilNeeded()
{
    mainWin w;
    QVERIFY(!w.gearCommands->databaseLoaded());
    QTemporaryDir folder;
    const QString file = folder.filePath("plain.mvx");
    QVERIFY(w.saveTo(file) && w.loadFrom(file));
    QVERIFY(!w.gearCommands->databaseLoaded());
}

// A body the database no longer has keeps its name and the sensor stored with it.
void TestGear::missingGearOpensAsStored()
{
    QTemporaryDir folder;
    const QString file = folder.filePath("gone.mvx");
    {
        mainWin w;
        w.gearCommands->useDatabase(testDatabase());
        w.gearCommands->setBody(1, testBody());
        QVERIFY(w.saveTo(file));
    }
    mainWin reopened;
    reopened.gearCommands->useDatabase(GearDatabase::loadFiles({}));
    QVERIFY(reopened.loadFrom(file));
    QCOMPARE(reopened.c1_bodyButton->toolTip(), QString("Testmaker Tester 13 (not found)"));
    QCOMPARE(reopened.c1_sensorWidth->value(), 27.69);
}

void TestGear::gearSurvivesSwapCopyAndFiles_data()
{
    QTest::addColumn<Step>("set");
    QTest::addColumn<Check>("check");
    QTest::newRow("custom sensor") << Step([](mainWin& w) {
        w.c1_cocSet->setCurrentIndex(CocByCropFactor);
        w.c1_cropC->setCurrentIndex(w.sensorTable.customIndex());
        w.c1_sensorWidth->setValue(30);
        w.c1_sensorHeight->setValue(20);
    }) << Check([](mainWin& w, int camera) {
        const CameraControls c = cameraControls(w, camera);
        QVERIFY(c.sensorWidth->isVisible());
        QCOMPARE(c.coc->value(), 0.024); // 36.06 mm / 1503
    });
    QTest::newRow("typed megapixels") << Step([](mainWin& w) {
        w.c1_crop->setCurrentIndex(3);
        w.c1_quality->setCurrentIndex(15);
        w.c1_megapixels->setValue(24);
    }) << Check([](mainWin& w, int camera) {
        QVERIFY(cameraControls(w, camera).megapixels->isVisible());
        QCOMPARE(cameraControls(w, camera).coc->value(), 0.012); // twice the 6 µm pitch
    });
    // Crop 1.3 is no listed format's (APS-H is 1.255): a 3:2 sensor of its diagonal.
    QTest::newRow("body") << Step([](mainWin& w) {
        w.gearCommands->setBody(1, testBody());
    }) << Check([](mainWin& w, int camera) {
        const CameraControls c = cameraControls(w, camera);
        QCOMPARE(c.bodyButton->toolTip(), QString("Testmaker Tester 13"));
        QCOMPARE(c.cropLabel->text(), QString("crop 1.3"));
        QCOMPARE(c.pixelSizeFormat->currentIndex(), 18);
        QCOMPARE(c.sensorWidth->value(), 27.69);
        QCOMPARE(camera == 1 ? w.c1Crop : w.c2Crop, 43.26661531 / std::hypot(27.69, 18.46));
    });
    // At 50 mm an 18-135 mm f/3.5-5.6 opens to f/3.5 + 32 / 117 * 2.1 = f/4.07.
    QTest::newRow("lens") << Step([](mainWin& w) {
        w.gearCommands->setLens(1, testLens());
    }) << Check([](mainWin& w, int camera) {
        const CameraControls c = cameraControls(w, camera);
        QCOMPARE(c.lensButton->toolTip(), QString("Testmaker T 18-135mm f/3.5-5.6"));
        QCOMPARE(c.flength->value(), 50.0);
        QCOMPARE(c.flength->minimum(), 18.0);
        QCOMPARE(c.flength->maximum(), 135.0);
        QCOMPARE(c.aperture->value(), 4.1);
    });
}

// Set on Camera 1, swapped to Camera 2, copied back, saved and opened in another window.
void TestGear::gearSurvivesSwapCopyAndFiles()
{
    QFETCH(Step, set);
    QFETCH(Check, check);
    mainWin w;
    w.switchpromode();
    w.boxC2->setChecked(true);
    w.show();
    w.gearCommands->useDatabase(testDatabase());
    set(w);
    check(w, 1);
    w.swapLR();
    check(w, 2);
    w.copyL();
    check(w, 1);
    QTemporaryDir folder;
    const QString file = folder.filePath("gear.mvx");
    QVERIFY(w.saveTo(file));

    mainWin reopened;
    reopened.show();
    reopened.gearCommands->useDatabase(testDatabase());
    QVERIFY(reopened.loadFrom(file));
    check(reopened, 1);
    check(reopened, 2);
}

ZIDOV_GUITEST_MAIN(TestGear)
#include "tst_gear.moc"
