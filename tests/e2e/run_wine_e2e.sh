#!/usr/bin/env bash
# The Windows program under Wine on a private X server, driven like the Linux one: clicks at
# the controls' places and typed keys through XTEST, from the same scenarios. The boxes are
# read back by a Windows helper in the same prefix, which asks the window for its texts.
#   run_wine_e2e.sh <trimwise.exe> <trimwise-read-boxes.exe> <trimwise-grab-window>
#                   <wine-prefix-dir> <artifact-dir>
set -euo pipefail

[[ $# -eq 5 ]] || {
    echo "usage: $0 <trimwise.exe> <trimwise-read-boxes.exe> <trimwise-grab-window>" \
        "<wine-prefix-dir> <artifact-dir>" >&2
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
PREFIX=$4
ARTIFACTS=$5
here=$(dirname "$(realpath "$0")")
# shellcheck source=x_session.sh
source "$here/x_session.sh"
# shellcheck source=boxes.sh
source "$here/boxes.sh"
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
app_windows() {
    local window
    for window in $(find_app_windows); do
        if [[ $(xdotool getwindowname "$window" 2>/dev/null) == "Trimwise V1.2" ]]; then
            echo "$window"
        fi
    done
}

main_window_shown() {
    APP_WINDOW=$(app_windows | head -n 1)
    [[ -n $APP_WINDOW ]]
}

# The same as the Linux run, but through the Wine loader. The loader becomes the Windows
# process, so its pid is the one on the program's windows.
start_app() {
    APP_LOG=$1
    wine "$PROGRAM" >"$APP_LOG" 2>&1 </dev/null &
    APP_PID=$!
    wait_until 30 main_window_shown || fail "the window \"Trimwise V1.2\" did not appear (log: $APP_LOG)"
    xdotool windowfocus --sync "$APP_WINDOW"
    wait_until 5 focus_in_app "$APP_WINDOW" || fail "the window did not take the keyboard focus"
}

# Fills BOX_TEXT, FOCUSED, SELECTION and ACTIVE from what the helper prints.
FOCUSED=""
SELECTION=""
ACTIVE=""
read_window() {
    local output line name status
    # Starting a Wine process now and then fails on a loaded machine with nothing said; a
    # helper that fails three times in a row is a real failure.
    for _ in 1 2 3; do
        status=0
        output=$(wine "$READER" 2>&1) || status=$?
        ((status != 0)) || break
        sleep 0.2
    done
    ((status == 0)) || fail "the helper could not read the window (status $status): $output"
    FOCUSED=""
    SELECTION=""
    ACTIVE=""
    while IFS= read -r line; do
        line=${line%$'\r'} # the C runtime ends its text lines the Windows way
        name=${line%%=*}
        case $name in
            focus) FOCUSED=${line#*=} ;;
            selection) SELECTION=${line#*=} ;;
            active) ACTIVE=${line#*=} ;;
            *) if [[ -v CONTROL_TWIPS[$name] ]]; then BOX_TEXT[$name]=${line#*=}; fi ;;
        esac
    done <<<"$output"
}

MISMATCH=""
window_differs() {
    local names_list=$1 texts=$2 focus=$3 i name
    local -a names expected
    read -r -a names <<<"$names_list"
    IFS=, read -r -a expected <<<"$texts,"
    MISMATCH=""
    for i in "${!names[@]}"; do
        name=${names[i]}
        [[ ${BOX_TEXT[$name]} == "${expected[i]:-}" ]] ||
            MISMATCH+="$name shows \"${BOX_TEXT[$name]}\", expected \"${expected[i]:-}\"; "
    done
    [[ -z $focus || $FOCUSED == "$focus" ]] || MISMATCH+="the focus is on $FOCUSED, not $focus; "
    [[ -n $MISMATCH ]]
}

# The keys reach the program a moment after xdotool returns, so the window is read until it
# shows what is expected, for at most three seconds after a short settle.
#   expect_window <what> <box names> <comma-separated texts> [<focused control>]
expect_window() {
    local what=$1 deadline
    deadline=$(($(now_ms) + 3000))
    sleep 0.15
    read_window
    while window_differs "$2" "$3" "${4:-}"; do
        (($(now_ms) < deadline)) || fail "$what: $MISMATCH"
        sleep 0.1
        read_window
    done
}

# The untouched start: empty boxes and EXIT focused.
check_start_focus() {
    expect_window "$1" "$ALL_BOXES" ",,,,,,,," Command1
    echo "ok: $1: empty boxes, EXIT focused"
}

check_tab_order() {
    local name
    for name in "${TAB_BOXES[@]}" Command1; do
        press Tab
        expect_window "Tab towards $name" "" "" "$name"
    done
    echo "ok: Tab walks ${TAB_BOXES[*]} and back to Command1"
}

# Wine learns of a new X clipboard owner a moment after xclip takes it over.
settle_clipboard() {
    sleep 0.25
}

message_active() {
    read_window
    [[ $ACTIVE == message ]]
}

# The message belongs to the window and is the active window, so the keys go to it.
check_message() {
    local what=$1 owner
    owner=$(xprop -id "$MESSAGE_WINDOW" WM_TRANSIENT_FOR)
    [[ ${owner##* } == "$(printf '0x%x' "$APP_WINDOW")" ]] ||
        fail "$what: the message is not owned by the window ($owner)"
    wait_until 5 message_active || fail "$what: the active window is the $ACTIVE, not the message"
    echo "ok: $what: the message is owned by the window and active"
}

# The focused box's selection as the last read saw it.
expect_selection() {
    [[ $SELECTION == "$2" ]] || fail "$1: the selection is $SELECTION, not $2"
    echo "ok: $1: the focused box selects $2, its whole text"
}

start_x_server
wine_session_start "$PREFIX" "$ARTIFACTS/wineboot.log"

run_shared_steps

start_app "$ARTIFACTS/trimwise-wine-close.log"
press alt+F4
expect_app_exit "closing the window with Alt+F4"

echo "wine e2e: all checks passed; screenshots in $ARTIFACTS"
