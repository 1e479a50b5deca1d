#!/usr/bin/env bash
# Plays whole games blind on a virtual display of its own, with its own session and
# accessibility buses, and prints the keys and the spoken characters per game.
# Not part of the test run. Usage: tools/blind_bench.sh [--english] [path/to/vestorine] [-- options]
#   options go to blind_bench.py: --games N, --strategy arrows|jumps, --home-key K, ...
set -euo pipefail

english=""
[ "${1:-}" = "--english" ] && english=1 && shift
root=$(dirname "$(dirname "$(realpath "$0")")")
bin="$root/build/release/main/vestorine"
[ $# -gt 0 ] && [ "$1" != "--" ] && bin=$1 && shift
[ "${1:-}" = "--" ] && shift
bin=$(realpath "$bin")
work=$(mktemp -d)
app_pid=""

fail() {
    echo "blind_bench: $*" >&2
    exit 1
}

source "$root/tests/e2e/a11y_session.sh"
cleanup() {
    set +e
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null && wait "$app_pid" 2>/dev/null
    session_stop
    rm -rf "$work"
}
trap cleanup EXIT
trap "exit 1" INT TERM

session_start
export XDG_CONFIG_HOME="$work/config"
[ -n "$english" ] && mkdir -p "$XDG_CONFIG_HOME/vestorine" &&
    printf 'LANGUAGE=1\r\n' >"$XDG_CONFIG_HOME/vestorine/vestorine.ini"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb
(cd "$work" && exec "$bin") >"$work/app.log" 2>&1 &
app_pid=$!
wid=$(timeout 30 xdotool search --sync --onlyvisible --name VESTORINE | head -1) ||
    fail "the main window did not appear"
xdotool windowactivate --sync "$wid" >/dev/null 2>&1 || true

/usr/bin/python3 "$root/tools/blind_bench.py" "$@"
