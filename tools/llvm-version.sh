#!/bin/sh
# Prints the major version of LLVM the build uses: clang and lld for the
# Microsoft C++ ABI flavours, llvm's tools, libc++'s headers and clang's
# sanitizer and fuzzer runtimes. It is the version the release's own `clang`
# package stands for (14 on Debian 12, 19 on Debian 13), so the native
# build's plain `clang` and the versioned tools are one and the same LLVM.
# Read by tools/setup.sh, tools/package.sh and cmake/toolchain-msvc-abi.cmake.
#
# Asks dpkg when clang is installed, else apt's candidate; exits 1 when
# neither knows (apt has no package lists yet: run apt-get update).
set -eu
depends=$(dpkg-query -W -f='${Status}|${Depends}\n' clang 2>/dev/null |
    sed -n 's/^install ok installed|//p')
if [ -z "$depends" ]; then
    depends=$(apt-cache depends clang 2>/dev/null | sed -n 's/^ *Depends: //p')
fi
version=$(printf '%s\n' "$depends" | sed -n 's/.*\bclang-\([0-9][0-9]*\)\b.*/\1/p' | head -n 1)
if [ -z "$version" ]; then
    echo "llvm-version: neither dpkg nor apt knows the package clang (no package lists yet?)" >&2
    exit 1
fi
echo "$version"
