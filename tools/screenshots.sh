#!/usr/bin/env bash
# Pictures of both windows for the README, after the worked case: the Qt program and
# trimwise.exe under Wine, each on a private X server, typed into and clicked as in the
# end-to-end run, and read back before the picture is taken.
#   screenshots.sh <trimwise> <trimwise.exe> <trimwise-read-boxes.exe> <trimwise-grab-window>
#                  <trimwise-print-layout> <work-dir> <out-dir>
# The work folder keeps the Wine prefix and the programs' logs.
set -euo pipefail

[[ $# -eq 7 ]] || {
    echo "usage: $0 <trimwise> <trimwise.exe> <trimwise-read-boxes.exe> <trimwise-grab-window>" \
        "<trimwise-print-layout> <work-dir> <out-dir>" >&2
    exit 2
}
# The Qt window is read over AT-SPI, on a session bus of the run's own.
if [[ -z ${TRIMWISE_PRIVATE_SESSION_BUS:-} ]]; then
    exec dbus-run-session -- env TRIMWISE_PRIVATE_SESSION_BUS=1 "$0" "$@"
fi
LINUX_PROGRAM=$(realpath "$1") WINDOWS_PROGRAM=$(realpath "$2") READER=$(realpath "$3")
GRABBER=$(realpath "$4") WORK=$6 OUT=$7
TRIMWISE_PRINT_LAYOUT=$(realpath "$5")
e2e=$(dirname "$(realpath "$0")")/../tests/e2e
# shellcheck source=../tests/e2e/x_session.sh
source "$e2e/x_session.sh"
# shellcheck source=../tests/e2e/controls.sh
source "$e2e/controls.sh"
# shellcheck source=../tests/e2e/wine_session.sh
source "$e2e/wine_session.sh"

use_plain_qt_session
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
trap 'wine_session_cleanup; x_session_cleanup' EXIT
trap 'exit 130' INT TERM
mkdir -p "$WORK" "$OUT"

read_window_output() {
    if [[ $FRONT_END == linux ]]; then
        /usr/bin/python3 "$e2e/atspi_reader.py" "$APP_PID"
    else
        wine "$READER"
    fi
}

# Types the worked case, calculates, and saves the window once it shows the results, with
# the pointer away from the C.G. box, whose tooltip would cover the boxes.
picture_of_worked_case() {
    local value
    click_control Text1
    for value in 600 10 120 25 48; do
        type_text "$value"
        press Tab
    done
    click_control Text9
    expect_window "the worked case" "${ALL_BOXES[*]}" "600,10,120,25,48,4.16666,11.52,3.54166,20"
    xdotool mousemove 0 0
    sleep 1
    "$GRABBER" "$APP_WINDOW" "$1" >/dev/null || fail "could not save $1"
    click_control Command1
    expect_app_exit "EXIT after the picture"
    echo "saved $1"
}

load_layout
start_x_server
# Qt looks for the accessibility bus when it starts, so it must be up first.
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
    >/dev/null || fail "the session has no accessibility bus (at-spi2-core)"

FRONT_END=linux PROGRAM=$LINUX_PROGRAM
start_app "$WORK/trimwise-linux.log"
picture_of_worked_case "$OUT/trimwise-linux.png"

FRONT_END=windows
wine_session_start "$WORK/wine-prefix" "$WORK/wineboot.log"
start_wine_app "$WORK/trimwise-windows.log" "$WINDOWS_PROGRAM"
picture_of_worked_case "$OUT/trimwise-windows.png"
