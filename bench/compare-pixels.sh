#!/bin/sh
# Compares the plot pictures of two builds byte for byte, at scale factors 1, 2 and 1.5:
#   bench/compare-pixels.sh BEFORE/zidov_pixels AFTER/zidov_pixels
# Prints every picture that differs; exits non-zero when any does.
set -eu
before=$1
after=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for scale in 1 2 1.5; do
    QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=$scale "$before" "$work/before-$scale"
    QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=$scale "$after" "$work/after-$scale"
    count=0
    for picture in "$work/before-$scale"/*.png; do
        name=$(basename "$picture")
        count=$((count + 1))
        if ! cmp -s "$picture" "$work/after-$scale/$name"; then
            echo "scale $scale: $name differs"
            status=1
        fi
    done
    echo "scale $scale: $count pictures compared"
done
exit $status
