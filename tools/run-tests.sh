#!/bin/sh
# Installs what is missing, builds, and runs every test under Wine; then the
# window-free routines' tests natively under AddressSanitizer and
# UndefinedBehaviorSanitizer, and each fuzz target for FUZZ_SECONDS (30).
set -eu
cd "$(dirname "$0")/.."
tools/build.sh win32
prefix=build/win32/wineprefix
tools/wine-warm.sh "$PWD/$prefix" win32
status=0
ctest --preset win32 -j2 || status=$?
WINEPREFIX="$PWD/$prefix" wineserver -k 2>/dev/null || true
tools/run-native.sh || status=$?
tools/run-fuzz.sh "${FUZZ_SECONDS:-30}" || status=$?
exit $status
