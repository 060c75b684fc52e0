# shellcheck shell=bash
# The window's controls as a person meets them: found at their places on the screen, which
# the layout tool works out from the layout table, clicked and typed into there, and read back
# by the runner's reader. Sourced by the runners after x_session.sh. A runner defines:
#   read_window_output   prints the reader's lines (atspi_reader.py describes them) and fails
#                        when the window does not answer

# The tool that prints the layout comes in the environment, as ctest sets it.
[[ -x ${TRIMWISE_PRINT_LAYOUT:-} ]] || fail "TRIMWISE_PRINT_LAYOUT names no layout tool"
readonly LAYOUT=$TRIMWISE_PRINT_LAYOUT

# The order in which Tab walks the controls, as the design has it; from the last it returns
# to the first.
readonly TAB_ORDER=(Command1 Text1 Text2 Text3 Text4 Text5 Text7 Text8 Text9 Text11)
readonly ALL_BOXES=(Text1 Text2 Text3 Text4 Text5 Text7 Text8 Text9 Text11)
readonly INPUT_BOXES=(Text1 Text2 Text3 Text4 Text5)
readonly RESULT_BOXES=(Text7 Text8 Text9 Text11)

WINDOW_X="" WINDOW_Y="" WINDOW_WIDTH="" WINDOW_HEIGHT=""
declare -A CONTROL_BOX=() # name -> "left top width height" in client pixels
declare -A NAME_AT=()     # "left,top,width,height" -> name

# Takes every control's place from the layout tool, at the given dots per inch.
#   load_layout [dpi]
load_layout() {
    local name left top width height output
    output=$("$LAYOUT" ${1:+"$1"}) || fail "the layout tool failed"
    CONTROL_BOX=()
    NAME_AT=()
    while read -r name left top width height; do
        if [[ $name == window ]]; then
            WINDOW_X=$left WINDOW_Y=$top WINDOW_WIDTH=$width WINDOW_HEIGHT=$height
            continue
        fi
        CONTROL_BOX[$name]="$left $top $width $height"
        NAME_AT["$left,$top,$width,$height"]=$name
    done <<<"$output"
    ((${#CONTROL_BOX[@]} == 32)) && [[ -n $WINDOW_X ]] ||
        fail "the layout tool gave ${#CONTROL_BOX[@]} controls and window \"$WINDOW_X\""
}

# A point inside a control, in client pixels: its middle, or the given number of pixels in
# from its left edge.
control_point() {
    local left top width height
    read -r left top width height <<<"${CONTROL_BOX[$1]}"
    local x=$((left + width / 2))
    [[ -n ${2:-} ]] && x=$((left + $2))
    echo "$x,$((top + height / 2))"
}

# The middle of where the named controls overlap, in client pixels.
overlap_point() {
    local name left top width height x0=0 y0=0 x1=100000 y1=100000
    for name in "$@"; do
        read -r left top width height <<<"${CONTROL_BOX[$name]}"
        ((left > x0)) && x0=$left
        ((top > y0)) && y0=$top
        ((left + width < x1)) && x1=$((left + width))
        ((top + height < y1)) && y1=$((top + height))
    done
    ((x0 < x1 && y0 < y1)) || fail "$* do not overlap"
    echo "$(((x0 + x1 - 1) / 2)),$(((y0 + y1 - 1) / 2))"
}

# A control's rectangle in client pixels, as x,y,width,height.
control_area() {
    local left top width height
    read -r left top width height <<<"${CONTROL_BOX[$1]}"
    echo "$left,$top,$width,$height"
}

# Moves the pointer to a point in client pixels.
move_to() {
    xdotool mousemove $((WINDOW_X + ${1%,*})) $((WINDOW_Y + ${1#*,}))
}

LAST_CLICKED=""
LAST_CLICK_MS=0
readonly DOUBLE_CLICK_MS=600

# The server handles the move and the click in order, so the click lands at the new place
# without waiting. A second click on the same control waits out the double-click time, so
# that it counts as a click of its own.
click_control() {
    local wait_ms
    wait_ms=$((LAST_CLICK_MS + DOUBLE_CLICK_MS - $(now_ms)))
    if [[ $1 == "$LAST_CLICKED" ]] && ((wait_ms > 0)); then
        sleep "$(awk -v ms="$wait_ms" 'BEGIN { printf "%.3f", ms / 1000 }')"
    fi
    move_to "$(control_point "$1")"
    xdotool click 1
    LAST_CLICKED=$1
    LAST_CLICK_MS=$(now_ms)
}

press() {
    xdotool key --delay 20 "$@"
}

type_text() {
    xdotool type --delay 20 -- "$1"
}

put_clipboard() {
    printf '%s' "$1" | xclip -i -selection clipboard >/dev/null 2>&1
}

# The same with printf %b escapes, for line breaks, tabs and other bytes.
put_clipboard_escaped() {
    printf '%b' "$1" | xclip -i -selection clipboard >/dev/null 2>&1
}

# What the reader saw last.
declare -A BOX_TEXT=() # name -> text, for the nine boxes and Command1
FOCUSED=""             # a control's name, none or other
SELECTION=""           # first,past last in the focused box
ACTIVE=""              # window, message or other
MESSAGE_TEXT=""

# Reads the window once. Every box and the button must be found at its place, and nothing
# at a place the layout does not have: a read that gets no answer fails the step.
read_window() {
    local output line place name
    output=$(read_window_output) || fail "the window did not answer the reader: $output"
    BOX_TEXT=()
    FOCUSED="" SELECTION="" ACTIVE="" MESSAGE_TEXT=""
    while IFS= read -r line; do
        line=${line%$'\r'} # the Windows C runtime ends its lines the Windows way
        case $line in
            focus=*)
                place=${line#focus=}
                FOCUSED=${NAME_AT[$place]:-$place}
                ;;
            selection=*) SELECTION=${line#selection=} ;;
            active=*) ACTIVE=${line#active=} ;;
            message=*) MESSAGE_TEXT=${line#message=} ;;
            *)
                place=${line%% *}
                name=${NAME_AT[$place]:-}
                [[ -n $name ]] || fail "the window shows a control at $place, which the layout has not"
                BOX_TEXT[$name]=${line#"$place"}
                BOX_TEXT[$name]=${BOX_TEXT[$name]# }
                ;;
        esac
    done <<<"$output"
    for name in "${TAB_ORDER[@]}"; do
        [[ -v BOX_TEXT[$name] ]] || fail "the window shows no control where $name belongs"
    done
    [[ -n $ACTIVE && -n $FOCUSED ]] || fail "the reader said nothing of the focus: $output"
}

MISMATCH=""
# Compares the last read with the named boxes' comma-separated texts and, if given, the
# focused control; MISMATCH says how they differ.
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

# Waits for the window to show something that only the action under test can bring about.
#   expect_window <what> <box names> <comma-separated texts> [<focused control>]
expect_window() {
    local what=$1 deadline
    deadline=$(($(now_ms) + 5000))
    read_window
    while window_differs "$2" "$3" "${4:-}"; do
        (($(now_ms) < deadline)) || fail "$what: $MISMATCH"
        sleep 0.05
        read_window
    done
}

# Waits until the focus is on the named control.
expect_focus() {
    local what=$1 deadline
    deadline=$(($(now_ms) + 5000))
    read_window
    until [[ $FOCUSED == "$2" ]]; do
        (($(now_ms) < deadline)) || fail "$what: the focus is on $FOCUSED, not $2"
        sleep 0.05
        read_window
    done
}

# The control after (or with -1, before) the named one in the tab order.
tab_neighbour() {
    local i count=${#TAB_ORDER[@]}
    for i in "${!TAB_ORDER[@]}"; do
        if [[ ${TAB_ORDER[i]} == "$1" ]]; then
            echo "${TAB_ORDER[(i + ${2:-1} + count) % count]}"
            return
        fi
    done
    fail "$1 takes no focus"
}

# Makes sure the window has handled every key and click sent so far: the program handles
# input in order, so once a Tab sent now has moved the focus on, all before it is done.
# Shift+Tab brings the focus back. Moving the focus runs nothing of the program's own.
settle_input() {
    local focus
    read_window
    focus=$FOCUSED
    [[ $ACTIVE == window ]] || fail "cannot settle the input: the $ACTIVE window is active"
    press Tab
    expect_focus "Tab from $focus" "$(tab_neighbour "$focus")"
    press shift+Tab
    expect_focus "Shift+Tab back" "$focus"
}

# The window as it stands once everything sent to it is handled, for checks that nothing
# changed.
#   expect_unchanged <what> <box names> <comma-separated texts> [<focused control>]
expect_unchanged() {
    settle_input
    read_window
    window_differs "$2" "$3" "${4:-}" && fail "$1: $MISMATCH"
    [[ $ACTIVE == window ]] || fail "$1: a $ACTIVE window is active: $MESSAGE_TEXT"
    app_running || fail "$1: the program ended"
    return 0
}

# Empties the named boxes through the keyboard. Text9 is reached by Tab from Text8, since a
# click on it would calculate.
clear_boxes() {
    local name
    for name in "$@"; do
        if [[ $name == Text9 ]]; then
            click_control Text8
            press Tab
            expect_focus "Tab into Text9" Text9
        else
            click_control "$name"
        fi
        press End shift+Home BackSpace
    done
}
