#!/usr/bin/env bash
# Plays the real program through the accessibility bus, as a screen reader user would: the tree
# read over AT-SPI, a whole game played with X key presses alone, the status changes announced.
# Usage: e2e_atspi.sh path/to/vestorine
set -euo pipefail

here=$(dirname "$(realpath "$0")")
bin=$(realpath "$1")
work=$(mktemp -d)
app_pid=""

fail() {
    echo "e2e_atspi: FAIL: $*" >&2
    [ -f "$work/app.log" ] && sed 's/^/e2e_atspi: app: /' "$work/app.log" >&2
    exit 1
}

source "$here/a11y_session.sh"
cleanup() {
    set +e
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null && wait "$app_pid" 2>/dev/null
    session_stop
    rm -rf "$work"
}
trap cleanup EXIT
trap "exit 1" INT TERM

session_start

# The bridge on although no screen reader runs, the real platform, settings of our own.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME="$work/config"
(cd "$work" && exec "$bin") >"$work/app.log" 2>&1 &
app_pid=$!
wid=$(timeout 30 xdotool search --sync --onlyvisible --name VESTORINE | head -1) ||
    fail "the main window did not appear"
xdotool windowactivate --sync "$wid" >/dev/null 2>&1 || true

/usr/bin/python3 "$here/atspi_game.py" || fail "the game over the accessibility bus"

# A close request from the window manager ends the program cleanly.
xdotool windowactivate --sync "$wid" key --clearmodifiers alt+F4 >/dev/null 2>&1 || true
for _ in $(seq 300); do
    kill -0 "$app_pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$app_pid" 2>/dev/null && fail "the close request did not end the program"
wait "$app_pid" || fail "the program ended with status $?"
app_pid=""
echo "e2e_atspi: passed"
