// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "gearchooser.h"

#include "gearrowdelegate.h"

#include <QKeyEvent>
#include <QPushButton>

#include <algorithm>
#include <numeric>

GearRows::GearRows(const QStringList& entries_, QObject* parent)
    : QAbstractListModel(parent), entries(entries_), shown(entries_.size())
{
    std::iota(shown.begin(), shown.end(), 0);
}

int GearRows::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(shown.size()) + 1;
}

QVariant GearRows::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid())
        return {};
    const int entry = entryAt(index.row());
    return entry < 0 ? GearChooser::tr("None") : entries[entry];
}

void GearRows::show(std::vector<int> entries_)
{
    if (entries_ == shown)
        return;
    beginResetModel();
    shown = std::move(entries_);
    endResetModel();
}

int GearRows::rowOf(int entry) const
{
    const auto at = std::find(shown.begin(), shown.end(), entry);
    return at == shown.end() ? 0 : int(at - shown.begin()) + 1;
}

GearChooser::GearChooser(QWidget* parent, const QString& title, const QStringList& entries,
                         int current, const QList<bool>& preferred)
    : QDialog(parent), search(entries, preferred), rows(new GearRows(entries, this)),
      entryCount(int(entries.size())), matching(entries.size())
{
    std::iota(matching.begin(), matching.end(), 0);
    setupUi(this);
    gearNote->hide();
    setWindowTitle(title);
    gearList->setModel(rows);
    gearList->setItemDelegate(new GearRowDelegate(gearList));
    setCurrentEntry(current);
    connect(gearSearch, &QLineEdit::textChanged, this, &GearChooser::filter);
    connect(buttonBox, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(gearList, &QListView::activated, this, &QDialog::accept);
    // The arrows move through the list while the search field keeps the keyboard.
    gearSearch->installEventFilter(this);
    gearSearch->setFocus();
}

int GearChooser::chosen() const
{
    return rows->entryAt(gearList->currentIndex().row());
}

void GearChooser::setCurrentEntry(int entry)
{
    gearList->setCurrentIndex(rows->index(rows->rowOf(entry)));
}

void GearChooser::filter(const QString& text)
{
    const GearSearch::Query words = GearSearch::queryWords(text);
    const int current = chosen();
    // Typing on leaves out more and never brings back, so only what matched is looked at.
    if (!GearSearch::narrows(typed, words)) {
        matching.resize(entryCount);
        std::iota(matching.begin(), matching.end(), 0);
    }
    // Scores with their entries, in the entries' order, so that equal scores keep it.
    std::vector<std::pair<int, int>> scored;
    scored.reserve(matching.size());
    for (const int entry : matching) {
        const int score = words.isEmpty() ? 1 : search.score(entry, words);
        if (score > 0)
            scored.emplace_back(score, entry);
    }
    typed = words;
    matching.clear();
    for (const auto& [score, entry] : scored)
        matching.push_back(entry);
    std::stable_sort(scored.begin(), scored.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    std::vector<int> shown;
    shown.reserve(scored.size());
    for (const auto& [score, entry] : scored)
        shown.push_back(entry);
    const bool nothing = !words.isEmpty() && shown.empty();
    rows->show(std::move(shown));
    // The best match becomes current rather than "None", which is always shown.
    setCurrentEntry(words.isEmpty() ? current : rows->entryAt(1));
    const bool noteShown = nothing && !nothingFound.isEmpty();
    if (gearNote->isHidden() == noteShown)
        gearNote->setVisible(noteShown);
}

void GearChooser::setNothingFoundNote(const QString& note)
{
    nothingFound = note;
    gearNote->setText(note);
}

QPushButton* GearChooser::addCommand(const QString& name, const QString& text)
{
    QPushButton* button = buttonBox->addButton(text, QDialogButtonBox::ActionRole);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
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
