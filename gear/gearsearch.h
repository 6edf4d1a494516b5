// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Finds gear as photographers type it: case, spaces and dashes do not count ("x-t4", "XT4"),
// a typed word may be part of a word or the beginnings of words in a row ("a7" for
// "Alpha 7", "85" for "85mm", "1.8" for "f/1.8", "mark ii" for "MarkII"). An entry matches
// when each typed word does. Numbers keep to themselves: "1" does not run on into "10" when
// more is typed after it, and two numbers are never read as one across a space ("f/1.8 55mm"
// holds no "855").
class GearSearch
{
public:
    // `preferred` marks the entries that win a tie (bodies that take lenses over compacts);
    // empty for none.
    explicit GearSearch(const QStringList& entries, const QList<bool>& preferred = {});

    // A typed word, spaces and dashes dropped. A word followed by a space is finished: a
    // number at its end is a whole number ("e-m1 " is not "E-M10"), while the last one may
    // still grow.
    struct Typed
    {
        QString text;
        bool finished = false;
    };
    using Query = QList<Typed>;
    // Splits what is typed into words once per keystroke.
    static Query queryWords(const QString& typed);
    // 0 when the entry does not match; more the more typed words are whole words of it, so
    // that "a7 iii" prefers "Alpha 7 III" to "Alpha 7 II", whose "ii" and "ilce" give "iii"
    // too. Of equal matches a preferred entry scores more, then the one of fewer words.
    int score(int entry, const Query& words) const;
    // Whether every entry that matches `after` matches `before` too, as when typing on: then
    // only what matched before needs scoring again.
    static bool narrows(const Query& before, const Query& after);

    struct Word
    {
        QString text;
        bool number = false;
        // A space stands between this word and the one before.
        bool spaced = false;
    };

private:
    struct Entry
    {
        QList<Word> words;
        // The words of letters, each followed by a space, for finding typed letters inside one
        // of them with a single search.
        QString letterWords;
        int tieBreak = 0;
    };
    QList<Entry> entries;
};
