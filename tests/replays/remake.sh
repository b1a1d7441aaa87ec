#!/usr/bin/env bash
# Makes the recorded scenarios again: each NAME.script is played by the
# autoplayer into NAME.replay, and the replay's summary becomes
# NAME.expected. Run it only to change the expectations on purpose (after a
# change of the map or of the game's rules), and read the differences.
#   tests/replays/remake.sh BUILD_DIR [NAME...]
set -eu
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:?usage: remake.sh BUILD_DIR [NAME...]}" && pwd)
shift
names=${*:-$(cd "$here" && ls *.script | sed 's/\.script$//')}
cd "$build"
for name in $names; do
    ./autoplay --media Media "$here/$name.script" >"$here/$name.replay"
    ./replay --media Media "$here/$name.replay" >"$here/$name.expected"
    echo "$name: $(tail -1 "$here/$name.replay")"
done
