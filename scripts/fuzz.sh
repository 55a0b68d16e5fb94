#!/usr/bin/env bash
# Builds the fuzz targets with clang's libFuzzer and runs each for a bounded time
# (seconds per target, 60 by default), starting from its seed corpus. Prints how many inputs
# each ran; fails when a target finds a crash (its input is left in build-fuzz/).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
CC=clang CXX=clang++ cmake -S fuzz -B build-fuzz -G Ninja >/dev/null
cmake --build build-fuzz

status=0
for target in text paths statements; do
    work="build-fuzz/corpus-$target"
    mkdir -p "$work"
    log="build-fuzz/fuzz_$target.log"
    if ! (cd build-fuzz && "./fuzz_$target" -max_total_time="$seconds" -print_final_stats=1 \
            -timeout=10 -rss_limit_mb=2048 "corpus-$target" "../fuzz/corpus/$target") >"$log" 2>&1; then
        echo "fuzz_$target: FINDING, see $log"
        tail -n 40 "$log"
        status=1
        continue
    fi
    runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$')
    echo "fuzz_$target: $runs inputs in ${seconds} s, nothing found"
done
exit $status
