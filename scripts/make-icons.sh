#!/bin/sh
# Redraws the committed icon files from packaging/icons/zidov.svg and, for project files,
# packaging/icons/zidov-project.svg.
# Needs librsvg2-bin and imagemagick; the build itself only uses the committed results.
set -eu
cd "$(dirname "$0")/../packaging/icons"
for size in 16 32 48 64 128 256; do
    rsvg-convert -w "$size" -h "$size" zidov.svg -o "zidov-$size.png"
    rsvg-convert -w "$size" -h "$size" zidov-project.svg -o "zidov-project-$size.png"
done
/usr/bin/convert zidov-16.png zidov-32.png zidov-48.png zidov-64.png zidov-256.png vlogo_small.ico
