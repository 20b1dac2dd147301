#!/bin/sh
# Installs what is missing, builds both architectures, and runs every test
# under Wine: the 32-bit build, then the 64-bit one.
set -eu
cd "$(dirname "$0")/.."
status=0
for preset in win32 win64; do
    arch=$preset
    tools/build.sh "$preset"
    prefix="$PWD/build/$preset/wineprefix"
    tools/wine-warm.sh "$prefix" "$arch"
    echo "== tests: $preset" >&2
    ctest --preset "$preset" -j2 || status=1
    WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true
done
exit $status
