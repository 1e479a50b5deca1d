#!/usr/bin/env bash
# Plays the real program on a virtual X display with real X input: deal, pick, drag and drop,
# a click made during the deal, then Quit from the menu. Usage: e2e_table.sh path/to/vestorine
set -euo pipefail

bin=$(realpath "$1")
work=$(mktemp -d)
xvfb_pid=""
app_pid=""

cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "e2e_table: FAIL: $*" >&2
    # What the program itself printed tells a crash from a slow machine.
    [ -s "$work/app.log" ] && sed "s/^/  program: /" "$work/app.log" >&2
    [ -f "$work/shot.png" ] && cp "$work/shot.png" "${TMPDIR:-/tmp}/e2e_table_failure.png" &&
        echo "e2e_table: last screenshot kept in ${TMPDIR:-/tmp}/e2e_table_failure.png" >&2
    exit 1
}

source "$(dirname "$(realpath "$0")")/display.sh"
display_start 1024x768 "$work"

# The real platform, whatever the test run sets, and a settings folder of our own.
export QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"
(cd "$work" && exec "$bin") >"$work/app.log" 2>&1 &
app_pid=$!

wid=$(timeout 30 xdotool search --sync --onlyvisible --name VESTORINE | head -1) ||
    fail "the main window did not appear"
eval "$(xdotool getwindowgeometry --shell "$wid")" # X, Y, WIDTH, HEIGHT
[ "$WIDTH" -eq 678 ] && [ "$HEIGHT" -eq 625 ] || fail "window is ${WIDTH}x$HEIGHT, not 678x625"

shot() { import -window root "$work/shot.png"; }
# Colours of screen points, one "r,g,b" per point given as x,y.
colours() {
    local format=""
    for p in "$@"; do format+="%[pixel:p{$p}]\n"; done
    convert "$work/shot.png" -format "$format" info: | sed -e 's/^srgb(//' -e 's/)$//'
}
# Polls until the named check holds, taking a screenshot before each try.
poll() {
    local what=$1
    shift
    for _ in $(seq 150); do
        shot
        "$@" && return 0
        sleep 0.1
    done
    fail "$what"
}

green="0,128,0"
# The table starts under the menu bar: the first green pixel down the window's left edge.
first_paint() {
    top=$(convert "$work/shot.png" -crop "1x120+$((X + 4))+$Y" +repage txt:- |
        awk -F'[,:]' '/#008000/ { print $2; exit }')
    [ -n "$top" ]
}
poll "the table was never painted" first_paint
top=$((Y + top))

# Screen points of the table: cell centres, the talon at home, the deal button.
cell() { echo "$((X + 10 + ($2 - 1) * 81 + 35)),$((top + 126 + ($1 - 1) * 106 + 47))"; }
all_cells() { for r in 1 2 3 4; do for c in 1 2 3 4 5 6 7 8; do cell "$r" "$c"; done; done; }
talon_centre="$((X + 46)),$((top + 58))"
click_at() { xdotool mousemove "${1%,*}" "${1#*,}" click 1; }

placeholder=$(colours "$(cell 1 1)")
[ "$placeholder" != "" ] || fail "no colour read"

only_backs() {
    # Every cell shows something other than the empty-cell picture.
    ! colours $(all_cells) | grep -qx "$placeholder"
}
talon_shows_face() { [ "$(colours "$talon_centre")" != "$green" ]; }
talon_gone_home() { [ "$(colours "$talon_centre")" = "$green" ]; }

click_at "$((X + 352 + 18)),$((top + 8 + 20))"
poll "the deal did not paint 32 backs" only_backs
talon_gone_home || fail "the talon shows before a card is turned up"

click_at "$(cell 2 4)"
poll "no face on the talon after the pick" talon_shows_face
[ "$(colours "$(cell 2 4)")" = "$placeholder" ] || fail "the picked cell is not emptied"

# Carry the talon away: its home empties while it follows the pointer.
xdotool mousemove "${talon_centre%,*}" "${talon_centre#*,}" mousedown 1
for step in 1 2 3 4 5; do
    xdotool mousemove "$((X + 46 + step * 100))" "$((top + 58 + step * 70))"
    sleep 0.05
done
poll "the talon did not follow the pointer" talon_gone_home
xdotool mouseup 1
poll "the talon did not come home after the drop" talon_shows_face

# A click during the deal is handled once the cards lie on the table.
click_at "$((X + 352 + 18)),$((top + 8 + 20))"
click_at "$(cell 3 3)"
picked_after_deal() {
    talon_shows_face && [ "$(colours "$(cell 3 3)")" = "$placeholder" ]
}
poll "the click made during the deal was lost" picked_after_deal

# Quit from the File menu ends the program cleanly.
xdotool mousemove "$((X + 25))" "$((top - 8))" click 1
menu_open() { [ "$(colours "$((X + 30)),$((top + 20))")" != "$green" ]; }
poll "the File menu did not open" menu_open
xdotool key Up Return
for _ in $(seq 100); do
    kill -0 "$app_pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$app_pid" 2>/dev/null; then
    fail "Quit did not end the program"
fi
wait "$app_pid" || fail "the program ended with status $?"
app_pid=""
# Both games were left after their first card: the one a new deal replaced is abandoned, the one
# on the table at Quit stays unfinished, to be resumed.
stats="$work/data/vestorine/statistics.ini"
grep -qx PLAYED=2 "$stats" && grep -qx ABANDONED=1 "$stats" ||
    fail "the abandoned games were not counted: $(cat "$stats" 2>&1)"
echo "e2e_table: passed"
