#!/usr/bin/env bash
# Installs the Debian packages the build, the tests, the screenshots (Xvfb,
# ImageMagick, and Wine's own fonts, without which dialog fonts fall back to a
# wider face) and the release archives (zip) need, and clang with its
# sanitizer and fuzzer runtimes (libclang-rt-14-dev) and llvm's symbolizer for
# the native sanitizer and fuzz runs; for the Microsoft C++ ABI build, clang,
# lld and llvm's tools, libc++'s headers, and Wine's Windows and UCRT headers
# with its PE import libraries (libwine-dev) for both architectures.
# Idempotent: a package that is already installed is skipped, and apt is not
# touched at all when everything is present.
set -euo pipefail

packages=(
    cmake ninja-build
    g++-mingw-w64-i686 g++-mingw-w64-x86-64
    wine wine32:i386 wine64
    googletest
    xvfb xauth imagemagick x11-apps
    fonts-wine zip
    clang libclang-rt-14-dev llvm
    clang-14 lld-14 llvm-14 libc++-14-dev libwine-dev:i386 libwine-dev:amd64
)

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    echo "setup: all packages present" >&2
    exit 0
fi

echo "setup: installing ${missing[*]}" >&2
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    "${sudo_cmd[@]}" dpkg --add-architecture i386
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -q >&2
"${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}" >&2
