#!/usr/bin/env bash
# Plays one whole keyboard game under the Orca screen reader on a virtual display, without any
# audio device, and prints what Orca said: its speech goes to a file instead of a synthesiser.
# Not part of the test run. Usage: tools/orca_game.sh [--english] [path/to/vestorine]
#   --english        plays in English (the program starts in French)
#   ORCA_DEBUG=file  also keeps Orca's own debug log there.
set -euo pipefail

english=""
[ "${1:-}" = "--english" ] && english=1 && shift
root=$(dirname "$(dirname "$(realpath "$0")")")
bin=$(realpath "${1:-$root/build/release/main/vestorine}")
work=$(mktemp -d)
app_pid=""
orca_pid=""

fail() {
    echo "orca_game: $*" >&2
    exit 1
}

source "$root/tests/e2e/a11y_session.sh"
cleanup() {
    set +e
    [ -n "$orca_pid" ] && kill "$orca_pid" 2>/dev/null && wait "$orca_pid" 2>/dev/null
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null && wait "$app_pid" 2>/dev/null
    session_stop
    rm -rf "$work"
}
trap cleanup EXIT
trap "exit 1" INT TERM

session_start
export HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME/orca"
# The language comes from the settings file the program reads at start.
[ -n "$english" ] && mkdir -p "$XDG_CONFIG_HOME/vestorine" &&
    printf 'LANGUAGE=1\r\n' >"$XDG_CONFIG_HOME/vestorine/vestorine.ini"
speech="$work/speech.txt"
: >"$speech"

# Orca loads this at start: every utterance, wherever it comes from, is appended to the file.
cat >"$XDG_DATA_HOME/orca/orca-customizations.py" <<PY
import orca.speech

_speak = orca.speech._speak

def _logged(text, acss, interrupt):
    with open("$speech", "a", encoding="utf-8") as transcript:
        transcript.write(text + "\n")
    _speak(text, acss, interrupt)

orca.speech._speak = _logged
PY

export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb
(cd "$work" && exec "$bin") >"$work/app.log" 2>&1 &
app_pid=$!
wid=$(timeout 30 xdotool search --sync --onlyvisible --name VESTORINE | head -1) ||
    fail "the main window did not appear"

debug=()
[ -n "${ORCA_DEBUG:-}" ] && debug=(--debug-file "$ORCA_DEBUG")
# Our own Orca, beside any the user runs: on this display and session bus only. The launcher
# refuses to start while another Orca of the user runs, and --replace would end that one (the
# user's own screen reader); so it is run with that check taken out, and ended by its pid.
/usr/bin/python3 - -u "$XDG_DATA_HOME/orca" "${debug[@]}" >"$work/orca.log" 2>&1 <<'PY' &
import sys

launcher = {"__name__": "orca_launcher"}
with open("/usr/bin/orca", encoding="utf-8") as source:
    exec(compile(source.read(), "/usr/bin/orca", "exec"), launcher)
launcher["otherOrcas"] = lambda: []
sys.argv[0] = "orca"
sys.exit(launcher["main"]())
PY
orca_pid=$!
# Orca is ready once it speaks; focusing the window makes it speak.
for _ in $(seq 300); do
    xdotool windowactivate "$wid" >/dev/null 2>&1 || true
    [ -s "$speech" ] && break
    sleep 0.1
done
[ -s "$speech" ] || { cat "$work/orca.log" >&2; fail "Orca said nothing"; }
sleep 1 # let Orca finish reading the window before the game starts

/usr/bin/python3 "$root/tests/e2e/atspi_game.py" --keyboard-only --pace 0.4 >"$work/game.log" 2>&1 ||
    { cat "$work/game.log" >&2; fail "the game did not reach its verdict"; }
sleep 2 # the verdict is spoken after it shows
echo "=== what the game did"
cat "$work/game.log"
echo "=== what Orca said"
cat "$speech"
