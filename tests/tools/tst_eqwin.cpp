// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "eqwin.h"
#include "guitest.h"
#include "languagechoice.h"
#include "mainwin.h"

#include <QDoubleSpinBox>
#include <QSpinBox>
#include <QTableWidget>

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
};

void TestEqWin::advancedMenuOpensTheCalculator()
{
    QuietStdout quiet;
    mainWin w;
    w.actionEquivalency_Calculator->trigger();
    QVERIFY(w.eqWin->isVisible());
    QCOMPARE(w.eqWin->windowTitle(), QString("Equivalency calculator"));
    w.eqWin->hide();
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

ZIDOV_GUITEST_MAIN(TestEqWin)
#include "tst_eqwin.moc"
