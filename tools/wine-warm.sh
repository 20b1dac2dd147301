#!/bin/sh
# Makes a Wine prefix ready for fast headless runs; cheap when it already is.
#
# - The prefix is created with the null graphics driver, so that windows,
#   dialogs and controls work without any display. A win64 prefix is made by
#   the 64-bit loader alone (tools/wine-env.sh); Wine's try at its 32-bit
#   half fails where 32-bit programs do not run, and the prefix works without.
# - The server and Wine's own service processes are started here, with their
#   output detached: started by a test instead, they would inherit the test
#   runner's pipes and keep it waiting. Nor may they inherit the lock (fd 9):
#   they outlive this script, and the next warm-up would wait for them.
# - A hidden window (notepad) keeps the desktop open between processes;
#   without it every process waits a second for the desktop to close. It ends
#   by itself after KESTRIX_WINE_KEEPALIVE seconds (default 1800), or with
#   "wineserver -k".
# - Wine's own fonts are copied in, as into the prefixes with a display.
# - DPI, when given, is the screen's dots per inch the prefix is made with
#   (Wine's LogPixels; 96 when not given), read by each program as it starts.
# Usage: wine-warm.sh PREFIX [ARCH [DPI]]
set -eu
kestrix_root=$(cd "$(dirname "$0")/.." && pwd)
. "$kestrix_root/tools/wine-env.sh"
export WINEPREFIX="$1" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
kestrix_use_wine "${2:-win32}"
if [ "$WINEARCH" = win32 ] && ! kestrix_can_run_32bit; then
    echo "wine-warm: cannot run the 32-bit prefix $WINEPREFIX: $kestrix_no_32bit_why" >&2
    exit 1
fi
mkdir -p "$WINEPREFIX"
pidfile="$WINEPREFIX/.keepalive.pid"
# The prefix's server works in a folder named for the prefix's device and
# inode; it is running when a process has that folder as its own.
server_folder=$(printf 'server-%s-%x' "$(stat -c %D "$WINEPREFIX")" "$(stat -c %i "$WINEPREFIX")")
server_runs() {
    [ -n "$(find /proc/[0-9]*/cwd -maxdepth 0 -lname "*/$server_folder" 2>/dev/null | head -n 1)" ]
}
# The keep-alive counts only while the server it talks to runs: one whose
# server has gone (seen once, cause unknown) is blocked for good, and every
# program after it would start a server of its own, which ends a few
# seconds after each program and can end under the next one's start.
alive() {
    [ -f "$pidfile" ] && kill -0 "$(cat "$pidfile")" 2>/dev/null || return 1
    server_runs && return 0
    note "the keep-alive $(cat "$pidfile") runs, but its server does not: ended"
    kill "$(cat "$pidfile")" 2>/dev/null || true
    rm -f "$pidfile"
    return 1
}
# What each warm-up found and did, for a run that went wrong.
note() { echo "$(date '+%F %T') $$: $*" >>"$WINEPREFIX/.warm.log"; }
alive && exit 0

exec 9>"$WINEPREFIX.lock"
flock 9
alive && exit 0
if [ ! -f "$WINEPREFIX/.headless" ]; then
    "$kestrix_wine" wineboot -i </dev/null >/dev/null 2>&1 9>&- || true
    "$kestrix_wine" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f \
        </dev/null >/dev/null 2>&1 9>&-
    if [ "${3:-96}" != 96 ]; then
        "$kestrix_wine" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$3" /f \
            </dev/null >/dev/null 2>&1 9>&-
    fi
    "$kestrix_wineserver" -w 9>&-
    touch "$WINEPREFIX/.headless"
fi
# The dialog's own fonts, as on Windows, so that what fits there fits here.
kestrix_wine_fonts "$WINEPREFIX"
"$kestrix_wine" wineboot </dev/null >/dev/null 2>&1 9>&- || true
setsid timeout "${KESTRIX_WINE_KEEPALIVE:-1800}" "$kestrix_wine" notepad \
    </dev/null >/dev/null 2>&1 9>&- &
echo $! >"$pidfile"
note "started the keep-alive $!"
