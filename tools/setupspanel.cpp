// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "setupspanel.h"

#include "graph.h"
#include "readernumbers.h"
#include "ui_setupsPanel.h"
#include "windowsurface.h"

#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QPixmap>

#include <cmath>

namespace {
QTableWidgetItem* readOnlyItem(const QString& text = QString())
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

QTableWidgetItem* checkItem(bool checked, const QString& toolTip)
{
    auto* item = new QTableWidgetItem;
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    item->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    item->setToolTip(toolTip);
    return item;
}

QString factorText(double factor)
{
    return std::isfinite(factor) ? QStringLiteral("×") + ReaderNumbers::significant(factor, 3)
                                 : QStringLiteral("–");
}
} // namespace

SetupsPanel::SetupsPanel(WindowSurface& surface_, QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::SetupsPanel>()), surface(surface_)
{
    ui->setupUi(this);
    QTableWidget* table = ui->setupsTable;
    table->setColumnCount(ColumnCount);
    table->setHorizontalHeaderLabels({tr("Shown"), tr("Colour"), tr("Name"), tr("Focus"),
                                      tr("f-number"), tr("Depth of field"), tr("background blur ×"),
                                      tr("depth of field ×"), tr("Band")});
    table->horizontalHeaderItem(BlurFactorColumn)
        ->setToolTip(tr("The setup's blur at infinity, as a share of its frame, over Camera 1's: "
                        "how much more the background blurs in a print of the same size."));
    table->horizontalHeaderItem(DepthFactorColumn)
        ->setToolTip(tr("The length of the setup's depth of field over Camera 1's."));
    table->verticalHeader()->hide();
    table->installEventFilter(this);
    connect(table, &QTableWidget::itemChanged, this, &SetupsPanel::itemChanged);
    connect(table, &QTableWidget::itemSelectionChanged, this, &SetupsPanel::updateButtons);

    connect(ui->setupToCamera1, &QPushButton::clicked, this, [this] { putInto(1); });
    connect(ui->setupToCamera2, &QPushButton::clicked, this, [this] { putInto(2); });
    connect(ui->setupRemove, &QPushButton::clicked, this, &SetupsPanel::removeSelected);
    auto* matchMenu = new QMenu(ui->setupMatch);
    matchMenu->setObjectName(QStringLiteral("setupMatchMenu"));
    ui->setupMatch->setMenu(matchMenu);
    addMatchCommand(tr("&Equivalent settings"), &CameraMatch::equivalentSettings);
    addMatchCommand(tr("Same &framing"), &CameraMatch::sameFraming);
    addMatchCommand(tr("Same &background blur"), &CameraMatch::sameBackgroundBlur);
    addMatchCommand(tr("Same &depth of field"), &CameraMatch::sameDepthOfField);
    updateButtons();
}

SetupsPanel::~SetupsPanel() = default;

void SetupsPanel::addMatchCommand(const QString& text, PinnedSetups::Solver solve)
{
    QAction* command = ui->setupMatch->menu()->addAction(text);
    connect(command, &QAction::triggered, this,
            [this, command, solve] { match(command->iconText(), solve); });
}

void SetupsPanel::restore(const QList<PinnedSetup>& setups)
{
    list = PinnedSetups(setups);
    fillTable();
}

bool SetupsPanel::pin(int camera)
{
    const PinnedSetups::Added added = list.add(surface.cameraInputs(camera));
    if (added.index < 0) {
        QMessageBox::information(this, tr("Pin Camera %1").arg(camera), added.refusal);
        return false;
    }
    fillTable();
    ui->setupsTable->selectRow(added.index);
    emit setupsChanged();
    return true;
}

QSize SetupsPanel::sizeHint() const
{
    const QTableWidget* table = ui->setupsTable;
    const int rows = 3;
    const int tableHeight = table->horizontalHeader()->sizeHint().height() +
                            rows * table->verticalHeader()->defaultSectionSize() +
                            2 * table->frameWidth();
    const QMargins margins = layout()->contentsMargins();
    return {QWidget::sizeHint().width(), tableHeight + layout()->spacing() +
                                             ui->setupButtons->sizeHint().height() + margins.top() +
                                             margins.bottom()};
}

void SetupsPanel::fillTable()
{
    filling = true;
    QTableWidget* table = ui->setupsTable;
    table->setRowCount(list.count());
    for (int row = 0; row < list.count(); ++row) {
        const PinnedSetup& setup = list.setups()[row];
        table->setItem(row, ShownColumn, checkItem(setup.shown, tr("Draw this setup's curve.")));
        QPixmap swatch(16, 16);
        swatch.fill(graph::pinnedColour(setup.colour));
        QTableWidgetItem* colour = readOnlyItem();
        colour->setIcon(QIcon(swatch));
        table->setItem(row, ColourColumn, colour);
        auto* name = new QTableWidgetItem(setup.name);
        name->setToolTip(tr("The setup's name in the legend, the table and the exports; "
                            "double-click or F2 to rename it."));
        table->setItem(row, NameColumn, name);
        for (int column :
             {FocusColumn, ApertureColumn, DepthColumn, BlurFactorColumn, DepthFactorColumn})
            table->setItem(row, column, readOnlyItem());
        table->setItem(row, BandColumn,
                       checkItem(setup.bandShown, tr("Shade this setup's depth of field.")));
        offerBand(row);
        fillNumbers(row);
    }
    table->resizeColumnsToContents();
    filling = false;
    updateButtons();
}

void SetupsPanel::refresh()
{
    filling = true;
    for (int row = 0; row < list.count(); ++row)
        fillNumbers(row);
    filling = false;
}

void SetupsPanel::offerBand(int row)
{
    // A band is drawn with its curve only: a hidden setup's box would be ticked to no effect.
    QTableWidgetItem* band = ui->setupsTable->item(row, BandColumn);
    const Qt::ItemFlags flags = band->flags();
    band->setFlags(list.setups()[row].shown ? flags | Qt::ItemIsEnabled
                                            : flags & ~Qt::ItemIsEnabled);
}

void SetupsPanel::fillNumbers(int row)
{
    const CameraSetup& cameraOne = surface.cameraRecord(1);
    const SetupNumbers numbers =
        PinnedSetups::numbers(list.setups()[row], cameraOne, cameraOne.getDiffFactor());
    const LengthUnit unit = surface.lengthUnit();
    QTableWidget* table = ui->setupsTable;
    table->item(row, FocusColumn)->setText(LengthUnits::readerText(numbers.focus / 1000, unit));
    table->item(row, ApertureColumn)
        ->setText(QStringLiteral("f/") + ReaderNumbers::significant(numbers.aperture, 3));
    using Kind = DepthRules::DepthOfField;
    QString depth = tr("none");
    if (numbers.limits.kind == Kind::Endless)
        depth = tr("endless");
    else if (numbers.limits.kind != Kind::None)
        depth = LengthUnits::readerText(numbers.limits.length() / 1000, unit);
    table->item(row, DepthColumn)->setText(depth);
    // Beside a Camera 1 that is off the factors would compare with a curve nobody sees.
    const bool cameraOneOn = surface.switchedOn(1);
    table->item(row, BlurFactorColumn)
        ->setText(cameraOneOn ? factorText(numbers.backgroundBlurRatio) : QStringLiteral("–"));
    table->item(row, DepthFactorColumn)
        ->setText(cameraOneOn ? factorText(numbers.depthOfFieldRatio) : QStringLiteral("–"));
}

void SetupsPanel::itemChanged(QTableWidgetItem* item)
{
    if (filling)
        return;
    const int row = item->row();
    switch (item->column()) {
    case ShownColumn:
        list.setShown(row, item->checkState() == Qt::Checked);
        filling = true;
        offerBand(row);
        filling = false;
        break;
    case BandColumn:
        list.setBandShown(row, item->checkState() == Qt::Checked);
        break;
    case NameColumn: {
        const QString refusal = list.rename(row, item->text());
        filling = true;
        item->setText(list.setups()[row].name);
        filling = false;
        if (!refusal.isEmpty()) {
            QMessageBox::information(this, tr("Rename setup"), refusal);
            return;
        }
        break;
    }
    default:
        return;
    }
    emit setupsChanged();
}

QList<int> SetupsPanel::selectedRows() const
{
    QList<int> rows;
    for (const QModelIndex& index : ui->setupsTable->selectionModel()->selectedRows())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

void SetupsPanel::updateButtons()
{
    const bool any = !selectedRows().isEmpty();
    for (QPushButton* button :
         {ui->setupToCamera1, ui->setupToCamera2, ui->setupRemove, ui->setupMatch})
        button->setEnabled(any);
}

void SetupsPanel::removeSelected()
{
    const QList<int> rows = selectedRows();
    if (rows.isEmpty())
        return;
    // From the last, so that the rows still to go keep their places.
    for (auto row = rows.rbegin(); row != rows.rend(); ++row)
        list.remove(*row);
    fillTable();
    emit setupsChanged();
}

void SetupsPanel::putInto(int camera)
{
    const int row = ui->setupsTable->currentRow();
    if (row < 0 || row >= list.count() || !selectedRows().contains(row))
        return;
    surface.putCamera(camera, list.setups()[row].camera);
}

void SetupsPanel::match(const QString& title, PinnedSetups::Solver solve)
{
    const QList<int> rows = selectedRows();
    if (rows.isEmpty())
        return;
    QString refusal;
    if (!surface.switchedOn(1))
        refusal = tr("Camera 1 is switched off: switch it on to match setups to it.");
    else
        refusal = list.matchAll(rows, surface.cameraRecord(1), solve, surface.lengthUnit(),
                                surface.cameraRecord(1).getDiffFactor());
    if (!refusal.isEmpty()) {
        QMessageBox::information(this, title, refusal);
        return;
    }
    fillTable();
    for (int row : rows)
        ui->setupsTable->selectionModel()->select(ui->setupsTable->model()->index(row, 0),
                                                  QItemSelectionModel::Select |
                                                      QItemSelectionModel::Rows);
    emit setupsChanged();
}

bool SetupsPanel::eventFilter(QObject* watched, QEvent* event)
{
    // A name being edited has the keys in its editor, which the table does not see here.
    if (watched == ui->setupsTable && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Delete) {
            removeSelected();
            return true;
        }
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            putInto(2);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
