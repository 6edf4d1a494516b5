#!/bin/sh
# Builds a Release build and prints the speed and memory figures.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=Release
cmake --build "$root/build" --parallel "$(nproc)" --target zidov_bench
QT_QPA_PLATFORM=offscreen "$root/build/bench/zidov_bench"
