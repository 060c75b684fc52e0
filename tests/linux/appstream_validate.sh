#!/usr/bin/env bash
# The metainfo through appstreamcli twice, with pedantic checks: the source file, and the
# unpacked package as lintian validates it (validate-tree), where the listing must also find
# its menu entry and icons. Any error or warning fails, but
# for the findings accepted by name.
#   appstream_validate.sh <accepted finding>[,<finding>...] <metainfo.xml> <package.deb>
set -euo pipefail

ACCEPTED=$1 METAINFO=$2 DEB=$3
TREE=$(mktemp -d)
trap 'rm -rf "$TREE"' EXIT
dpkg-deb -x "$DEB" "$TREE"

# appstreamcli exits non-zero on warnings, accepted ones too: its report is what counts.
report=$({
    appstreamcli validate --no-net --pedantic "$METAINFO" || true
    appstreamcli validate-tree --no-net --pedantic "$TREE" || true
} 2>&1)
echo "$report"
# Two verdicts, and a failed one only for the findings it counts.
verdicts=$(grep -E 'Validation (was successful|failed)' <<<"$report" || true)
if [ "$(grep -c . <<<"$verdicts")" -ne 2 ] ||
    grep -vE 'successful|(errors|warnings): [0-9]' <<<"$verdicts" >/dev/null; then
    echo "FAIL: appstreamcli did not validate both" >&2
    exit 1
fi

# A finding reads "W: <component>:<line>: <tag> [<hint>]".
refused=$(awk -v accepted=",$ACCEPTED," '$1 ~ /^[EW]:$/ && index(accepted, "," $3 ",") == 0' \
    <<<"$report")
if [ -n "$refused" ]; then
    echo "FAIL: findings beyond the accepted $ACCEPTED:" >&2
    echo "$refused" >&2
    exit 1
fi
echo "ok: no error or warning but the accepted $ACCEPTED"
