#!/bin/sh
# Creates a Wine prefix with the null graphics driver, so that windows,
# dialogs and controls work without any display. Idempotent.
# Usage: wine-prefix.sh PREFIX [ARCH]
set -eu
prefix=$1
arch=${2:-win32}
if [ -f "$prefix/.headless" ]; then exit 0; fi
export WINEPREFIX="$prefix" WINEARCH="$arch" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$prefix"
wine wineboot -i </dev/null >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f </dev/null >/dev/null 2>&1
wineserver -w
touch "$prefix/.headless"
