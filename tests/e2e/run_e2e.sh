#!/usr/bin/env bash
# The real program on a private X server, driven as a person would drive it: clicks at
# the controls' places on the screen and typed keys (through XTEST), texts read back
# through the primary selection.
#   run_e2e.sh <trimwise> <trimwise-grab-window> <artifact-dir>
set -euo pipefail

[[ $# -eq 3 ]] || {
    echo "usage: $0 <trimwise> <trimwise-grab-window> <artifact-dir>" >&2
    exit 2
}
PROGRAM=$(realpath "$1")
GRABBER=$(realpath "$2")
ARTIFACTS=$3
here=$(dirname "$(realpath "$0")")
# shellcheck source=x_session.sh
source "$here/x_session.sh"
# shellcheck source=boxes.sh
source "$here/boxes.sh"
# shellcheck source=scenarios.sh
source "$here/scenarios.sh"
# shellcheck source=scenario_steps.sh
source "$here/scenario_steps.sh"

mkdir -p "$ARTIFACTS"
ARTIFACTS=$(realpath "$ARTIFACTS")

use_plain_qt_session
trap x_session_cleanup EXIT
trap 'exit 130' INT TERM

# The hooks of scenario_steps.sh for the Qt window.
readonly ARTIFACT_NAME=trimwise

app_windows() {
    find_app_windows
}

# Only the focused box can be read without moving the focus: a single box is read where the
# focus is, more than one by walking every box from Text1.
expect_window() {
    local what=$1 boxes=$2 texts=$3 focus=${4:-}
    if [[ -n $focus && $boxes == "$focus" ]]; then
        BOX_TEXT[$focus]=$(read_focused_box)
    else
        read_all_boxes
    fi
    expect_boxes "$what" "$boxes" "$texts"
}

# Qt shows its focus and selection only through the keys: reading the boxes moves the
# focus away from EXIT and selects the whole text itself. So the start is read once the
# keys are in, and the tab order is walked by every read of all boxes.
check_start_focus() { :; }
check_tab_order() { :; }
expect_selection() { :; }

check_message() {
    wait_until 5 focus_in_app "$MESSAGE_WINDOW" || fail "$1: the message has no keyboard focus"
}

# Qt asks xclip for the clipboard at the paste itself.
settle_clipboard() { :; }

# Started without a display it can reach, the program says so in one line and ends with
# status 1, without an abort.
check_no_display() {
    local what status output lines
    local -a settings=("env -u DISPLAY -u WAYLAND_DISPLAY" "env -u WAYLAND_DISPLAY DISPLAY=:4077")
    for what in "${settings[@]}"; do
        status=0
        output=$($what "$PROGRAM" 2>&1 >/dev/null </dev/null) || status=$?
        lines=$(grep -c '' <<<"$output")
        ((status == 1)) || fail "$what: status $status, expected 1; it said: $output"
        ((lines == 1)) || fail "$what: $lines lines on standard error, expected one: $output"
        [[ $output == "trimwise: Trimwise needs a graphical display, but "* ]] ||
            fail "$what: it said \"$output\""
        echo "ok: $what: \"$output\", status 1"
    done
    grep -q ':4077' <<<"$output" || fail "the message does not name the display it tried"
}

# On a dark desktop theme (Qt's GTK platform theme with Adwaita's dark variant) the labels
# keep their dark letters on the light picture.
check_dark_theme() {
    local report colour name
    compgen -G "/usr/lib/*/qt6/plugins/platformthemes/libqgtk3.so" >/dev/null ||
        fail "Qt's GTK platform theme is missing (qt6-gtk-platformtheme, scripts/deps.sh test)"
    # GTK keeps some memory to the end of the process; that is the toolkit's, not ours.
    ASAN_OPTIONS=detect_leaks=0 QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark \
        start_app "$ARTIFACTS/trimwise-dark.log"
    report=$("$GRABBER" "$APP_WINDOW" "$ARTIFACTS/trimwise-dark-theme.png" \
        "$(control_area Label1)" "$(control_area Label12)" "$(control_area Label18)") ||
        fail "could not save the window picture on a dark theme"
    for colour in $(tail -n +2 <<<"$report"); do
        name=${colour#\#}
        (($((16#${name:0:2})) + $((16#${name:2:2})) + $((16#${name:4:2})) < 3 * 80)) ||
            fail "on a dark theme a label's darkest pixel is $colour: its letters are not dark"
    done
    echo "ok: on a dark theme the labels stay dark on the light picture"
    click_control Command1
    expect_app_exit "a click on EXIT on a dark theme"
}

start_x_server

run_shared_steps

check_dark_theme
check_no_display

echo "e2e: all checks passed; screenshots in $ARTIFACTS"
