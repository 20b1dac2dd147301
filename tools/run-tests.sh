#!/bin/sh
# Installs what is missing, builds the four flavours (32- and 64-bit, each in
# the mingw-w64 ABI and the Microsoft C++ ABI), and runs every test under Wine,
# one architecture at a time in its own prefix. Then the window-free routines'
# tests natively under AddressSanitizer and UndefinedBehaviorSanitizer, and
# each fuzz target for FUZZ_SECONDS (30).
#
# Where this machine runs no 32-bit programs (tools/wine-env.sh; or with
# KESTRIX_RUN_32BIT=0), the 32-bit flavours are still built, warnings as
# errors, and their programs checked as files (binary check, version
# resource, every import resolved); nothing of them is run. The last lines
# say which flavours ran and which were checked as files only, and the count.
set -eu
cd "$(dirname "$0")/.."
kestrix_root=$PWD
. tools/wine-env.sh
tools/setup.sh
logs=build/run-tests
rm -rf "$logs"
mkdir -p "$logs"
status=0
ran=
as_files=
for arch in win32 win64; do
    for preset in $arch $arch-msvc; do
        tools/build.sh "$preset"
    done
    runs=yes
    if [ $arch = win32 ] && ! kestrix_can_run_32bit; then runs=no; fi
    prefix="$PWD/build/$arch/wineprefix"
    [ $runs = no ] || tools/wine-warm.sh "$prefix" "$arch"
    for preset in $arch $arch-msvc; do
        if [ $runs = yes ]; then
            echo "== tests: $preset" >&2
            ran="$ran $preset"
        else
            echo "== file checks: $preset (its programs cannot run here)" >&2
            as_files="$as_files $preset"
        fi
        # A test that fails is run once more, so that one slip of a loaded
        # machine does not fail the whole run; but it is named at the end,
        # never hidden.
        ctest --preset "$preset" -j2 --repeat until-pass:2 >"$logs/$preset.log" 2>&1 || status=1
        cat "$logs/$preset.log"
    done
    if [ $runs = yes ]; then
        kestrix_use_wine "$arch"
        WINEPREFIX="$prefix" "$kestrix_wineserver" -k 2>/dev/null || true
    fi
done
echo "== native tests under sanitizers" >&2
tools/run-native.sh >"$logs/native.log" 2>&1 || status=1
cat "$logs/native.log"
echo "== fuzzing" >&2
tools/run-fuzz.sh "${FUZZ_SECONDS:-30}" || status=1

# ctest closes with "N% tests passed, F tests failed out of T".
totals=$(cat "$logs"/*.log | sed -n 's/.*tests passed, \([0-9]*\) tests\{0,1\} failed out of \([0-9]*\).*/\1 \2/p' |
    awk '{ failed += $1; total += $2 } END { print total - failed, failed + 0 }')
set -- $totals
summary="ran every test of${ran:- nothing}, and native"
if [ -n "$as_files" ]; then
    summary="$summary; built${as_files} and checked their programs as files only, since $kestrix_no_32bit_why"
fi
echo "run-tests: $summary"
# The scene-view scenario's pictures of each two flavours that ran, compared
# pixel for pixel: every flavour should draw the same.
compared=
for pair in win32:win64 win32-msvc:win64-msvc win64:win64-msvc win32:win32-msvc; do
    a=${pair%%:*} b=${pair#*:}
    case " $ran " in *" $a "*) ;; *) continue ;; esac
    case " $ran " in *" $b "*) ;; *) continue ;; esac
    counts=
    for picture in before after closed; do
        differ=$(compare -metric AE "build/$a/tests/scenarios/scene-view.actual-run/$picture.bmp" \
                 "build/$b/tests/scenarios/scene-view.actual-run/$picture.bmp" null: 2>&1) || true
        counts="$counts${counts:+, }$picture ${differ:-?}"
    done
    compared="$compared${compared:+; }$a vs $b: $counts"
done
if [ -n "$compared" ]; then
    echo "run-tests: scene-view pictures, pixels that differ: $compared"
fi
# Each test that failed a try, as PRESET:NAME, and whether it failed both
# tries (a failure: ctest lists it under "The following tests FAILED") or
# passed on the retry (a flake). A failed try is a line
# "N/T Test #K: NAME ....***Failed" (or Timeout, Exception, Not Run).
verdicts=$(for log in "$logs"/*.log; do
    awk -v preset="$(basename "$log" .log)" '
        /Test +#[0-9]+: .*\*\*\*(Failed|Timeout|Exception|Not Run)/ {
            sub(/.*Test +#[0-9]+: /, ""); sub(/ .*/, ""); tried[$0] = 1 }
        /The following tests FAILED:/ { list = 1; next }
        list && /^[ \t]+[0-9]+ - / {
            line = $0; sub(/^[ \t]+[0-9]+ - /, "", line); sub(/ \(.*/, "", line)
            failed[line] = 1; tried[line] = 1 }
        list && !/^[ \t]+[0-9]+ - / { list = 0 }
        END { for (t in tried) print (t in failed ? "failure" : "flake"), preset ":" t }' "$log"
done | sort -k2)
failures=$(printf '%s\n' "$verdicts" | sed -n 's/^failure //p' | paste -sd' ')
flakes=$(printf '%s\n' "$verdicts" | sed -n 's/^flake //p' | paste -sd' ')
if [ -n "$failures" ]; then
    echo "run-tests: failed both tries (failures, see build/run-tests/): $failures"
fi
if [ -n "$flakes" ]; then
    echo "run-tests: failed once, passed on the retry (flakes, see build/run-tests/): $flakes"
fi
named=$(printf '%s' "$failures" | wc -w)
retried=$(printf '%s' "$flakes" | wc -w)
echo "run-tests: $1 passed ($retried of them on the retry), $2 failed"
# ctest's count and the named failures are two readings of the same logs.
if [ "$named" -ne "$2" ]; then
    echo "run-tests: $2 failed by ctest's count, but $named named above: read build/run-tests/" >&2
    status=1
fi
[ "$2" -eq 0 ] || status=1
exit $status
