#!/bin/sh
# Installs what is missing, builds the window-free routines for this machine
# with clang under AddressSanitizer and UndefinedBehaviorSanitizer, and runs
# their unit tests. No Wine involved.
set -eu
cd "$(dirname "$0")/.."
tools/setup.sh
cmake --preset native -S native >/dev/null
cmake --build build/native -j2
ctest --test-dir build/native --output-on-failure
