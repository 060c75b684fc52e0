# shellcheck shell=bash
# The steps every front end goes through, written once. Sourced by the runners after
# x_session.sh, boxes.sh and scenarios.sh. Each runner reads its own window back, so it
# defines these hooks before calling run_shared_steps:
#   app_windows                     the program's visible windows, the main one first
#   expect_window <what> <names> <texts> [<focused box>]
#                                   reads the named boxes into BOX_TEXT and fails unless
#                                   they show the comma-separated texts (and, where the
#                                   front end can tell, the focus is on that box)
#   expect_selection <what> <first,past last>
#                                   the focused box's selection, as last read back
#   check_start_focus <what>        the untouched start: empty boxes, EXIT focused
#   check_tab_order                 Tab from EXIT through the boxes and back
#   check_message <what>            the shown MESSAGE_WINDOW is the one that takes the keys
#   settle_clipboard                waits until the program can see a new clipboard
# and sets ARTIFACT_NAME, the start of its pictures' and logs' names.

readonly ALL_BOXES="${TAB_BOXES[*]}"

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

# Right after the start the focus is on EXIT: digits and Esc go nowhere, and neither tabbing
# into Text9 nor Enter there calculates.
check_start_state() {
    check_start_focus "at start"
    type_text 123
    press Escape
    check_start_focus "digits and Esc at start"
    app_running || fail "Esc ended the program"
    check_tab_order
    press Tab Tab Tab Tab Tab Tab Tab Tab Return
    expect_window "Tab into Text9 and Enter" "$ALL_BOXES" ",,,,,,,," Text9
    echo "ok: digits and Esc typed at start go nowhere; Tab into Text9 and Enter do not calculate"
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

# The window as it stands, kept for people to look at, and its box colour checked.
save_screenshot() {
    local picture="$ARTIFACTS/$ARTIFACT_NAME-window.png" report size colour name
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

# Every window but the main one is a message.
message_windows() {
    app_windows | grep -vx "$APP_WINDOW" || true
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
    check_message "$what"
    "$GRABBER" "$MESSAGE_WINDOW" "$ARTIFACTS/$ARTIFACT_NAME-message.png" >/dev/null ||
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
    settle_clipboard
    click_control Text2
    press shift+Insert
    expect_window "$what" Text2 1.2.3 Text2
    click_control Text9
    dismiss_message "$what"

    # The focused box first: reading every box may move the focus.
    expect_window "$what, the focused box after the message" Text2 1.2.3 Text2
    expect_selection "$what, after the message" 0,5
    expect_window "$what, after the message" "$ALL_BOXES" "15,1.2.3,,,,,,,"
    echo "ok: $what: message, program alive, Text1 \"15\", Text2 \"1.2.3\" focused, results empty"

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
        app_running || fail "pasted ${entry}: the program ended"
        expect_window "pasted $entry" "Text7 Text8 Text9 Text11" "${fields[5]}" Text9
        echo "ok: pasted with blank space around: $entry"
    done
}

check_ending_keys() {
    local key
    for key in "${ENDING_KEYS[@]}"; do
        start_app "$ARTIFACTS/$ARTIFACT_NAME-$key.log"
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
    check_typing
    check_bad_number
    check_pasted_figures
    click_control Command1
    expect_app_exit "a click on EXIT"
    check_ending_keys
}
