#!/usr/bin/env bash
# The real program read the way a screen reader reads it: on a private X server, in a
# private D-Bus session with its accessibility bus, through Python's AT-SPI bindings.
#   run_atspi.sh <trimwise> <trimwise-print-layout> <log-dir>
set -euo pipefail

[[ $# -eq 3 ]] || {
    echo "usage: $0 <trimwise> <trimwise-print-layout> <log-dir>" >&2
    exit 2
}
# Everything below runs inside its own session bus, which ends with this script.
if [[ -z ${TRIMWISE_PRIVATE_SESSION_BUS:-} ]]; then
    exec dbus-run-session -- env TRIMWISE_PRIVATE_SESSION_BUS=1 "$0" "$@"
fi

PROGRAM=$(realpath "$1")
LAYOUT=$(realpath "$2")
mkdir -p "$3"
LOGS=$(realpath "$3")
here=$(dirname "$(realpath "$0")")
# shellcheck source=x_session.sh
source "$here/x_session.sh"

use_plain_qt_session
# Qt joins the accessibility bus only when something asks for it, as Orca does by running.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
trap x_session_cleanup EXIT
trap 'exit 130' INT TERM

start_x_server
# The accessibility bus starts on demand; Qt looks for it when it starts, so it must be up first.
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
    >/dev/null || fail "the session has no accessibility bus (at-spi2-core)"
start_app "$LOGS/trimwise-atspi.log"
/usr/bin/python3 "$here/read_window.py" "$APP_PID" "$LAYOUT" || fail "the window as AT-SPI reads it"
expect_app_exit "EXIT pressed through AT-SPI"
echo "atspi: all checks passed"
