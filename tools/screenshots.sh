#!/bin/sh
# Takes the README's pictures: builds the shipped flavour (win32-msvc, or
# win64-msvc where this machine runs no 32-bit programs), runs the host on a
# virtual X display and saves each window a script asks for as a PNG:
#   - tools/screenshots.script, with the host's default controls at 96 DPI;
#   - tools/screenshots-lists.script (the dialog with a list dropped) three
#     times: the default controls and the classic ones (--classic) at 96 DPI,
#     and the default ones at 144 DPI; each picture's name gets the setting
#     ("dialog-list-classic-96dpi.png").
#
# Usage: tools/screenshots.sh [--preset PRESET] [OUTPUT-FOLDER]   (default: docs/images)
#   (--arch win32|win64, as before: the mingw-w64 flavour of that architecture)
#
# - The windows need a real display, so this uses Wine prefixes of its own,
#   build/ARCH/wineprefix-x11 and, at 144 DPI, wineprefix-x11-dpi144,
#   without the null graphics driver of the test prefix. Wine there draws
#   the window frames itself (no window manager runs under Xvfb) and has
#   Wine's own fonts, so that the dialog's "MS Sans Serif" is not replaced
#   by a wider face.
# - A script prints "shot NAME WINDOW TITLE" when a window is ready and
#   then pauses; this script saves that window, with whatever lies over it
#   (a dropped list), as NAME.png while it waits.
# - Not part of the tests: the pictures depend on timing and on Wine's look.
set -eu
kestrix_root=$(cd "$(dirname "$0")/.." && pwd)
. "$kestrix_root/tools/wine-env.sh"

# take_pass PREFIX SCRIPT SUFFIX [KESTRIX-OPTIONS...]: one run of the host on
# the virtual display, its pictures named NAME$SUFFIX.png.
take_pass() {
    export WINEPREFIX="$1"
    script=$2
    suffix=$3
    shift 3
    fifo=$(mktemp -u)
    mkfifo "$fifo"
    # Wine's services start here with their output detached; started by the
    # host they would hold the pipe open after it exits.
    "$kestrix_wine" wineboot </dev/null >/dev/null 2>&1
    "$kestrix_wine" "build/$preset/bin/kestrix.exe" "$@" --script "$script" >"$fifo" &
    host=$!
    while IFS= read -r line; do
        line=$(printf '%s' "$line" | tr -d '\r')
        case $line in
        "shot "*)
            rest=${line#shot }
            name=${rest%% *}$suffix
            title=${rest#* }
            # No time stamps in the file, so that a picture that did not
            # change does not change in git either.
            import -screen -window "$title" -strip -define png:exclude-chunks=date,time \
                "$out/$name.png"
            echo "screenshots: $out/$name.png ($title)" >&2
            taken=$((taken + 1))
            ;;
        *) printf '%s\n' "$line" >&2 ;;
        esac
    done <"$fifo"
    rm -f "$fifo"
    status=0
    wait "$host" || status=$?
    "$kestrix_wineserver" -k 2>/dev/null || true
    if [ "$status" -ne 0 ]; then
        echo "screenshots: the host failed (exit $status) on $script $*" >&2
        exit 1
    fi
}

if [ "${1:-}" = "--inside-x" ]; then
    # Second stage, on the virtual display: run the host and take the pictures.
    out=$2
    preset=$3
    kestrix_use_wine "${preset%-msvc}"
    prefix=build/${preset%-msvc}/wineprefix-x11
    taken=0
    take_pass "$PWD/$prefix" tools/screenshots.script ""
    lists=tools/screenshots-lists.script
    take_pass "$PWD/$prefix" $lists -v6-96dpi
    take_pass "$PWD/$prefix" $lists -classic-96dpi --classic
    take_pass "$PWD/$prefix-dpi144" $lists -v6-144dpi
    echo "screenshots: $taken pictures" >&2
    exit 0
fi

preset=
case ${1:-} in
--preset | --arch)
    preset=$2
    shift 2
    ;;
esac
if [ -z "$preset" ]; then
    kestrix_pick_arch screenshots -msvc
    preset=$kestrix_arch-msvc
fi
case $preset in
win32 | win64 | win32-msvc | win64-msvc) ;;
*) echo "screenshots: --preset takes win32-msvc, win64-msvc, win32 or win64" >&2; exit 2 ;;
esac
arch=${preset%-msvc}
# A folder given on the command line is taken from where the script was
# started; the default is in the repository.
out=
if [ $# -gt 0 ]; then out=$(realpath -m "$1"); fi
cd "$kestrix_root"
out=${out:-$PWD/docs/images}
mkdir -p "$out"
tools/build.sh "$preset" >&2

export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
kestrix_use_wine "$arch"
for dpi in 96 144; do
    prefix="$PWD/build/$arch/wineprefix-x11"
    [ $dpi = 96 ] || prefix="$prefix-dpi$dpi"
    tools/wine-display-prefix.sh "$prefix" "$arch" $dpi
    if [ ! -f "$prefix/.x11" ]; then
        WINEPREFIX="$prefix" "$kestrix_wine" reg add 'HKCU\Software\Wine\X11 Driver' \
            /v Decorated /d N /f </dev/null >/dev/null 2>&1
        WINEPREFIX="$prefix" "$kestrix_wineserver" -w
        touch "$prefix/.x11"
    fi
done

xvfb-run -a -s "-screen 0 1440x900x24" "$PWD/tools/screenshots.sh" --inside-x "$out" "$preset"
ls -l "$out"/*.png >&2
