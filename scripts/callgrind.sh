#!/usr/bin/env bash
# Instructions of one exploration frame over the busiest view of the map, as
# counted by callgrind: the game's own pass (run_frame, drawing included, no
# flip) and nothing a tool adds around it, through `frames`, which plays
# only that pass. Two runs of different lengths; the difference divided by
# the difference in frames, so start-up drops out. Beside it the same measure
# of the floor every frame pays (221 colour-keyed 20 x 20 blits) and the 3.2
# million cycles a 200 MHz handheld has in 16 ms.
#   scripts/callgrind.sh [BUILD_DIR]      (default build; needs valgrind)
set -eu
. "$(dirname "$0")/lib/common.sh"
build=$(cd "${1:-$RPG_REPO/build}" && pwd)
work=$(mktemp -d)
rpg_on_exit "rm -rf '$work'"
cd "$build"
short=100 long=400

instructions() { # OUTPUT-NAME COMMAND...
    local name=$1
    shift
    valgrind --tool=callgrind --callgrind-out-file="$work/$name.out" "$@" >"$work/$name.stdout" 2>"$work/$name.log" ||
        fail "$* failed under callgrind: $(tail -3 "$work/$name.log")"
    sed -n 's/.*Collected : \([0-9]*\).*/\1/p' "$work/$name.log"
}

game_short=$(instructions game$short ./frames $short)
game_long=$(instructions game$long ./frames $long)
floor_short=$(instructions floor$short ./floor $short)
floor_long=$(instructions floor$long ./floor $long)

frames=$((long - short))
game=$(((game_long - game_short) / frames))
floor=$(((floor_long - floor_short) / frames))
budget=3200000
echo "busiest view: $(cut -d' ' -f4- "$work/game$short.stdout")"
printf '%-46s %10d instructions (%3d%% of the budget)\n' "one exploration frame (run_frame) there" "$game" $((100 * game / budget))
printf '%-46s %10d instructions (%3d%% of the budget)\n' "floor: 17 x 13 colour-keyed tile blits" "$floor" $((100 * floor / budget))
printf '%-46s %10d cycles\n' "budget: 200 MHz x 16 ms" "$budget"
