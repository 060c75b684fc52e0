#!/usr/bin/env bash
# The installer's tables read with msitools, then the installer run by Wine's msiexec in a
# Wine prefix made new for the run, on a private X server: install, start, uninstall.
#   msi_install.sh <msi> <trimwise.exe> <WindowIcon.ico> <version> <wine-prefix> <artifact-dir>
# shellcheck disable=SC2016 # the single-quoted $1, $2 ... are awk's fields
set -euo pipefail
MSI=$(realpath "$1") PROGRAM=$(realpath "$2") ICON=$(realpath "$3") VERSION=$4 ARTIFACTS=$6
e2e=$(dirname "$(realpath "$0")")/../e2e
# shellcheck source=../e2e/x_session.sh
source "$e2e/x_session.sh"
# shellcheck source=../e2e/wine_session.sh
source "$e2e/wine_session.sh"
trap 'wine_session_cleanup; x_session_cleanup' EXIT
trap 'exit 130' INT TERM
mkdir -p "$ARTIFACTS"
[[ -f $MSI && -f $PROGRAM ]] || fail "$MSI or $PROGRAM is missing; build them with: make windows"

# Fixed when the first installer shipped: a release under another code would not replace it.
readonly UPGRADE_CODE="{8B6F195B-2A0B-4592-A1A8-F005420BD284}" PUBLISHER="The Trimwise developers"
# table|awk condition on a row, in which v stands for the text after the last |
readonly ROWS=(
    'Property|$1 == "ProductName" && $2 == v|Trimwise'
    'Property|$1 == "ProductVersion" && $2 == v|'"$VERSION"
    'Property|$1 == "Manufacturer" && $2 == v|'"$PUBLISHER"
    'Property|$1 == "UpgradeCode" && $2 == v|'"$UPGRADE_CODE"
    'Property|$1 == "ALLUSERS" && $2 == v|1'
    'Property|$1 == "ARPPRODUCTICON" && $2 == v|trimwise.ico'
    'Shortcut|$2 == "ProgramMenuFolder" && $3 == "Trimwise" && $9 == v|trimwise.ico'
    # Older versions under the code are found, not only detected (bit 2), and so removed.
    'Upgrade|$1 == "'"$UPGRADE_CODE"'" && $2 == "" && $3 == v && int($5 / 2) % 2 == 0|'"$VERSION"
    'InstallExecuteSequence|$1 == v|RemoveExistingProducts'
)

# Prints field $3 of the rows of table $1 that meet awk condition $2, in which v is $4.
table() {
    msiinfo export "$MSI" "$1" | tr -d '\r' | awk -F'\t' -v v="${4:-}" "NR > 3 && ($2) { print \$$3 }"
}

# Windows Installer files GUIDs in registry keys in this form: the first three groups
# reversed, then the two digits of each byte swapped.
squashed() {
    local hex=${1//[\{\}-]/} i
    printf '%s' "$(rev <<<"${hex:0:8}")$(rev <<<"${hex:8:4}")$(rev <<<"${hex:12:4}")"
    for ((i = 16; i < 32; i += 2)); do printf '%s' "${hex:i+1:1}${hex:i:1}"; done
}

# The registry as Wine saves it when its server stops.
saved_registry() {
    wineserver -k && wineserver -w
    cat "$WINEPREFIX/system.reg" "$WINEPREFIX/user.reg"
    wine_server_start
}

msiexec_quietly() {
    wine msiexec "/$1" "$(winepath -w "$MSI")" /qn /l*v "$(winepath -w "$ARTIFACTS")\\msiexec-$1.log" ||
        fail "msiexec /$1 failed (log: $ARTIFACTS/msiexec-$1.log)"
}

for row in "${ROWS[@]}"; do
    IFS='|' read -r name condition value <<<"$row"
    [[ -n $(table "$name" "$condition" 1 "$value") ]] ||
        fail "the $name table has no row where $condition, v=$value"
done
grep -qx 'Template: x64;1033' <<<"$(msiinfo suminfo "$MSI")" || fail "the package is not for x64"
msiinfo extract "$MSI" Icon.trimwise.ico | cmp - "$ICON" || fail "the package's icon is not the program's"
[[ $(msiextract -C "$ARTIFACTS/msi" "$MSI") == Trimwise/trimwise.exe ]] ||
    fail "the package holds: $(msiextract -C "$ARTIFACTS/msi" "$MSI")"
cmp "$ARTIFACTS/msi/Trimwise/trimwise.exe" "$PROGRAM" || fail "the packaged trimwise.exe is not $PROGRAM"
echo "ok: msiinfo: ${#ROWS[@]} rows as they should be, x64, icon; msiextract: trimwise.exe byte for byte"

rm -rf "$5"
start_x_server
wine_session_start "$5" "$ARTIFACTS/msi-wineboot.log"
# Wine would copy the Start-menu shortcut into this machine's desktop menu.
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winemenubuilder.exe=d"
installed="$WINEPREFIX/drive_c/Program Files/Trimwise"
product_code=$(table Property '$1 == "ProductCode"' 2) || fail "the package has no ProductCode"
our_names=(Trimwise "${product_code//[\{\}]/}" "$(squashed "$product_code")" "$(squashed "$UPGRADE_CODE")")

msiexec_quietly i
cmp "$installed/trimwise.exe" "$PROGRAM" || fail "Program Files\\Trimwise\\trimwise.exe is not the program"
shortcut=$(find "$WINEPREFIX/drive_c" -path '*/Start Menu/Programs/Trimwise.lnk') || fail "no drive_c"
[[ -f $shortcut ]] || fail "not one Start-menu shortcut Trimwise.lnk: \"$shortcut\""
entry=$(wine reg query "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$product_code" | tr -d '\r') ||
    fail "Installed apps has no entry $product_code"
for value in "DisplayName    REG_SZ    Trimwise" "DisplayVersion    REG_SZ    $VERSION" \
    "Publisher    REG_SZ    $PUBLISHER"; do
    grep -qxF "    $value" <<<"$entry" || fail "Installed apps lacks \"$value\": $entry"
done
# Installed apps shows an installed package with the icon named here.
icon=$(wine reg query "HKLM\\Software\\Classes\\Installer\\Products\\$(squashed "$product_code")" /v ProductIcon |
    tr -d '\r' | sed -n 's/^    ProductIcon    REG_SZ    //p') || fail "Installed apps has no icon for Trimwise"
icon_file=$(winepath -u "$icon" 2>/dev/null) || fail "Installed apps shows no icon: \"$icon\""
cmp "$icon_file" "$ICON" || fail "Installed apps' icon $icon is not the program's"
registry=$(saved_registry) || fail "Wine did not save its registry"
for name in "${our_names[@]}"; do
    grep -qiF "$name" <<<"$registry" || fail "the registry does not name $name after installing"
done
echo "ok: msiexec /i /qn: Program Files/Trimwise/trimwise.exe, ${shortcut#"$WINEPREFIX/"}, and" \
    "Trimwise $VERSION by $PUBLISHER with the program's icon in Installed apps"

start_wine_app "$ARTIFACTS/msi-installed-run.log" 'C:\Program Files\Trimwise\trimwise.exe'
xdotool key alt+F4
expect_app_exit "Alt+F4 on the installed program's window"

msiexec_quietly x
[[ ! -e $installed ]] || fail "Program Files\\Trimwise is still there: $(ls -A "$installed")"
[[ ! -e $shortcut && ! -e ${icon_file%/*} ]] || fail "the shortcut or the icon's folder is still there"
registry=$(saved_registry) || fail "Wine did not save its registry"
for name in "${our_names[@]}"; do
    ! grep -qiF "$name" <<<"$registry" || fail "the registry still names $name after uninstalling"
done
echo "ok: msiexec /x /qn removed the program, its folder, the shortcut and icon, and every" \
    "registry key or value that names Trimwise, its product code or its upgrade code"
