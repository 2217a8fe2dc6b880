#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs a command, as root, in a fresh minimal Debian system of the given
# release, on a clone of this repository's HEAD (what is not committed is
# not there):
#
#   scripts/in-debian.sh SUITE COMMAND [ARG...]
#   scripts/in-debian.sh trixie ./scripts/bootstrap.sh test
#
# The system is made with debootstrap in a temporary folder (under TMPDIR,
# else /var/tmp) from DEBIAN_MIRROR (default: Debian's own archive) and
# removed afterwards. Its mounts live in a mount namespace of their own and
# its processes in a PID namespace of their own, so the kernel takes both
# down with the script, however it ends. Needs root on a Debian host.
set -euo pipefail

if [ -n "${IN_DEBIAN_ROOT:-}" ]; then
    # Inside the namespaces: make the system, mount what it needs, run.
    root=$IN_DEBIAN_ROOT suite=$1 mirror=$2
    shift 2
    echo "in-debian: debootstrap $suite (log: $root.debootstrap.log)"
    if ! debootstrap --variant=minbase "$suite" "$root" "$mirror" > "$root.debootstrap.log" 2>&1; then
        tail -n 20 "$root.debootstrap.log" >&2
        exit 1
    fi
    git clone --quiet --no-checkout "$IN_DEBIAN_SOURCE" "$root/root/acht-damen"
    git -C "$root/root/acht-damen" checkout --quiet --detach "$IN_DEBIAN_COMMIT"

    mount -t proc proc "$root/proc"
    mount -t sysfs -o ro sysfs "$root/sys"
    # A /dev of its own, independent of how the temporary folder is mounted.
    mount -t tmpfs -o mode=0755,nosuid tmpfs "$root/dev"
    for node in null:1:3 zero:1:5 full:1:7 random:1:8 urandom:1:9 tty:5:0; do
        IFS=: read -r name major minor <<< "$node"
        mknod -m 0666 "$root/dev/$name" c "$major" "$minor"
    done
    mkdir "$root/dev/pts" "$root/dev/shm"
    ln -s pts/ptmx "$root/dev/ptmx"
    ln -s /proc/self/fd "$root/dev/fd"
    ln -s /proc/self/fd/0 "$root/dev/stdin"
    ln -s /proc/self/fd/1 "$root/dev/stdout"
    ln -s /proc/self/fd/2 "$root/dev/stderr"
    mount -t devpts -o newinstance,ptmxmode=0666,mode=0620 devpts "$root/dev/pts"
    mount -t tmpfs -o mode=1777,nosuid,nodev tmpfs "$root/dev/shm"

    echo "in-debian: running $* in $suite"
    # Not exec'd: the namespace's first process stays this shell, which
    # reaps what daemons leave behind, not the command under test.
    status=0
    chroot "$root" /usr/bin/env -i HOME=/root LANG=C.UTF-8 TERM="${TERM:-dumb}" \
        PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        /bin/sh -c 'cd /root/acht-damen && exec "$@"' in-debian "$@" || status=$?
    exit "$status"
fi

if [ $# -lt 2 ]; then
    echo "usage: $0 SUITE COMMAND [ARG...]" >&2
    exit 2
fi
[ "$(id -u)" = 0 ] || { echo "in-debian: needs root" >&2; exit 2; }
suite=$1
shift
top=$(cd "$(dirname "$0")/.." && pwd)
commit=$(git -C "$top" rev-parse HEAD)
bash "$top/scripts/install-missing.sh" debootstrap

root=$(mktemp -d -p "${TMPDIR:-/var/tmp}" "in-debian-$suite.XXXXXX")
chmod 0755 "$root" # the system's /, where apt's own user must find its way
child=
# shellcheck disable=SC2317 # called from the traps
cleanup() {
    local rc=$? pid left=
    trap - EXIT INT TERM HUP
    # unshare passes no signal on: ending it ends the namespaces' first
    # process (--kill-child), and with it every process inside.
    if [ -n "$child" ] && kill -0 "$child" 2> /dev/null; then
        kill -KILL "$child" 2> /dev/null || true
    fi
    [ -z "$child" ] || wait "$child" 2> /dev/null || true
    for _ in $(seq 50); do
        left=
        for pid in /proc/[0-9]*; do
            [ "$(readlink "$pid/root" 2> /dev/null)" = "$root" ] && left="$left ${pid#/proc/}"
        done
        [ -z "$left" ] && break
        sleep 0.1
    done
    if [ -n "$left" ]; then
        echo "in-debian: processes still in $root:$left; the folder stays" >&2
    elif grep -qF " $root" /proc/self/mountinfo; then
        echo "in-debian: something is still mounted under $root; the folder stays" >&2
    else
        rm -rf --one-file-system "$root" "$root.debootstrap.log"
    fi
    exit "$rc"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
trap 'exit 129' HUP

start=$SECONDS
IN_DEBIAN_ROOT=$root IN_DEBIAN_SOURCE=$top IN_DEBIAN_COMMIT=$commit \
    unshare --mount --propagation private --pid --fork --mount-proc --kill-child \
    bash "$top/scripts/in-debian.sh" "$suite" "${DEBIAN_MIRROR:-http://deb.debian.org/debian}" "$@" &
child=$!
rc=0
wait "$child" || rc=$?
child=
echo "in-debian: $suite: status $rc after $((SECONDS - start)) s"
exit "$rc"
