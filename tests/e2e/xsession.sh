# Sourced by the end-to-end tests: a private Xvfb display, and helpers to drive the
# program with real X input. The program is the Linux build, or the Windows build (a .exe),
# which runs under Wine in the prefix WINEPREFIX names.

xsession_dir=$(mktemp -d)
xsession_xvfb=
# Waits for the server to be gone: one still shutting down would remove the socket of the
# next server on the same display.
cleanup_xsession() {
    if [ -n "$xsession_xvfb" ]; then
        kill "$xsession_xvfb" 2>/dev/null
        wait "$xsession_xvfb" 2>/dev/null
    fi
    rm -rf "$xsession_dir"
}
trap cleanup_xsession EXIT

# A display number of its own, away from the low ones other sessions' servers take: a server
# still shutting down on the same number would remove the new one's socket. No reset when
# the last client leaves: a program starting during a reset could not connect.
start_xvfb() {
    local attempt display
    for attempt in $(seq 10); do
        display=$((100 + RANDOM % 900))
        [ -e "/tmp/.X$display-lock" ] && continue
        Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp -noreset 2>"$xsession_dir/xvfb.log" &
        xsession_xvfb=$!
        export DISPLAY=":$display"
        for _ in $(seq 100); do
            xdotool getdisplaygeometry >/dev/null 2>&1 && return 0
            kill -0 "$xsession_xvfb" 2>/dev/null || break
            sleep 0.05
        done
        kill "$xsession_xvfb" 2>/dev/null
        wait "$xsession_xvfb" 2>/dev/null
    done
    echo "FAIL: no X server could be started" >&2
    cat "$xsession_dir/xvfb.log" >&2
    exit 1
}
start_xvfb
# Qt's own files go where they harm nothing.
export XDG_RUNTIME_DIR="$xsession_dir"

# Runs the program with the arguments given, in place of the calling (sub)shell, so that a
# background start gives the program's own process id.
exec_program() {
    if [[ $program == *.exe ]]; then
        WINEDEBUG=-all exec wine "$program" "$@"
    fi
    exec "$program" "$@"
}

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# The window whose title matches, once it is mapped.
wait_for_window() {
    timeout 20 xdotool search --sync --onlyvisible --name "$1" | head -n 1
}

# Clicks at a point of a window's client area, in pixels.
click_at() {
    local window=$1 x=$2 y=$3
    eval "$(xdotool getwindowgeometry --shell "$window")"
    xdotool mousemove --sync $((X + x)) $((Y + y)) click 1
    sleep 0.2
}

# Waits for a process to end and sets exit_code to its exit code. Not in a subshell: only
# the shell that started the process can wait for it.
wait_for_exit() {
    local pid=$1
    for _ in $(seq 100); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$pid" 2>/dev/null && fail "the program is still running"
    exit_code=0
    wait "$pid" || exit_code=$?
}
