# The real map editor in a real X server, driven with the mouse: a tile is
# picked from the palette, a cell clicked, a bent stroke dragged and a cell
# cleared with the right button; after Ctrl+S, "test.dat" differs from the
# first save in exactly those cells. Escape with unsaved changes asks first.
set -u
. "$(dirname "$0")/lib/xvfb.sh"
E2E_GAME="$(cd "$E2E_BUILD" && pwd)/map-editor"
saved="$E2E_DIR/test.dat"
log="$E2E_DIR/game.log"

# The save's inode and modification time: the editor writes a new file and
# renames it over the old one.
stamp() { stat -c '%i %y' "$saved" 2>/dev/null; }
saved_since() { [ -f "$saved" ] && [ "$(stamp)" != "$1" ]; }
wait_save() { e2e_wait_for "test.dat written" saved_since "$1"; }

# Window pixel (x, y) to "column row" of the map under it, at 1x.
cell() { echo "$(((view_x + $1) / 20)) $(((view_y + $2) / 20))"; }

e2e_start_x 800x600
e2e_start_game
view=$(sed -n 's/^map-editor: view at (\(-*[0-9]*\), \(-*[0-9]*\)), zoom 1,.*/\1 \2/p' "$log")
[ -n "$view" ] || e2e_fail "the editor did not say where its view is: $(cat "$log")"
read -r view_x view_y <<<"$view"

e2e_tap ctrl+s
wait_save ""
cp "$saved" "$E2E_DIR/before.dat"
grep -q "wrote test.dat; map checks passed" "$log" || e2e_fail "the first save: $(cat "$log")"

e2e_tap 3                          # the obstacle layer
e2e_move 500 148 && e2e_click 1    # palette: row 1, column 0, tile 4
e2e_move 30 30 && e2e_click 1
e2e_move 50 70 && e2e_mouse_down 1
e2e_move 150 70
e2e_move 150 130
e2e_mouse_up 1
e2e_move 90 70 && e2e_click 3

# The cells painted with tile 4, and the one cleared.
painted="$(cell 30 30)"
read -r x0 y0 <<<"$(cell 50 70)"
read -r x1 y1 <<<"$(cell 150 130)"
for x in $(seq "$x0" "$x1"); do painted="$painted,$x $y0"; done
for y in $(seq "$((y0 + 1))" "$y1"); do painted="$painted,$x1 $y"; done
cleared="$(cell 90 70)"

before=$(stamp)
e2e_tap ctrl+s
wait_save "$before"
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
unsaved=$(stamp)
e2e_move 200 200 && e2e_click 1
e2e_tap Escape
kill -0 "$E2E_GAME_PID" 2>/dev/null || e2e_fail "the editor left with unsaved changes at the first Escape"
e2e_tap Escape
e2e_wait_game || e2e_fail "exit status $?"
[ "$(stamp)" = "$unsaved" ] || e2e_fail "leaving without saving wrote test.dat"
echo "painted $(echo "$painted" | tr "," "\n" | wc -l) cells, then cleared one of them; test.dat holds exactly them"
