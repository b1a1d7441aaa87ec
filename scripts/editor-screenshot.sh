#!/usr/bin/env bash
# Makes docs/editor.png again: the map editor in a private 640 x 480 X server,
# on the camp at the player's start, with the object layer chosen, the box
# picked from the palette, grid lines on and the pointer on a cell.
#   scripts/editor-screenshot.sh [BUILD_DIR]
set -u
repo=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$repo/build}" && pwd)
. "$repo/tests/e2e/lib/xvfb.sh" "$build/map-editor" "$build"
e2e_start_x 640x480
e2e_start_game
e2e_tap 4
xdotool mousemove --window "$E2E_WINDOW" 520 108 click 1
sleep 0.2
e2e_tap g
xdotool mousemove --window "$E2E_WINDOW" 290 130
sleep 0.5
import -window root "$repo/docs/editor.png" || e2e_fail "no screenshot"
echo "wrote $repo/docs/editor.png"
