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

mkdir -p "$ARTIFACTS"
ARTIFACTS=$(realpath "$ARTIFACTS")

# The same program whatever desktop or build machine runs the test.
export QT_QPA_PLATFORM=xcb LANG=C.UTF-8 LC_ALL=C.UTF-8
unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_AUTO_SCREEN_SCALE_FACTOR QT_QPA_PLATFORMTHEME
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
trap 'x_session_cleanup; rm -rf "$XDG_RUNTIME_DIR"' EXIT
trap 'exit 130' INT TERM

readonly ALL_BOXES="${TAB_BOXES[*]}"

check_geometry() {
    local info x y width height
    info=$(xwininfo -id "$APP_WINDOW")
    x=$(awk '/Absolute upper-left X:/ { print $4 }' <<<"$info")
    y=$(awk '/Absolute upper-left Y:/ { print $4 }' <<<"$info")
    width=$(awk '/Width:/ { print $2 }' <<<"$info")
    height=$(awk '/Height:/ { print $2 }' <<<"$info")
    [[ "${width}x${height}+${x}+${y}" == "${WINDOW_WIDTH}x${WINDOW_HEIGHT}+${WINDOW_X}+${WINDOW_Y}" ]] ||
        fail "the window is ${width}x${height}+${x}+${y}, expected ${WINDOW_WIDTH}x${WINDOW_HEIGHT}+${WINDOW_X}+${WINDOW_Y}"
    echo "ok: the window opens ${width}x${height} at +${x}+${y}"
}

# Right after the start the focus is on EXIT: digits go nowhere, and neither tabbing into
# Text9 nor Enter there calculates.
check_start_state() {
    type_text 123
    press Tab Tab Tab Tab Tab Tab Tab Tab Return
    read_all_boxes
    expect_boxes "at start, after Tab into Text9 and Enter" "$ALL_BOXES" ",,,,,,,,"
    echo "ok: digits typed at start go nowhere; Tab into Text9 and Enter do not calculate"
}

check_calculations() {
    local entry name typed inputs results
    for entry in "${CALCULATIONS[@]}"; do
        IFS='|' read -r name typed inputs results <<<"$entry"
        clear_inputs
        type_inputs "$typed"
        click_control Text9
        read_all_boxes
        expect_boxes "$name" "$ALL_BOXES" "$inputs,$results"
        echo "ok: $name"
    done
}

check_typing() {
    local entry box how keys expected
    put_clipboard 99
    for entry in "${TYPING[@]}"; do
        IFS='|' read -r box how keys expected <<<"$entry"
        click_control "$box"
        clear_focused_box
        if [[ $how == type ]]; then
            type_text "$keys"
        else
            press "$keys"
        fi
        BOX_TEXT[$box]=$(read_focused_box)
        expect_boxes "$how \"$keys\" into $box" "$box" "$expected"
        echo "ok: $how \"$keys\" into $box gives \"$expected\""
    done
}

message_windows() {
    find_app_windows | grep -vx "$APP_WINDOW" || true
}

message_shown() {
    MESSAGE_WINDOW=$(message_windows | head -n 1)
    [[ -n $MESSAGE_WINDOW ]]
}

message_gone() {
    [[ -z $(message_windows) ]]
}

# Acknowledges the error message with Return and checks that the program goes on.
dismiss_message() {
    local what=$1
    wait_until 10 message_shown || fail "$what: no message window appeared"
    wait_until 5 focus_in_app "$MESSAGE_WINDOW" || fail "$what: the message has no keyboard focus"
    "$GRABBER" "$MESSAGE_WINDOW" "$ARTIFACTS/trimwise-message.png" >/dev/null ||
        fail "could not save the message window"
    press Return
    wait_until 5 message_gone || fail "$what: Return did not close the message"
    app_running || fail "$what: the program ended"
}

# A pasted text escapes the key filter; the calculation stops at it with a message, keeps
# the boxes it wrote before, empties the results, and puts the focus on the bad box with
# its text selected, ready to be typed over.
check_bad_number() {
    local what="pasted \"1.2.3\" in Text2"
    clear_inputs
    put_clipboard 1.2.3
    click_control Text2
    press shift+Insert
    click_control Text9
    dismiss_message "$what"

    BOX_TEXT[Text2]=$(read_focused_box)
    expect_boxes "$what, the focused box after the message" Text2 "1.2.3"
    read_all_boxes
    expect_boxes "$what, after the message" "$ALL_BOXES" "15,1.2.3,,,,,,,"
    echo "ok: $what: message, program alive, Text1 \"15\", Text2 \"1.2.3\", results empty"

    click_control Text9
    dismiss_message "$what, again"
    type_text 7
    click_control Text9
    read_all_boxes
    expect_boxes "$what, typed over with 7" "$ALL_BOXES" "15,7,0,0,0,0.10416,0,1.16666,0"
    echo "ok: $what: typing over the selected text fixes it"
}

# Pasted figures bring blank space along; it is read as blank around the numbers.
check_pasted_figures() {
    local entry i
    local -a fields
    for entry in "${PASTED_FIGURES[@]}"; do
        IFS='|' read -r -a fields <<<"$entry"
        for i in "${!INPUT_BOXES[@]}"; do
            put_clipboard_escaped "${fields[i]}"
            click_control "${INPUT_BOXES[i]}"
            clear_focused_box
            press shift+Insert
        done
        click_control Text9
        app_running || fail "pasted ${entry}: the program ended"
        read_all_boxes
        expect_boxes "pasted $entry" "Text7 Text8 Text9 Text11" "${fields[5]}"
        echo "ok: pasted with blank space around: $entry"
    done
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

# The window as it stands, kept for people to look at, and its box colour checked.
save_screenshot() {
    local picture="$ARTIFACTS/trimwise-window.png" report size colour name
    local -a inside_boxes=()
    for name in "${TAB_BOXES[@]}"; do
        inside_boxes+=("$(control_point "$name" 4)")
    done
    report=$("$GRABBER" "$APP_WINDOW" "$picture" "${inside_boxes[@]}") ||
        fail "could not save the window picture"
    size=$(head -n 1 <<<"$report")
    [[ $size == "${WINDOW_WIDTH}x${WINDOW_HEIGHT}" ]] || fail "the window picture is $size"
    for colour in $(tail -n +2 <<<"$report"); do
        [[ $colour == "#caecc4" ]] || fail "a box shows $colour inside its left edge, not green"
    done
    echo "ok: screenshot saved: $picture"
}

start_x_server

start_app "$ARTIFACTS/trimwise-run1.log"
check_geometry
check_start_state
check_calculations
save_screenshot
check_typing
check_bad_number
check_pasted_figures
click_control Command1
expect_app_exit "a click on EXIT"

for key in "${ENDING_KEYS[@]}"; do
    start_app "$ARTIFACTS/trimwise-$key.log"
    press "$key"
    expect_app_exit "$key on the focused EXIT button at start"
done

check_dark_theme
check_no_display

echo "e2e: all checks passed; screenshots in $ARTIFACTS"
