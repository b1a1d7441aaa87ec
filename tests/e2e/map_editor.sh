# The real map editor in a real X server, driven with the mouse: a tile is
# picked from the palette, a cell clicked, a bent stroke dragged and a cell
# cleared with the right button; after Ctrl+S, "test.dat" differs from the
# first save in exactly those cells. Escape with unsaved changes asks first.
set -u
. "$(dirname "$0")/lib/xvfb.sh"
E2E_GAME="$(cd "$E2E_BUILD" && pwd)/map-editor"
saved="$E2E_DIR/test.dat"
log="$E2E_DIR/game.log"

# Waits up to five seconds for test.dat to be written after `before`.
wait_save() {
    local before=$1
    for _ in $(seq 50); do
        [ -f "$saved" ] && [ "$(stat -c %y "$saved")" != "$before" ] && return 0
        sleep 0.1
    done
    e2e_fail "test.dat was not written: $(cat "$log")"
}

# Window pixel (x, y) to "column row" of the map under it, at 1x.
cell() { echo "$(((view_x + $1) / 20)) $(((view_y + $2) / 20))"; }

e2e_start_x 800x600
e2e_start_game
view=$(sed -n 's/^map-editor: view at (\(-*[0-9]*\), \(-*[0-9]*\)), zoom 1,.*/\1 \2/p' "$log")
[ -n "$view" ] || e2e_fail "the editor did not say where its view is: $(cat "$log")"
read -r view_x view_y <<<"$view"

xdotool key ctrl+s
wait_save ""
cp "$saved" "$E2E_DIR/before.dat"
grep -q "wrote test.dat; map checks passed" "$log" || e2e_fail "the first save: $(cat "$log")"

move() { xdotool mousemove --window "$E2E_WINDOW" "$1" "$2"; sleep 0.15; }
e2e_tap 3                     # the obstacle layer
move 500 148 && xdotool click 1 # palette: row 1, column 0, tile 4
move 30 30 && xdotool click 1
move 50 70 && xdotool mousedown 1
move 150 70
move 150 130
xdotool mouseup 1
sleep 0.15
move 90 70 && xdotool click 3
sleep 0.2

# The cells painted with tile 4, and the one cleared.
painted="$(cell 30 30)"
read -r x0 y0 <<<"$(cell 50 70)"
read -r x1 y1 <<<"$(cell 150 130)"
for x in $(seq "$x0" "$x1"); do painted="$painted,$x $y0"; done
for y in $(seq "$((y0 + 1))" "$y1"); do painted="$painted,$x1 $y"; done
cleared="$(cell 90 70)"

before=$(stat -c %y "$saved")
xdotool key ctrl+s
wait_save "$before"
sleep 0.2
differences=$(paste <(tr -s ' \n' '\n\n' <"$E2E_DIR/before.dat") <(tr -s ' \n' '\n\n' <"$saved") | awk \
    -v painted="$painted" -v cleared="$cleared" '
    BEGIN { n = split(painted, p, ","); for (i = 1; i <= n; i++) want[p[i]] = 4; want[cleared] = -1 }
    {
        k = NR - 1; layer = int(k / 40000); cell = int(k % 40000 / 200) " " k % 200
        expected = (layer == 2 && cell in want) ? want[cell] : $1
        if ($2 != expected) { print "value " NR " (layer " layer ", cell " cell "): " $2 ", not " expected; bad++ }
        count++
    }
    END { if (count != 200000) print count " values"; exit bad > 0 || count != 200000 }') \
    || e2e_fail "test.dat holds other values than painted:
$(printf '%s\n' "$differences" | head -20)"

# One more cell painted: the first Escape asks, the second leaves unsaved.
stamp=$(stat -c %y "$saved")
move 200 200 && xdotool click 1
e2e_tap Escape
kill -0 "$E2E_GAME_PID" 2>/dev/null || e2e_fail "the editor left with unsaved changes at the first Escape"
e2e_tap Escape
e2e_wait_game || e2e_fail "exit status $?"
[ "$(stat -c %y "$saved")" = "$stamp" ] || e2e_fail "leaving without saving wrote test.dat"
echo "painted $(echo "$painted" | tr "," "\n" | wc -l) cells, then cleared one of them; test.dat holds exactly them"
