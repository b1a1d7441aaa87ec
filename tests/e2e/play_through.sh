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

# The save's modification time, to see when the game has written it again.
stamp() { stat -c %y "$save" 2>/dev/null; }

# Waits up to five seconds for the game to write the save after `before`.
check_save() {
    local before=$2
    for _ in $(seq 50); do
        [ -f "$save" ] && [ "$(stamp)" != "$before" ] && break
        sleep 0.1
    done
    sleep 0.2
    [ -f "$save" ] || e2e_fail "$1: no gamesave.dat"
    local lines empty
    lines=$(grep -c . "$save")
    empty=$(tail -c 2 "$save" | od -An -c | tr -d ' ')
    [ "$lines" -eq 80035 ] || e2e_fail "$1: $lines value lines"
    [ "$empty" = '\n\n' ] || e2e_fail "$1: the file does not end in an empty line"
}

# One scenario; a monster met while walking can stop it, and then it is
# played again from a fresh start.
play() {
    e2e_start_game
    rm -f "$save"

    e2e_tap Return
    e2e_tap space
    check_save "the first save" ""
    first=$(position)
    [ "$first" = "$("$E2E_BUILD/replay" --start)" ] || e2e_fail "the first save holds the position $first"

    cp "$save" "$E2E_DIR/first.dat"

    e2e_hold Left 6
    sleep 0.3
    [ "$(position)" = "$first" ] || e2e_fail "walking changed the save"
    before=$(stamp)
    e2e_tap Return
    e2e_tap space
    check_save "the save after walking" "$before"
    walked=$(position)
    if [ "$walked" = "$first" ]; then
        echo "a monster was met on the way; playing again" >&2
        return 1
    fi
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

    e2e_tap Return
    sleep 0.3
    import -window root "$shot" || e2e_fail "no screenshot"
    colours=$(identify -format %k "$shot")
    [ "$colours" -gt 40 ] || e2e_fail "the screenshot shows only $colours colours"
    # The save/load menu's window stands at the right; the world beside it.
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
e2e_fail "three plays in a row met a monster"
