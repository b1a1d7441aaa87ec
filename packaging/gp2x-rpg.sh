#!/bin/sh
# Starts the game in the player's own folder, where it keeps gamesave.dat:
# ${XDG_DATA_HOME:-$HOME/.local/share}/gp2x-rpg, with Media/ there a link to
# the game's data. Installed as the `gp2x-rpg` command; ./play.sh runs it too.
#   gp2x-rpg [GAME MEDIA [OLD_FOLDER]]
# GAME and MEDIA default to the installed ones; a save left in OLD_FOLDER (the
# build folder, where ./play.sh used to keep it) is moved into the player's
# folder once.
game=${1:-@RPG_INSTALLED_GAME@}
media=${2:-@RPG_INSTALLED_MEDIA@}
old=${3:-}

fail() {
    echo "gp2x-rpg: $*" >&2
    exit 1
}

# The game changes folder: keep what was given relative to here reachable.
case $game in /*) ;; *) game=$PWD/$game ;; esac
case $media in /*) ;; *) media=$PWD/$media ;; esac
[ -x "$game" ] || fail "the game is not at $game"
[ -d "$media" ] || fail "the game's Media folder is not at $media"

# A relative XDG_DATA_HOME is to be ignored, as the XDG base directories say.
case ${XDG_DATA_HOME:-} in
/*) data=$XDG_DATA_HOME ;;
*)
    [ -n "${HOME:-}" ] || fail "neither HOME nor XDG_DATA_HOME is set: no folder to keep the save in"
    data=$HOME/.local/share
    ;;
esac
folder=$data/gp2x-rpg
why=$(mkdir -p -- "$folder" 2>&1) || fail "cannot make the folder for the save, $folder: ${why##*: }"
[ -w "$folder" ] || fail "cannot write in the folder for the save, $folder"

# Media/ follows the installed data (an upgrade may move it). A real folder or
# file in its place is set aside, never deleted.
stamp=$(date +%Y%m%d-%H%M%S)
if [ -e "$folder/Media" ] && [ ! -L "$folder/Media" ]; then
    mv -- "$folder/Media" "$folder/Media.set-aside-$stamp" ||
        fail "cannot set aside $folder/Media"
    echo "gp2x-rpg: $folder/Media was not the game's; it is now $folder/Media.set-aside-$stamp" >&2
fi
if [ "$(readlink -- "$folder/Media" 2>/dev/null)" != "$media" ]; then
    ln -sfn -- "$media" "$folder/Media" || fail "cannot link $folder/Media to $media"
fi

# A save in the old folder comes over once; beside a newer one it is kept
# under another name.
if [ -n "$old" ] && [ -f "$old/gamesave.dat" ]; then
    moved=$folder/gamesave.dat
    [ -e "$moved" ] && moved=$folder/gamesave-from-build-$stamp.dat
    mv -- "$old/gamesave.dat" "$moved" || fail "cannot move $old/gamesave.dat to $moved"
    echo "gp2x-rpg: the save of $old is now $moved" >&2
fi

cd -- "$folder" || fail "cannot enter $folder"
SDL12COMPAT_SCALE_METHOD=${SDL12COMPAT_SCALE_METHOD:-nearest}
SDL12COMPAT_USE_GAME_CONTROLLERS=${SDL12COMPAT_USE_GAME_CONTROLLERS:-1}
export SDL12COMPAT_SCALE_METHOD SDL12COMPAT_USE_GAME_CONTROLLERS
exec "$game"
