// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "gearsearch.h"

#include <algorithm>

namespace {
// Words of letters or of numbers: "85mm" is "85" and "mm", "X-T4" is "x", "t" and "4", and a
// decimal point stays in its number ("f/1.8" is "f" and "1.8", unlike "1:8").
QStringList words(const QString& text)
{
    QStringList result;
    QString word;
    const auto kind = [](QChar c) { return c.isDigit() ? 1 : c.isLetter() ? 2 : 0; };
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const bool decimalPoint = c == QLatin1Char('.') && !word.isEmpty() &&
                                  word.back().isDigit() && i + 1 < text.size() &&
                                  text[i + 1].isDigit();
        if (decimalPoint) {
            word += c;
            continue;
        }
        if (!word.isEmpty() && (kind(c) == 0 || kind(c) != kind(word.back()))) {
            result << word;
            word.clear();
        }
        if (kind(c) != 0)
            word += c.toLower();
    }
    if (!word.isEmpty())
        result << word;
    return result;
}

enum Fit
{
    NoFit = 0,
    PartFit = 1,
    WholeFit = 3
};

// How the typed word from `at` on is made of the beginnings of the words from `word` on:
// WholeFit when each piece is a whole word.
Fit byBeginnings(const QStringList& entryWords, int word, const QString& typed, int at)
{
    if (at == typed.size())
        return WholeFit;
    if (word == entryWords.size())
        return NoFit;
    const QString& w = entryWords[word];
    const int most = std::min(int(w.size()), int(typed.size()) - at);
    for (int length = most; length >= 1; --length) {
        if (QStringView(w).left(length) != QStringView(typed).mid(at, length))
            continue;
        const Fit rest = byBeginnings(entryWords, word + 1, typed, at + length);
        if (rest != NoFit)
            return length == w.size() ? rest : PartFit;
    }
    return NoFit;
}
} // namespace

GearSearch::GearSearch(const QStringList& texts)
{
    entries.reserve(texts.size());
    for (const QString& text : texts) {
        entries.append({words(text)});
    }
}

QStringList GearSearch::queryWords(const QString& typed)
{
    QStringList result;
    for (const QString& part : typed.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString joined = words(part).join(QString());
        if (!joined.isEmpty())
            result << joined;
    }
    return result;
}

int GearSearch::score(int entry, const QStringList& typedWords) const
{
    const QStringList& words = entries[entry].words;
    int total = 1;
    for (const QString& typed : typedWords) {
        int best = NoFit;
        for (int start = 0; start < words.size() && best != WholeFit; ++start) {
            best = std::max(best, int(byBeginnings(words, start, typed, 0)));
            if (best == NoFit && words[start].contains(typed))
                best = PartFit;
        }
        if (best == NoFit)
            return 0;
        total += best;
    }
    return total;
}
