// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "cameracontrols.h"
#include "eqwin.h"
#include "guitest.h"
#include "languagechoice.h"
#include "mainwin.h"
#include "windowform.h"

#include <QDoubleSpinBox>
#include <QSpinBox>
#include <QTableWidget>

#include <cmath>
#include <memory>

namespace {
// The four full-frame equivalents of a row, as shown.
QStringList equivalents(const QTableWidget* table, int row)
{
    QStringList texts;
    for (int column = 5; column < 9; ++column) {
        const QTableWidgetItem* item = table->item(row, column);
        texts << (item ? item->text() : QStringLiteral("(none)"));
    }
    return texts;
}

void type(QTableWidget* table, int row, const QStringList& cells)
{
    for (int i = 0; i < cells.size(); ++i)
        table->setItem(row, 1 + i, new QTableWidgetItem(cells[i]));
}
} // namespace

class TestEqWin : public QObject
{
    Q_OBJECT

private slots:
    void advancedMenuOpensTheCalculator();
    void equivalentsFollowTheLenses();
    void enterMovesOnWithinTheCalculator();
};

void TestEqWin::advancedMenuOpensTheCalculator()
{
    QuietTrace quiet;
    mainWin w;
    windowForm(w).actionEquivalency_Calculator->trigger();
    QVERIFY(w.eqWin()->isVisible());
    QCOMPARE(w.eqWin()->windowTitle(), QString("Equivalency calculator"));
    w.eqWin()->hide();
}

void TestEqWin::equivalentsFollowTheLenses()
{
    // Typed the German way or with a decimal point, as in the optimizer.
    setProgramLocale(QLocale(QLocale::German, QLocale::Germany));
    EqWin calculator;
    auto* table = calculator.findChild<QTableWidget*>("tableWidget");
    auto* crop = calculator.findChild<QDoubleSpinBox*>("doubleSpinBox");
    auto* lenses = calculator.findChild<QSpinBox*>("spinBox");
    QCOMPARE(crop->value(), 1.6);

    type(table, 0, {"17,5", "55", "2,8", "4.0"});
    QCOMPARE(equivalents(table, 0), QStringList({"28,0", "88,0", "4,5", "6,4"}));
    type(table, 1, {"50", "", "f/1.8", ""});
    QCOMPARE(equivalents(table, 1), QStringList({"80,0", "", "", ""}));
    QCOMPARE(table->item(1, 3)->foreground().color(), QColor(Qt::red));
    QVERIFY(!table->item(1, 3)->toolTip().isEmpty());
    QVERIFY(table->item(0, 3)->data(Qt::ForegroundRole).isNull());
    table->item(1, 3)->setText("1.8");
    QCOMPARE(equivalents(table, 1), QStringList({"80,0", "", "2,9", ""}));
    QVERIFY(table->item(1, 3)->data(Qt::ForegroundRole).isNull());

    crop->setValue(2);
    QCOMPARE(equivalents(table, 0), QStringList({"35,0", "110,0", "5,6", "8,0"}));

    lenses->setValue(4);
    QCOMPARE(equivalents(table, 3), QStringList({"", "", "", ""}));
    for (int row = 0; row < table->rowCount(); ++row) {
        for (int column = 5; column < 9; ++column)
            QVERIFY(!(table->item(row, column)->flags() & Qt::ItemIsEditable));
    }
    setProgramLocale(QLocale::c());
}

// Opened from the window it starts at Camera 1's crop factor and says what its columns are;
// Enter goes from cell to cell and neither closes it nor reaches the window behind.
void TestEqWin::enterMovesOnWithinTheCalculator()
{
    QuietTrace quiet;
    mainWin w;
    w.switchpromode();
    windowForm(w).c1_cocSet->setCurrentIndex(CocByCropFactor);
    windowForm(w).c1_cropC->setCurrentIndex(5); // "DX Crop 1.5"
    windowForm(w).actionEquivalency_Calculator->trigger();
    EqWin* calculator = w.eqWin();
    auto* table = calculator->findChild<QTableWidget*>("tableWidget");
    auto* crop = calculator->findChild<QDoubleSpinBox*>("doubleSpinBox");
    QVERIFY(table && crop);
    QCOMPARE(crop->value(), std::round(w.c1Crop * 100) / 100);
    QVERIFY(std::abs(crop->value() - 1.5) < 0.05);
    QCOMPARE(table->horizontalHeaderItem(5)->text(), QString("Full-frame focal length start"));
    QCOMPARE(table->horizontalHeaderItem(8)->text(), QString("Full-frame aperture end"));
    QVERIFY(table->columnWidth(0) >=
            table->fontMetrics().horizontalAdvance("18-135mm f/3.5-5.6 IS USM"));

    QApplication::setActiveWindow(calculator);
    table->setFocus();
    table->setCurrentCell(0, 0);
    const double border = windowForm(w).DSB_leftBorder->value();
    for (const char* cell : {"Zoom", "17", "55"}) {
        QTest::keyClick(table, Qt::Key_F2);
        QTest::keyClicks(QApplication::focusWidget(), cell);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }
    QCOMPARE(table->item(0, 2)->text(), QString("55"));
    QCOMPARE(table->currentColumn(), 3);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); // stop editing
    QTest::keyClick(table, Qt::Key_Enter);
    QCOMPARE(table->currentColumn(), 4);
    QVERIFY(calculator->isVisible());
    QTest::keyClicks(QApplication::focusWidget(), "5");
    QCOMPARE(windowForm(w).DSB_leftBorder->value(), border);
    calculator->hide();
}

ZIDOV_GUITEST_MAIN(TestEqWin)
#include "tst_eqwin.moc"
