# shellcheck shell=bash
# The steps every front end goes through, written once. Sourced by the runners after
# x_session.sh, controls.sh and scenarios.sh. Each runner defines, besides the reader of
# controls.sh, settle_clipboard, which waits until the program can see a new clipboard,
# and sets ARTIFACT_NAME, the start of its pictures' and logs' names, and POINTER_SIDE.
# The test tools come in the environment: TRIMWISE_GRAB_WINDOW, TRIMWISE_READ_POINTER, and
# TRIMWISE_ASSETS, the folder of the picture files. Every check reads the window back; a step
# says "ok" only after the read that proves it.

for tool in TRIMWISE_GRAB_WINDOW TRIMWISE_READ_POINTER TRIMWISE_ASSETS; do
    [[ -e ${!tool:-} ]] || fail "$tool names nothing; run the test through ctest"
done
readonly GRABBER=$TRIMWISE_GRAB_WINDOW POINTER_READER=$TRIMWISE_READ_POINTER ASSETS=$TRIMWISE_ASSETS
readonly EMPTY_BOXES=",,,,,,,,"

check_geometry() {
    local info x y width height
    info=$(xwininfo -id "$APP_WINDOW") || fail "the window is gone"
    x=$(awk '/Absolute upper-left X:/ { print $4 }' <<<"$info")
    y=$(awk '/Absolute upper-left Y:/ { print $4 }' <<<"$info")
    width=$(awk '/Width:/ { print $2 }' <<<"$info")
    height=$(awk '/Height:/ { print $2 }' <<<"$info")
    [[ "${width}x${height}+${x}+${y}" == "${WINDOW_WIDTH}x${WINDOW_HEIGHT}+${WINDOW_X}+${WINDOW_Y}" ]] ||
        fail "the client area is ${width}x${height}+${x}+${y}, expected ${WINDOW_WIDTH}x${WINDOW_HEIGHT}+${WINDOW_X}+${WINDOW_Y}"
    # The reader finds every box and the button at the place the layout gives it.
    read_window
    echo "ok: the client area is ${width}x${height} at +${x}+${y}, the boxes and EXIT at their places"
}

check_tab_order() {
    local i count=${#TAB_ORDER[@]}
    for ((i = 1; i <= count; ++i)); do
        press Tab
        expect_focus "Tab" "${TAB_ORDER[i % count]}"
    done
    for ((i = count - 1; i >= 0; --i)); do
        press shift+Tab
        expect_focus "Shift+Tab" "${TAB_ORDER[i]}"
    done
    echo "ok: Tab walks ${TAB_ORDER[*]} and back to Command1; Shift+Tab the other way"
}

# Right after the start the focus is on EXIT: digits and Esc go nowhere, and neither tabbing
# into Text9 nor Enter there calculates.
check_start_state() {
    read_window
    window_differs "${ALL_BOXES[*]}" "$EMPTY_BOXES" Command1 && fail "at start: $MISMATCH"
    echo "ok: at start the boxes are empty and EXIT has the focus"
    type_text 123
    press Escape
    expect_unchanged "digits and Esc at start" "${ALL_BOXES[*]}" "$EMPTY_BOXES" Command1
    echo "ok: digits and Esc typed at start go nowhere"
    check_tab_order
    press Tab Tab Tab Tab Tab Tab Tab Tab
    expect_focus "Tab into Text9" Text9
    press Return KP_Enter
    expect_unchanged "Tab into Text9 and Enter" "${ALL_BOXES[*]}" "$EMPTY_BOXES" Text9
    echo "ok: neither Tab into Text9 nor Enter there calculates"
}

# Empties every box that holds anything.
clear_all_boxes() {
    local name
    local -a filled=()
    read_window
    for name in "${ALL_BOXES[@]}"; do
        [[ -z ${BOX_TEXT[$name]} ]] || filled+=("$name")
    done
    ((${#filled[@]} == 0)) || clear_boxes "${filled[@]}"
    expect_window "emptying the boxes" "${ALL_BOXES[*]}" "$EMPTY_BOXES"
}

# Fills the five input boxes from a comma-separated list; an empty field stays empty.
type_inputs() {
    local -a values
    local i
    IFS=, read -r -a values <<<"$1,"
    click_control Text1
    for i in "${!INPUT_BOXES[@]}"; do
        [[ -n ${values[i]:-} ]] && type_text "${values[i]}"
        press Tab
    done
    expect_window "typing $1" "${ALL_BOXES[*]}" "$1,,,,"
}

# The results are empty before each click, so only the click can bring them.
check_calculations() {
    local entry name typed inputs results
    for entry in "${CALCULATIONS[@]}"; do
        IFS='|' read -r name typed inputs results <<<"$entry"
        clear_all_boxes
        type_inputs "$typed"
        click_control Text9
        expect_window "$name" "${ALL_BOXES[*]}" "$inputs,$results" Text9
        echo "ok: $name"
    done
}

# The window as it stands, kept for people to look at, and its box colour checked.
save_screenshot() {
    local picture="$ARTIFACTS/$ARTIFACT_NAME-window.png" report size colour name
    local -a inside_boxes=()
    for name in "${ALL_BOXES[@]}"; do
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

# Saves the window's picture and checks that the darkest pixel in each of the given areas
# (x,y,width,height in client pixels) is dark: letters that stay readable on light grounds.
#   expect_dark_letters <what> <picture file> <area> ...
expect_dark_letters() {
    local what=$1 picture=$2 report colour name
    shift 2
    report=$("$GRABBER" "$APP_WINDOW" "$picture" "$@") || fail "$what: could not grab the window"
    for colour in $(tail -n +2 <<<"$report"); do
        name=${colour#\#}
        (($((16#${name:0:2})) + $((16#${name:2:2})) + $((16#${name:4:2})) < 3 * 80)) ||
            fail "$what: the darkest pixel of an area is $colour, not dark"
    done
}

# Puts the focus in a box, by a click, or for Text9, which calculates on a click, by Tab.
focus_box() {
    if [[ $1 == Text9 ]]; then
        click_control Text8
        press Tab
    else
        click_control "$1"
    fi
    expect_focus "into $1" "$1"
}

check_key_rules() {
    local entry box typed keys expected
    put_clipboard 99
    settle_clipboard
    for entry in "${KEY_RULES[@]}"; do
        IFS='|' read -r box typed keys expected <<<"$entry"
        focus_box "$box"
        press End shift+Home BackSpace
        type_text "$typed"
        [[ -z $keys ]] || press "$keys"
        expect_unchanged "\"$typed\" ${keys:+and $keys }into $box" "$box" "$expected" "$box"
        echo "ok: \"$typed\" ${keys:+and $keys }into $box gives \"$expected\""
    done
}

check_paste_rules() {
    local box
    put_clipboard "$PASTED_TEXT"
    settle_clipboard
    for box in "${ALL_BOXES[@]}"; do
        focus_box "$box"
        press End shift+Home BackSpace shift+Insert
        expect_window "pasting into $box" "$box" "${PASTED_SHOWS[$box]}" "$box"
    done
    echo "ok: \"$PASTED_TEXT\" pasted into every box is cut at its length, not filtered"
}

# Enter and Esc in every box type nothing, calculate nothing and end nothing.
check_enter_and_esc() {
    local box fives
    clear_all_boxes
    for box in "${ALL_BOXES[@]}"; do
        focus_box "$box"
        type_text 5
        press Return KP_Enter Escape
    done
    fives=$(printf '5,%.0s' "${ALL_BOXES[@]}")
    expect_unchanged "Enter and Esc in every box" "${ALL_BOXES[*]}" "${fives%,}" Text11
    echo "ok: Enter and Esc in every box type, calculate and end nothing"
}

# A point on the bare window just right of Text9.
beside_the_balance_box() {
    local left top width height
    read -r left top width height <<<"${CONTROL_BOX[Text9]}"
    echo "$((left + width + 7)),$((top + height / 2))"
}

check_clicks() {
    local entry how calculates inside outside
    inside=$(control_point Text9)
    outside=$(beside_the_balance_box)
    clear_all_boxes
    type_inputs 600,10,120,25,48
    for entry in "${CLICKS[@]}"; do
        IFS='|' read -r how calculates <<<"$entry"
        clear_boxes "${RESULT_BOXES[@]}"
        expect_window "emptying the results" "${RESULT_BOXES[*]}" ",,,"
        sleep 0.6 # no double click with the last click
        case $how in
            "press and release inside") move_to "$inside" && xdotool click 1 ;;
            "press inside, release outside")
                move_to "$inside" && xdotool mousedown 1
                move_to "$outside" && xdotool mouseup 1
                ;;
            "press outside, release inside")
                move_to "$outside" && xdotool mousedown 1
                move_to "$inside" && xdotool mouseup 1
                ;;
            "double click") move_to "$inside" && xdotool click --repeat 2 --delay 60 1 ;;
            *) fail "no such way of clicking: $how" ;;
        esac
        if [[ $calculates == yes ]]; then
            expect_window "$how" "${RESULT_BOXES[*]}" "4.16666,11.52,3.54166,20" Text9
        else
            expect_unchanged "$how" "${RESULT_BOXES[*]}" ",,,"
        fi
        echo "ok: $how on Text9: calculates $calculates"
    done
    LAST_CLICKED=""
}

# Fills the input boxes, typing what can be typed and pasting the rest.
fill_inputs() {
    local -a values
    local i value
    IFS=, read -r -a values <<<"$1,"
    for i in "${!INPUT_BOXES[@]}"; do
        value=${values[i]:-}
        [[ -n $value ]] || continue
        focus_box "${INPUT_BOXES[i]}"
        if [[ $value =~ ^[0-9.]+$ ]]; then
            type_text "$value"
        else
            put_clipboard_escaped "$value"
            settle_clipboard
            press shift+Insert
        fi
    done
}

# A bad figure stops the calculation with a message that names it; once the message is
# acknowledged, the box to fix has the focus with its whole text selected, ready to be typed
# over, and the program goes on.
check_bad_inputs() {
    local entry inputs box message results length
    for entry in "${BAD_INPUTS[@]}"; do
        IFS='|' read -r inputs box message results <<<"$entry"
        clear_all_boxes
        fill_inputs "$inputs"
        settle_input
        click_control Text9
        expect_message "$inputs" "$message"
        press Return
        expect_focus "$inputs, after the message" "$box"
        read_window
        length=${#BOX_TEXT[$box]}
        [[ $SELECTION == "0,$length" ]] ||
            fail "$inputs: the selection in $box is $SELECTION, not its whole text 0,$length"
        window_differs "${RESULT_BOXES[*]}" "$results" "" && fail "$inputs: $MISMATCH"
        echo "ok: $inputs: \"$message\", then $box focused with its text selected"
    done
    # Typing over the selection mends it.
    type_text 7
    click_control Text9
    expect_window "typed over with 7" "${ALL_BOXES[*]}" "15,10,0,0,7,0.10416,67.2,1.66666,0" Text9
    echo "ok: typing over the selected text mends the figure"
}

# Waits for the message and checks its words and its owner.
expect_message() {
    local what=$1 deadline
    deadline=$(($(now_ms) + 10000))
    read_window
    until [[ $ACTIVE == message ]]; do
        (($(now_ms) < deadline)) || fail "$what: no message came up"
        sleep 0.05
        read_window
    done
    [[ $MESSAGE_TEXT == "$2" ]] || fail "$what: the message says \"$MESSAGE_TEXT\", not \"$2\""
    check_message_owner "$what"
    app_running || fail "$what: the program ended"
}

# The message is a window of its own, with the window's title, that the window owns.
check_message_owner() {
    local window owner
    for window in $(xdotool search --onlyvisible --name '^Trimwise V1\.2$' 2>/dev/null); do
        [[ $window != "$APP_WINDOW" ]] || continue
        owner=$(xprop -id "$window" WM_TRANSIENT_FOR)
        [[ ${owner##* } == "$(printf '0x%x' "$APP_WINDOW")" ]] && return
    done
    fail "$1: no message window owned by the window"
}

# Pasted figures bring blank space along; it is read as blank around the numbers.
check_pasted_figures() {
    local entry i
    local -a fields
    for entry in "${PASTED_FIGURES[@]}"; do
        IFS='|' read -r -a fields <<<"$entry"
        clear_all_boxes
        for i in "${!INPUT_BOXES[@]}"; do
            put_clipboard_escaped "${fields[i]}"
            settle_clipboard
            focus_box "${INPUT_BOXES[i]}"
            press shift+Insert
        done
        settle_input
        click_control Text9
        expect_window "pasted $entry" "${RESULT_BOXES[*]}" "${fields[5]}" Text9
        echo "ok: pasted with blank space around: $entry"
    done
}

# The pointer as the X server shows it, POINTER_SIDE pixels on a side and aiming with its
# centre; at whole factors each pixel of the picture is a block of that factor.
pointer_is() {
    "$POINTER_READER" "$ASSETS/$1.ico" "$POINTER_SIDE" >/dev/null 2>&1
}

# Each jump of the mouse shows the picture of what lies under it at once, with no further
# movement; over a box's border too.
check_pointers() {
    local entry where picture point previous="" left top rest
    for entry in "${POINTERS[@]}"; do
        IFS='|' read -r where picture <<<"$entry"
        [[ $picture != "$previous" ]] || fail "the pointer table repeats $picture: a stale pointer would pass"
        case $where in
            bare) point=$(beside_the_balance_box) ;;
            "corner "*)
                read -r left top rest <<<"${CONTROL_BOX[${where#corner }]}"
                point="$left,$top"
                ;;
            *) read -r -a names <<<"$where" && point=$(overlap_point "${names[@]}") ;;
        esac
        move_to "$point"
        wait_until 2 pointer_is "$picture" ||
            fail "over $where the pointer is not $picture: $("$POINTER_READER" "$ASSETS/$picture.ico" "$POINTER_SIDE" 2>&1)"
        previous=$picture
    done
    app_running || fail "the program ended while the mouse moved"
    echo "ok: the pointer shows its picture at once after each jump, box borders included"
}

check_ending_keys() {
    local key
    for key in "${ENDING_KEYS[@]}"; do
        start_app "$ARTIFACTS/$ARTIFACT_NAME-$key.log"
        expect_focus "at start" Command1
        press "$key"
        expect_app_exit "$key on the focused EXIT button at start"
    done
}

# One run of the program through every shared scenario, ended with EXIT, then the keys
# that end it at start.
run_shared_steps() {
    start_app "$ARTIFACTS/$ARTIFACT_NAME-run1.log"
    check_geometry
    check_start_state
    check_calculations
    save_screenshot
    check_pointers
    check_key_rules
    check_paste_rules
    check_enter_and_esc
    check_clicks
    check_bad_inputs
    check_pasted_figures
    click_control Command1
    expect_app_exit "a click on EXIT"
    check_ending_keys
}
