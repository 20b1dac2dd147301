#!/bin/sh
# Checks a plug-in DLL before it ships, from its import and export tables:
#
# - it imports only from Windows system DLLs and from the host executable, so
#   that it runs when dropped in alone (no compiler runtime or other DLL may
#   have to lie beside it);
# - it exports exactly the four entry points the host calls by name,
#   InitModule, ExitModule, ModuleDate and GetModuleVersion, undecorated;
# - with --arch, it is built for that architecture (x86 or x64);
# - with --abi, every import from the host carries that C++ ABI's decorated
#   name: Microsoft's (msvc, "?Name@...") or mingw-w64 g++'s (gnu, "_Z..."),
#   so that a host built with that compiler resolves them;
# - with --version, it carries a version resource that names the product
#   "Brask Dialog" and gives that file version, as a file's properties show.
#
# Usage: check-plugin-binary.sh [--arch x86|x64] [--abi msvc|gnu] [--version V] [--host FILE] DLL
#   --host   the host executable the plug-in may import from (kestrix.exe)
# Prints one line per problem and exits 1, or prints what it found and
# exits 0. Uses $OBJDUMP if set, else the mingw-w64 objdump, which reads
# both architectures, and binutils' strings for the version resource.
set -eu

me=check-plugin-binary
arch=
abi=
version=
host=kestrix.exe
while [ $# -gt 1 ]; do
    case $1 in
    --arch) arch=$2; shift 2 ;;
    --abi) abi=$2; shift 2 ;;
    --host) host=$2; shift 2 ;;
    --version) version=$2; shift 2 ;;
    *) break ;;
    esac
done
if [ $# -ne 1 ] || { [ -n "$arch" ] && [ "$arch" != x86 ] && [ "$arch" != x64 ]; } ||
    { [ -n "$abi" ] && [ "$abi" != msvc ] && [ "$abi" != gnu ]; }; then
    echo "usage: $me [--arch x86|x64] [--abi msvc|gnu] [--version V] [--host FILE] DLL" >&2
    exit 2
fi
dll=$1
objdump=${OBJDUMP:-x86_64-w64-mingw32-objdump}

# Windows' own libraries, always present; msvcrt is the system C runtime the
# mingw-w64 runtime builds on, ucrtbase the one the Microsoft-ABI build uses.
# Compared without regard to case.
system_dlls="kernel32.dll user32.dll gdi32.dll advapi32.dll comctl32.dll comdlg32.dll
shell32.dll ole32.dll oleaut32.dll ntdll.dll msvcrt.dll ucrtbase.dll"
entry_points="ExitModule GetModuleVersion InitModule ModuleDate"

[ -f "$dll" ] || { echo "$me: $dll: no such file" >&2; exit 1; }
dump=$("$objdump" -p "$dll") || { echo "$me: $dll: $objdump cannot read it" >&2; exit 1; }
format=$("$objdump" -f "$dll" | sed -n 's/.*file format //p')

problems=0
problem() {
    echo "$me: $dll: $*" >&2
    problems=$((problems + 1))
}
lower() { printf '%s' "$1" | tr '[:upper:]' '[:lower:]'; }

case $format in
pei-i386) built=x86 ;;
pei-x86-64) built=x64 ;;
*) built=; problem "not a Windows DLL of a known architecture (format \"$format\")" ;;
esac
if [ -n "$arch" ] && [ -n "$built" ] && [ "$built" != "$arch" ]; then
    problem "built for $built, expected $arch"
fi
printf '%s\n' "$dump" | sed -n '/^Characteristics/,/^$/p' | grep -qx '[[:space:]]*DLL' ||
    problem "is not a DLL"

imports=$(printf '%s\n' "$dump" | sed -n 's/^[[:space:]]*DLL Name: //p')
for name in $imports; do
    allowed=no
    for ok in $system_dlls $host; do
        [ "$(lower "$name")" = "$(lower "$ok")" ] && allowed=yes
    done
    [ $allowed = yes ] || problem "imports $name, which is neither a system DLL nor the host $host"
done

# Names imported from the host, from its block of the import table: the name
# is the last word of its row (binutils 2.44 added an ordinal column).
if [ -n "$abi" ]; then
    host_imports=$(printf '%s\n' "$dump" | awk -v host="$(lower "$host")" '
        /^[[:space:]]*DLL Name: / { name = tolower($3); inblock = (name == host); next }
        inblock && /^$/ { inblock = 0 }
        inblock && NF >= 3 && $1 ~ /^[0-9a-f]+$/ { print $NF }')
    for name in $host_imports; do
        case $abi:$name in
        msvc:\?*|gnu:_Z*) ;;
        *) problem "imports $name from $host, which is not a $abi-decorated C++ name" ;;
        esac
    done
fi

# Exported names, from the name table; every export, named or not, from the
# address table (an export by ordinal only has no name). A name is the last
# word of its row: binutils 2.44 put the ordinal and the hint before it.
exports=$(printf '%s\n' "$dump" | awk '
    /^\[Ordinal\/Name Pointer\] Table/ { table = 1; next }
    table && /^$/ { table = 0 }
    table && /^[[:space:]]*\[/ { print $NF }' | sort)
address_entries=$(printf '%s\n' "$dump" |
    sed -n '/^Export Address Table -- Ordinal Base/,/^$/p' | grep -c 'Export RVA\|Forwarder RVA' || true)
for name in $entry_points; do
    printf '%s\n' "$exports" | grep -qx "$name" || problem "does not export $name"
done
for name in $exports; do
    case " $entry_points " in
    *" $name "*) ;;
    *) problem "exports $name, which is not one of the four entry points" ;;
    esac
done
named=$(printf '%s\n' "$exports" | grep -c . || true)
if [ "$address_entries" -ne "$named" ]; then
    problem "has $((address_entries - named)) export(s) by ordinal only, without a name"
fi

# The resource's texts are UTF-16: each value follows its key.
if [ -n "$version" ]; then
    texts=$(strings -e l "$dll")
    value() { printf '%s\n' "$texts" | awk -v key="$1" 'found { print; exit } $0 == key { found = 1 }'; }
    if ! printf '%s\n' "$texts" | grep -qx VS_VERSION_INFO; then
        problem "carries no version resource"
    else
        [ "$(value ProductName)" = "Brask Dialog" ] ||
            problem "its version resource names the product \"$(value ProductName)\", not \"Brask Dialog\""
        [ "$(value FileVersion)" = "$version" ] ||
            problem "its version resource gives the file version \"$(value FileVersion)\", not \"$version\""
    fi
fi

if [ $problems -gt 0 ]; then
    echo "$me: $dll: $problems problem(s)" >&2
    exit 1
fi
echo "$me: $dll: ok ($built${abi:+, $abi ABI}${version:+, version $version}; imports:" $imports"; exports:" $exports")"
