#!/bin/sh
# Installs what is missing, builds a Release build without the tests in build-package/, turns
# it into a Debian package with CPack and prints the package's path.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-package"
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DZIDOV_BUILD_TESTS=OFF
cmake --build "$build" --parallel "$(nproc)"
rm -f "$build"/zidov_*.deb
(cd "$build" && cpack -G DEB)
ls "$build"/zidov_*.deb
