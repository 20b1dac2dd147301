#!/bin/sh
# Installs what is missing, then configures and builds one preset.
# Usage: tools/build.sh [PRESET]   (default: win32)
set -eu
cd "$(dirname "$0")/.."
preset=${1:-win32}
tools/setup.sh
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
