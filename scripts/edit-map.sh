#!/usr/bin/env bash
# Builds the game and opens the map editor in build/, where Media/ is. Ctrl+S
# keeps the work in build/test.dat; Ctrl+E exports straight to data/map.dat,
# the shipped map, which the next build copies into build/Media/.
set -eu
. "$(dirname "$0")/lib/common.sh"
cd "$RPG_REPO"
repo=$RPG_REPO
bash scripts/install-deps.sh
cmake -S . -B build >/dev/null
cmake --build build -j"$RPG_JOBS" --target map-editor media
cd build
exec ./map-editor --export "$repo/data/map.dat" "$@"
