#!/usr/bin/env bash
# The installer's tables read with msitools, then the installer run by Wine's msiexec in a
# Wine prefix made new for the run, on a private X server: install, start, uninstall.
#   msi_install.sh <msi> <trimwise.exe> <WindowIcon.ico> <version> <wine-prefix> <artifact-dir>
# shellcheck disable=SC2016 # the single-quoted $1, $2 ... are awk's fields
set -euo pipefail
MSI=$(realpath "$1") PROGRAM=$(realpath "$2") ICON=$3 VERSION=$4 ARTIFACTS=$(realpath -m "$6")
e2e=$(dirname "$(realpath "$0")")/../e2e
# shellcheck source=../e2e/x_session.sh
source "$e2e/x_session.sh"
# shellcheck source=../e2e/wine_session.sh
source "$e2e/wine_session.sh"
trap 'wine_session_cleanup; x_session_cleanup' EXIT
trap 'exit 130' INT TERM
type -P msiinfo msiextract >/dev/null || fail "msiinfo and msiextract are missing (msitools)"
[[ -f $MSI && -f $PROGRAM ]] || fail "$MSI or $PROGRAM is missing; build them with: make windows"
mkdir -p "$ARTIFACTS"

# Fixed when the first installer shipped, so that each release replaces the one before; the
# second form is the one Windows Installer files it under in the registry.
readonly UPGRADE_CODE="{8B6F195B-2A0B-4592-A1A8-F005420BD284}" UPGRADE_KEY=B591F6B8B0A229541A8A0F5024B02D48
readonly PUBLISHER="The Trimwise developers"
# table|awk condition on a row, in which v stands for the text after the last |
readonly ROWS=(
    'Property|$1 == "ProductName" && $2 == v|Trimwise'
    'Property|$1 == "ProductVersion" && $2 == v|'"$VERSION"
    'Property|$1 == "Manufacturer" && $2 == v|'"$PUBLISHER"
    'Property|$1 == "UpgradeCode" && $2 == v|'"$UPGRADE_CODE"
    'Property|$1 == "ALLUSERS" && $2 == v|1'
    'Property|$1 == "ARPPRODUCTICON" && $2 == v|trimwise.ico'
    'Shortcut|$2 == "ProgramMenuFolder" && $3 == "Trimwise" && $9 == v|trimwise.ico'
    # Older versions are found, not only detected (bit 2), and so removed.
    'Upgrade|$1 == "'"$UPGRADE_CODE"'" && $2 == "" && $3 == v && int($5 / 2) % 2 == 0|'"$VERSION"
    'InstallExecuteSequence|$1 == v|RemoveExistingProducts'
)

# Prints field $3 of the rows of table $1 that meet awk condition $2, in which v is $4.
table() {
    msiinfo export "$MSI" "$1" | tr -d '\r' | awk -F'\t' -v v="${4:-}" "NR > 3 && ($2) { print \$$3 }"
}

# How many of our names the registry holds, as Wine saves it when its server stops.
names_in_registry() {
    wineserver -k && wineserver -w
    [[ -s $WINEPREFIX/system.reg && -s $WINEPREFIX/user.reg ]] || fail "Wine saved no registry"
    grep -ohiF -e Trimwise -e "${PRODUCT_CODE//[\{\}]/}" -e "$UPGRADE_KEY" "$WINEPREFIX"/{system,user}.reg |
        sort -fu | wc -l
    wine_server_start
}

msiexec_quietly() {
    wine msiexec "/$1" "$(winepath -w "$MSI")" /qn /l*v "$(winepath -w "$ARTIFACTS")\\msiexec-$1.log" ||
        fail "msiexec /$1 failed (log: $ARTIFACTS/msiexec-$1.log)"
}

for row in "${ROWS[@]}"; do
    IFS='|' read -r name condition value <<<"$row"
    [[ -n $(table "$name" "$condition" 1 "$value") ]] || fail "no $name row where $condition, v=$value"
done
grep -qx 'Template: x64;1033' <<<"$(msiinfo suminfo "$MSI")" || fail "the package is not for x64"
msiinfo extract "$MSI" Icon.trimwise.ico | cmp - "$ICON" || fail "the package's icon is not the program's"
contents=$(msiextract -C "$ARTIFACTS/msi" "$MSI") || fail "msiextract cannot read the package"
[[ $contents == Trimwise/trimwise.exe ]] || fail "the package holds: $contents"
cmp "$ARTIFACTS/msi/Trimwise/trimwise.exe" "$PROGRAM" || fail "the packaged trimwise.exe is not $PROGRAM"
echo "ok: msiinfo: ${#ROWS[@]} rows as they should be, x64, icon; msiextract: trimwise.exe byte for byte"

rm -rf "$5"
start_x_server
wine_session_start "$5" "$ARTIFACTS/msi-wineboot.log"
# Wine would copy the Start-menu shortcut into this machine's desktop menu.
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winemenubuilder.exe=d"
PRODUCT_CODE=$(table Property '$1 == "ProductCode"' 2) || fail "the package has no ProductCode"
installed="$WINEPREFIX/drive_c/Program Files/Trimwise"

msiexec_quietly i
cmp "$installed/trimwise.exe" "$PROGRAM" || fail "Program Files\\Trimwise\\trimwise.exe is not the program"
shortcut=$(find "$WINEPREFIX/drive_c" -path '*/Start Menu/Programs/Trimwise.lnk') || fail "no drive_c"
[[ -f $shortcut ]] || fail "not one Start-menu shortcut Trimwise.lnk: \"$shortcut\""
entry=$(wine reg query "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$PRODUCT_CODE") ||
    fail "Installed apps has no entry $PRODUCT_CODE"
[[ $(grep -cxF -e "    DisplayName    REG_SZ    Trimwise" -e "    DisplayVersion    REG_SZ    $VERSION" \
    -e "    Publisher    REG_SZ    $PUBLISHER" <<<"${entry//$'\r'/}") == 3 ]] || fail "Installed apps shows: $entry"
[[ $(names_in_registry) == 3 ]] || fail "the registry lacks Trimwise, the product code or the upgrade key"
echo "ok: msiexec /i /qn: Program Files/Trimwise/trimwise.exe, ${shortcut#"$WINEPREFIX/"}, and" \
    "Trimwise $VERSION by $PUBLISHER in Installed apps"

start_wine_app "$ARTIFACTS/msi-installed-run.log" 'C:\Program Files\Trimwise\trimwise.exe'
xdotool key alt+F4
expect_app_exit "Alt+F4 on the installed program's window"

msiexec_quietly x
[[ ! -e $installed && ! -e $shortcut ]] || fail "Program Files\\Trimwise or the shortcut is still there"
[[ $(names_in_registry) == 0 ]] || fail "the registry still names Trimwise, its product code or upgrade key"
echo "ok: msiexec /x /qn removed the program, its folder, the shortcut, and every registry key" \
    "or value that names Trimwise, its product code or its upgrade code"
