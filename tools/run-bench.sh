#!/bin/sh
# Installs what is missing, builds, and runs the benchmark under Wine: each
# case's median beside the floor measured in the same run, with the message
# counts. Takes about half a minute; the figures move with the machine's
# load, so run it on a quiet machine.
# Usage: tools/run-bench.sh [--preset PRESET] [BENCHMARK ARGUMENTS]
#   PRESET is win32, win32-msvc, win64 or win64-msvc; by default win32, or
#   win64 where this machine runs no 32-bit programs.
set -eu
cd "$(dirname "$0")/.."
kestrix_root=$PWD
. tools/wine-env.sh
if [ "${1:-}" = --preset ]; then
    preset=$2
    shift 2
else
    kestrix_pick_arch run-bench
    preset=$kestrix_arch
fi
arch=${preset%-msvc}
tools/build.sh "$preset" >&2
tools/wine-warm.sh "$PWD/build/$arch/wineprefix" "$arch"
exec "build/$preset/wine-run.sh" "build/$preset/bin/dialog_bench.exe" "$@"
