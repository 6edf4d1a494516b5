// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "guitest.h"
#include "languagechoice.h"
#include "mainwin.h"
#include "opti.h"
#include "windowform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QMap>
#include <QMessageBox>
#include <QSpinBox>
#include <QTableWidget>

#include <cmath>
#include <memory>

namespace {
using Rows = QList<QStringList>;

void fillTable(opti& dialog, const Rows& rows)
{
    dialog.count->setValue(int(rows.size()));
    for (int row = 0; row < rows.size(); ++row) {
        for (int column = 0; column < rows[row].size(); ++column)
            dialog.table->setItem(row, column, new QTableWidgetItem(rows[row][column]));
    }
}

// Every input value of the main window by object name, to see what a command touched.
QMap<QString, QString> inputState(const mainWin& w)
{
    QMap<QString, QString> state;
    for (const QDoubleSpinBox* box : w.findChildren<QDoubleSpinBox*>())
        state[box->objectName()] = box->text();
    for (const QSpinBox* box : w.findChildren<QSpinBox*>())
        state[box->objectName()] = box->text();
    for (const QComboBox* box : w.findChildren<QComboBox*>())
        state[box->objectName()] = QString::number(box->currentIndex());
    for (const QAbstractButton* box : w.findChildren<QAbstractButton*>())
        state[box->objectName()] = box->isChecked() ? "on" : "off";
    for (const QGroupBox* box : w.findChildren<QGroupBox*>())
        state[box->objectName()] = box->isChecked() ? "on" : "off";
    for (const QAbstractSlider* slider : w.findChildren<QAbstractSlider*>())
        state[slider->objectName()] = QString::number(slider->value());
    return state;
}

QStringList changedInputs(const QMap<QString, QString>& before, const QMap<QString, QString>& after)
{
    QStringList changed;
    for (auto it = before.cbegin(); it != before.cend(); ++it) {
        if (after.value(it.key()) != it.value())
            changed << it.key();
    }
    return changed;
}

QString twoDecimals(double value)
{
    return QString::number(value, 'f', 2);
}

// Clicks Apply and returns the text of the message box it shows, answering it.
QString messageOfApply(opti& dialog)
{
    QString text;
    ModalAnswerer answerer([&text](QWidget* modal) {
        if (auto* box = qobject_cast<QMessageBox*>(modal))
            text = box->text();
        modal->close();
    });
    dialog.apply->click();
    return text;
}
} // namespace

class TestOptiDialog : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void readsTheTable_data();
    void readsTheTable();
    void applyWritesTheFitInOneRecalculation();
    void camera2ChangesOnlyItsFocusAndAperture();
    void weightZeroRowGivesItsDistanceAndF56();
    void noRowsMeansNothingToDo();
    void unusableDistances_data();
    void unusableDistances();
    void refusedTablesChangeNothing_data();
    void refusedTablesChangeNothing();
    void germanProgramReadsBothDecimalMarks();
    void distancesInTheChosenUnit();
    void sameTableSameResultAfterEveryStart();
    void shrinkingTheCountEmptiesRows();
    void closeWindowHides();
    void tutorialExample();

private:
    FreshWindow<mainWin> window;
};

void TestOptiDialog::init()
{
    window.open();
    window->showOpti();
}

void TestOptiDialog::cleanup()
{
    window.close();
}

void TestOptiDialog::readsTheTable_data()
{
    QTest::addColumn<QStringList>("cells");
    QTest::addColumn<double>("distance");
    QTest::addColumn<double>("zc");
    QTest::addColumn<double>("weight");

    QTest::newRow("plain numbers") << QStringList{"2.5", "3", "0.5"} << 2.5 << 3.0 << 0.5;
    QTest::newRow("blank cells") << QStringList{"", "", ""} << 0.0 << 0.0001 << 0.0;
    QTest::newRow("text is not a number")
        << QStringList{"far", "soft", "much"} << 0.0 << 0.0001 << 0.0;
    // The English program reads the C locale alone, so a comma is not a decimal.
    QTest::newRow("decimal comma") << QStringList{"1,5", "2,0", "1"} << 0.0 << 0.0001 << 1.0;
    QTest::newRow("zc written as 0.0") << QStringList{"4", "0.0", "1"} << 4.0 << 0.0001 << 1.0;
    QTest::newRow("blanks around numbers")
        << QStringList{" 7 ", " 1e1", "1 "} << 7.0 << 10.0 << 1.0;
}

void TestOptiDialog::readsTheTable()
{
    QFETCH(QStringList, cells);
    QFETCH(double, distance);
    QFETCH(double, zc);
    QFETCH(double, weight);

    opti& dialog = *window->optiWin();
    fillTable(dialog, {cells});
    const ReferenceTable references = dialog.referenceTable();
    QCOMPARE(references.size(), std::size_t(1));
    QCOMPARE(references[0].distanceMetres, distance);
    QCOMPARE(references[0].zc, zc);
    QCOMPARE(references[0].weight, weight);
}

void TestOptiDialog::applyWritesTheFitInOneRecalculation()
{
    mainWin& w = *window;
    opti& dialog = *w.optiWin();
    fillTable(dialog, {{"1.5", "10", "1"}, {"2", "5", "1"}, {"5", "4", "0.5"}, {"10", "7", "1"}});

    CameraSetup expected = w.cam1;
    SearchRandom random;
    optimize(expected, dialog.referenceTable(), random);

    const int recalculations = w.recalculationCount();
    dialog.apply->click();
    QCOMPARE(w.recalculationCount(), recalculations + 1);
    QCOMPARE(windowForm(w).c1_apature->text(),
             "f/" + QString::number(expected.getAperture(), 'f', 1));
    QCOMPARE(windowForm(w).c1_fdist->text(), twoDecimals(expected.getFdist() / 1000) + " m");
    // The recalculation has refilled the record from the rounded widget values.
    QCOMPARE(w.cam1.getAperture(), windowForm(w).c1_apature->value());
    QCOMPARE(w.cam1.getFdist(), windowForm(w).c1_fdist->value() * 1000);
}

void TestOptiDialog::camera2ChangesOnlyItsFocusAndAperture()
{
    mainWin& w = *window;
    windowForm(w).boxC2->setChecked(true);
    windowForm(w).c2_fdist->setValue(12);
    opti& dialog = *w.optiWin();
    fillTable(dialog, {{"1.5", "10", "1"}, {"2", "5", "1"}, {"5", "4", "0.5"}});
    dialog.calc_c2->setChecked(true);

    const QMap<QString, QString> before = inputState(w);
    const double cam1Fdist = w.cam1.getFdist();
    dialog.apply->click();
    QStringList changed = changedInputs(before, inputState(w));
    changed.sort();
    QCOMPARE(changed, (QStringList{"c2_apature", "c2_fdist"}));
    QCOMPARE(w.cam1.getFdist(), cam1Fdist);
}

void TestOptiDialog::weightZeroRowGivesItsDistanceAndF56()
{
    mainWin& w = *window;
    fillTable(*w.optiWin(), {{"7.25", "3", "0"}});
    w.optiWin()->apply->click();
    QCOMPARE(windowForm(w).c1_fdist->value(), 7.25);
    QCOMPARE(windowForm(w).c1_apature->value(), 5.6);
}

void TestOptiDialog::noRowsMeansNothingToDo()
{
    mainWin& w = *window;
    w.optiWin()->count->setValue(0);
    QCOMPARE(w.optiWin()->table->rowCount(), 0);
    const QMap<QString, QString> before = inputState(w);
    const int recalculations = w.recalculationCount();
    QuietTrace capture;
    // Without rows there is no reference distance: the user is told so.
    QVERIFY(messageOfApply(*w.optiWin()).contains("reference distance"));
    QCOMPARE(inputState(w), before);
    QCOMPARE(w.recalculationCount(), recalculations);
    QVERIFY(capture.text().empty());
}

void TestOptiDialog::unusableDistances_data()
{
    QTest::addColumn<Rows>("rows");
    QTest::addColumn<QString>("outcome");
    QTest::addColumn<double>("fdist");

    // The error is NaN, nothing improves: the start point, mean distance and f/5.6, is written.
    QTest::newRow("a blank distance")
        << Rows{{"", "1", "1"}, {"10", "2", "1"}} << "start point" << 5.0;
    QTest::newRow("a distance of 0")
        << Rows{{"0", "1", "1"}, {"3", "2", "1"}} << "start point" << 1.5;
    // An infinite start is pulled back to 10 km by the first distance step's clamp.
    QTest::newRow("an infinite distance")
        << Rows{{"inf", "1", "1"}, {"3", "2", "1"}} << "search" << 10000.0;
    QTest::newRow("a distance past the double range")
        << Rows{{"1e308", "1", "1"}} << "search" << 10000.0;
    // No finite start point and no way back: the widgets keep their values.
    QTest::newRow("minus infinity")
        << Rows{{"-inf", "1", "1"}, {"3", "2", "1"}} << "untouched" << 4.0;
}

void TestOptiDialog::unusableDistances()
{
    QFETCH(Rows, rows);
    QFETCH(QString, outcome);
    QFETCH(double, fdist);

    mainWin& w = *window;
    windowForm(w).c1_fdist->setValue(4);
    windowForm(w).c1_apature->setValue(2.8);
    fillTable(*w.optiWin(), rows);
    const int recalculations = w.recalculationCount();
    w.optiWin()->apply->click();
    QCOMPARE(w.recalculationCount(), recalculations + 1);
    if (outcome == "start point") {
        QCOMPARE(windowForm(w).c1_fdist->value(), fdist);
        QCOMPARE(windowForm(w).c1_apature->value(), 5.6);
    } else if (outcome == "search") {
        QVERIFY(windowForm(w).c1_fdist->value() <= fdist);
        QVERIFY(windowForm(w).c1_fdist->value() != 4.0);
    } else {
        QCOMPARE(windowForm(w).c1_fdist->value(), fdist);
        QCOMPARE(windowForm(w).c1_apature->value(), 2.8);
    }
    QVERIFY(std::isfinite(windowForm(w).c1_fdist->value()));
    // Whatever the search did to the record, the recalculation rebuilt it from the widgets.
    QCOMPARE(w.cam1.getFdist(), windowForm(w).c1_fdist->value() * 1000);
    QCOMPARE(w.cam1.getAperture(), windowForm(w).c1_apature->value());
}

void TestOptiDialog::refusedTablesChangeNothing_data()
{
    QTest::addColumn<Rows>("rows");
    QTest::addColumn<QString>("message");
    const QString noDistance = "The fit needs a reference distance above 0 m";
    QTest::newRow("untouched table") << Rows{QStringList{}} << noDistance;
    QTest::newRow("only blank and zero distances")
        << Rows{{"", "1", "1"}, {"0", "2", "1"}} << noDistance;
    QTest::newRow("a word") << Rows{{"5", "2", "1"}, {"3", "soft", "1"}}
                            << "Row 2, column \"zc [-]\": \"soft\" is not a number.";
    QTest::newRow("nan") << Rows{{"nan", "1", "1"}}
                         << "Row 1, column \"Distance [m]\": \"nan\" is not a number.";
    // The English program reads only the C locale.
    QTest::newRow("decimal comma")
        << Rows{{"7.5", "3", "7,5"}} << "Row 1, column \"Weight [0-1]\": \"7,5\" is not a number.";
}

void TestOptiDialog::refusedTablesChangeNothing()
{
    QFETCH(Rows, rows);
    QFETCH(QString, message);
    mainWin& w = *window;
    fillTable(*w.optiWin(), rows);
    const QMap<QString, QString> before = inputState(w);
    const int recalculations = w.recalculationCount();
    const QString shown = messageOfApply(*w.optiWin());
    QVERIFY2(shown.startsWith(message), qPrintable(shown));
    QCOMPARE(inputState(w), before);
    QCOMPARE(w.recalculationCount(), recalculations);
}

void TestOptiDialog::germanProgramReadsBothDecimalMarks()
{
    mainWin& w = *window;
    setProgramLocale(QLocale(QLocale::German, QLocale::Germany));
    QStringList distances;
    for (const char* typed : {"7,5", "7.5"}) {
        fillTable(*w.optiWin(), {{typed, "3", "0"}});
        w.optiWin()->apply->click();
        distances << windowForm(w).c1_fdist->text();
    }
    setProgramLocale(QLocale::c());
    QCOMPARE(distances, (QStringList{"7.50 m", "7.50 m"}));
}

// The distance column follows the window's unit; what was typed keeps its length.
void TestOptiDialog::distancesInTheChosenUnit()
{
    mainWin& w = *window;
    opti& dialog = *w.optiWin();
    fillTable(dialog, {{"5", "3", "1"}, {"", "2", "1"}});
    w.setLengthUnit(LengthUnit::Feet);
    QCOMPARE(dialog.table->horizontalHeaderItem(0)->text(), QString("Distance [ft]"));
    QCOMPARE(dialog.table->item(0, 0)->text(), QString("16.4042"));
    QCOMPARE(dialog.table->item(1, 0)->text(), QString());
    dialog.table->item(0, 0)->setText("10");
    QCOMPARE(dialog.referenceTable()[0].distanceMetres, 3.048);
    dialog.table->item(0, 0)->setText("0");
    QVERIFY(dialog.tableProblem().contains("above 0 ft"));
    w.setLengthUnit(LengthUnit::Metres);
    QCOMPARE(dialog.table->horizontalHeaderItem(0)->text(), QString("Distance [m]"));
}

void TestOptiDialog::sameTableSameResultAfterEveryStart()
{
    const Rows rows{{"1.2", "8", "1"}, {"3", "2", "1"}, {"9", "6", "0.3"}};
    QStringList results;
    for (int start = 0; start < 2; ++start) {
        window.open();
        window->showOpti();
        fillTable(*window->optiWin(), rows);
        window->optiWin()->apply->click();
        results << windowForm(*window).c1_fdist->text() + " " +
                       windowForm(*window).c1_apature->text();
    }
    QCOMPARE(results[0], results[1]);
}

void TestOptiDialog::shrinkingTheCountEmptiesRows()
{
    opti& dialog = *window->optiWin();
    fillTable(dialog, {{"1", "2", "1"}, {"3", "4", "1"}, {"5", "6", "1"}});
    dialog.count->setValue(1);
    dialog.count->setValue(3);
    QCOMPARE(dialog.table->rowCount(), 3);
    for (int row = 1; row < 3; ++row) {
        for (int column = 0; column < 3; ++column)
            QVERIFY(!dialog.table->item(row, column));
    }
    const ReferenceTable references = dialog.referenceTable();
    QCOMPARE(references.size(), std::size_t(3));
    QCOMPARE(references[0].distanceMetres, 1.0);
    QCOMPARE(references[2].distanceMetres, 0.0);
    QCOMPARE(references[2].zc, 0.0001);
    QCOMPARE(references[2].weight, 0.0);
}

void TestOptiDialog::closeWindowHides()
{
    opti& dialog = *window->optiWin();
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.parentWidget(), nullptr);
    dialog.QPB_hide->click();
    QVERIFY(!dialog.isVisible());
}

void TestOptiDialog::tutorialExample()
{
    // The tutorial page quotes these numbers; they must be what the program shows.
    mainWin& w = *window;
    QCOMPARE(w.expertMode, 1);
    windowForm(w).c1_fdist->setValue(3);
    windowForm(w).c1_apature->setValue(2.8);
    windowForm(w).c1_flength->setValue(50);
    windowForm(w).boxC2->setChecked(true);
    windowForm(w).c2_fdist->setValue(3);
    windowForm(w).c2_apature->setValue(1.4);
    windowForm(w).c2_flength->setValue(25);
    windowForm(w).c2_crop->setCurrentIndex(8);
    QCOMPARE(windowForm(w).c1_coc->value(), 0.0288);
    QCOMPARE(windowForm(w).c2_coc->value(), 0.0144);
    QCOMPARE(windowForm(w).c1_set_Hyper->text(), QString("Set to hyperfocal (31.3m)"));
    QCOMPARE(windowForm(w).c2_set_Hyper->text(), QString("Set to hyperfocal (31.2m)"));

    const auto limits = [](CameraSetup& camera) {
        const double nearLimit = camera.getNearLimit();
        const double farLimit = camera.getFarLimit();
        return twoDecimals(nearLimit / 1000) + " - " + twoDecimals(farLimit / 1000) + " (" +
               twoDecimals((farLimit - nearLimit) / 1000) + ")";
    };
    QCOMPARE(limits(w.cam1), QString("2.74 - 3.31 (0.57)"));
    QCOMPARE(limits(w.cam2), QString("2.74 - 3.32 (0.58)"));
    QCOMPARE(qRound(w.cam2.getFFScale()), 60);

    const QList<double> distances{1.5, 2, 2.5, 4, 5, 10, 20, 10000};
    const auto curve = [&distances](CameraSetup& camera) {
        QStringList values;
        for (double d : distances)
            values << twoDecimals(camera.getZc(d * 1000));
        return values.join(' ');
    };
    QCOMPARE(curve(w.cam1), QString("10.51 5.26 2.11 2.63 4.21 7.36 8.93 10.51"));
    QCOMPARE(curve(w.cam2), QString("10.42 5.21 2.09 2.61 4.17 7.30 8.86 10.42"));

    windowForm(w).c2_apature->setValue(2.8);
    QCOMPARE(limits(w.cam2), QString("2.53 - 3.69 (1.16)"));
    QCOMPARE(windowForm(w).c2_set_Hyper->text(), QString("Set to hyperfocal (16.0m)"));
    windowForm(w).c1_apature->setValue(5.6);
    QCOMPARE(limits(w.cam1), QString("2.53 - 3.68 (1.15)"));
    QCOMPARE(windowForm(w).c1_set_Hyper->text(), QString("Set to hyperfocal (16.0m)"));
    QCOMPARE(twoDecimals(w.cam2.getZc(1500)) + " " + twoDecimals(w.cam2.getZc(5000)),
             QString("5.22 2.10"));
    QCOMPARE(twoDecimals(w.cam1.getZc(1500)) + " " + twoDecimals(w.cam1.getZc(5000)),
             QString("5.26 2.12"));

    windowForm(w).c1_apature->setValue(2.8);
    opti& dialog = *w.optiWin();
    fillTable(dialog,
              {{"1.5", "10.51", "1"}, {"2", "5.26", "1"}, {"5", "4.21", "1"}, {"10", "7.36", "1"}});
    dialog.calc_c2->setChecked(true);
    CameraSetup start = w.cam2;
    start.setFdist(4625);
    start.setAperture(5.6);
    QCOMPARE(QString::number(calcError(start, dialog.referenceTable()), 'f', 1), QString("6.4"));
    dialog.apply->click();
    QCOMPARE(windowForm(w).c2_fdist->value(), 3.0);
    QCOMPARE(windowForm(w).c2_apature->value(), 1.4);
    QCOMPARE(windowForm(w).c2_flength->value(), 25.0);
    QVERIFY(calcError(w.cam2, dialog.referenceTable()) < 0.0005);
}

ZIDOV_GUITEST_MAIN(TestOptiDialog)
#include "tst_optidialog.moc"
