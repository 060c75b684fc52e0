#!/usr/bin/env bash
# Start-up time and memory of trimwise.exe under Wine against a bare Win32 window, through
# trimwise-bench-startup, in a Wine prefix whose server and services stay up between runs, so
# that each run costs what starting one more Windows program costs.
# Both run at the given dots per inch, 96 unless told, as the prefix's setting.
#   wine_startup.sh <trimwise-bench-startup> <trimwise.exe> <bare-window.exe> <wine-prefix>
#                   [pairs [dpi]]
set -euo pipefail

[[ $# -ge 4 ]] || {
    echo "usage: $0 <trimwise-bench-startup> <trimwise.exe> <bare-window.exe> <wine-prefix> [pairs [dpi]]" >&2
    exit 2
}
bench=$1 program=$2 bare=$3 prefix=$4 pairs=${5:-15} dpi=${6:-96}
for built in "$program" "$bare"; do
    [[ -f $built ]] || {
        echo "$built is missing; cross-build it first with: make windows" >&2
        exit 1
    }
done
here=$(dirname "$(realpath "$0")")
# shellcheck source=../../tests/e2e/wine_session.sh
source "$here/../../tests/e2e/wine_session.sh"
trap wine_session_cleanup EXIT

mkdir -p "$prefix"
wine_session_start "$prefix" "$(realpath "$prefix")/wineboot.log"
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
# A new prefix is set up without a display, and Wine's desktop process, once started, keeps
# its display; so the server starts afresh and the desktop comes up on the benchmark's. Wine
# also reads the dots per inch when its server starts.
wine_session_cleanup
wine_server_start
echo "At $dpi dots per inch."
echo "Memory is that of the Wine process that runs the program; the shared wineserver and"
echo "Wine's own services (explorer, services, winedevice) are not counted."
"$bench" --under wine "$pairs" "$(realpath "$program")" "$(realpath "$bare")"
