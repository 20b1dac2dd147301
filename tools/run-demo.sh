#!/bin/sh
# Installs what is missing, builds the shipped flavour (32-bit, Microsoft C++
# ABI), and runs the stand-in host with the plug-in on the built-in demo
# scene, headless, printing the demo script's story: what the dialog shows
# and every message that reaches a vessel. Where this machine runs no 32-bit
# programs it takes the 64-bit Microsoft-ABI flavour instead, saying so on
# stderr; the story is the same.
set -eu
cd "$(dirname "$0")/.."
kestrix_root=$PWD
. tools/wine-env.sh
kestrix_pick_arch run-demo -msvc
preset=$kestrix_arch-msvc
tools/build.sh "$preset" >&2
tools/wine-warm.sh "$PWD/build/$kestrix_arch/wineprefix" "$kestrix_arch"
"build/$preset/wine-run.sh" "build/$preset/bin/kestrix.exe" --trace --script demo/demo.script "$@"
