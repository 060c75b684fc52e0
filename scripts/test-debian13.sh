#!/usr/bin/env bash
# Runs the README's `make test`, with CI=true, on a clean Debian 13 (trixie): a root made with
# mmdebstrap from Debian's archive, the tree's last commit cloned into it. The root's
# /proc, /sys, /dev, /dev/pts and /dev/shm are mounted for the run and unmounted again however
# it ends; the root itself is removed afterwards. The run's ctest logs are kept in
# build/artifacts/debian13/. Needs root (mmdebstrap, mount, chroot) and network to
# deb.debian.org, and for the page's checkers, to npm's registry.
#   scripts/test-debian13.sh
set -euo pipefail

cd "$(dirname "$0")/.."
TREE=$PWD
MIRROR=${DEBIAN_MIRROR:-http://deb.debian.org/debian}
LOGS=$TREE/build/artifacts/debian13

if [ "$(id -u)" -ne 0 ]; then
    echo "Making and entering a Debian root takes root: run it with sudo." >&2
    exit 1
fi
command -v mmdebstrap >/dev/null 2>&1 || apt-get install -y -qq --no-install-recommends mmdebstrap
commit=$(git rev-parse --verify HEAD)

ROOT=$(mktemp -d "${TMPDIR:-/var/tmp}/trimwise-debian13.XXXXXX")
mounted=()
# Unmounts in reverse order before anything is removed, so that removing the root can never
# reach the host's /dev or /sys.
cleanup() {
    local status=$? i
    for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do
        umount "${mounted[i]}" || umount -l "${mounted[i]}" || status=1
    done
    if awk -v root="$ROOT/" 'index($5 "/", root) == 1 { found = 1 } END { exit !found }' \
        /proc/self/mountinfo; then
        echo "Still mounted under $ROOT; it is left in place." >&2
        exit 1
    fi
    rm -rf --one-file-system "$ROOT"
    exit "$status"
}
trap cleanup EXIT

started=$(date +%s)
# mmdebstrap wants the target empty or absent.
rmdir "$ROOT"
mmdebstrap --variant=apt --include=ca-certificates,git,make,sudo trixie "$ROOT" "$MIRROR"

mount_in_root() {
    mkdir -p "$ROOT/$1"
    mount "${@:2}" "$ROOT/$1"
    mounted+=("$ROOT/$1")
}
mount_in_root proc -t proc proc
mount_in_root sys -t sysfs sysfs
mount_in_root dev --bind /dev
mount_in_root dev/pts --bind /dev/pts
mount_in_root dev/shm -t tmpfs tmpfs

# The root trusts the certificates that this machine's administrator added, as a proxy in
# the way to npm's registry may need; Node.js reads them from the system's list.
if compgen -G "/usr/local/share/ca-certificates/*.crt" >/dev/null; then
    cp /usr/local/share/ca-certificates/*.crt "$ROOT/usr/local/share/ca-certificates/"
    chroot "$ROOT" update-ca-certificates >/dev/null
fi

git clone -q --no-local "$TREE" "$ROOT/root/trimwise"
git -C "$ROOT/root/trimwise" checkout -q --detach "$commit"
[ -f "$HOME/.npmrc" ] && cp "$HOME/.npmrc" "$ROOT/root/.npmrc"

# -k goes on past a failing step, so that one run shows every failure; the status is still
# that of make test.
status=0
chroot "$ROOT" /usr/bin/env -i HOME=/root LANG=C.UTF-8 CI=true \
    NODE_EXTRA_CA_CERTS=/etc/ssl/certs/ca-certificates.crt \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    make -k -C /root/trimwise test || status=$?

rm -rf "$LOGS" && mkdir -p "$LOGS"
for build in build build-asan build-fuzz; do
    log=$ROOT/root/trimwise/$build/Testing/Temporary/LastTest.log
    [ -f "$log" ] && cp "$log" "$LOGS/$build-LastTest.log"
done
echo "Debian 13, commit $commit: make test ended with status $status" \
    "after $(($(date +%s) - started)) seconds" | tee "$LOGS/summary.txt"
exit "$status"
