#!/usr/bin/env bash
# Plays one recorded scenario and compares the game's state at its end with
# the expected summary kept beside it.
#   tests/replays/check.sh [EMULATOR...] REPLAY_TOOL MEDIA_DIR NAME
set -u
here=$(cd "$(dirname "$0")" && pwd)
[ $# -ge 3 ] || { echo "usage: check.sh [EMULATOR...] REPLAY_TOOL MEDIA_DIR NAME"; exit 1; }
media=${@: -2:1} name=${@: -1}
tool=("${@:1:$#-2}")
actual=$("${tool[@]}" --media "$media" "$here/$name.replay") || { echo "the replay of $name failed"; exit 1; }
if ! diff -u "$here/$name.expected" <(printf '%s\n' "$actual"); then
    echo "$name: the game no longer plays this scenario as recorded (see the differences above)."
    echo "If the change is meant, make the scenarios again with tests/replays/remake.sh and read the diff."
    exit 1
fi
echo "$name: as recorded"
