#!/usr/bin/env bash
# The program as the package installs it, unpacked with dpkg-deb into a scratch folder, opens
# its window on a private X server and ends cleanly when EXIT is pressed.
#   unpacked_starts.sh <trimwise_*.deb> <log-dir>
set -euo pipefail

[[ $# -eq 2 ]] || {
    echo "usage: $0 <deb> <log-dir>" >&2
    exit 2
}
DEB=$(realpath "$1")
mkdir -p "$2"
LOGS=$(realpath "$2")
here=$(dirname "$(realpath "$0")")
# shellcheck source=../e2e/x_session.sh
source "$here/../e2e/x_session.sh"

use_plain_qt_session
UNPACKED=$(mktemp -d)
trap 'x_session_cleanup; rm -rf "$UNPACKED"' EXIT
trap 'exit 130' INT TERM

dpkg-deb -x "$DEB" "$UNPACKED"
PROGRAM=$UNPACKED/usr/bin/trimwise
[[ -x $PROGRAM ]] || fail "the package has no usr/bin/trimwise"

start_x_server
start_app "$LOGS/trimwise-unpacked.log"
echo "ok: the unpacked usr/bin/trimwise opens its window \"Trimwise V1.2\""

# On X11 the desktop ties the window to its menu entry (and so to its icon) by the class.
entry=$UNPACKED/usr/share/applications/org.trimwise.Trimwise.desktop
wm_class=$(sed -n 's/^StartupWMClass=//p' "$entry")
window_class=$(xprop -id "$APP_WINDOW" WM_CLASS | sed -n 's/.*", "\(.*\)"$/\1/p')
[[ -n $wm_class && $window_class == "$wm_class" ]] ||
    fail "the window's class is \"$window_class\", the menu entry expects \"$wm_class\""
echo "ok: the window's class \"$window_class\" is the one the menu entry names"
# EXIT has the keyboard focus when the window opens.
xdotool key space
expect_app_exit "Space on EXIT in the unpacked program"
