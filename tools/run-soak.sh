#!/bin/sh
# Installs what is missing, builds, and runs the full soak under Wine: the
# dialog opened and closed 1,000 times, a payload attached and detached
# 1,000 times and 10,000 arrow clicks, on a scene of 100 vessels, and 10,000
# rounds of gauges and switches. Prints what each part left behind. CTest
# runs the same program at a small size.
# Usage: tools/run-soak.sh [--arch win32|win64] [--opens=N] [--attach-cycles=N] [--clicks=N] [--control-rounds=N]
#   --arch: by default win32, or win64 where this machine runs no 32-bit programs.
set -eu
cd "$(dirname "$0")/.."
kestrix_root=$PWD
. tools/wine-env.sh
if [ "${1:-}" = --arch ]; then
    kestrix_arch=$2
    shift 2
else
    kestrix_pick_arch run-soak
fi
tools/build.sh "$kestrix_arch" >&2
tools/wine-warm.sh "$PWD/build/$kestrix_arch/wineprefix" "$kestrix_arch"
exec "build/$kestrix_arch/wine-run.sh" "build/$kestrix_arch/bin/soak_tests.exe" --full "$@"
