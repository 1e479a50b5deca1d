#!/usr/bin/env bash
# The real program at 150 % on a virtual X display: the window is half as large again, a click
# where a cell now lies turns it up, and choosing 200 % in the View menu starts the program again
# at that size. Usage: e2e_scale.sh path/to/vestorine
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
    echo "e2e_scale: FAIL: $*" >&2
    # What the program itself printed tells a crash from a slow machine.
    [ -s "$work/app.log" ] && sed "s/^/  program: /" "$work/app.log" >&2
    [ -f "$work/shot.png" ] && cp "$work/shot.png" "${TMPDIR:-/tmp}/e2e_scale_failure.png" &&
        echo "e2e_scale: last screenshot kept in ${TMPDIR:-/tmp}/e2e_scale_failure.png" >&2
    exit 1
}

source "$(dirname "$(realpath "$0")")/display.sh"
display_start 1600x1400 "$work"

# The real platform at the size of the view file alone, and a settings folder of our own.
unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_ENABLE_HIGHDPI_SCALING
export QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"
mkdir -p "$work/config/vestorine"
printf 'version=1\nfour-colour=0\ntable-size=150\n' >"$work/config/vestorine/view.ini"
(cd "$work" && exec "$bin") >"$work/app.log" 2>&1 &
app_pid=$!

# Waits for a visible main window of the given size (one pixel of rounding either way).
window_of() {
    local want_w=$1 want_h=$2
    for _ in $(seq 150); do
        wid=$(xdotool search --onlyvisible --name VESTORINE 2>/dev/null | head -1) || true
        if [ -n "$wid" ]; then
            # The window may go away between the search and the question (the restart).
            size=$(xwininfo -id "$wid" 2>/dev/null |
                awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w, h }') || true
            read -r w h <<<"${size:-0 0}"
            [ -n "$w" ] && [ -n "$h" ] || { w=0; h=0; }
            if [ $((w - want_w)) -ge -1 ] && [ $((w - want_w)) -le 1 ] &&
                [ $((h - want_h)) -ge -1 ] && [ $((h - want_h)) -le 1 ]; then
                eval "$(xdotool getwindowgeometry --shell "$wid")" # X, Y
                return 0
            fi
        fi
        sleep 0.1
    done
    fail "no ${want_w}x$want_h window; last seen ${size:-none}"
}
window_of 1017 937

shot() { import -window root "$work/shot.png"; }
colours() {
    local format=""
    for p in "$@"; do format+="%[pixel:p{$p}]\n"; done
    convert "$work/shot.png" -format "$format" info: | sed -e 's/^srgb(//' -e 's/)$//'
}
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
first_paint() {
    top=$(convert "$work/shot.png" -crop "1x200+$((X + 4))+$Y" +repage txt:- |
        awk -F'[,:]' '/#008000/ { print $2; exit }')
    [ -n "$top" ]
}
poll "the table was never painted" first_paint
top=$((Y + top))

# The described layout in its own pixels, drawn at 1.5 times.
at() { echo "$((X + $1 * 3 / 2)),$((top + $2 * 3 / 2))"; }
cell() { at "$((10 + ($2 - 1) * 81 + 35))" "$((126 + ($1 - 1) * 106 + 47))"; }
talon_centre=$(at 46 58)
click_at() { xdotool mousemove "${1%,*}" "${1#*,}" click 1; }

placeholder=$(colours "$(cell 1 1)")
dealt() { [ "$(colours "$(cell 4 8)")" != "$placeholder" ]; }
click_at "$(at 370 28)"
poll "the deal did not paint the last back" dealt

click_at "$(cell 2 4)"
picked() {
    [ "$(colours "$talon_centre")" != "$green" ] &&
        [ "$(colours "$(cell 2 4)")" = "$placeholder" ]
}
poll "the click on the scaled cell did not turn it up" picked

# View menu, Table size, 200 %: the program starts again in place at the new size.
# The keys wait for the first menu to be open: sent earlier, a loaded machine hands them to the
# table instead.
windows_shown() { xdotool search --onlyvisible --classname vestorine 2>/dev/null | wc -l; }
menu_open() { [ "$(windows_shown)" -ge 2 ]; }
xdotool mousemove "$(at 25 -8 | cut -d, -f1)" "$(at 25 -8 | cut -d, -f2)" click 1
poll "the File menu did not open" menu_open
xdotool key Right Right Right Down Right Down Down Return
window_of 1356 1250
kill -0 "$app_pid" 2>/dev/null || fail "the program did not go on in the same process"
grep -qx table-size=200 "$work/config/vestorine/view.ini" || fail "the size was not kept"
echo "e2e_scale: passed"
