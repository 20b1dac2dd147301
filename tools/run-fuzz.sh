#!/bin/sh
# Runs each libFuzzer target for SECONDS (default 30) from the seeds in
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
for target in label_fuzzer field_fuzzer geometry_fuzzer script_fuzzer; do
    corpus=build/native/fuzz-corpus/${target%_fuzzer}
    mkdir -p "$corpus"
    log=build/native/$target.log
    status=0
    build/native/bin/$target -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$findings/$target-" "$corpus" "fuzz/corpus/${target%_fuzzer}" \
        >"$log" 2>&1 || status=$?
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    if [ "$status" -ne 0 ]; then
        echo "fuzz: $target FOUND A FAULT after ${runs:-?} runs (log: $log)" >&2
        grep -E "ERROR|SUMMARY|deadly signal" "$log" >&2 || true
        exit "$status"
    fi
    echo "fuzz: $target ran ${runs:-?} inputs in ${seconds} s, no finding"
done
