#!/bin/sh
# Shows the stand-in host's main window on this machine's X display.
#
# Usage: tools/show-host.sh [--arch win32|win64] [KESTRIX-OPTIONS...]
#   e.g. tools/show-host.sh --scene my.scene
#   --arch: by default win32, or win64 where this machine runs no 32-bit programs
#
# The build's test prefix has Wine's null graphics driver, where windows are
# drawn nowhere (kestrix.exe says so and exits 3); this runs the host in a
# prefix of its own with a display, build/ARCH/wineprefix-display, made on
# the first run. On a machine without a display, a virtual one works too:
#   xvfb-run -a tools/show-host.sh
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
kestrix_root=$root
. "$root/tools/wine-env.sh"
if [ "${1:-}" = "--arch" ]; then
    arch=${2:-}
    shift 2 || true
    case $arch in
    win32 | win64) ;;
    *) echo "show-host: --arch takes win32 or win64" >&2; exit 2 ;;
    esac
else
    kestrix_pick_arch show-host
    arch=$kestrix_arch
fi
if [ -z "${DISPLAY:-}" ]; then
    echo "show-host: no X display (DISPLAY is not set): run this from a desktop session," >&2
    echo "show-host: or on a virtual display: xvfb-run -a tools/show-host.sh" >&2
    exit 3
fi
if [ ! -f "$root/build/$arch/bin/kestrix.exe" ]; then
    "$root/tools/build.sh" "$arch" >&2
fi
prefix=$root/build/$arch/wineprefix-display
"$root/tools/wine-display-prefix.sh" "$prefix" "$arch"
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
kestrix_use_wine "$arch"
exec "$kestrix_wine" "$root/build/$arch/bin/kestrix.exe" "$@"
