#!/usr/bin/env bash
# Installs the Debian packages the build (make too, for the carrier authors'
# stand-alone build of examples/carrier, which takes CMake's default
# generator), the tests, the screenshots (Xvfb,
# ImageMagick, and Wine's own fonts, without which dialog fonts fall back to a
# wider face) and the release archives (zip) need, and clang with its
# sanitizer and fuzzer runtimes and llvm's symbolizer for the native sanitizer
# and fuzz runs; for the Microsoft C++ ABI build, clang, lld and llvm's tools,
# libc++'s headers, and Wine's Windows and UCRT headers with its PE import
# libraries (libwine-dev) for both architectures. The LLVM packages are those
# of the release's own clang (tools/llvm-version.sh), so the same list holds
# on Debian 12 and 13.
# Idempotent: a package that is already installed is skipped, and apt is not
# touched at all when everything is present.
#
# A mirror may serve one architecture's package index broken for days. Then
# the update goes on with the lists apt has, and when the install cannot be
# resolved because amd64 packages are newer than any i386 twin apt can see
# (Multi-Arch: same needs the two equal), it is tried once more with those
# packages pinned, on both architectures, to the newest version both have.
set -euo pipefail
here=$(dirname "$0")

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
log=$(mktemp)
trap 'rm -f "$log"' EXIT

update_lists() {
    if ! "${sudo_cmd[@]}" apt-get update -q >"$log" 2>&1; then
        cat "$log" >&2
        local failed index
        failed=$(sed -n 's/^E: Failed to fetch \([^ ]*\).*/\1/p' "$log")
        if [ -z "$failed" ]; then
            echo "setup: apt-get update failed, and not on a package index; stopping" >&2
            exit 1
        fi
        for index in $failed; do
            echo "setup: the package index $index could not be fetched; going on with the lists apt has" >&2
        done
    fi
}

updated=no
# A machine that has never fetched its package lists cannot say which clang
# its release has.
if ! llvm=$("$here/llvm-version.sh" 2>/dev/null); then
    update_lists
    updated=yes
    llvm=$("$here/llvm-version.sh")
fi

packages=(
    cmake ninja-build make
    g++-mingw-w64-i686 g++-mingw-w64-x86-64
    wine wine32:i386 wine64
    googletest
    xvfb xauth imagemagick x11-apps
    fonts-wine zip
    clang "libclang-rt-$llvm-dev" llvm
    "clang-$llvm" "lld-$llvm" "llvm-$llvm" "libc++-$llvm-dev" libwine-dev:i386 libwine-dev:amd64
)

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
    updated=no
fi
[ $updated = yes ] || update_lists

install() {
    "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "$@"
}

# The i386 packages the missing ones need, and each installed amd64 package
# among them whose version has no i386 twin: pinned, both architectures, to
# the newest version both have (apt lists versions newest first). Prints
# "name=version name:i386=version", a line each.
twin_pins() {
    local wanted=() p
    for p in "${missing[@]}"; do
        case $p in *:i386) wanted+=("$p") ;; esac
    done
    [ ${#wanted[@]} -gt 0 ] || return 0
    local names
    names=$(apt-cache depends --recurse --no-recommends --no-suggests --no-conflicts \
        --no-breaks --no-replaces --no-enhances "${wanted[@]}" 2>/dev/null |
        sed -n 's/^\([^ <][^ ]*\):i386$/\1/p' | sort -u)
    [ -n "$names" ] || return 0
    # shellcheck disable=SC2086 # one word a name
    {
        dpkg-query -W -f='installed ${Package} ${Architecture} ${Multi-Arch} ${Status} ${Version}\n' \
            $names 2>/dev/null || true
        apt-cache madison $names $(printf '%s:i386 ' $names) 2>/dev/null |
            awk -F' [|] ' '{ n = $1; gsub(/ /, "", n); sub(/:i386$/, "", n)
                             split($3, w, " "); print "offered", n, w[length(w) - 1], $2 }'
    } | awk '
        $1 == "installed" && $3 == "amd64" && $4 == "same" && $7 == "installed" { have[$2] = $8 }
        $1 == "offered" { key = $2 " " $3 " " $4; offered[key] = 1; if ($3 == "amd64") order[$2] = order[$2] " " $4 }
        END {
            for (n in have) {
                if ((n " i386 " have[n]) in offered) continue
                k = split(order[n], vs, " ")
                for (i = 1; i <= k; i++)
                    if ((n " i386 " vs[i]) in offered) { print n "=" vs[i], n ":i386=" vs[i]; break }
            }
        }'
}

if install "${missing[@]}" >"$log" 2>&1; then
    cat "$log" >&2
    exit 0
fi
cat "$log" >&2
pins=$(twin_pins | tr '\n' ' ')
if [ -z "$pins" ]; then
    echo "setup: could not install: ${missing[*]}" >&2
    exit 1
fi
echo "setup: retrying with versions both architectures have: $pins" >&2
# shellcheck disable=SC2086 # one word a pin
if ! install -o APT::Default-Release="$(. /etc/os-release; echo "$VERSION_CODENAME")" \
        --allow-downgrades "${missing[@]}" $pins >&2; then
    echo "setup: could not install: ${missing[*]} (even with $pins)" >&2
    exit 1
fi
