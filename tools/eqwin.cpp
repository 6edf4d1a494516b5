// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "eqwin.h"

#include "languagechoice.h"
#include "typednumber.h"
#include "ui_eqwin.h"

#include <QKeyEvent>
#include <QSignalBlocker>
#include <QStyledItemDelegate>

#include <algorithm>

namespace {
// Focal length start and end, f-number start and end, as typed; the equivalents follow in
// the same order.
constexpr int firstLensColumn = 1;
constexpr int firstEquivalentColumn = 5;
constexpr int valuesPerLens = 4;

// Focal lengths and f-numbers to a tenth, as the main window shows them.
QString equivalentText(double value)
{
    QLocale locale = programLocale();
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value, 'f', 1);
}

// Enter in the lens table goes on to the next cell, editing it, as Tab does; the dialog
// has no default button for it to press.
class EnterMovesOn : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        auto* editor = qobject_cast<QWidget*>(object);
        if (editor && isEnter(event)) {
            emit commitData(editor);
            emit closeEditor(editor, QAbstractItemDelegate::EditNextItem);
            return true;
        }
        return QStyledItemDelegate::eventFilter(object, event);
    }

public:
    static bool isEnter(const QEvent* event)
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<const QKeyEvent*>(event)->key();
        return key == Qt::Key_Return || key == Qt::Key_Enter;
    }
};

// Enter on a cell that is not being edited moves on as well, left to right, row by row.
class EnterOnCell : public QObject
{
public:
    explicit EnterOnCell(QTableWidget* table) : QObject(table), table(table) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (!EnterMovesOn::isEnter(event) || table->rowCount() == 0)
            return false;
        const int cells = table->rowCount() * table->columnCount();
        const int at =
            std::max(0, table->currentRow() * table->columnCount() + table->currentColumn());
        const int next = (at + 1) % cells;
        table->setCurrentCell(next / table->columnCount(), next % table->columnCount());
        return true;
    }

private:
    QTableWidget* table;
};
} // namespace

EqWin::EqWin(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::EqWin>())
{
    ui->setupUi(this);
    QTableWidget* table = ui->tableWidget;
    table->setItemDelegate(new EnterMovesOn(table));
    table->installEventFilter(new EnterOnCell(table));
    table->resizeColumnsToContents();
    // Wide enough for a zoom lens's name with its range, f-numbers and a type or two.
    table->setColumnWidth(0, std::max(table->columnWidth(0),
                                      table->fontMetrics().horizontalAdvance(
                                          QStringLiteral("0000-0000mm f/0.0-0.0 XXXX XX XXX"))));
    connect(ui->tableWidget, &QTableWidget::itemChanged, this, &EqWin::lensCellChanged);
    connect(ui->doubleSpinBox, &QDoubleSpinBox::valueChanged, this, &EqWin::computeAll);
    ui->spinBox->setValue(3);
}

EqWin::~EqWin() = default;

void EqWin::setSourceCropFactor(double crop)
{
    ui->doubleSpinBox->setValue(crop);
}

void EqWin::on_pushButton_released()
{
    hide();
}

void EqWin::on_spinBox_valueChanged(int count)
{
    ui->tableWidget->setRowCount(count);
    computeAll();
}

void EqWin::lensCellChanged(const QTableWidgetItem* item)
{
    if (item->column() >= firstLensColumn && item->column() < firstEquivalentColumn)
        computeRow(item->row());
}

void EqWin::computeAll()
{
    for (int row = 0; row < ui->tableWidget->rowCount(); ++row)
        computeRow(row);
}

void EqWin::computeRow(int row)
{
    QTableWidget* table = ui->tableWidget;
    // Marking a cell and writing the equivalents are no edits to react to.
    const QSignalBlocker quiet(table);
    const double crop = ui->doubleSpinBox->value();
    for (int index = 0; index < valuesPerLens; ++index) {
        QTableWidgetItem* lens = table->item(row, firstLensColumn + index);
        const QString text = lens ? lens->text().trimmed() : QString();
        const std::optional<double> value = text.isEmpty() ? std::nullopt : typedNumber(text);
        const bool usable = value && *value > 0;
        if (lens) {
            const bool bad = !text.isEmpty() && !usable;
            lens->setData(Qt::ForegroundRole, bad ? QVariant(QBrush(Qt::red)) : QVariant());
            lens->setToolTip(bad ? tr("Not a positive number, so it has no equivalent.")
                                 : QString());
        }
        QTableWidgetItem* equivalent = table->item(row, firstEquivalentColumn + index);
        if (!equivalent) {
            equivalent = new QTableWidgetItem;
            equivalent->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            table->setItem(row, firstEquivalentColumn + index, equivalent);
        }
        equivalent->setText(usable ? equivalentText(*value * crop) : QString());
    }
}
