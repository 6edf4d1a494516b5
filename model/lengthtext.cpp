// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "lengthtext.h"

#include <QLocale>

#include <cmath>
#include <vector>

namespace {
enum class Unit
{
    None,
    Metre,
    Centimetre,
    Foot,
    Inch
};

struct UnitWord
{
    QStringView text;
    Unit unit;
};

// Longer words first, so that "cm" is not read as "c" and "m".
const UnitWord unitWords[] = {
    {u"cm", Unit::Centimetre}, {u"ft", Unit::Foot}, {u"in", Unit::Inch},
    {u"m", Unit::Metre},       {u"'", Unit::Foot},  {u"\u2032", Unit::Foot},
    {u"\u2019", Unit::Foot},   {u"\"", Unit::Inch}, {u"\u2033", Unit::Inch},
    {u"\u201d", Unit::Inch},
};

struct Term
{
    double value = 0;
    int decimals = 0;
    Unit unit = Unit::None;
};

double metresPer(Unit unit, LengthUnit plainUnit)
{
    switch (unit) {
    case Unit::Metre:
        return 1;
    case Unit::Centimetre:
        return 0.01;
    case Unit::Foot:
        return LengthUnits::metresPerFoot;
    case Unit::Inch:
        return LengthUnits::metresPerInch;
    case Unit::None:
        break;
    }
    return LengthUnits::toMetres(1, plainUnit);
}

class Scanner
{
public:
    Scanner(const QString& text, const QString& decimalMarks) : text(text), marks(decimalMarks) {}

    bool atEnd() const { return pos >= text.size(); }
    void skipSpaces()
    {
        while (!atEnd() && text.at(pos).isSpace())
            ++pos;
    }
    bool sign(bool& negative)
    {
        if (atEnd())
            return false;
        const QChar c = text.at(pos);
        if (c != QLatin1Char('-') && c != QLatin1Char('+') && c != QChar(0x2212))
            return false;
        negative = c != QLatin1Char('+');
        ++pos;
        return true;
    }
    // Digits with at most one decimal mark; false where no digit comes.
    bool number(Term& term)
    {
        QString digits;
        bool pointSeen = false;
        int count = 0;
        for (; !atEnd(); ++pos) {
            const QChar c = text.at(pos);
            if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
                digits += c;
                ++count;
                term.decimals += pointSeen ? 1 : 0;
            } else if (!pointSeen &&
                       (c == QLatin1Char('.') || c == QLatin1Char(',') || marks.contains(c))) {
                digits += QLatin1Char('.');
                pointSeen = true;
            } else {
                break;
            }
        }
        if (count == 0)
            return false;
        bool ok = false;
        term.value = QLocale::c().toDouble(digits, &ok);
        return ok && std::isfinite(term.value);
    }
    // The unit word at the position, read case-insensitively; a word of letters must end there.
    Unit unit()
    {
        for (const UnitWord& word : unitWords) {
            const QStringView rest = QStringView(text).mid(pos);
            if (!rest.startsWith(word.text, Qt::CaseInsensitive))
                continue;
            const qsizetype end = pos + word.text.size();
            if (word.text.front().isLetter() && end < text.size() && text.at(end).isLetter())
                continue;
            pos = end;
            return word.unit;
        }
        return Unit::None;
    }
    // The rest of the text is the start of a unit word still being typed ("f", "c", "i").
    bool unitUnderway() const
    {
        const QStringView rest = QStringView(text).mid(pos);
        for (const UnitWord& word : unitWords) {
            if (rest.size() < word.text.size() && word.text.startsWith(rest, Qt::CaseInsensitive))
                return true;
        }
        return false;
    }
    bool digitNext() const { return !atEnd() && text.at(pos).isDigit(); }

private:
    const QString& text;
    const QString& marks;
    qsizetype pos = 0;
};
} // namespace

LengthReading readLength(const QString& text, LengthUnit plainUnit, const QString& decimalMarks)
{
    LengthReading reading;
    const QString trimmed = text.trimmed();
    Scanner scanner(trimmed, decimalMarks);
    bool negative = false;
    scanner.sign(negative);
    std::vector<Term> terms;
    bool underway = false;
    for (;;) {
        scanner.skipSpaces();
        if (scanner.atEnd())
            break;
        Term term;
        if (!scanner.number(term)) {
            // Nothing but a sign or a decimal mark yet, where a number may still come: first,
            // or as the inches after feet ("16' ." on the way to "16' .5\"").
            const bool numberMayCome =
                terms.empty() || (terms.size() == 1 && terms.front().unit == Unit::Foot);
            if (scanner.atEnd() && numberMayCome)
                reading.state = TextState::Intermediate;
            return reading;
        }
        scanner.skipSpaces();
        if (!scanner.atEnd()) {
            term.unit = scanner.unit();
            if (term.unit == Unit::None && !scanner.digitNext()) {
                if (!scanner.unitUnderway())
                    return reading;
                underway = true;
            }
        }
        terms.push_back(term);
        if (underway)
            break;
    }

    reading.plainNumber =
        terms.size() <= 1 && !underway && (terms.empty() || terms.front().unit == Unit::None);
    if (terms.empty()) {
        reading.state = TextState::Intermediate;
        return reading;
    }
    double metres = 0;
    if (terms.size() == 1) {
        metres = terms[0].value * metresPer(terms[0].unit, plainUnit);
        reading.decimals = terms[0].decimals;
    } else if (terms.size() == 2 && terms[0].unit == Unit::Foot &&
               (terms[1].unit == Unit::Inch || terms[1].unit == Unit::None)) {
        // After feet, a number without a unit can only be inches: 5' 10.
        metres = terms[0].value * LengthUnits::metresPerFoot +
                 terms[1].value * LengthUnits::metresPerInch;
    } else {
        return reading;
    }
    reading.metres = negative ? -metres : metres;
    reading.state = underway ? TextState::Intermediate : TextState::Acceptable;
    return reading;
}
