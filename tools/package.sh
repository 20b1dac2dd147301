#!/bin/sh
# Builds the release archives for both architectures:
#
#   dist/BraskDialog-<version>/x86/BraskDialog.dll   (32-bit)
#   dist/BraskDialog-<version>/x64/BraskDialog.dll   (64-bit)
#   dist/BraskDialog-<version>/README.txt            (for users, from release/README.txt)
#   dist/BraskDialog-<version>/LICENSE.txt
#   dist/BraskDialog-<version>.zip and .tar.gz       (that folder)
#
# The version is the one line of the file VERSION. Each DLL is built by the
# same preset as the tests (tools/run-tests.sh), then stripped of its symbols
# (every build links the runtime statically), and must pass
# tools/check-plugin-binary.sh:
# a DLL that imports anything but system DLLs and the host, or exports
# anything but the four entry points, stops the packaging. So does a
# stripped DLL that no longer runs the demo story in the stand-in host.
# Usage: tools/package.sh
set -eu
cd "$(dirname "$0")/.."

version=$(tr -d ' \t\r\n' <VERSION)
case $version in
[0-9]*.[0-9]*.[0-9]*) ;;
*) echo "package: VERSION must read MAJOR.MINOR.PATCH, not \"$version\"" >&2; exit 1 ;;
esac
name=BraskDialog-$version
stage=dist/$name

tools/setup.sh
rm -rf "$stage" "dist/$name.zip" "dist/$name.tar.gz"
mkdir -p "$stage"

for build in win32:x86:i686 win64:x64:x86_64; do
    preset=${build%%:*}
    rest=${build#*:}
    arch=${rest%%:*}
    triplet=${rest#*:}-w64-mingw32
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" --target BraskDialog >&2
    mkdir -p "$stage/$arch"
    "$triplet-strip" --strip-all -o "$stage/$arch/BraskDialog.dll" "build/$preset/bin/BraskDialog.dll"
    OBJDUMP=$triplet-objdump tools/check-plugin-binary.sh --arch "$arch" "$stage/$arch/BraskDialog.dll"
    # The stripped DLL must still tell the demo's story word for word.
    tools/wine-warm.sh "$PWD/build/$preset/wineprefix" "$preset"
    if ! "build/$preset/wine-run.sh" "build/$preset/bin/kestrix.exe" \
            --plugin "$PWD/$stage/$arch/BraskDialog.dll" --trace --script demo/demo.script |
            tr -d '\r' | cmp -s - tests/demo/demo_story.expected; then
        echo "package: $stage/$arch/BraskDialog.dll does not run the demo as expected" >&2
        exit 1
    fi
    echo "package: $arch: the demo runs with the stripped DLL" >&2
done

# Text files with Windows line ends, for the people who install the DLL.
sed "s/@VERSION@/$version/; s/\$/\r/" release/README.txt >"$stage/README.txt"
sed 's/$/\r/' LICENSE >"$stage/LICENSE.txt"

# Archives of the folder; the tarball's entries sorted and owned by root.
(cd dist && zip -q -X -r "$name.zip" "$name")
tar -C dist --sort=name --owner=0 --group=0 --numeric-owner -cf - "$name" | gzip -9n >"dist/$name.tar.gz"

echo "package: $version"
for f in "$stage"/x86/BraskDialog.dll "$stage"/x64/BraskDialog.dll "dist/$name.zip" "dist/$name.tar.gz"; do
    printf '  %-40s %8d bytes\n' "$f" "$(wc -c <"$f")"
done
