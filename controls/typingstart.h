// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include <QObject>

#include <optional>

class QDoubleSpinBox;

// Keeps a number box at the value it had before the typing began when editing ends on a text
// the box refuses. The box takes every acceptable beginning of what is typed (the 6 typed and
// then deleted again), and by itself goes back only as far as the last of them. The distance
// boxes do the same of their own (see LengthSpinBox).
class TypingStart : public QObject
{
    Q_OBJECT

public:
    // Owned by the box.
    static void attach(QDoubleSpinBox* box);
    // The value the box now holds was set on purpose (a lens's limit for a text beyond it):
    // the end of this editing keeps it.
    static void settle(QDoubleSpinBox* box);

private:
    explicit TypingStart(QDoubleSpinBox* box);
    void typed(const QString& text);
    void editingEnded();

    QDoubleSpinBox* box;
    std::optional<double> before;
    QString last;
};
