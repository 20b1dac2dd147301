#!/bin/sh
# Makes a Wine prefix whose windows can be seen: Wine's own graphics driver
# on the X display, unlike the headless test prefixes (wine-warm.sh), and
# Wine's own fonts copied in, without which the dialog's "MS Sans Serif" is
# replaced by a wider face and "Parent Vessel" no longer fits its label.
# DPI, when given, is the screen's dots per inch the prefix is made with
# (Wine's LogPixels; 96 when not given).
# Cheap when the prefix is ready. Usage: wine-display-prefix.sh PREFIX [ARCH [DPI]]
set -eu
kestrix_root=$(cd "$(dirname "$0")/.." && pwd)
. "$kestrix_root/tools/wine-env.sh"
export WINEPREFIX="$1" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
kestrix_use_wine "${2:-win32}"
if [ ! -f "$WINEPREFIX/.display" ]; then
    echo "creating the Wine prefix $WINEPREFIX" >&2
    mkdir -p "$WINEPREFIX"
    "$kestrix_wine" wineboot -i </dev/null >/dev/null 2>&1 || true
    if [ "${3:-96}" != 96 ]; then
        "$kestrix_wine" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$3" /f \
            </dev/null >/dev/null 2>&1
    fi
    "$kestrix_wineserver" -w
    touch "$WINEPREFIX/.display"
fi
kestrix_wine_fonts "$WINEPREFIX"
