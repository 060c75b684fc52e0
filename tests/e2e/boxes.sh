# shellcheck shell=bash
# The window's controls as a person meets them: clicked at their place on the screen,
# typed into, and read back through the X primary selection (Ctrl+C is dead in the
# input boxes). Sourced by the runners after x_session.sh.

# shellcheck disable=SC2034 # the size is checked in scenario_steps.sh
readonly WINDOW_X=161 WINDOW_Y=180 WINDOW_WIDTH=593 WINDOW_HEIGHT=296
readonly TWIPS_PER_PIXEL=15

# Left, top, width and height in twips from the client area's top-left corner.
declare -rA CONTROL_TWIPS=(
    [Text1]="2160 360 975 285"
    [Text2]="2160 840 975 285"
    [Text3]="2160 1320 975 285"
    [Text4]="2160 1800 975 285"
    [Text5]="2160 2280 975 285"
    [Text7]="6480 360 975 285"
    [Text8]="6480 840 975 285"
    [Text9]="4080 2880 975 285"
    [Text11]="6480 1320 975 315"
    [Command1]="7200 3600 1215 495"
    [Label1]="240 360 1335 255"
    [Label12]="4680 360 1695 255"
    [Label18]="5280 2760 3495 615"
)

# The order in which Tab walks the boxes, starting from Text1.
readonly TAB_BOXES=(Text1 Text2 Text3 Text4 Text5 Text7 Text8 Text9 Text11)
readonly INPUT_BOXES=(Text1 Text2 Text3 Text4 Text5)

# A point inside a control, in pixels from the client area's corner: its middle, or the
# given number of pixels in from its left edge.
control_point() {
    local left top width height
    read -r left top width height <<<"${CONTROL_TWIPS[$1]}"
    local x=$(((left + width / 2) / TWIPS_PER_PIXEL))
    [[ -n ${2:-} ]] && x=$((left / TWIPS_PER_PIXEL + $2))
    echo "$x,$(((top + height / 2) / TWIPS_PER_PIXEL))"
}

# A control's rectangle in pixels from the client area's corner, as x,y,width,height.
control_area() {
    local left top width height
    read -r left top width height <<<"${CONTROL_TWIPS[$1]}"
    echo "$((left / TWIPS_PER_PIXEL)),$((top / TWIPS_PER_PIXEL)),$((width / TWIPS_PER_PIXEL)),$((height / TWIPS_PER_PIXEL))"
}

LAST_CLICKED=""
LAST_CLICK_MS=0
readonly DOUBLE_CLICK_MS=600

# The server handles the move and the click in order, so the click lands at the new place
# without waiting (waiting for a move hangs when the pointer is already there). A second
# click on the same control waits out the double-click time, so that it counts as a click.
click_control() {
    local point wait_ms
    wait_ms=$((LAST_CLICK_MS + DOUBLE_CLICK_MS - $(now_ms)))
    if [[ $1 == "$LAST_CLICKED" ]] && ((wait_ms > 0)); then
        sleep "$(awk -v ms="$wait_ms" 'BEGIN { printf "%.3f", ms / 1000 }')"
    fi
    point=$(control_point "$1")
    xdotool mousemove $((WINDOW_X + ${point%,*})) $((WINDOW_Y + ${point#*,})) click 1
    LAST_CLICKED=$1
    LAST_CLICK_MS=$(now_ms)
}

press() {
    xdotool key --delay 20 "$@"
}

type_text() {
    xdotool type --delay 20 -- "$1"
}

primary_is() {
    [[ $(timeout 5 xclip -o -selection primary 2>/dev/null) == "$1" ]]
}

read_primary() {
    timeout 5 xclip -o -selection primary 2>/dev/null || true
}

primary_differs_from() {
    ! primary_is "$1"
}

# Puts a marker into the primary selection, so that a box that selects nothing is told
# apart from one that selected the same text as before.
own_primary() {
    printf '%s' "$1" | xclip -i -selection primary >/dev/null 2>&1
    wait_until 5 primary_is "$1" || fail "xclip could not take the primary selection"
}

put_clipboard() {
    printf '%s' "$1" | xclip -i -selection clipboard >/dev/null 2>&1
}

# The same with printf %b escapes, for line breaks, tabs and other bytes.
put_clipboard_escaped() {
    printf '%b' "$1" | xclip -i -selection clipboard >/dev/null 2>&1
}

# The text of the box that has the keyboard focus. An empty box selects nothing and leaves
# the marker alone; a box with text hands it over once the program has seen the keys.
read_focused_box() {
    local marker="no selection ${RANDOM}${RANDOM}"
    own_primary "$marker"
    press Home shift+End
    if wait_until 1 primary_differs_from "$marker"; then
        read_primary
    fi
}

# Clicks Text1, then reads every box in tab order into BOX_TEXT. Never clicks Text9, which
# would calculate.
declare -A BOX_TEXT=()
read_all_boxes() {
    local name
    click_control Text1
    for name in "${TAB_BOXES[@]}"; do
        BOX_TEXT[$name]=$(read_focused_box)
        press Tab
    done
}

clear_focused_box() {
    press End shift+Home BackSpace
}

clear_inputs() {
    local name
    click_control Text1
    for name in "${INPUT_BOXES[@]}"; do
        clear_focused_box
        press Tab
    done
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
}

# Compares the boxes named in $2 with the comma-separated texts in $3.
expect_boxes() {
    local what=$1 name i
    local -a names expected
    read -r -a names <<<"$2"
    IFS=, read -r -a expected <<<"$3,"
    for i in "${!names[@]}"; do
        name=${names[i]}
        [[ ${BOX_TEXT[$name]} == "${expected[i]:-}" ]] ||
            fail "$what: $name shows \"${BOX_TEXT[$name]}\", expected \"${expected[i]:-}\""
    done
}
