# A replay recorded from the keyboard in a real window plays back headless
# to the very same game: the summaries that the recorder and the player print
# at the end are identical.
set -u
. "$(dirname "$0")/lib/xvfb.sh"

e2e_start_x
(cd "$E2E_DIR" && exec env -u SDL_VIDEODRIVER "$E2E_BUILD/replay" --record walk.replay --seed 42 \
    --media "$E2E_BUILD/Media" >recorded.txt 2>recorder.log) &
E2E_GAME_PID=$!
for _ in $(seq 100); do
    E2E_WINDOW=$(xdotool search --pid "$E2E_GAME_PID" 2>/dev/null | head -1)
    [ -n "$E2E_WINDOW" ] && break
    sleep 0.1
done
[ -n "$E2E_WINDOW" ] || e2e_fail "the recorder's window did not appear"
xdotool windowfocus --sync "$E2E_WINDOW" 2>/dev/null
sleep 0.5

e2e_hold Right 20
e2e_hold Up 15
e2e_tap Return
e2e_tap Down
e2e_tap Return
e2e_hold Left 10
e2e_tap Escape
e2e_wait_game || e2e_fail "the recorder left with status $?: $(cat "$E2E_DIR/recorder.log")"

replay="$E2E_DIR/walk.replay"
[ "$(grep -c ' down$' "$replay")" -ge 6 ] || e2e_fail "the replay holds too few presses: $(cat "$replay")"
played=$(SDL_VIDEODRIVER=dummy "$E2E_BUILD/replay" --media "$E2E_BUILD/Media" "$replay") \
    || e2e_fail "the replay did not play"
diff <(cat "$E2E_DIR/recorded.txt") <(printf '%s\n' "$played") || e2e_fail "the replay plays another game"
grep -q "^player $("$E2E_BUILD/replay" --start) " "$E2E_DIR/recorded.txt" && e2e_fail "the player never moved"
echo "recorded $(grep -c . "$replay") lines; the replay plays the same game"
