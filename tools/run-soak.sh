#!/bin/sh
# Installs what is missing, builds, and runs the full soak under Wine: the
# dialog opened and closed 1,000 times, a payload attached and detached
# 1,000 times and 10,000 arrow clicks, on a scene of 100 vessels, and 10,000
# rounds of gauges and switches. Prints what each part left behind. CTest
# runs the same program at a small size.
# Usage: tools/run-soak.sh [--opens=N] [--attach-cycles=N] [--clicks=N] [--control-rounds=N]
set -eu
cd "$(dirname "$0")/.."
tools/build.sh win32 >&2
tools/wine-warm.sh "$PWD/build/win32/wineprefix" win32
exec build/win32/wine-run.sh build/win32/bin/soak_tests.exe --full "$@"
