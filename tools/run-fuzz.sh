#!/bin/sh
# Runs each libFuzzer target for SECONDS (default 30), two at a time, from the seeds in
# fuzz/corpus, and prints the executions reached. A finding stops the
# script with its status; the input that caused it is left in
# build/native/fuzz-findings. The corpus grown on the way stays in
# build/native/fuzz-corpus, so a later run starts from there.
# Usage: tools/run-fuzz.sh [SECONDS]   (builds with tools/run-native.sh first)
set -eu
cd "$(dirname "$0")/.."
seconds=${1:-30}
[ -x build/native/bin/geometry_fuzzer ] || tools/run-native.sh >&2
cmake --build build/native -j2 >/dev/null
findings=build/native/fuzz-findings
mkdir -p "$findings"
# Two targets at a time, one per core: the same seconds each, half the wait.
fuzz() {
    target=$1
    corpus=build/native/fuzz-corpus/${target%_fuzzer}
    mkdir -p "$corpus"
    build/native/bin/$target -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$findings/$target-" "$corpus" "fuzz/corpus/${target%_fuzzer}" \
        >"build/native/$target.log" 2>&1
}
report() {
    target=$1 status=$2
    log=build/native/$target.log
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    if [ "$status" -ne 0 ]; then
        echo "fuzz: $target FOUND A FAULT after ${runs:-?} runs (log: $log)" >&2
        grep -E "ERROR|SUMMARY|deadly signal" "$log" >&2 || true
        exit "$status"
    fi
    echo "fuzz: $target ran ${runs:-?} inputs in ${seconds} s, no finding"
}
for pair in "label_fuzzer field_fuzzer" "geometry_fuzzer script_fuzzer"; do
    set -- $pair
    fuzz "$1" & first=$!
    fuzz "$2" & second=$!
    status1=0 status2=0
    wait $first || status1=$?
    wait $second || status2=$?
    report "$1" $status1
    report "$2" $status2
done
