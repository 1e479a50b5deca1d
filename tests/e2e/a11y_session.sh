# Sourced by the scripts that drive the program through the accessibility bus: starts a virtual
# X display, a window manager, a private session bus and the accessibility bus, each waited for,
# and stops them again on exit. The caller sets `work` (a scratch folder) and defines `fail`.

session_pids=()

session_stop() {
    local pid
    for ((i = ${#session_pids[@]} - 1; i >= 0; i--)); do
        pid=${session_pids[i]}
        # The bus launcher's own bus and the registry it activated go with it.
        for child in $(pgrep -P "$pid" 2>/dev/null); do
            pkill -TERM -P "$child" 2>/dev/null || true
            kill "$child" 2>/dev/null || true
        done
        kill "$pid" 2>/dev/null || true
    done
    for pid in "${session_pids[@]}"; do
        wait "$pid" 2>/dev/null || true
    done
    session_pids=()
}

# Polls `check` ten times a second until it holds; `what` names it when it never does.
session_wait() {
    local what=$1 tries=$2
    shift 2
    for _ in $(seq "$tries"); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    fail "$what"
}

wm_running() {
    xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"
}

session_start() {
    # The accessibility bus puts its socket here: one per run.
    export XDG_RUNTIME_DIR="$work/runtime"
    mkdir -p -m 700 "$XDG_RUNTIME_DIR"

    # Xvfb picks a free display itself and writes its number once it accepts clients.
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" >"$work/xvfb.log" 2>&1 &
    session_pids+=($!)
    session_wait "Xvfb did not start" 100 test -s "$work/display"
    export DISPLAY=":$(tr -d '[:space:]' <"$work/display")"

    # A session bus of our own, so nothing reaches the desktop the test may run in.
    dbus-daemon --session --nofork --nopidfile --print-address=4 4>"$work/bus" \
        >"$work/dbus.log" 2>&1 &
    session_pids+=($!)
    session_wait "the session bus did not start" 100 test -s "$work/bus"
    DBUS_SESSION_BUS_ADDRESS=$(head -1 "$work/bus")
    export DBUS_SESSION_BUS_ADDRESS
    unset AT_SPI_BUS_ADDRESS

    # A window manager gives focus and activation as on a desktop.
    openbox --sm-disable >"$work/openbox.log" 2>&1 &
    session_pids+=($!)
    session_wait "openbox did not start" 100 wm_running

    /usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/atspi.log" 2>&1 &
    session_pids+=($!)
    session_wait "the accessibility bus did not start" 100 \
        dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress
}
