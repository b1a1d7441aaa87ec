# The real game in a real X server: it starts, takes keys, and leaves with
# status 0 on Escape after trying to start the console's launcher. Without a
# usable video driver it says so and leaves with status 1.
set -u
. "$(dirname "$0")/lib/xvfb.sh"

message=$(cd "$E2E_DIR" && SDL_VIDEODRIVER=no-such-driver "$E2E_GAME" 2>&1)
status=$?
[ "$status" -eq 1 ] || e2e_fail "without video the game left with status $status"
case "$message" in
    "gp2x-rpg: cannot initialise SDL: "*) ;;
    *) e2e_fail "without video the game said: $message" ;;
esac

e2e_start_x
e2e_start_game
e2e_tap Return
e2e_tap Return
kill -0 "$E2E_GAME_PID" 2>/dev/null || e2e_fail "the game died: $(cat "$E2E_DIR/game.log")"
e2e_tap Escape
e2e_wait_game
status=$?
[ "$status" -eq 0 ] || e2e_fail "exit status $status"
echo "the game left on Escape with status 0"
