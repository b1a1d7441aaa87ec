#!/usr/bin/env bash
# Sets up, builds and starts the game. It plays in the player's own folder,
# ${XDG_DATA_HOME:-$HOME/.local/share}/gp2x-rpg, as the installed game does, so
# the save outlives build/; a save left in build/ by older versions moves there.
set -eu
. "$(dirname "$0")/scripts/lib/common.sh"
cd "$RPG_REPO"
bash scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$RPG_JOBS" --target gp2x-rpg media
exec sh packaging/gp2x-rpg.sh "$PWD/build/gp2x-rpg" "$PWD/build/Media" "$PWD/build"
