# shellcheck shell=bash
# A Wine prefix of our own with a persistent wineserver, for running the Windows programs.
# Sourced by run_wine_e2e.sh and the Wine start-up benchmark; wine_session_cleanup ends the
# server and every Windows process in the prefix.

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

wine_session_cleanup() {
    if [[ -n $WINE_SERVER_UP ]]; then
        wineserver -k >/dev/null 2>&1 </dev/null || true
    fi
    WINE_SERVER_UP=""
}
