// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "gearsearch.h"

#include <algorithm>

namespace {
using Word = GearSearch::Word;

// Words of letters or of numbers: "85mm" is "85" and "mm", "X-T4" is "x", "t" and "4", a
// decimal point stays in its number ("f/1.8" is "f" and "1.8", unlike "1:8"), and a capital
// after a small letter starts a word ("MarkII" is "mark" and "ii", as "Mark II").
QList<Word> words(const QString& text)
{
    QList<Word> result;
    Word word;
    bool spaced = false;
    const auto kind = [](QChar c) { return c.isDigit() ? 1 : c.isLetter() ? 2 : 0; };
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const bool decimalPoint = c == QLatin1Char('.') && !word.text.isEmpty() &&
                                  word.text.back().isDigit() && i + 1 < text.size() &&
                                  text[i + 1].isDigit();
        if (decimalPoint) {
            word.text += c;
            continue;
        }
        const bool newWord =
            !word.text.isEmpty() && (kind(c) == 0 || kind(c) != kind(word.text.back()) ||
                                     (c.isUpper() && text[i - 1].isLower()));
        if (newWord) {
            result << word;
            word = Word();
        }
        if (c.isSpace())
            spaced = true;
        if (kind(c) != 0) {
            if (word.text.isEmpty()) {
                word.number = c.isDigit();
                word.spaced = spaced;
                spaced = false;
            }
            word.text += c.toLower();
        }
    }
    if (!word.text.isEmpty())
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
// WholeFit when each piece is a whole word. Only the last piece of a word still being typed
// may be the start of a number, and no piece runs from a number into a number beyond a space.
Fit byBeginnings(const QList<Word>& entryWords, int word, const GearSearch::Typed& typed, int at)
{
    if (at == typed.text.size())
        return WholeFit;
    if (word == entryWords.size())
        return NoFit;
    const Word& w = entryWords[word];
    if (at > 0 && w.number && w.spaced && entryWords[word - 1].number)
        return NoFit;
    const int most = std::min(int(w.text.size()), int(typed.text.size()) - at);
    // Every piece the word may give is a part of what both begin with, so that is found once
    // rather than compared again for each length.
    int common = 0;
    while (common < most && w.text[common] == typed.text[at + common])
        ++common;
    for (int length = common; length >= 1; --length) {
        const bool whole = length == w.text.size();
        if (!whole && w.number && (typed.finished || at + length < typed.text.size()))
            continue;
        const Fit rest = byBeginnings(entryWords, word + 1, typed, at + length);
        if (rest != NoFit)
            return whole ? rest : PartFit;
    }
    return NoFit;
}

bool hasDigit(const QString& text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); });
}
} // namespace

GearSearch::GearSearch(const QStringList& texts, const QList<bool>& preferred)
{
    entries.reserve(texts.size());
    for (int i = 0; i < texts.size(); ++i) {
        Entry entry{words(texts[i]), {}, 0};
        for (const Word& word : entry.words) {
            if (!word.number)
                entry.letterWords += word.text + QLatin1Char(' ');
        }
        entry.tieBreak =
            (preferred.value(i) ? 128 : 0) + 127 - std::min(127, int(entry.words.size()));
        entries.append(entry);
    }
}

GearSearch::Query GearSearch::queryWords(const QString& typed)
{
    Query result;
    const QStringList parts = typed.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (int i = 0; i < parts.size(); ++i) {
        Typed word{QString(), i + 1 < parts.size() || typed.endsWith(QLatin1Char(' '))};
        for (const Word& piece : words(parts[i]))
            word.text += piece.text;
        if (!word.text.isEmpty())
            result << word;
    }
    return result;
}

bool GearSearch::narrows(const Query& before, const Query& after)
{
    if (after.size() < before.size())
        return false;
    for (int i = 0; i < before.size(); ++i) {
        // Only a word still being typed may grow: a finished one must stay as it was.
        const bool kept = before[i].finished ? after[i].finished && after[i].text == before[i].text
                                             : after[i].text.startsWith(before[i].text);
        if (!kept)
            return false;
    }
    return true;
}

int GearSearch::score(int entry, const Query& typedWords) const
{
    const Entry& e = entries[entry];
    int total = 1;
    for (const Typed& typed : typedWords) {
        int best = NoFit;
        const bool letters = !hasDigit(typed.text);
        for (int start = 0; start < e.words.size() && best != WholeFit; ++start)
            best = std::max(best, int(byBeginnings(e.words, start, typed, 0)));
        // Inside a word only letters: a number found in the middle of another ("5" in "85")
        // is no match.
        if (best == NoFit && letters && e.letterWords.contains(typed.text))
            best = PartFit;
        if (best == NoFit)
            return 0;
        total += best;
    }
    return total * 256 + e.tieBreak;
}
