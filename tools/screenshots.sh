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
mkdir -p "$6" "$7"
harness=$(dirname "$(realpath "$0")")/../tests/e2e/e2e.py
out=$(realpath "$7")
TRIMWISE_GRAB_WINDOW=$(realpath "$4") TRIMWISE_PRINT_LAYOUT=$(realpath "$5")
export TRIMWISE_GRAB_WINDOW TRIMWISE_PRINT_LAYOUT
# The Qt window is read over AT-SPI, on a session bus of the run's own.
TRIMWISE_PROGRAM=$(realpath "$1") \
    dbus-run-session -- /usr/bin/python3 -B "$harness" qt "$6" picture "$out/trimwise-linux.png"
TRIMWISE_PROGRAM=$(realpath "$2") TRIMWISE_BOX_READER=$(realpath "$3") \
    TRIMWISE_WINE_PREFIX=$6/wine-prefix \
    /usr/bin/python3 -B "$harness" wine "$6" picture "$out/trimwise-windows.png"
