#!/usr/bin/env bash
# The real program on a private X server, driven as a person would drive it: clicks at the
# controls' places on the screen and typed keys (through XTEST), the window read back over
# AT-SPI as a screen reader reads it.
#   run_e2e.sh <trimwise> <artifact-dir>
# The test tools come in the environment (controls.sh names them).
set -euo pipefail

[[ $# -eq 2 ]] || {
    echo "usage: $0 <trimwise> <artifact-dir>" >&2
    exit 2
}
# Everything below runs inside its own session bus, with its accessibility bus, which end
# with this script.
if [[ -z ${TRIMWISE_PRIVATE_SESSION_BUS:-} ]]; then
    exec dbus-run-session -- env TRIMWISE_PRIVATE_SESSION_BUS=1 "$0" "$@"
fi
PROGRAM=$(realpath "$1")
ARTIFACTS=$2
here=$(dirname "$(realpath "$0")")
# shellcheck source=x_session.sh
source "$here/x_session.sh"
# shellcheck source=controls.sh
source "$here/controls.sh"
# shellcheck source=scenarios.sh
source "$here/scenarios.sh"
# shellcheck source=scenario_steps.sh
source "$here/scenario_steps.sh"

mkdir -p "$ARTIFACTS"
ARTIFACTS=$(realpath "$ARTIFACTS")

use_plain_qt_session
# Qt joins the accessibility bus only when something asks for it, as Orca does by running.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
trap x_session_cleanup EXIT
trap 'exit 130' INT TERM

# The hooks of scenario_steps.sh for the Qt window.
readonly ARTIFACT_NAME=trimwise
# Qt draws the pointer pictures at their own size; the desktop scales the whole screen.
readonly POINTER_SIDE=32

read_window_output() {
    /usr/bin/python3 "$here/atspi_reader.py" "$APP_PID"
}

# Qt asks xclip for the clipboard at the paste itself.
settle_clipboard() { :; }

# As a screen reader finds it: the boxes named by their labels, and EXIT pressed through its
# accessible action, which ends the program.
check_screen_reader_view() {
    start_app "$ARTIFACTS/trimwise-screen-reader.log"
    /usr/bin/python3 "$here/screen_reader_view.py" "$APP_PID" "$LAYOUT" ||
        fail "the window as a screen reader finds it"
    expect_app_exit "EXIT pressed through AT-SPI"
}

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
    compgen -G "/usr/lib/*/qt6/plugins/platformthemes/libqgtk3.so" >/dev/null ||
        fail "Qt's GTK platform theme is missing (qt6-gtk-platformtheme, scripts/deps.sh test)"
    # GTK keeps some memory to the end of the process; that is the toolkit's, not ours.
    ASAN_OPTIONS=detect_leaks=0 QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark \
        start_app "$ARTIFACTS/trimwise-dark.log"
    expect_dark_letters "on a dark theme" "$ARTIFACTS/trimwise-dark-theme.png" \
        "$(control_area Label1)" "$(control_area Label12)" "$(control_area Label18)"
    echo "ok: on a dark theme the labels stay dark on the light picture"
    click_control Command1
    expect_app_exit "a click on EXIT on a dark theme"
}

load_layout
start_x_server
# The accessibility bus starts on demand; Qt looks for it when it starts, so it must be up first.
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
    >/dev/null || fail "the session has no accessibility bus (at-spi2-core)"

run_shared_steps

check_screen_reader_view
check_dark_theme
check_no_display

echo "e2e: all checks passed; screenshots in $ARTIFACTS"
