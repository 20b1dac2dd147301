#!/bin/sh
# A warm-up after the keep-alive has ended finishes in seconds, also while
# another Wine program of the prefix still runs (as a test does when a long
# run outlives the keep-alive) and so keeps Wine's service processes alive:
# nothing the first warm-up started may still hold its lock. The prefix is
# the test's own (made on its first run), so that the keep-alive it shortens
# is no other test's.
# Usage: warm_after_keepalive.sh SOURCE-DIR PREFIX ARCH
set -eu
root=$1 prefix=$2 arch=$3
kestrix_root=$root
. "$root/tools/wine-env.sh"
kestrix_use_wine "$arch"
warm() { KESTRIX_WINE_KEEPALIVE=2 timeout "$1" "$root/tools/wine-warm.sh" "$prefix" "$arch"; }
keepalive_ended() {
    pid=$(cat "$prefix/.keepalive.pid" 2>/dev/null || echo 0)
    tries=0
    while [ "$pid" -ne 0 ] && kill -0 "$pid" 2>/dev/null; do
        tries=$((tries + 1))
        [ $tries -le 150 ] || { echo "the keep-alive did not end within 30 s"; exit 1; }
        sleep 0.2
    done
}

trap 'WINEPREFIX="$prefix" "$kestrix_wineserver" -k 2>/dev/null || true' EXIT
keepalive_ended
warm 180 || { echo "the first warm-up failed or took more than 180 s"; exit 1; }
WINEPREFIX="$prefix" WINEDEBUG=-all setsid timeout 40 "$kestrix_wine" notepad \
    </dev/null >/dev/null 2>&1 &
keepalive_ended
start=$(date +%s)
if ! warm 30; then
    echo "the warm-up after the keep-alive ended did not finish within 30 s"
    exit 1
fi
echo "the warm-up after the keep-alive ended took $(($(date +%s) - start)) s"
