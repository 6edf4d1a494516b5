// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "cameracontrols.h"
#include "gearchooser.h"
#include "gearcommands.h"
#include "geardatabase.h"
#include "guitest.h"
#include "mainwin.h"
#include "plotdata.h"
#include "unprivileged.h"
#include "userbodies.h"
#include "windowform.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStyledItemDelegate>
#include <QTemporaryDir>

#include <functional>
#include <memory>
#include <optional>

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

LensChoice testLens(const QString& model = QStringLiteral("Testmaker T 18-135mm f/3.5-5.6"))
{
    const std::unique_ptr<GearDatabase> database = testDatabase();
    for (const GearDatabase::Lens& lens : database->lenses()) {
        if (lens.choice.model == model)
            return lens.choice;
    }
    return {};
}
} // namespace

Q_DECLARE_METATYPE(Step)
Q_DECLARE_METATYPE(Check)

class TestGear : public QObject
{
    Q_OBJECT

private slots:
    void init() { quiet = std::make_unique<QuietTrace>(); }
    void cleanup() { quiet.reset(); }
    void lensRangeFromItsName_data();
    void lensRangeFromItsName();
    void chooserFindsGearAsTyped_data();
    void chooserFindsGearAsTyped();
    void chooserRowsAreTheStylesRows_data();
    void chooserRowsAreTheStylesRows();
    void databaseWaitsUntilNeeded();
    void missingGearOpensAsStored();
    void gearSurvivesSwapCopyAndFiles_data();
    void gearSurvivesSwapCopyAndFiles();
    void buttonsShowTheWholeModel_data();
    void buttonsShowTheWholeModel();
    void rowsStayWhenABodyIsChosen();
    void bodyFollowsTheSensor_data();
    void bodyFollowsTheSensor();
    void lensLimitsSaySo_data();
    void lensLimitsSaySo();
    void bodiesOfTheUsersFolder_data();
    void bodiesOfTheUsersFolder();
    void bodyAddedByHand_data();
    void bodyAddedByHand();

private:
    std::unique_ptr<QuietTrace> quiet;
};

void TestGear::lensRangeFromItsName_data()
{
    // lensfun's focal range and widest f-number, 0 where it keeps none, then the range taken.
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("minFocal");
    QTest::addColumn<double>("maxFocal");
    QTest::addColumn<double>("widest");
    QTest::addColumn<QString>("stated");
    const auto named = [](const char* row, const QString& name, const char* stated) {
        QTest::newRow(row) << name << 0.0 << 0.0 << 0.0 << stated;
    };
    named("zoom", "Fujifilm XF 16-55mm f/2.8 R LM WR", "16-55mm f/2.8");
    named("variable aperture", "Canon EF-S 18-135mm f/3.5-5.6 IS", "18-135mm f/3.5-5.6");
    named("prime, capital F", "Sony FE 85mm F1.8", "85mm f/1.8");
    named("1:4", "Nikkor 70-200mm 1:4", "70-200mm f/4");
    named("f-number run on to the focal length", "Fujifilm XF 56mmF1.2 R", "56mm f/1.2");
    named("1:1 is a macro's scale, not f/1", "Mymaker 100mm Macro 1:1", "100mm");
    // What the boxes cannot hold is no range at all.
    named("f/99, narrower than the aperture box", "Mymaker 50mm f/99", "");
    named("f/0.5, wider than the aperture box", "Mymaker 50mm f/0.5", "");
    named("long end before the short end", "Mymaker 135-18mm f/3.5-5.6", "");
    named("f-numbers out of order", "Mymaker 50mm f/2-0", "");
    named("zoom from 0 mm", "Mymaker 0-50mm", "");
    named("zoom to 0 mm", "Mymaker 50-0mm", "");
    named("half a millimetre", "Mymaker 0.5mm", "");
    named("10 m focal length", "Mymaker 10000mm", "");
    named("2 km focal length", "Mymaker 2000000mm", "");
    named("400 nines, infinite", "Mymaker " + QString(400, QLatin1Char('9')) + "mm", "");
    // lensfun's own fields come first; the name adds only the f-number at the long end.
    QTest::newRow("lensfun's zoom, the name's long end")
        << "Canon EF-S 18-135mm f/3.5-5.6 IS" << 18.0 << 135.0 << 3.5 << "18-135mm f/3.5-5.6";
    QTest::newRow("lensfun's range, name out of order")
        << "Mymaker 135-18mm f/3.5-5.6" << 18.0 << 135.0 << 3.5 << "18-135mm f/3.5";
    QTest::newRow("an extender's focal length, not the lens's f-number")
        << "Canon EF 300mm f/2.8L IS II USM + EF 1.4x extender III" << 420.0 << 420.0 << 0.0
        << "420mm";
    QTest::newRow("lensfun without an f-number")
        << "Schneider 28mm Digitar f/2.8" << 28.0 << 28.0 << 0.0 << "28mm f/2.8";
    QTest::newRow("a name lensfun reads better")
        << "Zeiss Batis 2.8/18" << 18.0 << 18.0 << 2.8 << "18mm f/2.8";
    QTest::newRow("lensfun's f/99") << "Mymaker 50mm f/99" << 50.0 << 50.0 << 99.0 << "";
}

void TestGear::lensRangeFromItsName()
{
    QFETCH(QString, name);
    QFETCH(double, minFocal);
    QFETCH(double, maxFocal);
    QFETCH(double, widest);
    QTEST(lensRangeOf(name, minFocal, maxFocal, widest).text(), "stated");
}

void TestGear::chooserFindsGearAsTyped_data()
{
    // With a body the lens chooser opens, holding the lenses of its mount.
    QTest::addColumn<QString>("body");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("found");
    // Part of a name the list must not show.
    QTest::addColumn<QString>("notShown");
    const auto row = [](const char* typed, const char* found, const char* body = "",
                        const char* notShown = "\n") {
        QTest::newRow(typed) << body << typed << found << notShown;
    };
    row("a7 iii", "Sony Alpha 7 III (ILCE-7M3)");
    row("a7iv", "Sony Alpha 7 IV (ILCE-7M4)");
    row("x-t4", "Fujifilm X-T4");
    row("r6", "Canon EOS R6");
    row("e-m1", "Olympus E-M1");
    // A whole number over the start of a longer one, and "mark ii" as one word or two.
    row("e-m1 mark ii", "Olympus E-M1MarkII", "", "E-M10");
    // A body that takes lenses over a compact of the same words.
    row("z6", "Nikon Z 6");
    // "f/1.8 55mm" holds no 85.
    row("85 1.8", "Sony FE 85mm f/1.8  ·  85mm f/1.8", "Alpha 7 III", "55mm");
    row("56 1.2", "Fujifilm XF 56mm f/1.2 R  ·  56mm f/1.2", "X-T4");
    row("12-40", "Olympus M.Zuiko Digital ED 12-40mm f/2.8 Pro  ·  12-40mm f/2.8", "E-M1");
    // What a key typed on left out comes back when it is taken back.
    row("x-t40\b", "Fujifilm X-T4");
}

// The installed database, typed into the real chooser and taken with Enter.
void TestGear::chooserFindsGearAsTyped()
{
    QFETCH(QString, body);
    QFETCH(QString, typed);
    QFETCH(QString, notShown);
    mainWin w;
    for (const BodyChoice& b : w.gearCommands->database().bodies()) {
        if (b.model == body)
            w.gearCommands->setBody(1, b);
    }
    QCOMPARE(w.gearCommands->gear(1).body.model, body);
    QString chosen;
    QStringList shown;
    ModalAnswerer answer([&](QWidget* modal) {
        QCOMPARE(modal->objectName(), QString("gearChooser"));
        auto* search = modal->findChild<QLineEdit*>("gearSearch");
        auto* list = modal->findChild<QListView*>("gearList");
        QVERIFY(search && list);
        const auto listed = [list] {
            QStringList names;
            for (int row = 0; row < list->model()->rowCount(); ++row)
                names << list->model()->index(row, 0).data().toString();
            return names;
        };
        QTest::keyClicks(search, typed);
        chosen = list->currentIndex().data().toString();
        const QStringList typedOn = listed();
        for (const QString& name : typedOn) {
            if (name.contains(notShown))
                shown << name;
        }
        // Key by key the list narrows what it showed; the same text at once must list the same.
        const QString text = search->text();
        search->clear();
        search->setText(text);
        QCOMPARE(listed(), typedOn);
        QCOMPARE(list->currentIndex().data().toString(), chosen);
        QTest::keyClick(search, Qt::Key_Enter);
    });
    QTest::mouseClick(body.isEmpty() ? windowForm(w).c1_bodyButton : windowForm(w).c1_lensButton,
                      Qt::LeftButton);
    QVERIFY(answer.seen);
    QVERIFY2(shown.isEmpty(), qPrintable(shown.join(" | ")));
    QTEST(chosen, "found");
    QVERIFY(body.isEmpty() ? w.gearCommands->gear(1).body.isSet()
                           : w.gearCommands->gear(1).lens.isSet());
}

void TestGear::chooserRowsAreTheStylesRows_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<bool>("focused");
    QTest::newRow("all, focused") << 480 << QString() << 1.0 << true;
    QTest::newRow("typed into") << 480 << QStringLiteral("fe 1.8") << 1.0 << true;
    // Names longer than the list reach past its edge.
    QTest::newRow("narrow") << 200 << QString() << 1.0 << true;
    QTest::newRow("at 2x") << 480 << QStringLiteral("sony") << 2.0 << true;
    QTest::newRow("inactive") << 480 << QStringLiteral("85") << 1.0 << false;
}

// The chooser's own row painting beside the style's, over the installed database's names.
void TestGear::chooserRowsAreTheStylesRows()
{
    QFETCH(int, width);
    QFETCH(QString, typed);
    QFETCH(qreal, ratio);
    QFETCH(bool, focused);
    // The test database's names, and more than a list shows, some longer than its width.
    QStringList entries{QStringLiteral("Ünïcode Ⅻ 24–70 mm · ƒ/2.8"), QString()};
    const std::unique_ptr<GearDatabase> database = testDatabase();
    for (const BodyChoice& body : database->bodies())
        entries << body.name();
    for (const GearDatabase::Lens& lens : database->lenses())
        entries << lens.choice.name() + QStringLiteral("  ·  ") + lens.choice.stated.text();
    for (int i = 0; i < 60; ++i)
        entries << QStringLiteral("Sony FE %1mm f/1.8 G Master OSS  ·  %1mm f/1.8").arg(10 + i);
    GearChooser chooser(nullptr, QStringLiteral("rows"), entries, 0);
    chooser.resize(width, 520);
    chooser.show();
    QVERIFY(QTest::qWaitForWindowExposed(&chooser));
    chooser.filter(typed);
    auto* list = chooser.findChild<QListView*>("gearList");
    if (!focused)
        chooser.findChild<QLineEdit*>("gearSearch")->clearFocus();
    const auto rows = [&] {
        QImage image(list->viewport()->size() * ratio, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::transparent);
        list->viewport()->render(&image);
        return image;
    };
    const QImage own = rows();
    QStyledItemDelegate styles;
    QAbstractItemDelegate* const kept = list->itemDelegate();
    list->setItemDelegate(&styles);
    const QImage theirs = rows();
    list->setItemDelegate(kept);
    QVERIFY(!own.isNull());
    QVERIFY(own == theirs);
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
    QCOMPARE(windowForm(reopened).c1_bodyButton->toolTip(),
             QString("Testmaker Tester 13 (not found)"));
    QCOMPARE(windowForm(reopened).c1_sensorWidth->value(), 27.69);
}

void TestGear::gearSurvivesSwapCopyAndFiles_data()
{
    QTest::addColumn<Step>("set");
    QTest::addColumn<Check>("check");
    QTest::newRow("custom sensor") << Step([](mainWin& w) {
        windowForm(w).c1_cocSet->setCurrentIndex(CocByCropFactor);
        windowForm(w).c1_cropC->setCurrentIndex(w.sensorTable.customIndex());
        windowForm(w).c1_sensorWidth->setValue(30);
        windowForm(w).c1_sensorHeight->setValue(20);
    }) << Check([](mainWin& w, int camera) {
        const CameraControls c = cameraControls(w, camera);
        QVERIFY(c.sensorWidth->isVisible());
        QCOMPARE(c.coc->value(), 0.024); // 36.06 mm / 1503
    });
    QTest::newRow("typed megapixels") << Step([](mainWin& w) {
        windowForm(w).c1_crop->setCurrentIndex(3);
        windowForm(w).c1_quality->setCurrentIndex(15);
        windowForm(w).c1_megapixels->setValue(24);
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
    // Chosen, but stating no range: the boxes keep theirs, and the file opens again.
    QTest::newRow("lens whose f/99 the aperture box cannot hold") << Step([](mainWin& w) {
        windowForm(w).c1_apature->setValue(2.8);
        w.gearCommands->setLens(1, testLens("Testmaker X 50mm f/99"));
    }) << Check([](mainWin& w, int camera) {
        const CameraControls c = cameraControls(w, camera);
        QCOMPARE(c.lensButton->toolTip(), QString("Testmaker X 50mm f/99"));
        QCOMPARE(c.flength->minimum(), 1.0);
        QCOMPARE(c.flength->maximum(), 5000.0);
        QCOMPARE(c.aperture->minimum(), 0.7);
        QCOMPARE(c.aperture->value(), 2.8);
    });
    QTest::newRow("lens named 135-18mm, 18 to 135 mm in lensfun") << Step([](mainWin& w) {
        w.gearCommands->setLens(1, testLens("Testmaker X 135-18mm f/3.5-5.6"));
    }) << Check([](mainWin& w, int camera) {
        const CameraControls c = cameraControls(w, camera);
        QCOMPARE(c.flength->minimum(), 18.0);
        QCOMPARE(c.flength->maximum(), 135.0);
        QCOMPARE(c.aperture->value(), 3.5);
    });
}

// Set on Camera 1, swapped to Camera 2, copied back, saved and opened in another window.
void TestGear::gearSurvivesSwapCopyAndFiles()
{
    QFETCH(Step, set);
    QFETCH(Check, check);
    mainWin w;
    w.switchpromode();
    windowForm(w).boxC2->setChecked(true);
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
    // Saved and opened without a word.
    QString message;
    ModalAnswerer answer([&message](QWidget* modal) {
        if (auto* box = qobject_cast<QMessageBox*>(modal))
            message = box->text();
        modal->close();
    });
    QVERIFY(w.saveTo(file));

    mainWin reopened;
    reopened.show();
    reopened.gearCommands->useDatabase(testDatabase());
    QVERIFY2(reopened.loadFrom(file), qPrintable(message));
    QVERIFY2(!answer.seen, qPrintable(message));
    check(reopened, 1);
    check(reopened, 2);
}

void TestGear::buttonsShowTheWholeModel_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("shown");
    QTest::newRow("Alpha 7 III") << "Alpha 7 III"
                                 << "Alpha 7 III";
    QTest::newRow("E-M1MarkII") << "E-M1MarkII"
                                << "E-M1MarkII";
    QTest::newRow("X-T4") << "X-T4"
                          << "X-T4";
    QTest::newRow("a lens whose name fits") << "FE 85mm f/1.8"
                                            << "FE 85mm f/1.8";
    // Too long for the button: what the lens does, whole.
    QTest::newRow("a lens by its range") << "Olympus M.Zuiko Digital ED 12-40mm f/2.8 Pro"
                                         << "12-40mm f/2.8";
}

// At the window's default size, the maker in the tooltip only.
void TestGear::buttonsShowTheWholeModel()
{
    QFETCH(QString, model);
    mainWin w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    for (const BodyChoice& body : w.gearCommands->database().bodies()) {
        if (body.model == model)
            w.gearCommands->setBody(1, body);
    }
    for (const GearDatabase::Lens& lens : w.gearCommands->database().lenses()) {
        if (lens.choice.model == model)
            w.gearCommands->setLens(1, lens.choice);
    }
    QCoreApplication::processEvents();
    QPushButton* button = w.gearCommands->gear(1).body.isSet() ? windowForm(w).c1_bodyButton
                                                               : windowForm(w).c1_lensButton;
    QTEST(button->text(), "shown");
    QVERIFY(button->toolTip().endsWith(" " + model) || button->toolTip() == model);
}

// Every control keeps its place in the window with a body and without, in expert mode.
void TestGear::rowsStayWhenABodyIsChosen()
{
    mainWin w;
    w.switchpromode();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const auto places = [&w] {
        QMap<QString, QPoint> result;
        for (const QWidget* control : w.findChildren<QWidget*>()) {
            if (control->isVisible() && control->objectName().startsWith("c"))
                result[control->objectName()] = control->mapTo(&w, QPoint());
        }
        return result;
    };
    QCoreApplication::processEvents();
    const QMap<QString, QPoint> without = places();
    // A listed format's body, which needs no custom sensor.
    for (const BodyChoice& body : w.gearCommands->database().bodies()) {
        if (body.model == "X-T4")
            w.gearCommands->setBody(1, body);
    }
    QCoreApplication::processEvents();
    QVERIFY(windowForm(w).c1_cropLabel->isVisible());
    const QMap<QString, QPoint> with = places();
    for (auto place = without.begin(); place != without.end(); ++place)
        QVERIFY2(with.value(place.key()) == place.value(), qPrintable(place.key()));
}

void TestGear::bodyFollowsTheSensor_data()
{
    QTest::addColumn<Step>("change");
    // The camera that then has the body, 0 for neither.
    QTest::addColumn<int>("withBody");
    QTest::newRow("a format of another size by hand") << Step([](mainWin& w) {
        windowForm(w).c1_cropC->setCurrentIndex(windowForm(w).c1_cropC->findText("1/1.3\""));
    }) << 0;
    QTest::newRow("the custom sensor 0.5 % smaller")
        << Step([](mainWin& w) { windowForm(w).c1_sensorWidth->setValue(27.55); }) << 1;
    QTest::newRow("the custom sensor 5 % smaller") << Step([](mainWin& w) {
        windowForm(w).c1_sensorWidth->setValue(26.3);
        windowForm(w).c1_sensorHeight->setValue(17.5);
    }) << 0;
    QTest::newRow("pixel-size mode, the same sensor")
        << Step([](mainWin& w) { windowForm(w).c1_cocSet->setCurrentIndex(CocByPixelSize); }) << 1;
    QTest::newRow("swap") << Step([](mainWin& w) { w.swapLR(); }) << 2;
    // A lock moves the focus only.
    QTest::newRow("magnification lock") << Step([](mainWin& w) {
        windowForm(w).c1_lockMag->setChecked(true);
        windowForm(w).c1_flength->setValue(70);
    }) << 1;
}

void TestGear::bodyFollowsTheSensor()
{
    QFETCH(Step, change);
    QFETCH(int, withBody);
    mainWin w;
    w.switchpromode();
    windowForm(w).boxC2->setChecked(true);
    w.gearCommands->useDatabase(testDatabase());
    windowForm(w).c1_cocSet->setCurrentIndex(CocByCropFactor);
    w.gearCommands->setBody(1, testBody());
    w.gearCommands->setLens(1, testLens());
    change(w);
    for (int camera : {1, 2}) {
        const CameraControls c = cameraControls(w, camera);
        const bool has = camera == withBody;
        QCOMPARE(w.gearCommands->gear(camera).body.isSet(), has);
        QCOMPARE(c.bodyButton->text(), has ? QString("Tester 13") : QString("Camera body…"));
        QCOMPARE(c.cropLabel->isVisibleTo(&w), has);
    }
    // The lens stays where it went.
    QVERIFY(w.gearCommands->gear(withBody == 2 ? 2 : 1).lens.isSet());
}

void TestGear::lensLimitsSaySo_data()
{
    QTest::addColumn<bool>("focal");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<double>("kept");
    QTest::addColumn<QString>("said");
    QTest::newRow("8 mm") << true << "8" << 18.0 << "The lens reaches 18–135 mm";
    QTest::newRow("inside the range") << true << "70" << 70.0 << "";
    QTest::newRow("300 mm") << true << "300" << 135.0 << "The lens reaches 18–135 mm";
    // The box refuses the "e" as it would without the lens, rather than read 1e9 mm.
    QTest::newRow("an exponent") << true << "1e9" << 19.0 << "";
    // At 50 mm the lens opens to f/4.07.
    QTest::newRow("f/2") << false << "2" << 4.1 << "At 50 mm the lens opens to f/4.1";
}

void TestGear::lensLimitsSaySo()
{
    QFETCH(bool, focal);
    QFETCH(QString, typed);
    mainWin w;
    w.switchpromode();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.gearCommands->useDatabase(testDatabase());
    w.gearCommands->setLens(1, testLens());
    QDoubleSpinBox* box = focal ? windowForm(w).c1_flength : windowForm(w).c1_apature;
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, typed);
    QTest::keyClick(box, Qt::Key_Tab);
    QTEST(box->value(), "kept");
    QFETCH(QString, said);
    QCOMPARE(windowForm(w).statusbar->currentMessage(),
             said.isEmpty() ? QString() : "Camera 1: " + said + ".");
    QCOMPARE(box->toolTip().startsWith(said + "\n"), !said.isEmpty());
}

void TestGear::bodiesOfTheUsersFolder_data()
{
    // What lensfun's user folder holds before the body is added; "" for nothing.
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<bool>("added");
    // Where in lensfun's user folder it is, "" for Zidov's own file. An update folder newer
    // than the installed one is read instead of it.
    QTest::addColumn<QString>("place");
    const QByteArray own = "<lensdatabase version=\"1\"><camera><maker>Mine</maker>"
                           "<model>Own 1</model><mount>Mine M</mount><cropfactor>2</cropfactor>"
                           "</camera></lensdatabase>";
    QTest::newRow("no file yet") << QByteArray() << true << "";
    QTest::newRow("an own body beside") << own << true << "";
    QTest::newRow("a damaged file") << own.left(60) << false << "";
    QTest::newRow("lensfun's update folder") << own << true << "updates/version_1/own.xml";
}

// Bodies in the user's lensfun folder are found; one added goes into Zidov's own file there.
void TestGear::bodiesOfTheUsersFolder()
{
    QFETCH(QByteArray, before);
    QFETCH(bool, added);
    QFETCH(QString, place);
    QDir folder(GearDatabase::userFolder());
    QVERIFY(folder.removeRecursively() && folder.mkpath("."));
    if (!before.isEmpty()) {
        const QString path = place.isEmpty() ? UserBodies::filePath() : folder.filePath(place);
        QVERIFY(folder.mkpath(QFileInfo(path).path()));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(before) == before.size());
        // Newer than the installed folder; lensfun reads the stamp as a 32-bit number.
        QFile stamp(QFileInfo(path).path() + "/timestamp.txt");
        QVERIFY(place.isEmpty() || (stamp.open(QIODevice::WriteOnly) && stamp.write("2000000000")));
    }
    BodyChoice body;
    body.maker = "Mine";
    body.model = "New <2>";
    body.mount = "Mine M";
    body.crop = 1.53;
    const QString problem = UserBodies::add(body);
    QCOMPARE(problem.isEmpty(), added);
    const std::unique_ptr<GearDatabase> database = GearDatabase::loadInstalled();
    QCOMPARE(database->has(body), added);
    QCOMPARE(database->has(BodyChoice{"Mine", "Own 1", {}, {}, 0}), before.size() > 60);
    // The installed bodies are read beside them, unless a newer update folder stands in.
    QCOMPARE(database->bodies().size() > 500, place.isEmpty());
    if (!added) {
        QFile file(UserBodies::filePath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), before);
        QVERIFY2(problem.contains("left as it is"), qPrintable(problem));
    }
    QVERIFY(folder.removeRecursively());
}

void TestGear::bodyAddedByHand_data()
{
    QTest::addColumn<QString>("maker");
    // The sensor typed in mm; none where the crop factor is typed instead.
    QTest::addColumn<QSizeF>("sensor");
    // Typed, or the one the sensor gives.
    QTest::addColumn<double>("crop");
    QTest::addColumn<bool>("folderWritable");
    // Part of what the dialog says when it refuses the body, "" where it adds it.
    QTest::addColumn<QString>("refusal");
    QTest::newRow("width and height") << "Mine" << QSizeF(23.6, 15.7) << 1.526 << true << "";
    QTest::newRow("crop factor") << "Mine" << QSizeF() << 2.0 << true << "";
    QTest::newRow("no maker") << "" << QSizeF() << 2.0 << true << "needs its maker";
    QTest::newRow("folder not writable")
        << "Mine" << QSizeF() << 2.0 << false << "zidov.xml cannot be written";
}

// "Add a body…" of the body chooser, typed into as a user does: the body goes to the camera
// and into Zidov's own file, or the dialog says why not and keeps what was typed and stored.
void TestGear::bodyAddedByHand()
{
    QFETCH(QString, maker);
    QFETCH(QSizeF, sensor);
    QFETCH(double, crop);
    QFETCH(bool, folderWritable);
    QFETCH(QString, refusal);
    QDir folder(GearDatabase::userFolder());
    QVERIFY(folder.removeRecursively() && folder.mkpath("."));
    const QByteArray own = "<lensdatabase version=\"1\"><camera><maker>Mine</maker>"
                           "<model>Own 1</model><mount>Mine M</mount><cropfactor>2</cropfactor>"
                           "</camera></lensdatabase>";
    QFile stored(UserBodies::filePath());
    QVERIFY(stored.open(QIODevice::WriteOnly) && stored.write(own) == own.size());
    stored.close();
    // Read-only for everyone, and reachable for "nobody", whom root becomes to be refused.
    const auto readable = QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                          QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::ExeOther;
    QList<QPair<QString, QFileDevice::Permissions>> opened;
    if (!folderWritable) {
        for (QDir up = folder; up.cdUp() && opened.size() < 2;) {
            opened.append({up.path(), QFile::permissions(up.path())});
            QVERIFY(QFile::setPermissions(up.path(), opened.last().second | readable));
        }
        QVERIFY(QFile::setPermissions(UserBodies::filePath(), readable));
        QVERIFY(QFile::setPermissions(folder.path(), readable));
    }
    const BodyChoice body{maker, "Hand 1", {}, "Mine M", crop};
    mainWin w;
    QStringList said;
    bool keptTyped = false;
    int chooserSeen = 0;
    int adderSeen = 0;
    ModalAnswerer answer([&](QWidget* modal) {
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            said << box->text();
            box->done(QMessageBox::Ok);
        } else if (modal->objectName() == "gearChooser") {
            // Clicked once the dialog is modal, as its own loop does the rest.
            if (chooserSeen++ == 0)
                QTimer::singleShot(0, modal->findChild<QPushButton*>("gearAddBody"),
                                   &QPushButton::click);
            else
                modal->close();
        } else if (modal->objectName() == "bodyAdder" && adderSeen++ == 0) {
            QTest::keyClicks(modal->findChild<QLineEdit*>("bodyMaker"), maker);
            QTest::keyClicks(modal->findChild<QLineEdit*>("bodyModel"), body.model);
            QTest::keyClicks(modal->findChild<QComboBox*>("bodyMount")->lineEdit(), body.mount);
            if (sensor.isValid()) {
                modal->findChild<QDoubleSpinBox*>("bodyWidth")->setValue(sensor.width());
                modal->findChild<QDoubleSpinBox*>("bodyHeight")->setValue(sensor.height());
            } else {
                modal->findChild<QRadioButton*>("bodyByCrop")->click();
                modal->findChild<QDoubleSpinBox*>("bodyCrop")->setValue(crop);
            }
            auto* ok = modal->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
            QTimer::singleShot(0, ok, [ok, folderWritable] {
                std::optional<Unprivileged> user;
                if (!folderWritable)
                    user.emplace();
                ok->click();
            });
        } else if (modal->objectName() == "bodyAdder") {
            keptTyped = modal->findChild<QLineEdit*>("bodyModel")->text() == body.model;
            modal->close();
        }
    });
    QTest::mouseClick(windowForm(w).c1_bodyButton, Qt::LeftButton);
    for (const auto& [path, permissions] : opened)
        QFile::setPermissions(path, permissions);
    QFile::setPermissions(folder.path(), readable | QFileDevice::WriteOwner);
    QCOMPARE(said.size(), int(!refusal.isEmpty()));
    QVERIFY2(said.join("").contains(refusal), qPrintable(said.join(" | ")));
    QCOMPARE(keptTyped, !refusal.isEmpty());
    QCOMPARE(w.gearCommands->gear(1).body == body, refusal.isEmpty());
    const std::unique_ptr<GearDatabase> database = GearDatabase::loadInstalled();
    QCOMPARE(database->has(body), refusal.isEmpty());
    QVERIFY(database->has(BodyChoice{"Mine", "Own 1", {}, {}, 0}));
    if (!refusal.isEmpty()) {
        QVERIFY(stored.open(QIODevice::ReadOnly));
        QCOMPARE(stored.readAll(), own);
    }
    QVERIFY(folder.removeRecursively());
}

ZIDOV_GUITEST_MAIN(TestGear)
#include "tst_gear.moc"
