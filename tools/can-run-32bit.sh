#!/bin/sh
# Answers whether this machine runs 32-bit x86 programs, for CMake and
# anyone else who asks: prints "yes" and exits 0, or "no: REASON" and exits 1.
# (tools/wine-env.sh decides; KESTRIX_RUN_32BIT=0 forces "no".)
kestrix_root=$(cd "$(dirname "$0")/.." && pwd)
. "$kestrix_root/tools/wine-env.sh"
if kestrix_can_run_32bit; then
    echo yes
else
    echo "no: $kestrix_no_32bit_why"
    exit 1
fi
