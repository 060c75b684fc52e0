#!/usr/bin/env bash
# The Windows program under Wine on a private X server, driven like the Linux one: clicks at
# the controls' places and typed keys through XTEST, from the same scenarios. The window is
# read back by a Windows helper in the same prefix, which asks it for its texts.
#   run_wine_e2e.sh <trimwise.exe> <trimwise-read-boxes.exe> <trimwise-grab-window>
#                   <trimwise-print-layout> <wine-prefix-dir> <artifact-dir>
set -euo pipefail

[[ $# -eq 6 ]] || {
    echo "usage: $0 <trimwise.exe> <trimwise-read-boxes.exe> <trimwise-grab-window>" \
        "<trimwise-print-layout> <wine-prefix-dir> <artifact-dir>" >&2
    exit 2
}
for built in "$1" "$2"; do
    [[ -f $built ]] || {
        echo "FAIL: $built is missing; cross-build it first with: make windows" >&2
        exit 1
    }
done
PROGRAM=$(realpath "$1")
READER=$(realpath "$2")
GRABBER=$(realpath "$3")
LAYOUT=$(realpath "$4")
PREFIX=$5
ARTIFACTS=$6
here=$(dirname "$(realpath "$0")")
# shellcheck source=x_session.sh
source "$here/x_session.sh"
# shellcheck source=controls.sh
source "$here/controls.sh"
# shellcheck source=scenarios.sh
source "$here/scenarios.sh"
# shellcheck source=scenario_steps.sh
source "$here/scenario_steps.sh"
# shellcheck source=wine_session.sh
source "$here/wine_session.sh"

mkdir -p "$ARTIFACTS"
ARTIFACTS=$(realpath "$ARTIFACTS")
# The window grabber is a Qt program.
use_plain_qt_session
trap 'wine_session_cleanup; x_session_cleanup' EXIT
trap 'exit 130' INT TERM

# The hooks of scenario_steps.sh for the window under Wine.
readonly ARTIFACT_NAME=trimwise-wine

# xdotool's search by name also lists the tooltip window, which has no name at all.
main_window_shown() {
    APP_WINDOW=$(xdotool search --onlyvisible --name '^Trimwise V1\.2$' 2>/dev/null | head -n 1)
    [[ -n $APP_WINDOW ]]
}

# The same as the Linux run, but through the Wine loader.
start_app() {
    start_wine_app "$1" "$PROGRAM"
}

read_window_output() {
    local output status
    # Starting a Wine process now and then fails on a loaded machine with nothing said; a
    # helper that fails three times in a row is a real failure.
    for _ in 1 2 3; do
        status=0
        output=$(wine "$READER") || status=$?
        if ((status == 0)); then
            printf '%s\n' "$output"
            return 0
        fi
        sleep 0.2
    done
    echo "the box reader ended with status $status: $output"
    return 1
}

# Wine learns of a new X clipboard owner a moment after xclip takes it over.
settle_clipboard() {
    sleep 0.25
}

load_layout "$LAYOUT"
start_x_server
wine_session_start "$PREFIX" "$ARTIFACTS/wineboot.log"

run_shared_steps

start_app "$ARTIFACTS/trimwise-wine-close.log"
press alt+F4
expect_app_exit "closing the window with Alt+F4"

echo "wine e2e: all checks passed; screenshots in $ARTIFACTS"
