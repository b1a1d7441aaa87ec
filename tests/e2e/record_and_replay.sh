# A replay recorded from the keyboard in a real window plays back headless
# to the very same game: the summaries that the recorder and the player print
# at the end are identical.
set -u
. "$(dirname "$0")/lib/xvfb.sh"

e2e_start_x
E2E_GAME=$E2E_BUILD/replay E2E_GAME_OUT=recorded.txt
e2e_start_game --record walk.replay --seed 42 --media "$E2E_BUILD/Media"

e2e_hold Right 20
e2e_hold Up 15
e2e_tap Return
e2e_tap Down
e2e_tap Return
e2e_hold Left 10
e2e_tap Escape
e2e_wait_game || e2e_fail "the recorder left with status $?: $(e2e_log)"

replay="$E2E_DIR/walk.replay"
[ "$(grep -c ' down$' "$replay")" -ge 6 ] || e2e_fail "the replay holds too few presses: $(cat "$replay")"
played=$(SDL_VIDEODRIVER=dummy "$E2E_BUILD/replay" --media "$E2E_BUILD/Media" "$replay") \
    || e2e_fail "the replay did not play"
diff <(cat "$E2E_DIR/recorded.txt") <(printf '%s\n' "$played") || e2e_fail "the replay plays another game"
grep -q "^player $("$E2E_BUILD/replay" --start) " "$E2E_DIR/recorded.txt" && e2e_fail "the player never moved"
echo "recorded $(grep -c . "$replay") lines; the replay plays the same game"
