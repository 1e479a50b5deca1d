#!/usr/bin/env bash
# The unfinished game outlives its program: the real game under Xvfb, played with real X keys,
# is killed (SIGKILL, then SIGTERM), started again and resumed with its shortcut; the game goes
# on from where it was, and the statistics count each game exactly once.
#   e2e_resume.sh <vestorine binary>
set -euo pipefail
game=$(realpath "$1")
tmp=$(mktemp -d)
xvfb_pid=""
game_pid=""
cleanup() {
    [ -n "$game_pid" ] && kill -KILL "$game_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    [ -n "${E2E_KEEP:-}" ] || rm -rf "$tmp"
}
trap cleanup EXIT
fail() {
    echo "e2e_resume: $*" >&2
    exit 1
}

source "$(dirname "$(realpath "$0")")/display.sh"

data="$tmp/data/vestorine"
mkdir -p "$tmp/config" "$tmp/cwd"
display_start 1280x1024 "$tmp"

window=""
start_game() {
    (cd "$tmp/cwd" && XDG_CONFIG_HOME="$tmp/config" XDG_DATA_HOME="$tmp/data" \
        QT_QPA_PLATFORM=xcb exec "$game" >>"$tmp/game.log" 2>&1) &
    game_pid=$!
    window=$(timeout 60 xdotool search --sync --onlyvisible --pid "$game_pid" --name '^VESTORINE') ||
        fail "no window appeared: $(cat "$tmp/game.log")"
    window=$(echo "$window" | head -n1)
    xdotool windowfocus --sync "$window"
}
keys() { xdotool key --delay 30 "$@"; }

# The one game file on disk, and a value of it.
game_file() { ls "$data"/game-*.ini 2>/dev/null | head -n1; }
value() { sed -n "s/^$1=//p" "$(game_file)"; }
phase_is() { [ -n "$(game_file)" ] && [ "$(value PHASE)" = "$1" ]; }
talon_is_not() { [ -n "$(game_file)" ] && [ "$(value TALON),$(value PHASE)" != "$1" ]; }
no_game_file() { [ -z "$(game_file)" ]; }
count() { sed -n "s/^$1=//p" "$data/statistics.ini" | tr -d '\r'; }

# The cursor to (row, col), then Return: from the top left corner, as the arrows stop there.
press_cell() {
    local moves=(Up Up Up Left Left Left Left Left Left Left)
    for _ in $(seq 2 "$1"); do moves+=(Down); done
    for _ in $(seq 2 "$2"); do moves+=(Right); done
    keys "${moves[@]}" Return
}

# Lays the talon home: its rank's column, in its suit's row or else the first free row.
drop_talon() {
    local card suit col row=0 i=1 before
    card=$(value TALON)
    suit=$((card % 4 + 1))
    col=$((card / 4 == 0 ? 1 : 14 - card / 4))
    IFS=, read -r -a owners <<<"$(value ROWSUIT)"
    for owner in "${owners[@]}"; do
        [ "$owner" = "$suit" ] && row=$i
        i=$((i + 1))
    done
    if [ "$row" = 0 ]; then
        i=1
        for owner in "${owners[@]}"; do
            [ "$owner" = 0 ] && [ "$row" = 0 ] && row=$i
            i=$((i + 1))
        done
    fi
    before="$(value TALON),$(value PHASE)"
    press_cell "$row" "$col"
    wait_for talon_is_not "$before" || fail "the talon $card did not go to ($row, $col)"
}

deal_and_play() { # $1 drops
    keys F2
    wait_for phase_is 1,0,0,0 || fail "the deal was not written"
    press_cell 1 1
    wait_for phase_is 1,1,0,0 || fail "the first card was not written"
    for _ in $(seq "$1"); do
        phase_is 1,1,0,0 || break
        drop_talon
    done
}

# Resumes with the shortcut and checks that the game written is the one left.
resume() {
    local left=$1
    start_game
    keys ctrl+r
    resumed() { [ -n "$(game_file)" ] && [ "$(game_file)" != "$left" ] && [ ! -e "$left" ]; }
    wait_for resumed || fail "the game was not resumed"
    cmp -s "$tmp/left.ini" "$(game_file)" || fail "the resumed game differs from the one left"
}

finish() {
    while phase_is 1,1,0,0; do drop_talon; done
    for row in 1 2 3 4; do
        for col in 1 2 3 4 5 6 7 8; do
            [ -n "$(game_file)" ] || break 2
            IFS=, read -r -a cards <<<"$(value "ROW$row")"
            [ "${cards[$((col - 1))]}" = -1 ] && continue
            press_cell "$row" "$col"
            sleep 0.05
        done
    done
    wait_for no_game_file || fail "the game did not reach its verdict"
}

# SIGKILL in the middle of a chain: nothing is counted but the start; resumed and finished, the
# game counts once.
start_game
deal_and_play 3
cp "$(game_file)" "$tmp/left.ini"
import -window "$window" "$tmp/before.png"
left=$(game_file)
kill -KILL "$game_pid"
wait "$game_pid" 2>/dev/null || true
[ "$(count PLAYED)" = 1 ] && [ "$(count ABANDONED)" = 0 ] || fail "counts after the kill: $(cat "$data/statistics.ini")"
resume "$left"
import -window "$window" "$tmp/after.png"
finish
[ "$(count PLAYED)" = 1 ] && [ "$(count ABANDONED)" = 0 ] &&
    [ $(($(count WON_BY_CHAIN) + $(count WON_AT_REVEAL) + $(count LOST))) = 1 ] ||
    fail "counts after the resumed game: $(cat "$data/statistics.ini")"

# SIGTERM: the program ends cleanly, the game stays, the settings are not written; resumed and
# then replaced by a new deal, it counts as abandoned once.
deal_and_play 1
cp "$(game_file)" "$tmp/left.ini"
left=$(game_file)
kill -TERM "$game_pid"
status=0
wait "$game_pid" || status=$?
game_pid=""
[ "$status" = 0 ] || fail "SIGTERM ended the game with status $status"
[ -e "$tmp/config/vestorine/vestorine.ini" ] && fail "a signal wrote the settings file"
resume "$left"
keys F2
wait_for phase_is 1,0,0,0 || fail "the new deal was not written"
[ "$(count PLAYED)" = 2 ] && [ "$(count ABANDONED)" = 1 ] ||
    fail "counts after the new deal: $(cat "$data/statistics.ini")"
kill -TERM "$game_pid"
wait "$game_pid" || fail "SIGTERM ended the game with an error"
game_pid=""
[ -n "$(game_file)" ] || fail "the dealt game was not kept"
[ "$(count PLAYED)" = 2 ] && [ "$(count ABANDONED)" = 1 ] ||
    fail "counts at the end: $(cat "$data/statistics.ini")"
[ -n "${E2E_KEEP:-}" ] && cp "$tmp"/before.png "$tmp"/after.png "$E2E_KEEP"/
echo "e2e_resume: killed (KILL, TERM), resumed, finished and replaced; counts exact"
