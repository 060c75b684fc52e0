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
# shellcheck source=wine_session.sh
source "$here/wine_session.sh"

mkdir -p "$ARTIFACTS"
ARTIFACTS=$(realpath "$ARTIFACTS")
export LANG=C.UTF-8 LC_ALL=C.UTF-8
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
trap 'wine_session_cleanup; x_session_cleanup; rm -rf "$XDG_RUNTIME_DIR"' EXIT
trap 'exit 130' INT TERM

readonly ALL_BOXES="${TAB_BOXES[*]}"

# xdotool's search by name also lists the tooltip window, which has no name at all.
titled_app_windows() {
    local window
    for window in $(find_app_windows); do
        if [[ $(xdotool getwindowname "$window" 2>/dev/null) == "Trimwise V1.2" ]]; then
            echo "$window"
        fi
    done
}

main_window_shown() {
    APP_WINDOW=$(titled_app_windows | head -n 1)
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
    local output line name
    output=$(wine "$READER" 2>&1) || fail "the helper could not read the window: $output"
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

check_geometry() {
    local info x y width height
    info=$(xwininfo -id "$APP_WINDOW")
    x=$(awk '/Absolute upper-left X:/ { print $4 }' <<<"$info")
    y=$(awk '/Absolute upper-left Y:/ { print $4 }' <<<"$info")
    width=$(awk '/Width:/ { print $2 }' <<<"$info")
    height=$(awk '/Height:/ { print $2 }' <<<"$info")
    [[ "${width}x${height}+${x}+${y}" == "${WINDOW_WIDTH}x${WINDOW_HEIGHT}+${WINDOW_X}+${WINDOW_Y}" ]] ||
        fail "the client area is ${width}x${height}+${x}+${y}, expected ${WINDOW_WIDTH}x${WINDOW_HEIGHT}+${WINDOW_X}+${WINDOW_Y}"
    echo "ok: the client area is ${width}x${height} at +${x}+${y}"
}

# At start the boxes are empty and EXIT has the focus, so digits go nowhere; Esc does
# nothing; Tab walks the boxes in order and back to EXIT; neither tabbing into Text9 nor
# Enter there calculates.
check_start_state() {
    local name
    expect_window "at start" "$ALL_BOXES" ",,,,,,,," Command1
    type_text 123
    press Escape
    expect_window "digits and Esc at start" "$ALL_BOXES" ",,,,,,,," Command1
    app_running || fail "Esc ended the program"
    for name in "${TAB_BOXES[@]}" Command1; do
        press Tab
        expect_window "Tab towards $name" "" "" "$name"
    done
    press Tab Tab Tab Tab Tab Tab Tab Tab Return
    expect_window "Tab into Text9 and Enter" "$ALL_BOXES" ",,,,,,,," Text9
    echo "ok: empty boxes and EXIT focused at start; digits, Esc, Tab into Text9 and Enter do nothing"
    echo "ok: Tab walks ${TAB_BOXES[*]} and back to Command1"
}

check_calculations() {
    local entry name typed inputs results
    for entry in "${CALCULATIONS[@]}"; do
        IFS='|' read -r name typed inputs results <<<"$entry"
        clear_inputs
        type_inputs "$typed"
        click_control Text9
        expect_window "$name" "$ALL_BOXES" "$inputs,$results" Text9
        echo "ok: $name"
    done
}

# Wine learns of a new X clipboard owner a moment after xclip takes it over.
settle_clipboard() {
    sleep 0.25
}

check_typing() {
    local entry box how keys expected
    # A result box takes a paste unfiltered, which shows that the program sees the
    # clipboard before Ctrl+V is tried.
    put_clipboard 99
    settle_clipboard
    click_control Text7
    clear_focused_box
    press shift+Insert
    expect_window "Shift+Insert into Text7" Text7 99 Text7
    echo "ok: Shift+Insert pastes the clipboard"
    for entry in "${TYPING[@]}"; do
        IFS='|' read -r box how keys expected <<<"$entry"
        click_control "$box"
        clear_focused_box
        if [[ $how == type ]]; then
            type_text "$keys"
        else
            press "$keys"
        fi
        expect_window "$how \"$keys\" into $box" "$box" "$expected" "$box"
        echo "ok: $how \"$keys\" into $box gives \"$expected\""
    done
}

message_windows() {
    titled_app_windows | grep -vx "$APP_WINDOW" || true
}

message_shown() {
    MESSAGE_WINDOW=$(message_windows | head -n 1)
    [[ -n $MESSAGE_WINDOW ]]
}

message_gone() {
    [[ -z $(message_windows) ]]
}

message_active() {
    read_window
    [[ $ACTIVE == message ]]
}

# The message belongs to the window, is the active window (so the keys go to it), and Return
# closes it while the program goes on.
dismiss_message() {
    local what=$1 owner
    wait_until 10 message_shown || fail "$what: no message window appeared"
    owner=$(xprop -id "$MESSAGE_WINDOW" WM_TRANSIENT_FOR)
    [[ ${owner##* } == "$(printf '0x%x' "$APP_WINDOW")" ]] ||
        fail "$what: the message is not owned by the window ($owner)"
    wait_until 5 message_active || fail "$what: the active window is the $ACTIVE, not the message"
    "$GRABBER" "$MESSAGE_WINDOW" "$ARTIFACTS/trimwise-wine-message.png" >/dev/null ||
        fail "could not save the message window"
    press Return
    wait_until 5 message_gone || fail "$what: Return did not close the message"
    app_running || fail "$what: the program ended"
}

# A pasted text escapes the key filter; the calculation stops at it with a message, keeps
# the boxes it wrote before, and leaves the bad box focused with its text selected.
check_bad_number() {
    local what="pasted \"1.2.3\" in Text2"
    clear_inputs
    put_clipboard 1.2.3
    settle_clipboard
    click_control Text2
    press shift+Insert
    expect_window "$what" Text2 1.2.3 Text2
    click_control Text9
    dismiss_message "$what"

    expect_window "$what, after the message" "$ALL_BOXES" "15,1.2.3,,,,,,," Text2
    [[ $SELECTION == 0,5 ]] || fail "$what: the selection is $SELECTION, not the whole text 0,5"
    echo "ok: $what: owned message, program alive, Text2 focused and selected, results empty"

    click_control Text9
    dismiss_message "$what, again"
    type_text 7
    click_control Text9
    expect_window "$what, typed over with 7" "$ALL_BOXES" "15,7,0,0,0,0.10416,0,1.16666,0" Text9
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
            settle_clipboard
            click_control "${INPUT_BOXES[i]}"
            clear_focused_box
            press shift+Insert
        done
        click_control Text9
        expect_window "pasted $entry" "Text7 Text8 Text9 Text11" "${fields[5]}" Text9
        echo "ok: pasted with blank space around: $entry"
    done
}

# The window as Wine draws it, kept for people to look at, and its box colour checked.
save_screenshot() {
    local picture="$ARTIFACTS/trimwise-wine-window.png" report size colour name
    local -a inside_boxes=()
    for name in "${TAB_BOXES[@]}"; do
        inside_boxes+=("$(control_point "$name" 4)")
    done
    # Away from Text9, whose tooltip would cover the boxes.
    xdotool mousemove 0 0
    sleep 0.5
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
wine_session_start "$PREFIX" "$ARTIFACTS/wineboot.log"

start_app "$ARTIFACTS/trimwise-wine-run1.log"
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
    start_app "$ARTIFACTS/trimwise-wine-$key.log"
    press "$key"
    expect_app_exit "$key on the focused EXIT button at start"
done

start_app "$ARTIFACTS/trimwise-wine-close.log"
press alt+F4
expect_app_exit "closing the window with Alt+F4"

echo "wine e2e: all checks passed; screenshots in $ARTIFACTS"
