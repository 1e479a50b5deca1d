#!/usr/bin/env bash
# TERM, HUP and INT end the real program under Xvfb even while its quit box or a small window is
# open, leaving the game on disk and the settings unwritten; and a copy started again at a new
# table size takes back its own game, never the one another copy left.
#   e2e_kill.sh <vestorine binary>
set -euo pipefail
game=$(realpath "$1")
tmp=$(mktemp -d)
xvfb_pid=""
pid="" a="" # the copy in hand, and the first of the two copies
cleanup() {
    for p in $pid $a; do kill -KILL "$p" && wait "$p"; done 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    [ -n "${E2E_KEEP:-}" ] || rm -rf "$tmp"
}
trap cleanup EXIT
fail() {
    echo "e2e_kill: $*" >&2
    [ -s "$tmp/game.log" ] && sed 's/^/  program: /' "$tmp/game.log" >&2
    exit 1
}

source "$(dirname "$(realpath "$0")")/display.sh"

unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_ENABLE_HIGHDPI_SCALING
export QT_QPA_PLATFORM=xcb
mkdir -p "$tmp/cwd" "$tmp/config/vestorine" "$tmp/config2"
# No settings file, so Quit writes one; a folder where its temporary file goes makes that fail.
mkdir "$tmp/config/vestorine/vestorine.in_"
display_start 1280x1024 "$tmp"

# Starts a copy on the given config and data homes; sets pid and window.
start_copy() {
    (cd "$tmp/cwd" && XDG_CONFIG_HOME="$1" XDG_DATA_HOME="$2" exec "$game" >>"$tmp/game.log" 2>&1) &
    pid=$!
    window=$(timeout 60 xdotool search --all --sync --onlyvisible --pid "$pid" --name '^VESTORINE' |
        head -n1) || fail "no window appeared"
    xdotool windowfocus --sync "$window"
}
keys() { xdotool key --delay 30 "$@"; }
own_file() { ls "$1"/vestorine/game-"$2"-*.ini 2>/dev/null | head -n1; }
phase_is() { grep -qsx "PHASE=$3" "$(own_file "$1" "$2")"; }
deal_and_turn() { # data home: F2, then the first card up from the top left cell
    keys F2
    wait_for phase_is "$1" "$pid" 1,0,0,0 || fail "the deal was not written"
    keys Up Up Up Left Left Left Left Left Left Left Return
    wait_for phase_is "$1" "$pid" 1,1,0,0 || fail "the first card was not written"
}
gone() { ! kill -0 "$pid" 2>/dev/null; }
shown() { xdotool search --all --onlyvisible --pid "$pid" --name "$1" >/dev/null 2>&1; }
menu_open() { [ "$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | wc -l)" -gt 1 ]; }
# The File menu opened with a click on the bar, then the keys; they wait for the menu, or a
# loaded machine hands them to the table.
file_menu() {
    xdotool mousemove --window "$window" 16 10 click 1
    wait_for menu_open || fail "the File menu did not open"
    keys "$@"
}
end_by() { # signal, what is open
    kill -"$1" "$pid"
    wait_for gone || fail "SIG$1 did not end the program with $2 open"
    status=0
    wait "$pid" || status=$?
    pid=""
    [ "$status" = 0 ] || fail "SIG$1 with $2 open ended the program with status $status"
    [ ! -e "$tmp/config/vestorine/vestorine.ini" ] || fail "SIG$1 with $2 open wrote the settings"
}

# Quit fails to write the settings and says so in a box; a signal then ends the program, and the
# game stays on disk as it was.
for sig in TERM HUP INT; do
    data="$tmp/data-$sig"
    start_copy "$tmp/config" "$data"
    deal_and_turn "$data"
    file=$(own_file "$data" "$pid")
    cp "$file" "$tmp/kept.ini"
    file_menu Up Return
    wait_for shown '^Erreur' || fail "no error box after Quit"
    end_by "$sig" "the quit box"
    cmp -s "$tmp/kept.ini" "$file" || fail "SIG$sig with the quit box open lost or changed the game"
done
start_copy "$tmp/config" "$tmp/data-small"
file_menu Up Up Return
wait_for shown '^Statistiques' || fail "the statistics window did not open"
end_by TERM "the statistics window"

# Two copies on one data folder: B is killed and leaves its game unheld; A, restarted at 150 %,
# must take back its own.
data="$tmp/data"
start_copy "$tmp/config2" "$data"
a=$pid a_window=$window
deal_and_turn "$data"
a_file=$(own_file "$data" "$a")
cp "$a_file" "$tmp/a.ini"
start_copy "$tmp/config2" "$data"
b=$pid
deal_and_turn "$data"
b_file=$(own_file "$data" "$b")
cp "$b_file" "$tmp/b.ini"
kill -KILL "$b"
wait "$b" 2>/dev/null || true
pid=$a window=$a_window
xdotool windowfocus --sync "$window"
file_menu Right Right Right Down Right Down Return
# The program starts again in place, with the same pid, and takes back its own game under a new
# file name.
resumed() {
    local now
    now=$(own_file "$data" "$a")
    [ -n "$now" ] && [ "$now" != "$a_file" ] && cmp -s "$tmp/a.ini" "$now"
}
wait_for resumed || fail "the restarted copy does not hold its own game"
kill -0 "$a" 2>/dev/null || fail "the restarted program ended"
cmp -s "$tmp/b.ini" "$b_file" || fail "the other copy's game was taken or changed"
echo "e2e_kill: TERM, HUP and INT end the program from its quit box, TERM from a small window; a size restart resumes its own game"
