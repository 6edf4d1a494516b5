// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "fuzzcheck.h"
#include "gearchoice.h"

#include <QString>
#include <QStringList>

// A lens's name on the first line, and on the second what lensfun may keep of it: shortest
// and longest focal length and widest f-number ("18 135 3.5"). Whatever they hold, the range
// taken from them is none, or finite, ordered and inside the focal-length and aperture boxes.

namespace {

using FuzzCheck::require;

void requireUsableOrNone(const LensRange& range)
{
    (void)range.text();
    if (range.minFocal == 0) {
        require(range.maxFocal == 0 && range.widestAtMin == 0 && range.widestAtMax == 0);
        return;
    }
    require(range.minFocal >= 1 && range.minFocal <= range.maxFocal && range.maxFocal <= 5000);
    if (range.widestAtMin == 0)
        require(range.widestAtMax == 0);
    else
        require(range.widestAtMin >= 0.7 && range.widestAtMin <= range.widestAtMax &&
                range.widestAtMax <= 64);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString input = QString::fromUtf8(FuzzCheck::bytesOf(data, size));
    const qsizetype end = input.indexOf(QLatin1Char('\n'));
    const QString name = input.left(end);
    requireUsableOrNone(lensRangeFromName(name));

    const QStringList fields =
        end < 0 ? QStringList() : input.mid(end + 1).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const auto field = [&](int i) { return fields.value(i).toDouble(); };
    requireUsableOrNone(lensRangeOf(name, field(0), field(1), field(2)));
    return 0;
}
