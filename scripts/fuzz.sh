#!/usr/bin/env bash
# Fuzzes the two readers of files, the map and the save slot, with libFuzzer
# under AddressSanitizer and UndefinedBehaviorSanitizer (clang), starting
# from the seed files in tests/fuzz/ and the generated map.
#   scripts/fuzz.sh [SECONDS_EACH]     (default 60)
# Each target's corpus is left in build-fuzz/corpus_TARGET and its log in
# build-fuzz/fuzz_TARGET.log. A crash leaves its input in build-fuzz/ and
# fails the script.
set -eu
. "$(dirname "$0")/lib/common.sh"
cd "$RPG_REPO"
seconds=${1:-60}
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DRPG_FUZZ=ON -DRPG_WERROR=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz -j"$RPG_JOBS" --target fuzz_map fuzz_save media >/dev/null

# The play bytes every input starts with (FuzzPlay in tools/fuzz/fuzz_common.h),
# put in front of each seed file: seed 1, the player at (1541, 2909), then
# eight frames holding right, right, up, up, A, nothing, left and down.
play='\001\005\006\135\013\010\010\001\001\040\000\002\004'

# The targets write the map and the save slot in a scratch folder for every
# input; in memory, where there is room for it, syncing a save costs nothing.
if [ -z "${TMPDIR:-}" ] && [ -d /dev/shm ] && [ -w /dev/shm ]; then
    export TMPDIR=/dev/shm
fi

status=0
for target in map save; do
    corpus=$PWD/build-fuzz/corpus_$target
    rm -rf "$corpus"
    mkdir -p "$corpus"
    seeds=(tests/fuzz/$target/*)
    [ "$target" = map ] && seeds+=(build-fuzz/Media/map.dat)
    for seed in "${seeds[@]}"; do
        { printf "$play"; cat "$seed"; } >"$corpus/$(basename "$seed")"
    done
    log=build-fuzz/fuzz_$target.log
    if (cd build-fuzz && ASAN_OPTIONS=detect_leaks=0 ./tools/fuzz/fuzz_$target -max_total_time="$seconds" \
        -timeout=20 -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$PWD/" "$corpus" \
        >"fuzz_$target.log" 2>&1); then
        runs=$(awk '/^stat::number_of_executed_units/ { print $2 }' "$log")
        coverage=$(grep -E '^#[0-9]+' "$log" | tail -1 | grep -oE 'cov: [0-9]+ ft: [0-9]+')
        echo "fuzz_$target: $runs inputs in ${seconds} s, $coverage, no fault found"
        count_results "fuzz_$target" 1 0
    else
        echo "fuzz_$target: FAULT FOUND"
        count_results "fuzz_$target" 0 1
        grep -E 'ERROR|runtime error|SUMMARY|Test unit written' "$log" | head -20
        status=1
    fi
done
exit $status
