#!/bin/sh
# Makes a Wine prefix whose windows can be seen: Wine's own graphics driver
# on the X display, unlike the headless test prefixes (wine-warm.sh), and
# Wine's own fonts copied in, without which the dialog's "MS Sans Serif" is
# replaced by a wider face and "Parent Vessel" no longer fits its label.
# Cheap when the prefix is ready. Usage: wine-display-prefix.sh PREFIX [ARCH]
set -eu
export WINEPREFIX="$1" WINEARCH="${2:-win32}" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -f "$WINEPREFIX/.display" ]; then
    echo "creating the Wine prefix $WINEPREFIX" >&2
    mkdir -p "$WINEPREFIX"
    wine wineboot -i </dev/null >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/.display"
fi
# Wine's own fonts (Debian package fonts-wine), where this Wine looks for them.
fonts="$WINEPREFIX/drive_c/windows/Fonts"
mkdir -p "$fonts"
for f in /usr/share/wine/fonts/*; do
    [ -e "$fonts/${f##*/}" ] || cp "$f" "$fonts/"
done
