#!/usr/bin/env bash
# The launcher that both `gp2x-rpg` and ./play.sh run, with the real game on
# SDL's dummy driver and the preloaded library that saves and leaves: paths
# with spaces, an old save in the build folder, a real Media folder or a
# stale link where the player's link belongs, and no usable HOME.
#   tests/deb/launcher.sh GAME MEDIA SAVE_AND_QUIT.so REPLAY
set -uo pipefail
game=$(realpath "$1") media=$(realpath "$2") shim=$(realpath "$3") replay=$(realpath "$4")
start=$("$replay" --start)
launcher=$(realpath "$(dirname "$0")/../../packaging/gp2x-rpg.sh")
work=$(mktemp -d "${TMPDIR:-/tmp}/launcher check.XXXXXX")
trap 'rm -rf "$work"' EXIT
failed=0

check() { # WHAT CONDITION...
    local what=$1
    shift
    if ! "$@"; then
        echo "FAIL: $what" >&2
        failed=1
    fi
}

# Runs the launcher from an empty folder with the given environment; its
# stderr goes to $work/err.
launch() {
    mkdir -p "$work/elsewhere"
    (cd "$work/elsewhere" && env -u XDG_DATA_HOME -u HOME SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy \
        LD_PRELOAD="$shim" "$@" timeout 60 sh "$launcher" "$game" "$media" "$work/build dir" 2>"$work/err")
}
holds_new_save() { [ "$("$replay" --position "$1/gamesave.dat" 2>/dev/null)" = "$start" ]; }

# A first start: the folder is made, the build's save moves into it.
data="$work/data home"
mkdir -p "$work/build dir"
echo "the old save" >"$work/build dir/gamesave.dat"
launch XDG_DATA_HOME="$data"
check "the game did not save in \$XDG_DATA_HOME/gp2x-rpg" holds_new_save "$data/gp2x-rpg"
check "the build folder still holds a save" test ! -e "$work/build dir/gamesave.dat"
check "Media is not a link to the game's" test "$(readlink "$data/gp2x-rpg/Media")" = "$media"
check "the game wrote into the folder it was started from" test -z "$(ls -A "$work/elsewhere")"

# Beside a save of its own, an old one is kept under another name; a real
# Media folder is set aside with what it holds.
echo "the old save" >"$work/build dir/gamesave.dat"
rm "$data/gp2x-rpg/Media"
mkdir "$data/gp2x-rpg/Media"
echo "the player's own" >"$data/gp2x-rpg/Media/note"
launch XDG_DATA_HOME="$data"
check "the old save was lost beside a newer one" \
    grep -qx "the old save" "$data/gp2x-rpg"/gamesave-from-build-*.dat
check "the real Media folder was not set aside whole" \
    grep -qx "the player's own" "$data/gp2x-rpg"/Media.set-aside-*/note
check "Media is not a link to the game's after a real folder" \
    test "$(readlink "$data/gp2x-rpg/Media")" = "$media"
check "the game did not save after a real Media folder" holds_new_save "$data/gp2x-rpg"

# A link left by an older install is renewed; HOME serves without XDG_DATA_HOME.
mkdir -p "$work/home/.local/share/gp2x-rpg"
ln -s /nowhere/Media "$work/home/.local/share/gp2x-rpg/Media"
launch HOME="$work/home"
check "a stale Media link was kept" test "$(readlink "$work/home/.local/share/gp2x-rpg/Media")" = "$media"
check "the game did not save under HOME" holds_new_save "$work/home/.local/share/gp2x-rpg"

# No folder to keep the save in: one line that says so, and no game.
: >"$work/a file"
for setting in "HOME=$work/a file" "HOME=" "XDG_DATA_HOME=relative"; do
    launch "$setting"
    status=$?
    check "with $setting the launcher did not fail" test $status -ne 0 -a $status -ne 124
    check "with $setting the launcher did not say why in one line: $(cat "$work/err")" \
        test "$(grep -c "^gp2x-rpg: " "$work/err")" = 1 -a "$(wc -l <"$work/err")" = 1
done

[ $failed -eq 0 ] && echo "launcher: spaces, the build's save, a real Media folder, a stale link, no HOME: all passed"
exit $failed
