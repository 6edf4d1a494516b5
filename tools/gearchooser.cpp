// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "gearchooser.h"

#include <QKeyEvent>
#include <QPushButton>

GearChooser::GearChooser(QWidget* parent, const QString& title, const QStringList& entries,
                         int current)
    : QDialog(parent), search(entries)
{
    setupUi(this);
    setWindowTitle(title);
    gearList->addItem(tr("None"));
    gearList->addItems(entries);
    gearList->setCurrentRow(current + 1);
    connect(gearSearch, &QLineEdit::textChanged, this, &GearChooser::filter);
    connect(buttonBox, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(gearList, &QListWidget::itemActivated, this, &QDialog::accept);
    // The arrows move through the list while the search field keeps the keyboard.
    gearSearch->installEventFilter(this);
    gearSearch->setFocus();
}

int GearChooser::chosen() const
{
    const int row = gearList->currentRow();
    return row < 1 || gearList->isRowHidden(row) ? -1 : row - 1;
}

void GearChooser::filter(const QString& text)
{
    const QStringList words = GearSearch::queryWords(text);
    // The best match becomes current rather than "None", which is always shown.
    int best = 0;
    int bestScore = 0;
    gearList->setUpdatesEnabled(false);
    for (int entry = 0; entry + 1 < gearList->count(); ++entry) {
        const int score = search.score(entry, words);
        // Each change lays the list out anew; most keystrokes change few rows.
        if (gearList->isRowHidden(entry + 1) != (score == 0))
            gearList->setRowHidden(entry + 1, score == 0);
        if (score > bestScore) {
            best = entry + 1;
            bestScore = score;
        }
    }
    gearList->setUpdatesEnabled(true);
    if (!words.isEmpty() || gearList->isRowHidden(gearList->currentRow()))
        gearList->setCurrentRow(best);
}

bool GearChooser::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == gearSearch && event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            QCoreApplication::sendEvent(gearList, event);
            return true;
        default:
            break;
        }
    }
    return QDialog::eventFilter(watched, event);
}
