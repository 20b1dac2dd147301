#!/bin/bash
# Runs the README's two commands, tools/run-demo.sh and tools/run-tests.sh, on
# a fresh Debian as a new user would: in a clean root made by debootstrap
# from the Debian mirror this machine's apt uses, with a clean clone of this repository's committed
# HEAD, as root. Prints how long each took and exits with their status (the
# first that failed). Takes minutes; a check run by hand, not part of CI.
#
# Usage: sudo tools/fresh-debian-check.sh [--keep] [--reuse] [--root DIR]
#                                          [--mirror URL] bookworm|trixie
#   --keep     leave the root in place afterwards (it is removed by default)
#   --reuse    run in the root an earlier --keep left, with a new clone (no
#              longer a fresh machine: apt's installs stay; for re-runs)
#   --root     where to make the root (default /var/tmp/kestrix-fresh-RELEASE)
#   --mirror   another Debian mirror (default: the one apt's sources name
#              here, in either of their formats; its security archive too)
#
# The root's apt sources are the release, its updates and its security suite,
# as the installer writes them. It gets /proc, /sys, /dev, /dev/shm and a
# tmpfs /tmp, which Wine needs. All of that happens in a mount and process
# namespace of its own, so nothing is mounted on this machine's side, and no
# process started inside (a lingering wineserver) outlives the check; the
# mounts are taken down on every exit all the same, before the root is
# removed. The packages debootstrap fetches are kept in
# /var/tmp/kestrix-debootstrap-cache/RELEASE for the next root.
set -euo pipefail

usage() { sed -n 's/^# \{0,1\}//; 8,15p' "$0" >&2; exit 2; }

given=("$@")
keep=no reuse=no root= mirror= release=
while [ $# -gt 0 ]; do
    case $1 in
    --keep) keep=yes ;;
    --reuse) reuse=yes keep=yes ;;
    --root) root=${2:?}; shift ;;
    --root=*) root=${1#--root=} ;;
    --mirror) mirror=${2:?}; shift ;;
    --mirror=*) mirror=${1#--mirror=} ;;
    bookworm | trixie) release=$1 ;;
    *) usage ;;
    esac
    shift
done
[ -n "$release" ] || usage

# The archive of a Release label (Debian, Debian-Security) as this machine's
# apt reaches it: whatever its sources name, in either format.
apt_archive() {
    apt-get indextargets --format '$(LABEL)|$(REPO_URI)' 2>/dev/null |
        awk -F'|' -v label="$1" '$1 == label { sub(/\/+$/, "", $2); print $2; exit }'
}
if [ -z "${KESTRIX_FRESH_INSIDE:-}" ]; then
    if [ -n "$mirror" ]; then
        security=${mirror%/debian}/debian-security
        [ "$security" != "$mirror" ] || security=$(apt_archive Debian-Security)
    else
        mirror=$(apt_archive Debian)
        security=$(apt_archive Debian-Security)
    fi
    if [ -z "$mirror" ] || [ -z "$security" ]; then
        echo "fresh-debian-check: apt's sources here name no Debian archive${mirror:+ security archive}:" \
             "give --mirror URL" >&2
        exit 2
    fi
    export KESTRIX_FRESH_SECURITY=$security
fi
root=${root:-/var/tmp/kestrix-fresh-$release}
case $root in /*) ;; *) root=$PWD/$root ;; esac
src=$(cd "$(dirname "$0")/.." && pwd)
head=$(git -C "$src" rev-parse HEAD)
clone=/root/brask-dialog

if [ "$(id -u)" -ne 0 ]; then
    exec sudo "$0" "${given[@]}"
fi

# From here on, in namespaces of its own: mounts are private to it, and every
# process started inside dies with it.
if [ "${KESTRIX_FRESH_INSIDE:-}" != yes ]; then
    args=()
    [ $keep = no ] || args+=(--keep)
    [ $reuse = no ] || args+=(--reuse)
    export KESTRIX_FRESH_INSIDE=yes
    exec unshare --mount --pid --fork --propagation private \
        "$0" "${args[@]}" --root "$root" --mirror "$mirror" "$release"
fi

say() { echo "fresh-debian-check: $*" >&2; }

mounted=()
cleanup() {
    local status=$? i
    # Innermost first; lazily, so that a busy one still goes.
    for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do
        umount -l "${mounted[i]}" 2>/dev/null || say "could not unmount ${mounted[i]}"
    done
    if [ $keep = no ] && [ -d "$root" ]; then
        if grep -q " $root[/ ]" /proc/self/mounts; then
            say "something is still mounted under $root; leaving it in place"
        else
            rm -rf --one-file-system "$root"
        fi
    elif [ -d "$root" ]; then
        say "the root stays in $root (chroot $root; remove it with rm -rf $root)"
    fi
    exit $status
}
trap cleanup EXIT
trap 'exit 130' INT TERM

if ! command -v debootstrap >/dev/null; then
    say "installing debootstrap"
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends debootstrap >&2
fi

if [ $reuse = yes ] && [ -x "$root/bin/sh" ]; then
    say "reusing the root in $root"
else
    if [ -e "$root" ]; then
        say "$root is there already: remove it, or give --reuse or another --root"
        keep=yes
        exit 1
    fi
    cache=/var/tmp/kestrix-debootstrap-cache/$release
    mkdir -p "$cache"
    say "making a Debian $release root in $root from $mirror"
    start=$SECONDS
    debootstrap --cache-dir="$cache" "$release" "$root" "$mirror" >"$root.debootstrap.log" 2>&1 || {
        tail -n 20 "$root.debootstrap.log" >&2
        say "debootstrap failed (log: $root.debootstrap.log)"
        exit 1
    }
    rm -f "$root.debootstrap.log"
    say "root made in $((SECONDS - start)) s"
    security=$KESTRIX_FRESH_SECURITY
    cat >"$root/etc/apt/sources.list" <<EOF
deb $mirror $release main
deb $mirror $release-updates main
deb $security $release-security main
EOF
    cp /etc/resolv.conf "$root/etc/resolv.conf"
fi

mount_in() { # TYPE SOURCE TARGET [OPTIONS]
    mkdir -p "$3"
    if [ "$1" = bind ]; then
        mount --bind "$2" "$3"
    else
        mount -t "$1" ${4:+-o "$4"} "$2" "$3"
    fi
    mounted+=("$3")
}
mount_in proc proc "$root/proc"
mount_in sysfs sys "$root/sys"
mount_in bind /dev "$root/dev"
mount_in devpts devpts "$root/dev/pts" newinstance,ptmxmode=0666
mount_in tmpfs shm "$root/dev/shm" mode=1777
mount_in tmpfs tmp "$root/tmp" mode=1777

if [ -n "$(git -C "$src" status --porcelain --untracked-files=no)" ]; then
    say "the worktree has changes that are not committed; the check runs the committed $head"
fi
rm -rf "${root:?}$clone"
git clone -q --no-checkout "$src" "$root$clone"
git -C "$root$clone" checkout -q --detach "$head"
say "clone of $(git -C "$src" log -1 --format='%h %s' "$head")"

# A new user's shell: root's home, a plain PATH, no settings of this machine.
inside() {
    chroot "$root" /usr/bin/env -i HOME=/root TERM="${TERM:-dumb}" LANG=C.UTF-8 \
        PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        /bin/sh -c "cd $clone && $1"
}

status=0
report=()
for command in tools/run-demo.sh tools/run-tests.sh; do
    say "== $command"
    start=$SECONDS
    result=0
    inside "$command" || result=$?
    took=$((SECONDS - start))
    report+=("$command: exit $result after $((took / 60)) min $((took % 60)) s")
    [ $status -ne 0 ] || status=$result
done
say "Debian $release ($(. "$root/etc/os-release"; echo "$PRETTY_NAME")), commit ${head:0:12}:"
for line in "${report[@]}"; do say "  $line"; done
exit $status
