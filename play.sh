#!/usr/bin/env bash
# Sets up, builds and starts the game. On a desktop the 320 x 240 picture is
# scaled to the display with sharp pixels, and any pad the SDL library knows
# plays in its one game-controller layout.
set -eu
cd "$(dirname "$0")"
bash scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target gp2x-rpg media
cd build
SDL12COMPAT_SCALE_METHOD=nearest SDL12COMPAT_USE_GAME_CONTROLLERS=1 exec ./gp2x-rpg
