# The real game in a real X server, played with the keyboard: open the menu
# and save, walk and save, put the first save back, load it and save again;
# "gamesave.dat" is checked after each step, a screenshot shows the world,
# the status panel and the menu, and Escape leaves.
set -u
. "$(dirname "$0")/lib/xvfb.sh"

save="$E2E_DIR/gamesave.dat"
shot="$E2E_BUILD/e2e_play_through.png"

# The player's position in the save, as the game reads it.
position() { "$E2E_BUILD/replay" --position "$save"; }

# The save's inode and modification time: the game writes a new file and
# renames it over the old one.
stamp() { stat -c '%i %y' "$save" 2>/dev/null; }

saved_since() { [ -f "$save" ] && [ "$(stamp)" != "$1" ]; }

# Waits for the game to write the save after `before`; no box is taken here,
# so the game's own reader must find the whole map in it.
check_save() {
    e2e_wait_for "$1: gamesave.dat written" saved_since "$2"
    "$E2E_BUILD/replay" --same-map "$save" "$E2E_DIR/Media/map.dat" || e2e_fail "$1: the save is not whole"
}


# One scenario; a monster met while walking can stop it, and then it is
# played again from a fresh start. The game has taken every key and played a
# frame with it before the next step, so a walk that took no save met a
# monster: the menu does not open in a battle.
play() {
    e2e_start_game
    rm -f "$save"

    e2e_tap Return
    e2e_tap space
    check_save "the first save" ""
    first=$(position)
    [ "$first" = "$("$E2E_BUILD/replay" --start)" ] || e2e_fail "the first save holds the position $first"

    cp "$save" "$E2E_DIR/first.dat"

    before=$(stamp)
    e2e_hold Left 6
    saved_since "$before" && e2e_fail "walking wrote the save"
    e2e_tap Return
    e2e_tap space
    if ! saved_since "$before"; then
        echo "a monster was met on the way; playing again" >&2
        return 1
    fi
    check_save "the save after walking" "$before"
    walked=$(position)
    [ "$walked" != "$first" ] || e2e_fail "walking left did not move the player"
    case "$walked" in
        *" ${first#* }") ;;
        *) e2e_fail "walking left moved the player to $walked" ;;
    esac

    cp "$E2E_DIR/first.dat" "$save"
    before=$(stamp)
    e2e_tap Return
    e2e_tap Down
    e2e_tap space
    e2e_tap Return
    e2e_tap space
    check_save "the save after loading" "$before"
    [ "$(position)" = "$first" ] || e2e_fail "after loading the first save the player is at $(position)"

    # The save/load menu's window stands at the right; the world beside it.
    e2e_tap Return
    e2e_wait_for "a screenshot of the world and the menu in more than 40 colours" e2e_colourful "$shot"
    e2e_tap Return

    e2e_tap Escape
    e2e_wait_game || e2e_fail "exit status $?"
    return 0
}

e2e_start_x
for attempt in 1 2 3; do
    if play; then
        echo "saved, walked, loaded and saved again; screenshot in $shot"
        exit 0
    fi
    kill "$E2E_GAME_PID" 2>/dev/null
    wait "$E2E_GAME_PID" 2>/dev/null
    E2E_GAME_PID=
done
e2e_fail "three plays in a row took no save after walking: a monster each time, or the menu did not open"
