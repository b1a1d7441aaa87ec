# Shared by the end-to-end scripts: a private X server (with a window manager
# when asked), the program started in a fresh folder with a copy of Media/ and
# the progress probe preloaded, and input that waits until the program took it.
# Sourced, not run. A script may set E2E_GAME after sourcing for another program.

. "$(dirname "${BASH_SOURCE[0]}")/../../../scripts/lib/common.sh"
E2E_GAME=$1
E2E_BUILD=$(cd "$2" && pwd)
E2E_DIR=$(mktemp -d)
# tests/support/progress_probe.cpp, and the file where it keeps its counts.
E2E_PROBE=$E2E_BUILD/tests/libprogress_probe.so
E2E_PROGRESS=$E2E_DIR/progress
# How long any one wait may last, in seconds: far beyond what a step takes
# even in the sanitizer build on a loaded machine.
E2E_DEADLINE=60

e2e_cleanup() {
    [ -n "${E2E_GAME_PID:-}" ] && kill "$E2E_GAME_PID" 2>/dev/null
    [ -n "${E2E_WM_PID:-}" ] && kill "$E2E_WM_PID" 2>/dev/null
    rm -rf "$E2E_DIR"
}
rpg_on_exit e2e_cleanup

e2e_fail() {
    echo "FAIL: $*" >&2
    exit 1
}

e2e_running() { [ -n "${E2E_GAME_PID:-}" ] && kill -0 "$E2E_GAME_PID" 2>/dev/null; }

e2e_log() { tail -c 1000 "$E2E_DIR/game.log" 2>/dev/null; }

# Runs CONDITION... until it holds. Fails, saying what it waited for, when the
# deadline passes or the program started by e2e_start_game has ended; a
# script may name in E2E_SEEN a command that tells what there was instead.
e2e_wait_for() { # WHAT CONDITION...
    local what=$1 end=$((SECONDS + E2E_DEADLINE)) started
    shift
    started=$(e2e_running && echo yes)
    until "$@"; do
        [ "$SECONDS" -lt "$end" ] || e2e_fail "waited $E2E_DEADLINE s for $what${E2E_SEEN:+; $($E2E_SEEN)}"
        if [ -n "$started" ] && ! e2e_running; then
            "$@" && return 0
            e2e_fail "the program ended while waiting for $what: $(e2e_log)"
        fi
        sleep 0.02
    done
}

# The probe's counts: event queue passes (one per frame), screens flipped,
# and key, mouse button and mouse motion events taken.
e2e_counts() {
    E2E_PASSES=0 E2E_FLIPS=0 E2E_KEYS=0 E2E_BUTTONS=0 E2E_MOTIONS=0
    [ -f "$E2E_PROGRESS" ] && read -r E2E_PASSES E2E_FLIPS E2E_KEYS E2E_BUTTONS E2E_MOTIONS <"$E2E_PROGRESS"
    return 0
}
e2e_reached() { # COUNT VALUE
    e2e_counts
    [ "${!1}" -ge "$2" ]
}

# Waits until the program has read its input for FRAMES more frames after
# the current one, so whatever it took before has been played and drawn.
# Returns 1, without failing, when the program has ended instead.
e2e_frames() { # FRAMES
    local end=$((SECONDS + E2E_DEADLINE)) target
    e2e_counts
    target=$((E2E_PASSES + $1 + 1))
    until e2e_reached E2E_PASSES "$target"; do
        e2e_running || return 1
        [ "$SECONDS" -lt "$end" ] || e2e_fail "waited $E2E_DEADLINE s for $1 more frames of the program"
        sleep 0.02
    done
}

# Sends an input with COMMAND..., waits until the program has taken COUNT
# more events of KIND (E2E_KEYS, E2E_BUTTONS, E2E_MOTIONS), then lets it play
# FRAMES frames with it. Returns 1 when the program has ended meanwhile.
e2e_input() { # KIND COUNT FRAMES WHAT COMMAND...
    local kind=$1 count=$2 frames=$3 what=$4
    shift 4
    e2e_counts
    local target=$((${!kind} + count))
    "$@" || e2e_fail "xdotool could not send $what"
    e2e_wait_for "the program to take $what" e2e_reached "$kind" "$target"
    e2e_frames "$frames"
}

# Keys are xdotool's names, joined with + for a chord (ctrl+s). Each press
# and each release is taken by the program and lasts a whole frame of it.
e2e_press() { # KEYS [FRAMES]
    local parts=${1//[^+]/}
    e2e_input E2E_KEYS $((${#parts} + 1)) "${2:-1}" "the press of $1" xdotool keydown "$1"
}
e2e_release() { # KEYS
    local parts=${1//[^+]/}
    e2e_input E2E_KEYS $((${#parts} + 1)) 1 "the release of $1" xdotool keyup "$1"
}
e2e_tap() { # KEYS
    if e2e_press "$1"; then
        e2e_release "$1"
    else
        xdotool keyup "$1" # the program ended on the press
    fi
}
# Holds KEYS for FRAMES frames of the program.
e2e_hold() { # KEYS FRAMES
    e2e_press "$1" "$2" && e2e_release "$1"
}

# The mouse, in the coordinates of the program's window.
e2e_move() { # X Y
    local x y X Y SCREEN WINDOW
    eval "$(xdotool getmouselocation --shell)"
    read -r x y <<<"$(xwininfo -id "$E2E_WINDOW" | awk '/Absolute upper-left X:/ { x = $NF }
        /Absolute upper-left Y:/ { y = $NF } END { print x, y }')"
    [ "$X" -eq $((x + $1)) ] && [ "$Y" -eq $((y + $2)) ] && return 0
    e2e_input E2E_MOTIONS 1 1 "the pointer's move to $1, $2" xdotool mousemove --window "$E2E_WINDOW" "$1" "$2"
}
e2e_mouse_down() { e2e_input E2E_BUTTONS 1 1 "the press of mouse button $1" xdotool mousedown "$1"; }
e2e_mouse_up() { e2e_input E2E_BUTTONS 1 1 "the release of mouse button $1" xdotool mouseup "$1"; }
e2e_click() { e2e_mouse_down "$1" && e2e_mouse_up "$1"; }

# Starts Xvfb and exports DISPLAY. The screen is 320 x 240 unless a larger
# WIDTHxHEIGHT is given.
e2e_start_x() {
    xvfb_start "${1:-320x240}x24"
}

# A screenshot of the whole screen in FILE that shows more than 40 colours:
# the game's picture rather than an empty or black window.
e2e_colourful() { # FILE
    x_screenshot "$1"
    [ "$(identify -format %k "$1")" -gt 40 ]
}

# Starts a window manager, which full screen and window titles need.
e2e_start_window_manager() {
    openbox --sm-disable >/dev/null 2>&1 &
    E2E_WM_PID=$!
    e2e_wait_for "the window manager to start" eval \
        "xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'"
}

e2e_viewable() { xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'; }

# The program's viewable window: the one with its process id, or (for a
# library that does not set it) the one with a name, when there is one only.
e2e_find_window() {
    local found
    found=$(xdotool search --onlyvisible --pid "$E2E_GAME_PID" 2>/dev/null)
    [ -n "$found" ] || found=$(xdotool search --onlyvisible --name '.' 2>/dev/null)
    [ "$(printf '%s\n' "$found" | grep -c .)" -eq 1 ] || return 1
    E2E_WINDOW=$found
    e2e_viewable "$E2E_WINDOW"
}

e2e_focused() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$E2E_WINDOW" ]; }

# Starts the program in the scratch folder with ARGUMENTS; its messages go to
# game.log there, and its output too unless E2E_GAME_OUT names another file.
# Returns once its window is drawn, focused and has stayed for a frame: the
# library may open a window and replace it before the program draws.
e2e_start_game() { # [ARGUMENTS...]
    [ -d "$E2E_BUILD/Media" ] && cp -r "$E2E_BUILD/Media" "$E2E_DIR/"
    [ -f "$E2E_PROBE" ] || e2e_fail "no $E2E_PROBE: build the target progress_probe"
    # The address sanitizer's runtime must come first among the libraries.
    local preload asan
    asan=$(ldd "$E2E_GAME" 2>/dev/null | awk '/libasan\.so/ { print $3; exit }')
    preload="${asan:+$asan }$E2E_PROBE"
    rm -f "$E2E_PROGRESS"
    (
        cd "$E2E_DIR" || exit 1
        if [ -n "${E2E_GAME_OUT:-}" ]; then exec >"$E2E_GAME_OUT" 2>game.log; else exec >game.log 2>&1; fi
        exec env -u SDL_VIDEODRIVER PROGRESS_PROBE_FILE="$E2E_PROGRESS" LD_PRELOAD="$preload" "$E2E_GAME" "$@"
    ) &
    E2E_GAME_PID=$!
    e2e_wait_for "the program to draw its first frame" e2e_reached E2E_FLIPS 1
    e2e_wait_for "the program's one viewable window" e2e_find_window
    timeout "$E2E_DEADLINE" xdotool windowfocus --sync "$E2E_WINDOW" 2>/dev/null
    e2e_wait_for "the keyboard focus on the program's window $E2E_WINDOW" e2e_focused
    e2e_frames 1
    e2e_viewable "$E2E_WINDOW" || e2e_fail "the program's window $E2E_WINDOW went: $(e2e_log)"
}

# Waits for the program to end and returns its exit status.
e2e_wait_game() {
    e2e_wait_for "the program to leave" eval '! e2e_running'
    wait "$E2E_GAME_PID"
    local status=$?
    E2E_GAME_PID=
    return $status
}
