#!/bin/sh
# Makes a Wine prefix ready for fast headless runs; cheap when it already is.
#
# - The prefix is created with the null graphics driver, so that windows,
#   dialogs and controls work without any display.
# - The server and Wine's own service processes are started here, with their
#   output detached: started by a test instead, they would inherit the test
#   runner's pipes and keep it waiting.
# - A hidden window (notepad) keeps the desktop open between processes;
#   without it every process waits a second for the desktop to close. It ends
#   by itself after KESTRIX_WINE_KEEPALIVE seconds (default 1800), or with
#   "wineserver -k".
# Usage: wine-warm.sh PREFIX [ARCH]
set -eu
export WINEPREFIX="$1" WINEARCH="${2:-win32}" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$WINEPREFIX"
pidfile="$WINEPREFIX/.keepalive.pid"
alive() { [ -f "$pidfile" ] && kill -0 "$(cat "$pidfile")" 2>/dev/null; }
alive && exit 0

exec 9>"$WINEPREFIX.lock"
flock 9
alive && exit 0
if [ ! -f "$WINEPREFIX/.headless" ]; then
    wine wineboot -i </dev/null >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f </dev/null >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/.headless"
fi
wine wineboot </dev/null >/dev/null 2>&1
setsid timeout "${KESTRIX_WINE_KEEPALIVE:-1800}" wine notepad </dev/null >/dev/null 2>&1 9>&- &
echo $! >"$pidfile"
