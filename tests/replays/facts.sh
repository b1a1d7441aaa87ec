#!/usr/bin/env bash
# What the replay tool tells the scripts: the start is where a new game
# stands, a save's position, and whether a save holds a map file's layers.
#   tests/replays/facts.sh [EMULATOR...] REPLAY_TOOL MEDIA_DIR
set -u
here=$(cd "$(dirname "$0")" && pwd)
media=${@: -1}
tool=("${@:1:$#-1}")
save=$here/../fuzz/save/walked.dat map=$here/../../data/map.dat
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

printf 'seed 1\nend 0\n' >"$work/none.replay"
start=$("${tool[@]}" --start)
"${tool[@]}" --media "$media" "$work/none.replay" | grep -q "^player $start frame" ||
    fail "a new game does not stand at the start $start"
[ "$("${tool[@]}" --position "$save")" = "1573 2936" ] || fail "walked.dat's position"
head -n 7 "$save" >"$work/short.dat"
"${tool[@]}" --position "$work/short.dat" 2>/dev/null && fail "a save without a position has one"

"${tool[@]}" --same-map "$save" "$map" || fail "walked.dat holds the shipped map"
sed '1 s/^-1 /0 /' "$map" >"$work/ground.dat" # the ground is not saved
"${tool[@]}" --same-map "$save" "$work/ground.dat" || fail "the ground was compared"
sed '$ s/-1$/18/' "$map" >"$work/overhead.dat"
"${tool[@]}" --same-map "$save" "$work/overhead.dat" 2>/dev/null && fail "an overhead cell went unseen"
echo "start $start; position, short save and the saved layers as the game reads them"
