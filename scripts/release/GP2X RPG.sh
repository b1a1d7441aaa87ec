#!/bin/sh
# Starts the game in its folder gp2x-rpg/ beside this script, the way the
# handheld port frameworks start a port, and just as well with no framework
# (a desktop, a device's plain sh): POSIX sh only.
here=$(cd "$(dirname "$0")" && pwd) || exit 1
game=$here/gp2x-rpg

# The port framework, when the firmware has one: its control.txt names the
# device's architecture, and get_controls reads the pad's configuration.
XDG_DATA_HOME=${XDG_DATA_HOME:-$HOME/.local/share}
for control in /opt/system/Tools/PortMaster/control.txt /opt/tools/PortMaster/control.txt \
    "$XDG_DATA_HOME/PortMaster/control.txt" /roms/ports/PortMaster/control.txt \
    /roms2/ports/PortMaster/control.txt /storage/roms/ports/PortMaster/control.txt; do
    if [ -f "$control" ]; then
        . "$control"
        get_controls
        break
    fi
done

# The game reads Media/ and keeps gamesave.dat in its own folder.
cd "$game" || exit 1
libs=""
for dir in "libs.${DEVICE_ARCH:-none}" libs.*; do
    if [ -d "$dir" ]; then
        libs=$game/$dir
        break
    fi
done
LD_LIBRARY_PATH=$libs${LD_LIBRARY_PATH:+:$LD_LIBRARY_PATH}
export LD_LIBRARY_PATH
if [ -n "${sdl_controllerconfig:-}" ]; then
    SDL_GAMECONTROLLERCONFIG=$sdl_controllerconfig
    export SDL_GAMECONTROLLERCONFIG
fi
# sdl12-compat: a pad through SDL2's game-controller layout, sharp pixels
# when the picture is scaled.
SDL12COMPAT_USE_GAME_CONTROLLERS=1
SDL12COMPAT_SCALE_METHOD=${SDL12COMPAT_SCALE_METHOD:-nearest}
export SDL12COMPAT_USE_GAME_CONTROLLERS SDL12COMPAT_SCALE_METHOD

$RPG_EMULATOR ./gp2x-rpg >"$game/log.txt" 2>&1
status=$?
if command -v pm_finish >/dev/null 2>&1; then
    pm_finish
fi
exit $status
