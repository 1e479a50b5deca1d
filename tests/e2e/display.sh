# Sourced by the end-to-end scripts: a virtual X display of their own, and a patient wait. The
# script defines fail() before it calls these.

# Waits (as a safety net, not a speed requirement) until the command succeeds.
wait_for() {
    for _ in $(seq 600); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

# Starts Xvfb at the given size (as 1024x768) on a display it picks itself, so that runs side by
# side never race for one, writing its number into folder. -noreset: a display that resets when
# its last client leaves refuses the program that connects meanwhile, and the toolkit aborts.
# Sets xvfb_pid and exports DISPLAY.
display_start() {
    local size=$1 folder=$2
    Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset 3>"$folder/display" \
        >"$folder/xvfb.log" 2>&1 &
    xvfb_pid=$!
    wait_for test -s "$folder/display" || fail "Xvfb did not start: $(cat "$folder/xvfb.log")"
    DISPLAY=":$(tr -d '[:space:]' <"$folder/display")"
    export DISPLAY
    xdpyinfo >/dev/null 2>&1 || fail "cannot reach the display $DISPLAY"
}
