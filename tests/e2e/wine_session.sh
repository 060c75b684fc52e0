# shellcheck shell=bash
# A Wine prefix of our own with a persistent wineserver, for running the Windows programs.
# Sourced by the installer test and the Wine start-up benchmark (the end-to-end harness,
# e2e.py, does the same in its Wine driver); wine_session_cleanup ends the server and every
# Windows process in the prefix.

WINE_SERVER_UP=""

# Starts the server before any wine client, so that no client starts it with the test's
# pipes as its output and ctest waits for them to close; then creates the prefix if new.
#   wine_session_start <prefix-dir> <log-file>
wine_session_start() {
    local prefix=$1 log=$2 started tool
    for tool in wine wineserver; do
        command -v "$tool" >/dev/null || {
            echo "FAIL: $tool is not installed (scripts/deps.sh test installs wine and wine64)" >&2
            exit 1
        }
    done
    mkdir -p "$prefix"
    WINEPREFIX=$(realpath "$prefix")
    # Only the 64-bit loader is installed; without Mono and Gecko the new prefix asks for
    # nothing to be downloaded.
    export WINEPREFIX WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    wine_server_start
    if [[ -f $WINEPREFIX/system.reg ]]; then
        echo "Wine prefix: $WINEPREFIX"
        return
    fi
    started=$(date +%s%N)
    wine wineboot --init >"$log" 2>&1 </dev/null ||
        { echo "FAIL: wineboot could not set up $WINEPREFIX (log: $log)" >&2; exit 1; }
    echo "Wine prefix created in $((($(date +%s%N) - started) / 1000000)) ms: $WINEPREFIX"
}

# A persistent server for the prefix in WINEPREFIX, with nothing of ours as its output.
wine_server_start() {
    wineserver -p >/dev/null 2>&1 </dev/null
    WINE_SERVER_UP=yes
}

# The same as start_app of x_session.sh (sourced before), for a Windows program: started
# through the Wine loader, which becomes the Windows process, so that its pid is the one on
# the program's windows.
#   start_wine_app <log-file> <program.exe>
start_wine_app() {
    APP_LOG=$1
    wine "$2" >"$APP_LOG" 2>&1 </dev/null &
    # shellcheck disable=SC2034 # x_session.sh's, like APP_LOG and APP_WINDOW
    APP_PID=$!
    wait_until 30 main_window_shown || fail "the window \"Trimwise V1.2\" did not appear (log: $APP_LOG)"
    xdotool windowfocus --sync "$APP_WINDOW"
    wait_until 5 focus_in_app "$APP_WINDOW" || fail "the window did not take the keyboard focus"
}

wine_session_cleanup() {
    if [[ -n $WINE_SERVER_UP ]]; then
        wineserver -k >/dev/null 2>&1 </dev/null || true
    fi
    WINE_SERVER_UP=""
}
