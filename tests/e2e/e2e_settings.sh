#!/usr/bin/env bash
# Starts the real game under Xvfb with a settings file, checks that it was applied, quits through
# the File menu with real X input and checks the file the game wrote.
#   e2e_settings.sh <vestorine binary>
set -euo pipefail
game=$(realpath "$1")
tmp=$(mktemp -d)
xvfb_pid=""
game_pid=""
cleanup() {
    [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$tmp"
}
trap cleanup EXIT
fail() {
    echo "e2e_settings: $*" >&2
    exit 1
}

source "$(dirname "$(realpath "$0")")/display.sh"

mkdir -p "$tmp/config/vestorine" "$tmp/cwd" "$tmp/bin"
# The desktop's opener is replaced by a recorder, so opening the readme starts nothing.
printf '#!/bin/sh\necho "$@" >>"%s/opened"\n' "$tmp" >"$tmp/bin/xdg-open"
chmod +x "$tmp/bin/xdg-open"
printf 'LANGUAGE=1\r\nDECK=13\r\n' >"$tmp/config/vestorine/vestorine.ini"

display_start 1280x1024 "$tmp"

(cd "$tmp/cwd" && PATH="$tmp/bin:$PATH" XDG_CONFIG_HOME="$tmp/config" XDG_DATA_HOME="$tmp/data" QT_QPA_PLATFORM=xcb exec "$game" \
    >"$tmp/game.log" 2>&1) &
game_pid=$!
window=$(timeout 60 xdotool search --sync --onlyvisible --name '^VESTORINE') ||
    fail "no window appeared: $(cat "$tmp/game.log")"
window=$(echo "$window" | head -n1)

# No window manager here: give the window the focus as one would, which activates it and makes
# the game read its settings.
xdotool windowfocus --sync "$window"
title_is() { [ "$(xdotool getwindowname "$window")" = "$1" ]; }
wait_for title_is "VESTORINE V1.1" ||
    fail "title is \"$(xdotool getwindowname "$window")\", not \"VESTORINE V1.1\""

menu_open() { [ "$(xdotool search --onlyvisible --pid "$game_pid" 2>/dev/null | wc -l)" -gt 1 ]; }
menu_closed() { ! menu_open; }

# ? > readme: open the first menu of the bar, go left round to the last one, take its first item.
xdotool mousemove --window "$window" 16 10 click 1
wait_for menu_open || fail "the File menu did not open"
xdotool key Left Return
wait_for test -s "$tmp/opened" || fail "the readme was not opened"
readme=$(head -n1 "$tmp/opened")
case "$readme" in
file://*/readme.txt) [ -f "${readme#file://}" ] || fail "the readme opened is missing: $readme" ;;
*) fail "opened $readme instead of the English readme" ;;
esac
wait_for menu_closed || fail "the menu stayed open"

# File > Quit: the first menu of the bar, then its last item.
xdotool mousemove --window "$window" 16 10 click 1
wait_for menu_open || fail "the File menu did not open"
xdotool key Up Return
status=0
for _ in $(seq 300); do
    kill -0 "$game_pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$game_pid" 2>/dev/null && fail "the game did not quit from its File menu"
wait "$game_pid" || status=$?
game_pid=""
[ "$status" -eq 0 ] || fail "the game ended with status $status: $(cat "$tmp/game.log")"

ini="$tmp/config/vestorine/vestorine.ini"
# The run changed neither the language nor the back the file asked for: the file is left alone.
expected=$(printf 'LANGUAGE=1\r\nDECK=13\r\n' | od -c)
actual=$(od -c <"$ini")
[ "$actual" = "$expected" ] || fail "the settings file holds:
$actual"
[ -e "$tmp/config/vestorine/vestorine.in_" ] && fail "a temporary file was left behind"
echo "e2e_settings: title VESTORINE V1.1, $readme opened, the untouched settings left as they were"
