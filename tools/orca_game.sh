#!/usr/bin/env bash
# Plays one whole keyboard game under the Orca screen reader on a virtual display, without any
# audio device, and prints what Orca said: its speech goes to a file instead of a synthesiser.
# Its braille goes to a 40-cell display of brltty's virtual driver, and every line shown there is
# printed too. Not part of the test run.
# Usage: tools/orca_game.sh [--english | --language CODE] [path/to/vestorine]
#   --english        plays in English (the program starts in French)
#   --language CODE  plays in the language of that catalog (de, es, it...)
#   ORCA_DEBUG=file  also keeps Orca's own debug log there.
#   Needs brltty (apt-get install brltty); without it, speech only.
set -euo pipefail

setting=""  # the settings file's LANGUAGE= code
game_args=()
case "${1:-}" in
--english) setting=1 && shift ;;
--language)
    # The code the list of languages gives the catalog.
    setting=$(grep -oE "\{[0-9]+, \"[^\"]*\", \"${2:-}\"" "$(dirname "$0")/../core/Languages.h" |
        grep -oE "^\{[0-9]+" | tr -d '{') || true
    [ -n "$setting" ] || { echo "orca_game: no catalog ${2:-}" >&2 && exit 2; }
    game_args=(--language "$2")
    shift 2
    ;;
esac
root=$(dirname "$(dirname "$(realpath "$0")")")
bin=$(realpath "${1:-$root/build/release/main/vestorine}")
work=$(mktemp -d)
app_pid=""
orca_pid=""
brltty_pid=""
display_pid=""

fail() {
    echo "orca_game: $*" >&2
    exit 1
}

source "$root/tests/e2e/a11y_session.sh"
cleanup() {
    set +e
    [ -n "$orca_pid" ] && kill "$orca_pid" 2>/dev/null && wait "$orca_pid" 2>/dev/null
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null && wait "$app_pid" 2>/dev/null
    [ -n "$display_pid" ] && kill "$display_pid" 2>/dev/null && wait "$display_pid" 2>/dev/null
    [ -n "$brltty_pid" ] && kill "$brltty_pid" 2>/dev/null && wait "$brltty_pid" 2>/dev/null
    session_stop
    rm -rf "$work"
}
trap cleanup EXIT
trap "exit 1" INT TERM

session_start
export HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME/orca"
# The language comes from the settings file the program reads at start.
[ -n "$setting" ] && mkdir -p "$XDG_CONFIG_HOME/vestorine" &&
    printf 'LANGUAGE=%s\r\n' "$setting" >"$XDG_CONFIG_HOME/vestorine/vestorine.ini"
speech="$work/speech.txt"
: >"$speech"

# Orca loads this at start: every utterance, wherever it comes from, is appended to the file,
# and goes no further: with no audio device the synthesiser's server can hold Orca up for good.
cat >"$XDG_DATA_HOME/orca/orca-customizations.py" <<PY
import orca.speech

def _logged(text, acss, interrupt):
    with open("$speech", "a", encoding="utf-8") as transcript:
        transcript.write(text + "\n")

orca.speech._speak = _logged
orca.speech.init = lambda *args, **kwargs: None
orca.speech._speechserver = None
PY

# Our own brltty, beside any other: no screen driver, a virtual display on a socket of ours and
# its BrlAPI on a port of ours, which Orca finds through BRLAPI_HOST.
braille="$work/braille.txt"
: >"$braille"
if command -v brltty >/dev/null; then
    port=$((RANDOM % 200 + 20))
    mkdir -p "$work/brltty"
    brltty -n -e -q -f /dev/null -F /dev/null -W "$work/brltty" -P "$work/brltty.pid" -x no -s no \
        -b vr -d "server:$work/vr.sock" -A "auth=none,host=127.0.0.1:$port" \
        >"$work/brltty.log" 2>&1 &
    brltty_pid=$!
    export BRLAPI_HOST="127.0.0.1:$port" BRLAPI_AUTH=none
    # The display: says it has 40 cells, then keeps each text the driver shows on it.
    /usr/bin/python3 - "$work/vr.sock" "$braille" <<'PY' &
import socket, sys, time

path, out = sys.argv[1], sys.argv[2]
for _ in range(300):
    try:
        link = socket.socket(socket.AF_UNIX)
        link.connect(path)
        break
    except OSError:
        time.sleep(0.1)
link.sendall(b"cells 40\n")
last = None
with link.makefile("r", encoding="utf-8", errors="replace") as lines, open(out, "a") as shown:
    for line in lines:
        if line.startswith("Visual ") and line != last:
            last = line
            shown.write(line[len("Visual "):].strip().strip('"').replace('\\"', '"') + "\n")
            shown.flush()
PY
    display_pid=$!
fi

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

/usr/bin/python3 "$root/tests/e2e/atspi_game.py" --keyboard-only --pace 0.4 "${game_args[@]}" >"$work/game.log" 2>&1 ||
    { cat "$work/game.log" >&2; fail "the game did not reach its verdict"; }
sleep 2 # the verdict is spoken after it shows
echo "=== what the game did"
cat "$work/game.log"
echo "=== what Orca said"
cat "$speech"
echo "=== what the braille display showed"
cat "$braille"
