#!/bin/sh
# Starts the game in its own folder, where it finds Media/ and keeps
# gamesave.dat, from wherever it is called. sdl12-compat scales the 320 x 240
# picture with sharp pixels and reads a pad as the console's buttons.
cd "$(dirname "$0")" || exit 1
SDL12COMPAT_SCALE_METHOD=${SDL12COMPAT_SCALE_METHOD:-nearest}
SDL12COMPAT_USE_GAME_CONTROLLERS=${SDL12COMPAT_USE_GAME_CONTROLLERS:-1}
export SDL12COMPAT_SCALE_METHOD SDL12COMPAT_USE_GAME_CONTROLLERS
exec $RPG_EMULATOR ./gp2x-rpg
