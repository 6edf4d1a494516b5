#!/bin/sh
# Compares the outputs of two builds of zidov-render byte for byte:
#   bench/compare-render.sh BEFORE/zidov-render AFTER/zidov-render PROJECT...
# The start-up state and the projects (in one batch, as --output-dir renders them) as PNG at
# scale 1 and 2, SVG, PDF, CSV and JSON; plain, with the views a file does not store, and in
# feet. A PDF's creation date is left out, and where its bytes differ its pages are compared
# (pdftoppm). A build that takes --png-compression writes its PNGs at level 6, the encoder's
# own, whose bytes a build without the option writes. Prints every output that differs; exits
# non-zero when any does. `zidov_pixels FOLDER PROJECTS` writes the states of compare-pixels.sh
# as projects.
set -eu
before=$1
after=$2
shift 2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
count=0
for variant in plain views feet; do
    case $variant in
    plain) options= ;;
    views) options="--dof-limits --log-scale" ;;
    feet) options="--units ft" ;;
    esac
    for build in before after; do
        if [ $build = before ]; then program=$before; else program=$after; fi
        level=
        if "$program" --help | grep -q -- --png-compression; then level="--png-compression 6"; fi
        out="$work/$build-$variant"
        mkdir -p "$out/x2"
        # shellcheck disable=SC2086
        QT_QPA_PLATFORM=offscreen "$program" $options $level --output-dir "$out" \
            --format png,svg,pdf,csv,json "$@"
        # shellcheck disable=SC2086
        QT_QPA_PLATFORM=offscreen "$program" $options $level --scale 2 --output-dir "$out/x2" \
            --format png "$@"
        for format in png svg pdf; do
            # shellcheck disable=SC2086
            QT_QPA_PLATFORM=offscreen "$program" $options $level -o "$out/start-up.$format"
        done
        # shellcheck disable=SC2086
        QT_QPA_PLATFORM=offscreen "$program" $options $level --scale 2 -o "$out/x2/start-up.png" \
            --csv "$out/start-up.csv" --json "$out/start-up.json"
        for pdf in "$out"/*.pdf; do
            grep -av '/CreationDate' "$pdf" >"$pdf.nodate" || true
            # Where two fonts are embedded, Qt writes them in an order of its own from run to
            # run, so bytes that differ are judged by the pages they draw.
            pdftoppm -r 72 -png "$pdf" "$pdf.page"
            rm "$pdf"
        done
    done
    for file in $(cd "$work/before-$variant" && find . -type f ! -name '*.page*' | sort); do
        count=$((count + 1))
        cmp -s "$work/before-$variant/$file" "$work/after-$variant/$file" && continue
        case $file in
        *.pdf.nodate)
            same=yes
            for page in "$work/before-$variant/${file%.nodate}".page*; do
                cmp -s "$page" "$work/after-$variant/${page#"$work/before-$variant/"}" || same=no
            done
            [ $same = yes ] && continue
            ;;
        esac
        echo "$variant: $file differs"
        status=1
    done
done
echo "$count outputs compared"
exit $status
