#!/bin/sh
# Installs what is missing, builds the shipped flavour (32-bit, Microsoft C++
# ABI), and runs the stand-in host with the plug-in on the built-in demo
# scene, headless, printing the demo script's story: what the dialog shows
# and every message that reaches a vessel.
set -eu
cd "$(dirname "$0")/.."
tools/build.sh win32-msvc >&2
tools/wine-warm.sh "$PWD/build/win32/wineprefix" win32
build/win32-msvc/wine-run.sh build/win32-msvc/bin/kestrix.exe --trace --script demo/demo.script "$@"
