# shellcheck shell=bash
# A private X server and the program under test on it, for the shell tests that start a
# program on X (the package's and the installer's; e2e.py does the same in x11.py).
# Everything started here is ended by x_session_cleanup.

XVFB_PID=""
APP_PID=""
APP_LOG=""
APP_WINDOW=""
SESSION_RUNTIME_DIR=""

# The same Qt program whatever desktop or build machine runs the test: the X platform, none
# of the caller's scaling or desktop theme, UTF-8, and a runtime folder of the session's own.
use_plain_qt_session() {
    export QT_QPA_PLATFORM=xcb LANG=C.UTF-8 LC_ALL=C.UTF-8
    unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_AUTO_SCREEN_SCALE_FACTOR QT_QPA_PLATFORMTHEME
    SESSION_RUNTIME_DIR=$(mktemp -d)
    export XDG_RUNTIME_DIR=$SESSION_RUNTIME_DIR
}

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

now_ms() {
    echo $(($(date +%s%N) / 1000000))
}

# Runs a command until it succeeds, for at most $1 seconds (fractions allowed).
wait_until() {
    local limit_ms deadline
    limit_ms=$(awk -v s="$1" 'BEGIN { printf "%d", s * 1000 }')
    shift
    deadline=$(($(now_ms) + limit_ms))
    until "$@"; do
        (($(now_ms) < deadline)) || return 1
        sleep 0.02
    done
}

# True once the server answers, and also as soon as it has died, so nobody waits on a
# server that lost its display to another.
x_server_ready_or_gone() {
    ! kill -0 "$XVFB_PID" 2>/dev/null || xdpyinfo >/dev/null 2>&1
}

# Starts Xvfb on the first free display from :90 on, X_SCREEN_SIZE pixels large (1024x768
# unless set). No window manager: windows keep the places they ask for and the program sets
# the keyboard focus itself.
start_x_server() {
    local display
    for display in $(seq 90 150); do
        [[ -e /tmp/.X${display}-lock || -e /tmp/.X11-unix/X${display} ]] && continue
        Xvfb ":${display}" -screen 0 "${X_SCREEN_SIZE:-1024x768}x24" -dpi 96 -nolisten tcp -noreset \
            >/dev/null 2>&1 </dev/null &
        XVFB_PID=$!
        export DISPLAY=":${display}"
        if wait_until 10 x_server_ready_or_gone && kill -0 "$XVFB_PID" 2>/dev/null; then
            echo "X server on ${DISPLAY}"
            return 0
        fi
        # Lost the display to someone starting at the same moment: try the next one.
        kill "$XVFB_PID" 2>/dev/null || true
        wait "$XVFB_PID" 2>/dev/null || true
        XVFB_PID=""
    done
    fail "no free X display between :90 and :150"
}

app_running() {
    local state
    [[ -r /proc/$APP_PID/stat ]] || return 1
    state=$(awk '{ print $3 }' "/proc/$APP_PID/stat" 2>/dev/null) || return 1
    [[ -n $state && $state != Z ]]
}

app_ended() {
    ! app_running
}

find_app_windows() {
    xdotool search --onlyvisible --pid "$APP_PID" --name '^Trimwise V1\.2$' 2>/dev/null
}

main_window_shown() {
    APP_WINDOW=$(find_app_windows | head -n 1)
    [[ -n $APP_WINDOW ]]
}

focus_in_app() {
    [[ $(xdotool getwindowfocus 2>/dev/null) == "$1" ]]
}

# Starts the program and waits until its window is on screen, then gives it the keyboard
# the way a window manager would on a new window.
start_app() {
    APP_LOG=$1
    "$PROGRAM" >"$APP_LOG" 2>&1 </dev/null &
    APP_PID=$!
    wait_until 20 main_window_shown || fail "the window \"Trimwise V1.2\" did not appear (log: $APP_LOG)"
    xdotool windowfocus --sync "$APP_WINDOW"
    wait_until 5 focus_in_app "$APP_WINDOW" || fail "the window did not take the keyboard focus"
}

# Waits for the program to end by itself and checks its exit status.
expect_app_exit() {
    local what=$1 status=0
    wait_until 10 app_ended || fail "$what: the program is still running"
    wait "$APP_PID" || status=$?
    APP_PID=""
    ((status == 0)) || fail "$what: the program ended with status $status (log: $APP_LOG)"
    echo "ok: $what ends the program with status 0"
}

x_session_cleanup() {
    if [[ -n $APP_PID ]] && kill -0 "$APP_PID" 2>/dev/null; then
        kill "$APP_PID" 2>/dev/null || true
        wait "$APP_PID" 2>/dev/null || true
    fi
    if [[ -n $XVFB_PID ]]; then
        kill "$XVFB_PID" 2>/dev/null || true
        wait "$XVFB_PID" 2>/dev/null || true
    fi
    if [[ -n $SESSION_RUNTIME_DIR ]]; then
        rm -rf "$SESSION_RUNTIME_DIR"
    fi
}
