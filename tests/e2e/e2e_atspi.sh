#!/usr/bin/env bash
# Plays the real program through the accessibility bus, as a screen reader user would: the tree
# read over AT-SPI, a whole game played with X key presses alone, the status changes announced;
# then a second game in German.
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
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb

# One whole game, then a close request from the window manager, which ends the program cleanly.
# Arguments: the settings folder, then the game's own (e.g. --language de).
play_one() {
    local config=$1
    shift
    (cd "$work" && XDG_CONFIG_HOME="$config" exec "$bin") >"$work/app.log" 2>&1 &
    app_pid=$!
    wid=$(timeout 30 xdotool search --sync --onlyvisible --name VESTORINE | head -1) ||
        fail "the main window did not appear"
    xdotool windowactivate --sync "$wid" >/dev/null 2>&1 || true

    /usr/bin/python3 "$here/atspi_game.py" "$@" || fail "the game over the accessibility bus $*"

    xdotool windowactivate --sync "$wid" key --clearmodifiers alt+F4 >/dev/null 2>&1 || true
    for _ in $(seq 300); do
        kill -0 "$app_pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$app_pid" 2>/dev/null && fail "the close request did not end the program"
    wait "$app_pid" || fail "the program ended with status $?"
    app_pid=""
}

play_one "$work/config"
# Once more in a language of the catalogs, chosen by the settings file, by the keyboard alone.
mkdir -p "$work/config-de/vestorine"
printf '[VESTORINE V1.1]\r\nLANGUAGE=3\r\nDECK=0\r\n' >"$work/config-de/vestorine/vestorine.ini"
play_one "$work/config-de" --keyboard-only --language de
echo "e2e_atspi: passed"
