// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Finds gear as photographers type it: case, spaces and dashes do not count ("x-t4", "XT4"),
// a typed word may be part of a word or the beginnings of words in a row ("a7" for
// "Alpha 7", "85" for "85mm", "1.8" for "f/1.8"). An entry matches when each typed word does.
class GearSearch
{
public:
    explicit GearSearch(const QStringList& entries);

    // Splits what is typed into words once per keystroke.
    static QStringList queryWords(const QString& typed);
    // 0 when the entry does not match; more the more typed words are whole words of it, so
    // that "a7 iii" prefers "Alpha 7 III" to "Alpha 7 II", whose "ii" and "ilce" give "iii" too.
    int score(int entry, const QStringList& words) const;

private:
    struct Entry
    {
        QStringList words;
    };
    QList<Entry> entries;
};
