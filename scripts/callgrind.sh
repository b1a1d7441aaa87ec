#!/usr/bin/env bash
# Instructions of one exploration frame over the busiest view of the map, as
# counted by callgrind: two replays of different lengths standing there, the
# difference divided by the difference in frames. Beside it the same measure
# of the floor every frame pays (221 colour-keyed 20 x 20 blits) and the
# 3.2 million cycles a 200 MHz handheld has in 16 ms.
#   scripts/callgrind.sh [BUILD_DIR]      (default build; needs valgrind)
set -eu
build=$(cd "${1:-$(dirname "$0")/../build}" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$build"
read -r x y < <(./bench --busiest)
short=100 long=400

instructions() { # OUTPUT-NAME COMMAND...
    local name=$1
    shift
    valgrind --tool=callgrind --callgrind-out-file="$work/$name.out" "$@" >/dev/null 2>"$work/$name.log"
    sed -n 's/.*Collected : \([0-9]*\).*/\1/p' "$work/$name.log"
}

for n in $short $long; do
    printf 'seed 1\nplace %s %s\nend %s\n' "$x" "$y" "$n" >"$work/stand$n.replay"
done
game_short=$(instructions game$short ./replay --media Media "$work/stand$short.replay")
game_long=$(instructions game$long ./replay --media Media "$work/stand$long.replay")
floor_short=$(instructions floor$short ./floor $short)
floor_long=$(instructions floor$long ./floor $long)

frames=$((long - short))
game=$(((game_long - game_short) / frames))
floor=$(((floor_long - floor_short) / frames))
budget=3200000
echo "busiest view: player at $x $y"
printf '%-46s %10d instructions (%3d%% of the budget)\n' "one exploration frame over the busiest view" "$game" $((100 * game / budget))
printf '%-46s %10d instructions (%3d%% of the budget)\n' "floor: 17 x 13 colour-keyed tile blits" "$floor" $((100 * floor / budget))
printf '%-46s %10d cycles\n' "budget: 200 MHz x 16 ms" "$budget"
