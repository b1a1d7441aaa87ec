# The desktop window in a real X server with a window manager: the game opens
# full screen with its title, Alt+Return makes it a 320 x 240 window and
# switches it back, and the full screen picture is scaled with sharp pixels.
# Screenshots of both states are left in the build folder.
set -u
. "$(dirname "$0")/lib/xvfb.sh"

full_shot="$E2E_BUILD/e2e_window_full.png"
window_shot="$E2E_BUILD/e2e_window_window.png"

size() { xwininfo -id "$E2E_WINDOW" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w "x" h }'; }
full_screen() { xprop -id "$E2E_WINDOW" _NET_WM_STATE | grep -q _NET_WM_STATE_FULLSCREEN; }

is() { # SIZE full|window
    [ "$(size)" = "$1" ] || return 1
    if full_screen; then [ "$2" = full ]; else [ "$2" = window ]; fi
}

# Waits for the window to be `size`, full screen or not, and for the game to
# draw two frames more in it.
expect() {
    e2e_wait_for "$3: a $2 of $1" is "$1" "$2"
    e2e_frames 2
}


# The screenshot is a 2x picture with sharp pixels when every 2 x 2 block is
# one colour: sampling it down and up again gives it back unchanged.
sharp() {
    local differ
    convert "$1" -sample 50% -sample 200% "$E2E_DIR/blocks.png" || e2e_fail "cannot resample $1"
    differ=$(compare -metric AE "$1" "$E2E_DIR/blocks.png" null: 2>&1)
    [ "$differ" = 0 ] || e2e_fail "the full screen picture is not sharp: $differ pixels differ from 2 x 2 blocks"
}

seen() { echo "the window is $(size), $(xprop -id "$E2E_WINDOW" _NET_WM_STATE)"; }
e2e_start_x 640x480
e2e_start_window_manager
export SDL12COMPAT_SCALE_METHOD=nearest SDL12COMPAT_USE_GAME_CONTROLLERS=1
e2e_start_game
E2E_SEEN=seen

title=$(xdotool getwindowname "$E2E_WINDOW")
[ "$title" = gp2x-rpg ] || e2e_fail "the window's title is '$title'"
expect 640x480 full "at the start"
e2e_wait_for "the game's picture on the full screen" e2e_colourful "$full_shot"
sharp "$full_shot"

e2e_tap alt+Return
expect 320x240 window "after Alt+Return"
e2e_wait_for "the game's picture in more than 40 colours in the window" e2e_colourful "$window_shot"
[ "$(xdotool getwindowname "$E2E_WINDOW")" = gp2x-rpg ] || e2e_fail "the window lost its title"

e2e_tap alt+Return
expect 640x480 full "after Alt+Return again"
e2e_wait_for "the game's picture on the full screen" e2e_colourful "$full_shot"
sharp "$full_shot"

kill -0 "$E2E_GAME_PID" 2>/dev/null || e2e_fail "the game died: $(cat "$E2E_DIR/game.log")"
e2e_tap Escape
e2e_wait_game || e2e_fail "exit status $?"
echo "'$title' full screen 640x480, a 320x240 window and back; screenshots in $full_shot and $window_shot"
