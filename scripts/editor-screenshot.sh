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
e2e_move 520 108 && e2e_click 1
e2e_tap g
e2e_move 290 130
x_screenshot "$repo/docs/editor.png"
echo "wrote $repo/docs/editor.png"
