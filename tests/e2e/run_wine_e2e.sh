#!/usr/bin/env bash
# The Windows program under Wine on a private X server, driven like the Linux one: clicks at
# the controls' places and typed keys through XTEST, from the same scenarios. The window is
# read back by a Windows helper in the same prefix, which asks it for its texts.
#   run_wine_e2e.sh <trimwise.exe> <trimwise-read-boxes.exe> <wine-prefix-dir> <artifact-dir>
# The test tools come in the environment (controls.sh names them).
set -euo pipefail

[[ $# -eq 4 ]] || {
    echo "usage: $0 <trimwise.exe> <trimwise-read-boxes.exe> <wine-prefix-dir> <artifact-dir>" >&2
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
PREFIX=$3
ARTIFACTS=$4
here=$(dirname "$(realpath "$0")")
# shellcheck source=x_session.sh
source "$here/x_session.sh"
# shellcheck source=controls.sh
source "$here/controls.sh"
# shellcheck source=scenarios.sh
source "$here/scenarios.sh"
# shellcheck source=scenario_steps.sh
source "$here/scenario_steps.sh"
# shellcheck source=wine_session.sh
source "$here/wine_session.sh"

mkdir -p "$ARTIFACTS"
ARTIFACTS=$(realpath "$ARTIFACTS")
# The window grabber is a Qt program.
use_plain_qt_session
trap 'wine_session_cleanup; x_session_cleanup' EXIT
trap 'exit 130' INT TERM

# The hooks of scenario_steps.sh for the window under Wine.
readonly ARTIFACT_NAME=trimwise-wine

# xdotool's search by name also lists the tooltip window, which has no name at all.
main_window_shown() {
    APP_WINDOW=$(xdotool search --onlyvisible --name '^Trimwise V1\.2$' 2>/dev/null | head -n 1)
    [[ -n $APP_WINDOW ]]
}

# The same as the Linux run, but through the Wine loader.
start_app() {
    start_wine_app "$1" "$PROGRAM"
}

read_window_output() {
    local output status
    # Starting a Wine process now and then fails on a loaded machine with nothing said; a
    # helper that fails three times in a row is a real failure.
    for _ in 1 2 3; do
        status=0
        output=$(wine "$READER") || status=$?
        if ((status == 0)); then
            printf '%s\n' "$output"
            return 0
        fi
        sleep 0.2
    done
    echo "the box reader ended with status $status: $output"
    return 1
}

# Wine learns of a new X clipboard owner a moment after xclip takes it over.
settle_clipboard() {
    sleep 0.25
}

# The window at the display scales that laptops ship with, set as a user sets them, through
# the prefix's dots per inch, which Wine reads when its server starts.
use_scale() {
    local dpi=$1
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f \
        >/dev/null 2>&1 || fail "could not set the prefix's dots per inch to $dpi"
    wineserver -k >/dev/null 2>&1 || true
    wine_server_start
    load_layout "$dpi"
    # The pointers grow with the display as the system's do: round(32 x dpi / 96) pixels.
    POINTER_SIDE=$(((32 * dpi + 48) / 96))
    echo "-- at $dpi dots per inch"
}

# At twice the design's scale every pixel of the dove, where no text lies over or under it,
# is drawn as an exact block of two by two.
check_picture_blocks() {
    local left top width height text_top text_left report blocks colours
    read -r left top width height <<<"${CONTROL_BOX[Image1]}"
    read -r _ text_top _ <<<"${CONTROL_BOX[Label21]}"
    read -r text_left _ <<<"${CONTROL_BOX[Label14]}"
    report=$("$GRABBER" "$APP_WINDOW" "$ARTIFACTS/$ARTIFACT_NAME-192dpi.png" \
        "$left,$top,$((text_left - left)),$((text_top - top)),2") ||
        fail "could not grab the window at 192 dots per inch"
    read -r blocks colours <<<"$(tail -n 1 <<<"$report")"
    ((blocks == 0)) || fail "$blocks blocks of the dove at 192 dots per inch are not one colour"
    ((colours > 20)) || fail "the dove at 192 dots per inch shows only $colours colours"
    echo "ok: at 192 dots per inch each pixel of the dove is a 2x2 block ($colours colours)"
}

# A desktop colour scheme with white text, as High Contrast Black has it, leaves the labels
# and the boxes' figures dark on their light grounds.
check_colour_scheme() {
    local name left top width height
    for name in ButtonText WindowText; do
        wine reg add 'HKCU\Control Panel\Colors' /v "$name" /t REG_SZ /d "255 255 255" /f \
            >/dev/null 2>&1 || fail "could not set the prefix's $name colour"
    done
    wineserver -k >/dev/null 2>&1 || true
    wine_server_start
    start_app "$ARTIFACTS/$ARTIFACT_NAME-white-text.log"
    click_control Text1
    type_text 600
    expect_window "typing into Text1 with white system text" Text1 600 Text1
    read -r left top width height <<<"${CONTROL_BOX[Text1]}"
    expect_dark_letters "with white system text" "$ARTIFACTS/$ARTIFACT_NAME-white-text.png" \
        "$(control_area Label1)" "$(control_area Label12)" "$(control_area Label18)" \
        "$((left + 3)),$((top + 3)),$((width - 6)),$((height - 6))"
    echo "ok: with white system text the labels and the box's figures stay dark"
    click_control Command1
    expect_app_exit "a click on EXIT with white system text"
    for name in ButtonText WindowText; do
        wine reg add 'HKCU\Control Panel\Colors' /v "$name" /t REG_SZ /d "0 0 0" /f \
            >/dev/null 2>&1 || fail "could not set the prefix's $name colour back"
    done
}

# The size, places and pointers at every scale; the start, the tab order and the worked case
# at 150 per cent; the pictures' blocks at 200 per cent.
check_scales() {
    local dpi
    for dpi in 120 144 192; do
        use_scale "$dpi"
        start_app "$ARTIFACTS/$ARTIFACT_NAME-${dpi}dpi.log"
        check_geometry
        if ((dpi == 144)); then
            check_start_state
            clear_all_boxes
            type_inputs 600,10,120,25,48
            click_control Text9
            expect_window "the worked case at $dpi dots per inch" "${ALL_BOXES[*]}" \
                "600,10,120,25,48,4.16666,11.52,3.54166,20" Text9
            echo "ok: the worked case at $dpi dots per inch"
        fi
        if ((dpi == 192)); then
            check_picture_blocks
        fi
        check_pointers
        click_control Command1
        expect_app_exit "a click on EXIT at $dpi dots per inch"
    done
    use_scale 96
}

# Room for the window at twice the design's scale.
X_SCREEN_SIZE=2048x1536 start_x_server
wine_session_start "$PREFIX" "$ARTIFACTS/wineboot.log"
use_scale 96

run_shared_steps

start_app "$ARTIFACTS/trimwise-wine-close.log"
press alt+F4
expect_app_exit "closing the window with Alt+F4"

check_colour_scheme
check_scales

echo "wine e2e: all checks passed; screenshots in $ARTIFACTS"
