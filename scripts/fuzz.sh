#!/usr/bin/env bash
# Fuzzes the two readers of files, the map and the save slot, with libFuzzer
# under AddressSanitizer and UndefinedBehaviorSanitizer (clang), starting
# from the seed files in tests/fuzz/ and the generated map.
#   scripts/fuzz.sh [SECONDS_EACH]     (default 60)
# A crash leaves its input in build-fuzz/ and fails the script.
set -eu
cd "$(dirname "$0")/.."
seconds=${1:-60}
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DRPG_FUZZ=ON -DRPG_WERROR=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target fuzz_map fuzz_save media >/dev/null

status=0
for target in map save; do
    corpus=$(mktemp -d)
    cp tests/fuzz/$target/* "$corpus/"
    [ "$target" = map ] && cp build-fuzz/Media/map.dat "$corpus/generated.dat"
    log=build-fuzz/fuzz_$target.log
    if (cd build-fuzz && ASAN_OPTIONS=detect_leaks=0 ./tools/fuzz/fuzz_$target -max_total_time="$seconds" \
        -timeout=20 -rss_limit_mb=2048 -print_final_stats=1 "$corpus" >"fuzz_$target.log" 2>&1); then
        echo "fuzz_$target: $(grep -E '^stat::number_of_executed_units' "$log" | awk '{print $2}') inputs in ${seconds} s, no fault found"
    else
        echo "fuzz_$target: FAULT FOUND"
        grep -E 'ERROR|runtime error|SUMMARY|Test unit written' "$log" | head -20
        status=1
    fi
    rm -rf "$corpus"
done
exit $status
