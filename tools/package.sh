#!/bin/sh
# Builds the release archives, with the plug-in for both architectures in
# both C++ ABIs:
#
#   dist/BraskDialog-<version>/x86/BraskDialog.dll         32-bit, Microsoft C++ ABI
#   dist/BraskDialog-<version>/x64/BraskDialog.dll         64-bit, Microsoft C++ ABI
#   dist/BraskDialog-<version>/x86-mingw/BraskDialog.dll   32-bit, mingw-w64 (GNU) ABI
#   dist/BraskDialog-<version>/x64-mingw/BraskDialog.dll   64-bit, mingw-w64 (GNU) ABI
#   dist/BraskDialog-<version>/sdk/                        for carrier authors (below)
#   dist/BraskDialog-<version>/README.txt                  for users, from release/README.txt
#   dist/BraskDialog-<version>/LICENSE.txt
#   dist/BraskDialog-<version>.zip and .tar.gz             that folder
#
# The version is the one line of the file VERSION. Each DLL is built by the
# same preset as the tests (tools/run-tests.sh), stripped of its symbols, and
# must pass tools/check-plugin-binary.sh for its architecture and ABI: a DLL
# that imports anything but system DLLs and the host, imports the host under
# the other ABI's names, or exports anything but the four entry points stops
# the packaging. So does a stripped DLL that no longer runs the demo story
# and every scenario of tests/scenarios/ in the stand-in host of its flavour
# word for word. Prints the release targets at the end.
#
# sdk/ holds the payload protocol (payload-protocol.md, payload_protocol.h),
# the example carrier's sources (example-carrier/), and in x86/ and x64/
# carrier_check.exe with the example carrier built beside it; the shipped
# check must pass the shipped example.
# Usage: tools/package.sh
set -eu
cd "$(dirname "$0")/.."
kestrix_root=$PWD
. tools/wine-env.sh

# system_dlls ARCH: Wine's PE DLLs of that architecture (x86 or x64).
system_dlls() {
    case $1 in
    x86) echo /usr/lib/i386-linux-gnu/wine/i386-windows ;;
    *) echo /usr/lib/x86_64-linux-gnu/wine/x86_64-windows ;;
    esac
}
# runs WINE_ARCH: whether that architecture's programs run here.
runs() { [ "$1" = win64 ] || kestrix_can_run_32bit; }
# link_check PRESET ARCH IMAGE...: the images' imports resolve on the files.
link_check() {
    _preset=$1 _arch=$2
    shift 2
    cmake --build --preset "$_preset" --target import_check >&2
    "build/$_preset/build-tools/import_check" --system "$(system_dlls "$_arch")" \
        --provider "build/$_preset/bin/kestrix.exe" "$@" >&2
}

version=$(tr -d ' \t\r\n' <VERSION)
case $version in
[0-9]*.[0-9]*.[0-9]*) ;;
*) echo "package: VERSION must read MAJOR.MINOR.PATCH, not \"$version\"" >&2; exit 1 ;;
esac
name=BraskDialog-$version
stage=dist/$name
max_x86_msvc_bytes=65536

tools/setup.sh
llvm_strip=llvm-strip-$(tools/llvm-version.sh)
rm -rf "$stage" "dist/$name.zip" "dist/$name.tar.gz"
mkdir -p "$stage"

scenarios_total=0
scenarios_same=0
as_files=
# preset : folder in the package : architecture : ABI : strip tool
for build in win32-msvc:x86:x86:msvc:$llvm_strip win64-msvc:x64:x64:msvc:$llvm_strip \
             win32:x86-mingw:x86:gnu:i686-w64-mingw32-strip \
             win64:x64-mingw:x64:gnu:x86_64-w64-mingw32-strip; do
    IFS=: read -r preset folder arch abi strip <<EOT
$build
EOT
    wine_arch=${preset%-msvc}
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" --target BraskDialog kestrix >&2
    dll=$stage/$folder/BraskDialog.dll
    mkdir -p "$stage/$folder"
    "$strip" --strip-all -o "$dll" "build/$preset/bin/BraskDialog.dll"
    OBJDUMP=x86_64-w64-mingw32-objdump tools/check-plugin-binary.sh --arch "$arch" --abi "$abi" \
        --version "$version" "$dll"

    if ! runs "$wine_arch"; then
        link_check "$preset" "$arch" "$dll"
        echo "package: $folder: checked as a file only (binary check, version, imports)," \
             "since $kestrix_no_32bit_why" >&2
        as_files="$as_files $folder"
        continue
    fi
    # The stripped DLL must still tell the demo's story and play every
    # scenario word for word, with the host of its own flavour.
    tools/wine-warm.sh "$PWD/build/$wine_arch/wineprefix" "$wine_arch"
    host=build/$preset/bin/kestrix.exe
    if ! "build/$preset/wine-run.sh" "$host" --plugin "$PWD/$dll" --trace --script demo/demo.script |
            tr -d '\r' | cmp -s - tests/demo/demo_story.expected; then
        echo "package: $dll does not run the demo as expected" >&2
        exit 1
    fi
    for dir in tests/scenarios/*/; do
        scenarios_total=$((scenarios_total + 1))
        if cmake "-DCOMMAND=$PWD/build/$preset/wine-run.sh;$PWD/$host" -DDIR="$PWD/$dir" \
                 -DPLUGIN="$PWD/$dll" -DACTUAL="$PWD/build/$preset/package-$(basename "$dir").actual" \
                 -P tests/scenarios/run_scenario.cmake >/dev/null 2>&1; then
            scenarios_same=$((scenarios_same + 1))
        else
            echo "package: $dll: scenario $(basename "$dir") differs" >&2
            exit 1
        fi
    done
    echo "package: $folder: the demo and every scenario run with the stripped DLL" >&2
done

# The SDK for carrier authors. A carrier DLL exports plain C functions, so
# one carrier_check.exe per architecture checks a carrier from any compiler;
# the Microsoft-ABI build is the one shipped, as it is a tenth of the size and
# needs only system DLLs. The built example lets an author see a clean run
# before building anything.
sdk=$stage/sdk
mkdir -p "$sdk/example-carrier"
for build in win32-msvc:x86:win32 win64-msvc:x64:win64; do
    IFS=: read -r preset arch wine_arch <<EOT
$build
EOT
    cmake --build --preset "$preset" --target carrier_check ExampleCarrier >&2
    mkdir -p "$sdk/$arch"
    for file in carrier_check.exe ExampleCarrier.dll; do
        "$llvm_strip" --strip-all -o "$sdk/$arch/$file" "build/$preset/bin/$file"
    done
    if ! runs "$wine_arch"; then
        link_check "$preset" "$arch" "$sdk/$arch/carrier_check.exe" "$sdk/$arch/ExampleCarrier.dll"
        echo "package: sdk/$arch: checked as files only (imports), since $kestrix_no_32bit_why" >&2
        continue
    fi
    tools/wine-warm.sh "$PWD/build/$wine_arch/wineprefix" "$wine_arch"
    if ! "build/$preset/wine-run.sh" "$sdk/$arch/carrier_check.exe" "$sdk/$arch/ExampleCarrier.dll" \
            >/dev/null; then
        echo "package: $sdk/$arch/carrier_check.exe does not pass the example carrier" >&2
        exit 1
    fi
    echo "package: sdk/$arch: carrier_check.exe passes the example carrier" >&2
done
for file in examples/carrier/*; do
    sed 's/$/\r/' "$file" >"$sdk/example-carrier/$(basename "$file")"
done
sed 's/$/\r/' docs/payload-protocol.md >"$sdk/payload-protocol.md"
sed 's/$/\r/' payload/payload_protocol.h >"$sdk/payload_protocol.h"

# Text files with Windows line ends, for the people who install the DLL.
sed "s/@VERSION@/$version/; s/\$/\r/" release/README.txt >"$stage/README.txt"
sed 's/$/\r/' LICENSE >"$stage/LICENSE.txt"

# Archives of the folder; the tarball's entries sorted and owned by root.
(cd dist && zip -q -X -r "$name.zip" "$name")
tar -C dist --sort=name --owner=0 --group=0 --numeric-owner -cf - "$name" | gzip -9n >"dist/$name.tar.gz"

echo "package: $version"
for f in "$stage"/*/BraskDialog.dll "$sdk"/*/*.exe "dist/$name.zip" "dist/$name.tar.gz"; do
    printf '  %-50s %8d bytes\n' "$f" "$(wc -c <"$f")"
done
x86_bytes=$(wc -c <"$stage/x86/BraskDialog.dll")
verdict=met
[ "$x86_bytes" -le $max_x86_msvc_bytes ] || verdict=missed
echo "target: x86 Microsoft-ABI plug-in, stripped, at most 64 KB: $x86_bytes bytes, $verdict"
flavours=$((4 - $(echo $as_files | wc -w)))
echo "target: same output as expected for every scenario and the demo, $flavours flavours run here:" \
     "$scenarios_same of $scenarios_total scenario runs, met"
if [ -n "$as_files" ]; then
    echo "target: checked as files only, not run:$as_files (32-bit programs do not run here)"
fi
[ $verdict = met ]
