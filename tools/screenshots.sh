#!/bin/sh
# Takes the README's pictures: builds the 32-bit host and plug-in (64-bit
# where this machine runs no 32-bit programs), runs tools/screenshots.script
# in the stand-in host on a virtual X display, and saves each window the
# script asks for as a PNG.
#
# Usage: tools/screenshots.sh [--arch win32|win64] [OUTPUT-FOLDER]   (default: docs/images)
#
# - The windows need a real display, so this uses its own Wine prefix,
#   build/ARCH/wineprefix-x11, without the null graphics driver of the test
#   prefix. Wine there draws the window frames itself (no window manager runs
#   under Xvfb) and has Wine's own bitmap fonts, so that the dialog's
#   "MS Sans Serif" is not replaced by a wider face.
# - The script prints "shot NAME WINDOW TITLE" when a window is ready and
#   then pauses; this script saves that window as NAME.png while it waits.
# - Not part of the tests: the pictures depend on timing and on Wine's look.
set -eu
kestrix_root=$(cd "$(dirname "$0")/.." && pwd)
. "$kestrix_root/tools/wine-env.sh"

if [ "${1:-}" = "--inside-x" ]; then
    # Second stage, on the virtual display: run the host and take the pictures.
    out=$2
    arch=$3
    kestrix_use_wine "$arch"
    fifo=$(mktemp -u)
    mkfifo "$fifo"
    trap 'rm -f "$fifo"' EXIT
    # Wine's services start here with their output detached; started by the
    # host they would hold the pipe open after it exits.
    "$kestrix_wine" wineboot </dev/null >/dev/null 2>&1
    "$kestrix_wine" "build/$arch/bin/kestrix.exe" --script tools/screenshots.script >"$fifo" &
    host=$!
    taken=0
    while IFS= read -r line; do
        line=$(printf '%s' "$line" | tr -d '\r')
        case $line in
        "shot "*)
            rest=${line#shot }
            name=${rest%% *}
            title=${rest#* }
            # No time stamps in the file, so that a picture that did not
            # change does not change in git either.
            import -window "$title" -strip -define png:exclude-chunks=date,time \
                "$out/$name.png"
            echo "screenshots: $out/$name.png ($title)" >&2
            taken=$((taken + 1))
            ;;
        *) printf '%s\n' "$line" >&2 ;;
        esac
    done <"$fifo"
    status=0
    wait "$host" || status=$?
    "$kestrix_wineserver" -k 2>/dev/null || true
    if [ "$status" -ne 0 ]; then
        echo "screenshots: the host failed (exit $status)" >&2
        exit 1
    fi
    echo "screenshots: $taken pictures" >&2
    exit 0
fi

# A folder given on the command line is taken from where the script was
# started; the default is in the repository.
if [ "${1:-}" = --arch ]; then
    arch=$2
    shift 2
else
    kestrix_pick_arch screenshots
    arch=$kestrix_arch
fi
out=
if [ $# -gt 0 ]; then out=$(realpath -m "$1"); fi
cd "$kestrix_root"
out=${out:-$PWD/docs/images}
mkdir -p "$out"
tools/build.sh "$arch" >&2

export WINEPREFIX="$PWD/build/$arch/wineprefix-x11" WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
tools/wine-display-prefix.sh "$WINEPREFIX" "$arch"
kestrix_use_wine "$arch"
if [ ! -f "$WINEPREFIX/.x11" ]; then
    "$kestrix_wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f </dev/null >/dev/null 2>&1
    "$kestrix_wineserver" -w
    touch "$WINEPREFIX/.x11"
fi

xvfb-run -a -s "-screen 0 1280x800x24" "$PWD/tools/screenshots.sh" --inside-x "$out" "$arch"
ls -l "$out"/*.png >&2
