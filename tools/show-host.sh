#!/bin/sh
# Shows the stand-in host's main window on this machine's X display.
#
# Usage: tools/show-host.sh [--preset PRESET] [KESTRIX-OPTIONS...]
#   e.g. tools/show-host.sh --scene my.scene
#        tools/show-host.sh --preset win64 --classic
#   --preset: any of the four flavours (win32-msvc, win64-msvc, win32, win64);
#     by default the shipped one, win32-msvc, or win64-msvc where this
#     machine runs no 32-bit programs. (--arch win32|win64, as before, is
#     the mingw-w64 flavour of that architecture.)
#
# The build's test prefix has Wine's null graphics driver, where windows are
# drawn nowhere (kestrix.exe says so and exits 3); this runs the host in a
# prefix of its own with a display, build/ARCH/wineprefix-display, made on
# the first run and shared by both flavours of the architecture. On a
# machine without a display, a virtual one works too:
#   xvfb-run -a tools/show-host.sh
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
kestrix_root=$root
. "$root/tools/wine-env.sh"
preset=
case ${1:-} in
--preset)
    preset=${2:-}
    shift 2 || true
    case $preset in
    win32 | win64 | win32-msvc | win64-msvc) ;;
    *) echo "show-host: --preset takes win32-msvc, win64-msvc, win32 or win64" >&2; exit 2 ;;
    esac
    ;;
--arch)
    preset=${2:-}
    shift 2 || true
    case $preset in
    win32 | win64) ;;
    *) echo "show-host: --arch takes win32 or win64" >&2; exit 2 ;;
    esac
    ;;
esac
if [ -z "$preset" ]; then
    kestrix_pick_arch show-host -msvc
    preset=$kestrix_arch-msvc
fi
arch=${preset%-msvc}
if [ "$arch" = win32 ] && ! kestrix_can_run_32bit; then
    echo "show-host: $preset cannot run here: $kestrix_no_32bit_why" >&2
    exit 1
fi
if [ -z "${DISPLAY:-}" ]; then
    echo "show-host: no X display (DISPLAY is not set): run this from a desktop session," >&2
    echo "show-host: or on a virtual display: xvfb-run -a tools/show-host.sh" >&2
    exit 3
fi
if [ ! -f "$root/build/$preset/bin/kestrix.exe" ]; then
    "$root/tools/build.sh" "$preset" >&2
fi
prefix=$root/build/$arch/wineprefix-display
"$root/tools/wine-display-prefix.sh" "$prefix" "$arch"
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
kestrix_use_wine "$arch"
exec "$kestrix_wine" "$root/build/$preset/bin/kestrix.exe" "$@"
