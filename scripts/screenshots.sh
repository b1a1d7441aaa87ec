#!/usr/bin/env bash
# Makes the README's screenshot again: the start screen, drawn by the game's
# own code through the snapshot tool, into docs/start.png.
set -eu
. "$(dirname "$0")/lib/common.sh"
cd "$RPG_REPO"
cmake -S . -B build >/dev/null
cmake --build build -j"$RPG_JOBS" --target snapshot media
mkdir -p docs
(cd build && SDL_VIDEODRIVER=dummy tools/snapshot ../docs/start.png)
