#!/bin/sh
# Installs what is missing, builds a Release build in build/ and starts the program.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=Release
cmake --build "$root/build" --parallel "$(nproc)" --target Zidov
cd "$root/build"
exec ./Zidov "$@"
