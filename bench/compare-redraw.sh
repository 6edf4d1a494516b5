#!/bin/sh
# Takes the redraw figures of two builds in turn, on the same machine in the same run:
#   bench/compare-redraw.sh BEFORE/zidov_bench AFTER/zidov_bench [ROUNDS]
# Build the earlier revision with this revision's bench/ folder so that both measure alike.
# Prints, for every figure, the median over the rounds of each build and after / before.
set -eu
before=$1
after=$2
rounds=${3:-5}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
round=1
while [ "$round" -le "$rounds" ]; do
    # Alternated, so that a machine busy with something else weighs on both alike.
    QT_QPA_PLATFORM=offscreen "$before" --redraw >"$work/before-$round" 2>/dev/null
    QT_QPA_PLATFORM=offscreen "$after" --redraw >"$work/after-$round" 2>/dev/null
    round=$((round + 1))
done
# Each figure line is "label value unit ..."; the figures are matched by their order.
awk -v rounds="$rounds" '
function figure(line) {
    # The first number after at least two spaces is the value.
    if (match(line, /  +[0-9.]+ (ms|times|plot)/) == 0)
        return ""
    return substr(line, RSTART, RLENGTH)
}
FNR == 1 { build = (FILENAME ~ /before-[0-9]+$/) ? "before" : "after"; n = 0 }
{
    value = figure($0)
    if (value == "")
        next
    n++
    split(value, parts, " ")
    label[n] = substr($0, 1, RSTART - 1)
    # The ratio and paint count lines say what they are after their value.
    if (label[n] ~ /^ *$/)
        label[n] = "    " substr($0, RSTART + RLENGTH - length(parts[2]))
    unit[n] = parts[2]
    values[build, n, ++count[build, n]] = parts[1]
    if (n > lines)
        lines = n
}
function median(build, n,    i, j, k, t, list) {
    k = count[build, n]
    for (i = 1; i <= k; i++) list[i] = values[build, n, i]
    for (i = 1; i <= k; i++)
        for (j = i + 1; j <= k; j++)
            if (list[j] < list[i]) { t = list[i]; list[i] = list[j]; list[j] = t }
    return list[int((k + 1) / 2)]
}
END {
    printf "%-60s %10s %10s %8s   (medians of %d rounds)\n", "", "before", "after", "ratio", rounds
    for (n = 1; n <= lines; n++) {
        b = median("before", n); a = median("after", n)
        printf "%-60s %10.3f %10.3f %8.2f   %s\n", label[n], b, a, (b > 0 ? a / b : 0), unit[n]
    }
}' "$work"/before-* "$work"/after-*
