#!/bin/sh
# Installs what is missing, builds, and runs the benchmark under Wine: each
# case's median beside the floor measured in the same run, with the message
# counts. Takes about half a minute; the figures move with the machine's
# load, so run it on a quiet machine.
set -eu
cd "$(dirname "$0")/.."
tools/build.sh win32 >&2
tools/wine-warm.sh "$PWD/build/win32/wineprefix" win32
exec build/win32/wine-run.sh build/win32/bin/dialog_bench.exe "$@"
