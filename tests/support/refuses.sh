#!/usr/bin/env bash
# Runs a command that must refuse what it is given: it passes only when the command ends
# with a failure status and its output says why, in words that match the pattern (an
# extended regular expression, matched across line breaks).
#   refuses.sh <pattern> <command> [<argument> ...]
set -uo pipefail

[[ $# -ge 2 ]] || {
    echo "usage: $0 <pattern> <command> [<argument> ...]" >&2
    exit 2
}
pattern=$1
shift
output=$("$@" 2>&1)
status=$?
printf '%s\n' "$output"
if ((status == 0)); then
    echo "FAIL: the command succeeded where it should refuse" >&2
    exit 1
fi
# CMake wraps its messages near 80 columns, so a long path moves the line breaks.
if ! tr '\n' ' ' <<<"$output" | grep -Eq -- "$pattern"; then
    echo "FAIL: the command failed (status $status) without saying /$pattern/" >&2
    exit 1
fi
echo "ok: refused with status $status"
