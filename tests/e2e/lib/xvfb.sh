# Shared by the end-to-end scripts: a private X server (with a window manager
# when asked), the game started in a fresh folder with a copy of Media/, and
# a way to wait for its window.
# Sourced, not run. A script may set E2E_GAME after sourcing for another program.

E2E_GAME=$1
E2E_BUILD=$2
E2E_DIR=$(mktemp -d)
E2E_DISPLAY_NUMBER=$((90 + RANDOM % 100))

e2e_cleanup() {
    [ -n "${E2E_GAME_PID:-}" ] && kill "$E2E_GAME_PID" 2>/dev/null
    [ -n "${E2E_WM_PID:-}" ] && kill "$E2E_WM_PID" 2>/dev/null
    [ -n "${E2E_XVFB_PID:-}" ] && kill "$E2E_XVFB_PID" 2>/dev/null
    rm -rf "$E2E_DIR"
}
trap e2e_cleanup EXIT

e2e_fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Starts Xvfb on a display nobody uses and exports DISPLAY. The screen is
# 320 x 240 unless a larger WIDTHxHEIGHT is given. Without -noreset the server
# resets when the probe below disconnects, and a program that connects just
# then silently gets SDL's offscreen driver and no window.
e2e_start_x() {
    while [ -e "/tmp/.X${E2E_DISPLAY_NUMBER}-lock" ]; do E2E_DISPLAY_NUMBER=$((E2E_DISPLAY_NUMBER + 1)); done
    Xvfb ":$E2E_DISPLAY_NUMBER" -screen 0 "${1:-320x240}x24" -nolisten tcp -noreset >/dev/null 2>&1 &
    E2E_XVFB_PID=$!
    export DISPLAY=":$E2E_DISPLAY_NUMBER"
    for _ in $(seq 50); do
        xdpyinfo >/dev/null 2>&1 && return 0
        xdotool getmouselocation >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    e2e_fail "Xvfb did not start"
}

# Starts a window manager, which full screen and window titles need.
e2e_start_window_manager() {
    openbox --sm-disable >/dev/null 2>&1 &
    E2E_WM_PID=$!
    for _ in $(seq 50); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
        sleep 0.1
    done
    e2e_fail "the window manager did not start"
}

# Starts the game in the scratch folder; its output goes to game.log there.
e2e_start_game() {
    [ -d "$E2E_BUILD/Media" ] && cp -r "$E2E_BUILD/Media" "$E2E_DIR/"
    (cd "$E2E_DIR" && exec env -u SDL_VIDEODRIVER "$E2E_GAME" >game.log 2>&1) &
    E2E_GAME_PID=$!
    for _ in $(seq 100); do
        E2E_WINDOW=$(xdotool search --pid "$E2E_GAME_PID" 2>/dev/null | head -1)
        [ -z "$E2E_WINDOW" ] && E2E_WINDOW=$(xdotool search --onlyvisible --name '.' 2>/dev/null | head -1)
        if [ -n "$E2E_WINDOW" ]; then
            xdotool windowfocus --sync "$E2E_WINDOW" 2>/dev/null
            sleep 0.5
            return 0
        fi
        sleep 0.1
    done
    e2e_fail "the game's window did not appear: $(cat "$E2E_DIR/game.log" 2>/dev/null)"
}

# Holds a key for about `frames` frames of the game.
e2e_hold() {
    xdotool keydown "$1"
    sleep "$(awk "BEGIN { print $2 * 0.017 }")"
    xdotool keyup "$1"
    sleep 0.1
}

e2e_tap() {
    xdotool key --delay 80 "$1"
    sleep 0.2
}

# Waits for the game to end and returns its exit status.
e2e_wait_game() {
    for _ in $(seq 100); do
        if ! kill -0 "$E2E_GAME_PID" 2>/dev/null; then
            wait "$E2E_GAME_PID"
            local status=$?
            E2E_GAME_PID=
            return $status
        fi
        sleep 0.1
    done
    e2e_fail "the game did not leave"
}
