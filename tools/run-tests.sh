#!/bin/sh
# Installs what is missing, builds the four flavours (32- and 64-bit, each in
# the mingw-w64 ABI and the Microsoft C++ ABI), and runs every test under Wine,
# one architecture at a time in its own prefix. Then the window-free routines'
# tests natively under AddressSanitizer and UndefinedBehaviorSanitizer, and
# each fuzz target for FUZZ_SECONDS (30).
set -eu
cd "$(dirname "$0")/.."
status=0
for arch in win32 win64; do
    for preset in $arch $arch-msvc; do
        tools/build.sh "$preset"
    done
    prefix="$PWD/build/$arch/wineprefix"
    tools/wine-warm.sh "$prefix" "$arch"
    for preset in $arch $arch-msvc; do
        echo "== tests: $preset" >&2
        # Under load Wine now and then fails to start a process at all
        # ("Application could not be started"); a test that fails is run once
        # more, and its first failure stays in the log.
        ctest --preset "$preset" -j2 --repeat until-pass:2 || status=1
    done
    WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true
done
echo "== native tests under sanitizers" >&2
tools/run-native.sh || status=1
echo "== fuzzing" >&2
tools/run-fuzz.sh "${FUZZ_SECONDS:-30}" || status=1
exit $status
