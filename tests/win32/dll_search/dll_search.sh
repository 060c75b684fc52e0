#!/usr/bin/env bash
# shellcheck source-path=SCRIPTDIR/../../e2e
# A DLL left beside trimwise.exe, named like one that the program delay-loads, must never run
# inside it: the program loads those from the Windows system folder alone. Under Wine, each
# such name gets a stand-in DLL beside a copy of the program, and Wine is told to prefer a
# native DLL of that name to its own, as Windows would take the first it finds. The window
# is then used (a digit typed into a box, a box hovered until its tooltip shows) and no
# stand-in may have left its marker.
#   dll_search.sh <trimwise.exe> <trimwise-dll-marker.dll> <trimwise-read-tooltip.exe>
#                 <trimwise-bare-window.exe> <wine-prefix-dir> <work-dir>
# The layout tool comes in the environment (controls.sh names it).
set -euo pipefail

[[ $# -eq 6 ]] || {
    echo "usage: $0 <trimwise.exe> <trimwise-dll-marker.dll> <trimwise-read-tooltip.exe>" \
        "<trimwise-bare-window.exe> <wine-prefix-dir> <work-dir>" >&2
    exit 2
}
for built in "$1" "$2" "$3" "$4"; do
    [[ -f $built ]] || {
        echo "FAIL: $built is missing; cross-build it first with: make windows" >&2
        exit 1
    }
done
here=$(dirname "$(realpath "$0")")
e2e=$here/../../e2e
source "$e2e/x_session.sh"
source "$e2e/wine_session.sh"
source "$e2e/controls.sh"

mapfile -t delay_loaded < <("$here/delay_imports.py" "$1")
((${#delay_loaded[@]} > 0)) || fail "found no delay-loaded DLL in $1"
echo "delay-loaded: ${delay_loaded[*]}"

mkdir -p "$6"
work=$(mktemp -d "$(realpath "$6")/dll-search.XXXXXX")
READER=$(realpath "$3")

# A folder like a Downloads folder: the program, and stand-ins named like the DLLs given.
#   downloads_folder <folder> <program.exe> <dll>...
downloads_folder() {
    local folder=$1 program=$2 dll
    mkdir -p "$folder"
    cp "$program" "$folder/"
    shift 2
    for dll in "$@"; do
        cp "$MARKER" "$folder/$dll"
    done
}

loaded_stand_ins() {
    local dll
    for dll in "${@:2}"; do
        [[ -e $1/$dll.loaded ]] && echo "$dll"
    done
}

MARKER=$(realpath "$2")
CONTROL=$(realpath "$4")
trap 'wine_session_cleanup; x_session_cleanup' EXIT
trap 'exit 130' INT TERM
start_x_server
wine_session_start "$5" "$work/wineboot.log"
overrides=("${delay_loaded[@]%.dll}")
WINEDLLOVERRIDES="$WINEDLLOVERRIDES;$(IFS=,; echo "${overrides[*]}")=n,b"
echo "WINEDLLOVERRIDES=$WINEDLLOVERRIDES"

# Wine's own system DLLs load some of these for any program that shows a window, searching
# the program's folder first: imm32 at user32's start, and ole32 for imm32. Windows takes
# both from the system folder alone, as KnownDLLs. A bare window that never calls them, with
# each stand-in beside it in turn, shows which; those are left out, as nothing the program
# does can change them.
bare_window_shown() {
    xdotool search --onlyvisible --name '^Bare window$' >/dev/null 2>&1
}
wine_loads=()
judged=()
for dll in "${delay_loaded[@]}"; do
    downloads_folder "$work/control-$dll" "$CONTROL" "$dll"
    wine "$work/control-$dll/$(basename "$CONTROL")" >/dev/null 2>&1 </dev/null &
    control_pid=$!
    wait_until 30 bare_window_shown || fail "the bare window did not appear"
    sleep 1
    kill "$control_pid"
    wait "$control_pid" 2>/dev/null || true
    wait_until 10 eval '! bare_window_shown' || fail "the bare window did not go"
    if [[ -n $(loaded_stand_ins "$work/control-$dll" "$dll") ]]; then
        wine_loads+=("$dll")
    else
        judged+=("$dll")
    fi
done
((${#wine_loads[@]} == 0)) || echo "left out: Wine itself loads ${wine_loads[*]} for a bare window too"
((${#judged[@]} > 0)) || fail "Wine loads every delay-loaded DLL itself; nothing left to check"

folder=$work/downloads
downloads_folder "$folder" "$1" "${judged[@]}"

# xdotool's search by name also lists the tooltip window, which has no name at all.
main_window_shown() {
    APP_WINDOW=$(xdotool search --onlyvisible --name '^Trimwise V1\.2$' 2>/dev/null | head -n 1)
    [[ -n $APP_WINDOW ]]
}

tooltip_shows() {
    wine "$READER" "$1" >"$work/tooltip.txt" 2>&1
}

load_layout 96
start_wine_app "$work/trimwise.log" "$folder/$(basename "$1")"
click_control Text3
type_text 7
# The pointer comes onto the box from outside it, as a hand brings it.
move_to "$(control_point Text1 1)"
move_to "$(control_point Text1)"
problems=()
if wait_until 20 tooltip_shows Text1; then
    echo "ok: Text1's tooltip shows"
else
    problems+=("Text1's tooltip did not show: $(cat "$work/tooltip.txt")")
fi
app_running || problems+=("the program ended (log: $(tr '\n' ' ' <"$work/trimwise.log"))")
for dll in $(loaded_stand_ins "$folder" "${judged[@]}"); do
    problems+=("the program loaded $dll from its own folder")
done
((${#problems[@]} == 0)) || fail "$(printf '\n  %s' "${problems[@]}")"
echo "ok: none of ${judged[*]} was loaded from the program's folder"
rm -rf "$work"
