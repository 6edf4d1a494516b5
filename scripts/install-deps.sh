#!/bin/sh
# Installs the Debian packages listed in debian-packages.txt that are missing.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
packages=$(grep -v -E '^\s*(#|$)' "$here/debian-packages.txt")

missing=""
for package in $packages; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $package"
    fi
done
[ -z "$missing" ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
    as_root=""
elif command -v sudo >/dev/null 2>&1; then
    as_root="sudo"
else
    echo "Missing packages:$missing" >&2
    echo "Run this as root or install sudo, then try again." >&2
    exit 1
fi
echo "Installing:$missing"
$as_root env DEBIAN_FRONTEND=noninteractive apt-get update -q
# shellcheck disable=SC2086
$as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends $missing
