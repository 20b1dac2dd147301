# Sourced by the tools' scripts: the one place that knows which Wine loader
# runs which architecture, and whether this machine runs 32-bit programs.
#
# Some kernels run no 32-bit x86 programs at all ("Exec format error"), and
# /usr/bin/wine picks the 32-bit loader whenever it is installed, even for a
# 64-bit prefix. So every Wine run of a 64-bit prefix goes through the 64-bit
# loader by its own path, and 32-bit runs happen only where the probe below
# saw the 32-bit loader start.
#
# KESTRIX_RUN_32BIT=0 takes the no-32-bit path on any machine; =1 skips the
# probe and assumes 32-bit programs run.
#
# Needs kestrix_root, the project's top folder, set before it is sourced.

kestrix_wine32=/usr/lib/wine/wine
kestrix_wine64=/usr/lib/wine/wine64

# kestrix_can_run_32bit: true when 32-bit x86 programs run here; else false,
# with the reason in kestrix_no_32bit_why. Probed once per boot (the answer is
# kept in build/.run-32bit); the probe that finds they cannot says so on
# stderr, in one line.
kestrix_can_run_32bit() {
    kestrix_no_32bit_why=
    case ${KESTRIX_RUN_32BIT:-} in
    1) return 0 ;;
    0) kestrix_no_32bit_why="KESTRIX_RUN_32BIT=0 asks for the 64-bit path" ;;
    esac
    if [ -z "$kestrix_no_32bit_why" ]; then
        _cache="$kestrix_root/build/.run-32bit"
        _boot=$(cat /proc/sys/kernel/random/boot_id 2>/dev/null || echo unknown)
        if [ -f "$_cache" ] && [ "$(sed -n 1p "$_cache")" = "$_boot" ]; then
            _answer=$(sed -n 2p "$_cache")
            _tell=no
        else
            _answer=$(kestrix_probe_32bit)
            # A loader not installed yet says nothing about the kernel: asked
            # again once tools/setup.sh has installed it.
            if [ -x "$kestrix_wine32" ]; then
                mkdir -p "$kestrix_root/build"
                printf '%s\n%s\n' "$_boot" "$_answer" >"$_cache.$$" && mv "$_cache.$$" "$_cache"
            fi
            _tell=yes
        fi
        [ "$_answer" = yes ] && return 0
        kestrix_no_32bit_why=${_answer#no: }
    else
        _tell=yes
    fi
    # Told once: the scripts and programs this one starts stay quiet.
    if [ $_tell = yes ] && [ "${KESTRIX_32BIT_TOLD:-}" != yes ]; then
        echo "kestrix: 32-bit programs do not run here: $kestrix_no_32bit_why;" \
             "the 32-bit flavours are built and checked as files, the 64-bit ones run" >&2
    fi
    export KESTRIX_32BIT_TOLD=yes
    return 1
}

# Prints "yes", or "no: REASON".
kestrix_probe_32bit() {
    if [ ! -x "$kestrix_wine32" ]; then
        echo "no: Wine's 32-bit loader $kestrix_wine32 is not installed"
        return
    fi
    _status=0
    "$kestrix_wine32" --version >/dev/null 2>&1 || _status=$?
    case $_status in
    0) echo yes ;;
    126) echo "no: this kernel does not execute 32-bit x86 programs" \
              "($kestrix_wine32 --version: Exec format error)" ;;
    *) echo "no: Wine's 32-bit loader fails to start ($kestrix_wine32 --version: exit $_status)" ;;
    esac
}

# kestrix_use_wine ARCH (win32 or win64): exports WINEARCH and, for win64,
# WINELOADER, and sets kestrix_wine and kestrix_wineserver to the loader and
# the server to call for that architecture.
kestrix_use_wine() {
    export WINEARCH="$1"
    if [ -x /usr/lib/wine/wineserver64 ]; then
        kestrix_wineserver=/usr/lib/wine/wineserver64
    else
        kestrix_wineserver=/usr/lib/wine/wineserver32
    fi
    case $1 in
    win64)
        kestrix_wine=$kestrix_wine64
        export WINELOADER="$kestrix_wine64"
        ;;
    *)
        kestrix_wine=$kestrix_wine32
        unset WINELOADER
        ;;
    esac
}

# kestrix_pick_arch WHAT [SUFFIX]: sets kestrix_arch to win32 where 32-bit
# programs run, else to win64, and then says so in one line on stderr for
# WHAT (the script's name), naming the flavour win64SUFFIX and why. Installs
# what is missing first: on a new machine the probe needs Wine's loader.
kestrix_pick_arch() {
    "$kestrix_root/tools/setup.sh"
    _told=${KESTRIX_32BIT_TOLD:-}
    export KESTRIX_32BIT_TOLD=yes
    if kestrix_can_run_32bit; then
        kestrix_arch=win32
        [ -n "$_told" ] || unset KESTRIX_32BIT_TOLD
    else
        kestrix_arch=win64
        echo "$1: runs the 64-bit flavour win64${2:-}, since $kestrix_no_32bit_why" >&2
    fi
}

# kestrix_wine_fonts PREFIX: copies Wine's own fonts into the prefix, those
# it lacks. Without them Wine replaces the dialog's "MS Sans Serif" by a
# wider face, and texts that fit on Windows ("Parent Vessel") are cut.
kestrix_wine_fonts() {
    _fonts="$1/drive_c/windows/Fonts"
    mkdir -p "$_fonts"
    for _font in /usr/share/wine/fonts/*; do
        [ -e "$_fonts/${_font##*/}" ] || cp "$_font" "$_fonts/"
    done
}
