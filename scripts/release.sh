#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Makes a release that anyone can rebuild and compare, in dist/:
#   acht-damen-VERSION.tar.xz   the committed source (git archive of HEAD)
#   acht-damen_VERSION_ARCH.deb built from that tarball, not from the work tree
#   SHA256SUMS
# With a tarball as argument it builds the package from that tarball
# instead, to check a downloaded release against its SHA256SUMS.
# Everything dated carries one date, SOURCE_DATE_EPOCH: when it is not set,
# the last commit's, or, given a tarball, the date its changelog carries.
set -euo pipefail

# The package's archive members take their mode from the umask.
umask 022
given=${1:+$(realpath "$1")}
cd "$(dirname "$0")/.."
bash scripts/install-missing.sh g++ cmake make qt6-base-dev libqt6svg6 git xz-utils dpkg-dev file
top=$PWD
version=$(sed -n 's/^project(acht-damen VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
name=acht-damen-$version
dist=$top/dist
work=$top/build-release
tarball=$dist/$name.tar.xz
rm -rf "$work"
mkdir -p "$work" "$dist"

if [ -n "$given" ]; then
    [ "$given" = "$tarball" ] || cp "$given" "$tarball"
    if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
        trailer=$(tar -xOf "$tarball" "$name/data/changelog" | grep -m1 '^ -- ')
        SOURCE_DATE_EPOCH=$(date -u -d "${trailer##*>  }" +%s)
    fi
    export SOURCE_DATE_EPOCH
else
    if [ -n "$(git status --porcelain --untracked-files=no)" ]; then
        echo "note: uncommitted changes are not in the release, it is HEAD's" >&2
    fi
    export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}
    git -c tar.umask=0022 archive --format=tar --prefix="$name/" HEAD | tar -x -C "$work"
    # The tarball's changelog, manual pages and metainfo carry the date too,
    # so that a build from it needs neither git nor SOURCE_DATE_EPOCH.
    cmake -DEPOCH="$SOURCE_DATE_EPOCH" -DDIR="$work/$name/data" -P "$work/$name/data/release-date.cmake"
    # Names sorted bytewise, one owner, one date, modes without the umask's
    # say; xz on one thread, as its output depends on the thread count.
    tar --create --format=gnu --sort=name --mtime="@$SOURCE_DATE_EPOCH" \
        --owner=0 --group=0 --numeric-owner --mode=u=rwX,go=rX \
        -C "$work" "$name" | xz -9 -T1 > "$tarball.part"
    mv "$tarball.part" "$tarball"
    rm -rf "${work:?}/$name"
fi
echo "source: $tarball (SOURCE_DATE_EPOCH=$SOURCE_DATE_EPOCH, $(date -u -d "@$SOURCE_DATE_EPOCH" '+%F %T') UTC)"

# The package, from the tarball alone: a release build, without tests and
# benchmarks.
tar -xf "$tarball" -C "$work"
src=$work/$name
log=$work/build.log
{
    cmake -S "$src" -B "$src/build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
        -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON
    cmake --build "$src/build" -j2
    (cd "$src/build" && cpack -G DEB)
} > "$log" 2>&1 || { tail -40 "$log" >&2; echo "build failed, whole log: $log" >&2; exit 1; }
deb=$(cd "$src/build" && ls acht-damen_"$version"_*.deb)
rm -f "$dist"/acht-damen_*.deb
cp "$src/build/$deb" "$dist/$deb"
echo "package: $dist/$deb"

(cd "$dist" && sha256sum "$name.tar.xz" "$deb" > SHA256SUMS && cat SHA256SUMS)
