#!/bin/sh
# Installs what is missing, builds everything twice (a Release build, and a build with
# AddressSanitizer and UndefinedBehaviorSanitizer) and runs the whole suite in both through CTest.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc)
"$root/scripts/install-deps.sh"

cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=Release
cmake --build "$root/build" --parallel "$jobs"

cmake -S "$root" -B "$root/build-sanitize" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZIDOV_SANITIZE=ON
cmake --build "$root/build-sanitize" --parallel "$jobs"

export QT_QPA_PLATFORM=offscreen
echo "== Sanitized build (AddressSanitizer, UndefinedBehaviorSanitizer) =="
(cd "$root/build-sanitize" && ctest --output-on-failure --parallel "$jobs")
echo "== Release build =="
cd "$root/build"
ctest --output-on-failure --parallel "$jobs"
