#!/usr/bin/env bash
# Installs the Debian packages that building, running or testing Trimwise needs,
# but only those that are missing, so a machine that has them is left alone.
#   scripts/deps.sh run    what `make run` needs
#   scripts/deps.sh windows  what `make windows` needs: CMake, the MinGW-w64 cross compiler, and
#                            wixl, msitools and faketime for the installer
#   scripts/deps.sh package  what `make package` needs: run, and what CPack runs for Depends
#   scripts/deps.sh web    what `make web` needs: the WebAssembly toolchain
#   scripts/deps.sh unit   what the unit preset needs: run, GoogleTest, Benchmark, giflib and
#                          qemu-user; no Wine, MinGW, browser or X server
#   scripts/deps.sh test   what `make test` needs (includes run, unit, windows, package and web)
#   scripts/deps.sh all    everything, also the artwork generator and the linters
# For test and all it also installs the page's pinned test tools from npm (tests/web).
# It knows Debian 12 (bookworm) and Debian 13 (trixie).
set -euo pipefail

# The names that differ between the releases, in one table: the LLVM that compiles the page
# to WebAssembly (its clang, lld and wasm32 libraries carry the version in their names), and
# the package of the Liberation fonts 2 (on trixie fonts-liberation2 is only a transitional
# name for fonts-liberation).
#               release   page's LLVM   Liberation fonts 2
release_table=("bookworm  19            fonts-liberation2"
               "trixie    19            fonts-liberation")

codename="$(. /etc/os-release 2>/dev/null && echo "${VERSION_CODENAME:-}")"
llvm="" liberation=""
for row in "${release_table[@]}"; do
    read -r release version fonts <<<"$row"
    if [ "$release" = "$codename" ]; then
        llvm=$version liberation=$fonts
    fi
done
if [ -z "$llvm" ]; then
    echo "Trimwise knows the packages of Debian 12 (bookworm) and 13 (trixie);" \
         "this system is '${codename:-unknown}'." >&2
    exit 1
fi

# qt6-wayland makes the window a native client of a Wayland desktop's compositor.
run_packages=(g++ make cmake pkg-config qt6-base-dev qt6-wayland libgl-dev "$liberation"
              fonts-dejavu-core)
unit_packages=(libgtest-dev libgmock-dev libbenchmark-dev libgif-dev qemu-user)
# fonts-wine gives Wine the classic faces that every Windows has. The fuzz build takes the
# release's own clang with its libFuzzer. The Wayland runs start sway and GNOME's mutter
# headless, copy the clipboard with wl-copy, grab pictures with grim and compare them with PIL;
# xauth makes the X server that lets the program in only with a cookie.
test_packages=("${unit_packages[@]}" clang libclang-rt-dev
               xvfb xdotool xclip x11-utils libx11-dev libxdamage-dev libxfixes-dev wine wine64
               fonts-wine icoutils qt6-gtk-platformtheme git diffoscope msitools locales
               sway grim wl-clipboard mutter python3-pil xauth)
windows_packages=(cmake g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64 wixl msitools faketime)
package_packages=(dpkg-dev file)
# The browser page: C++ to WebAssembly with Debian's clang and wasi-libc, g++ for the tool that
# writes the page's window on this machine, and the browser and WebDriver that its end-to-end
# run and start-up benchmark drive: Chromium, Firefox ESR over WebDriver BiDi, WebKitGTK, and
# the headless Wayland compositor that gives WebKitGTK a touch screen.
web_packages=(cmake make g++ python3 "clang-$llvm" "lld-$llvm" "libc++-$llvm-dev-wasm32"
              "libc++abi-$llvm-dev-wasm32" "libclang-rt-$llvm-dev-wasm32" wasi-libc)
web_test_packages=(chromium chromium-driver python3-selenium firefox-esr webkit2gtk-driver
                   python3-websocket weston)
# npm for the pinned checker that the page's tests load into it, where no Node.js is there yet.
command -v npm >/dev/null 2>&1 || web_test_packages+=(nodejs npm)
# The Linux release checks: Debian's validators, and a screen reader's road to the window.
release_test_packages=(lintian desktop-file-utils appstream dbus-daemon dbus-bin at-spi2-core
                       python3-pyatspi)
extra_packages=(clang-format clang-tidy)

case "${1:-all}" in
    run) wanted=("${run_packages[@]}") ;;
    windows) wanted=("${windows_packages[@]}") ;;
    web) wanted=("${web_packages[@]}") ;;
    package) wanted=("${run_packages[@]}" "${package_packages[@]}") ;;
    unit) wanted=("${run_packages[@]}" "${unit_packages[@]}") ;;
    test) wanted=("${run_packages[@]}" "${windows_packages[@]}" "${package_packages[@]}"
                  "${test_packages[@]}" "${release_test_packages[@]}"
                  "${web_packages[@]}" "${web_test_packages[@]}") ;;
    all) wanted=("${run_packages[@]}" "${windows_packages[@]}" "${package_packages[@]}"
                 "${test_packages[@]}" "${release_test_packages[@]}" "${web_packages[@]}"
                 "${web_test_packages[@]}" "${extra_packages[@]}") ;;
    *) echo "usage: $0 run|windows|package|web|unit|test|all" >&2; exit 2 ;;
esac

installed() {
    dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'
}

if ! command -v dpkg-query >/dev/null 2>&1; then
    echo "Trimwise installs its build tools with Debian's apt-get; this system has no dpkg." >&2
    echo "Install by hand: ${wanted[*]}" >&2
    exit 1
fi

install_missing() {
    local missing=() as_root=()
    for package in "${wanted[@]}"; do
        installed "$package" || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    if [ "$(id -u)" -ne 0 ]; then
        if command -v sudo >/dev/null 2>&1; then
            as_root=(sudo)
        else
            echo "Missing Debian packages: ${missing[*]}" >&2
            echo "Run as root, or install sudo, so that they can be installed with apt-get." >&2
            exit 1
        fi
    fi

    echo "Installing missing Debian packages: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    "${as_root[@]}" apt-get update -qq
    "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# The versions of tests/web/package-lock.json, again whenever the lock file is newer.
install_page_checkers() {
    local folder
    folder="$(dirname "$0")/../tests/web"
    if [ ! -e "$folder/node_modules/.package-lock.json" ] ||
        [ "$folder/package-lock.json" -nt "$folder/node_modules/.package-lock.json" ]; then
        npm ci --prefix "$folder" --no-audit --no-fund
    fi
}

# The end-to-end runs in a German locale, where decimals are written with a comma.
generate_test_locale() {
    local as_root=()
    locale -a 2>/dev/null | grep -qx 'de_DE.utf8' && return 0
    [ "$(id -u)" -ne 0 ] && as_root=(sudo)
    echo "Generating the locale de_DE.UTF-8"
    "${as_root[@]}" sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)$/\1/' /etc/locale.gen
    grep -qx 'de_DE.UTF-8 UTF-8' /etc/locale.gen ||
        echo 'de_DE.UTF-8 UTF-8' | "${as_root[@]}" tee -a /etc/locale.gen >/dev/null
    "${as_root[@]}" locale-gen
}

install_missing
case "${1:-all}" in
    test | all) install_page_checkers && generate_test_locale ;;
esac
