#!/usr/bin/env bash
# What lintian does not look at: that the package carries exactly the program's files, the
# committed icons and one version throughout.
#   package_contents.sh <trimwise_*.deb> <project-version> <source-dir>
set -euo pipefail

[[ $# -eq 3 ]] || {
    echo "usage: $0 <deb> <project-version> <source-dir>" >&2
    exit 2
}
DEB=$1 VERSION=$2 SOURCE=$3
ID=org.trimwise.Trimwise
ICON_SIZES=(16 24 32 48 64 128 256)

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

UNPACKED=$(mktemp -d)
trap 'rm -rf "$UNPACKED"' EXIT
dpkg-deb -x "$DEB" "$UNPACKED"

# field | what it must match (an extended regular expression)
readonly FIELDS=(
    "Package|^trimwise$"
    "Version|^${VERSION//./\\.}$"
    "Architecture|^amd64$"
    "Section|^science$"
    "Maintainer|^[^<>]+ <[^<>@]+@[^<>@]+>$"
    # shlibdeps found the libraries the program really links.
    "Depends|(^|, )libc6 \(>= [0-9.]+\)(,|$)"
    "Depends|(^|, )libqt6widgets6 \(>= [0-9.]+\)(,|$)"
    # The window is a native Wayland client only with Qt's Wayland plugin.
    "Recommends|(^|, )qt6-wayland(,|$)"
)
for entry in "${FIELDS[@]}"; do
    field=${entry%%|*} pattern=${entry#*|}
    value=$(dpkg-deb -f "$DEB" "$field")
    [[ $value =~ $pattern ]] || fail "$field is \"$value\", expected to match $pattern"
done
echo "ok: control fields: version $VERSION, section science, Depends from shlibdeps," \
    "Recommends qt6-wayland"

expected=(
    usr/bin/trimwise
    "usr/share/applications/$ID.desktop"
    "usr/share/metainfo/$ID.metainfo.xml"
    usr/share/man/man1/trimwise.1.gz
    usr/share/doc/trimwise/copyright
    usr/share/doc/trimwise/changelog.gz
)
for size in "${ICON_SIZES[@]}"; do
    expected+=("usr/share/icons/hicolor/${size}x${size}/apps/$ID.png")
done
files=$(cd "$UNPACKED" && find . -type f -printf '%P\n' | sort)
wanted=$(printf '%s\n' "${expected[@]}" | sort)
[[ $files == "$wanted" ]] || fail "the package holds other files than expected:
$(diff <(echo "$wanted") <(echo "$files") || true)"
echo "ok: the package holds exactly the ${#expected[@]} files of the program"

for size in "${ICON_SIZES[@]}"; do
    cmp -s "$SOURCE/assets/icons/trimwise-$size.png" \
        "$UNPACKED/usr/share/icons/hicolor/${size}x${size}/apps/$ID.png" ||
        fail "the ${size}x${size} icon is not assets/icons/trimwise-$size.png"
done
echo "ok: the icons are the committed ones, each in the folder of its size"

exec_line=$(grep -m1 '^Exec=' "$UNPACKED/usr/share/applications/$ID.desktop")
[[ -x $UNPACKED/usr/bin/${exec_line#Exec=} ]] ||
    fail "the menu entry starts \"${exec_line#Exec=}\", which the package does not put in /usr/bin"
echo "ok: the menu entry starts the packaged program"

changelog_version=$(zcat "$UNPACKED/usr/share/doc/trimwise/changelog.gz" |
    dpkg-parsechangelog -l - -S Version)
release_version=$(/usr/bin/python3 -c '
import sys, xml.etree.ElementTree as tree
print(tree.parse(sys.argv[1]).find("releases/release").get("version"))' \
    "$UNPACKED/usr/share/metainfo/$ID.metainfo.xml")
man_version=$(zcat "$UNPACKED/usr/share/man/man1/trimwise.1.gz" |
    sed -n 's/^\.TH .* "Trimwise \([^"]*\)".*/\1/p')
for found in "changelog|$changelog_version" "metainfo release|$release_version" \
    "manual page|$man_version"; do
    [[ ${found#*|} == "$VERSION" ]] || fail "the ${found%%|*} gives \"${found#*|}\", not $VERSION"
done
echo "ok: changelog, metainfo and manual page all say version $VERSION"

# The copyright file's licence is the LICENSE file word for word.
licence=$(awk '/^License: Expat$/ { n++ } n == 2 && /^ / { sub(/^ /, ""); sub(/^\.$/, ""); print }' \
    "$UNPACKED/usr/share/doc/trimwise/copyright")
[[ $licence == "$(tail -n +5 "$SOURCE/LICENSE")" ]] ||
    fail "the licence in the copyright file differs from LICENSE"
echo "ok: the copyright file carries the MIT licence of LICENSE"
