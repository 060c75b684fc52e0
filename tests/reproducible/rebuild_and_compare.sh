#!/usr/bin/env bash
# Builds trimwise.exe, its installer, the Debian package, the page and every file of its site
# once more, from a fresh clone of the tree's sources at another path, later, under another
# umask and time zone, and checks that they come out as the very same files as the tree's own
# (make windows package web). Where they differ, diffoscope says how; its whole report goes to
# build/artifacts/reproducible/.
#   tests/reproducible/rebuild_and_compare.sh
set -euo pipefail

cd "$(dirname "$0")/../.."
TREE=$PWD
REPORTS=$TREE/build/artifacts/reproducible

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

git rev-parse --verify -q HEAD >/dev/null || fail "the check clones the sources: $TREE needs git"
debs=(build-package/deb/trimwise_*_amd64.deb)
[[ ${#debs[@]} -eq 1 && -f ${debs[0]} ]] || fail "no single package in build-package/deb: run make package"
[[ -f build-web/trimwise.html ]] || fail "no page in build-web: run make web"
msis=(build-windows/trimwise-*-x64.msi)
[[ ${#msis[@]} -eq 1 && -f ${msis[0]} ]] || fail "no single installer in build-windows: run make windows"
[[ -f build-web/site/index.html ]] || fail "no site in build-web/site: run make web"
site_files() { (cd "$1" && find build-web/site -type f | LC_ALL=C sort); }
mapfile -t site < <(site_files "$TREE")
OUTPUTS=(build-windows/ui/win32/trimwise.exe "${msis[0]}" "build/${debs[0]##*/}"
         build-web/trimwise.html "${site[@]}")

WORK=$(mktemp -d "${TMPDIR:-/tmp}/trimwise-rebuild.XXXXXX")
trap 'rm -rf "$WORK"' EXIT

# The sources of the tree's build are its working tree, with changes and new files not yet
# committed. They go to the clone as a commit dated as the last one, from which the package
# takes its files' time, so neither a clean nor a changed tree is compared with other sources.
index=$WORK/index
cp "$(git rev-parse --git-path index)" "$index"
GIT_INDEX_FILE=$index git add --all
sources=$(GIT_INDEX_FILE=$index git write-tree)
commit=$(git rev-parse HEAD)
if [[ $sources != "$(git rev-parse 'HEAD^{tree}')" ]]; then
    date=$(git log -1 --date=raw --format=%cd)
    commit=$(GIT_AUTHOR_NAME=rebuild GIT_AUTHOR_EMAIL=rebuild@localhost GIT_AUTHOR_DATE=$date \
        GIT_COMMITTER_NAME=rebuild GIT_COMMITTER_EMAIL=rebuild@localhost GIT_COMMITTER_DATE=$date \
        git commit-tree "$sources" -p HEAD -m "Working tree of $TREE")
fi

CLONE=$WORK/somewhere/else/trimwise
git init -q "$CLONE"
# The tree may itself be a shallow clone, as CI checkouts often are.
git -C "$CLONE" config receive.shallowUpdate true
git push -q --no-verify "$CLONE" "$commit:refs/heads/rebuild"
git -C "$CLONE" checkout -q rebuild
echo "Building $commit again in $CLONE"
(cd "$CLONE" && umask 0002 && TZ=NZST-12 make --no-print-directory windows package web)

mkdir -p "$REPORTS"
status=0
if [[ $(site_files "$CLONE") != "$(site_files "$TREE")" ]]; then
    echo "FAIL: the site built again has other files:" >&2
    diff <(site_files "$TREE") <(site_files "$CLONE") >&2 || true
    status=1
fi
for output in "${OUTPUTS[@]}"; do
    first=$(sha256sum "$TREE/$output" | cut -d' ' -f1)
    again=$(sha256sum "$CLONE/$output" | cut -d' ' -f1)
    if [[ $first == "$again" ]]; then
        echo "ok: $output built again is the same file, sha256 $first"
        continue
    fi
    report=$REPORTS/${output##*/}.diffoscope.txt
    timeout 900 diffoscope --text "$report" "$TREE/$output" "$CLONE/$output" >/dev/null || true
    echo "FAIL: $output built again differs (sha256 $first, then $again); diffoscope says:" >&2
    head -n 60 "$report" >&2
    echo "(the whole report: $report)" >&2
    status=1
done
exit "$status"
