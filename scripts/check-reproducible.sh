#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the release of the current commit twice, the second time as another
# machine would: in a folder of another path and length, a year and more
# later by the clock (faketime), in another time zone and locale, with
# another umask and HOME. Then compares the two tarballs and packages byte
# for byte, and shows where they differ if they do (diffoscope when it is
# installed). Checks too that no build folder is left in the program and
# that every date in the package is the release's.
set -euo pipefail
cd "$(dirname "$0")/.."
# What release.sh needs it installs itself.
bash scripts/install-missing.sh git binutils faketime locales
locale -a | grep -qx 'de_DE.utf8' || localedef -i de_DE -f UTF-8 de_DE.UTF-8

commit=$(git rev-parse HEAD)
root=$(mktemp -d /tmp/reproducible.XXXXXX)
trap 'rm -rf "$root"' EXIT
one=$root/a
two=$root/zweiter-lauf/in-einem-ordner-mit-viel-laengerem-namen
mkdir -p "$root/home-one" "$root/home-two"

# What each build sees.
show='echo "  clock $(date "+%A %F %T %Z"), LANG=$LANG, umask $(umask), HOME=$HOME"'
start=$SECONDS
for dir in "$one" "$two"; do
    git clone -q --no-checkout "$PWD" "$dir"
    git -C "$dir" checkout -q --detach "$commit"
done
echo "release of $commit, first build in $one"
(umask 022; env -u SOURCE_DATE_EPOCH -u LC_ALL -u LANGUAGE HOME="$root/home-one" TZ=UTC LANG=C.UTF-8 \
    bash -c "$show && bash '$one/scripts/release.sh'") > "$root/one.log" 2>&1 || { cat "$root/one.log"; exit 1; }
head -1 "$root/one.log"
echo "second build in $two"
(umask 002; env -u SOURCE_DATE_EPOCH -u LC_ALL -u LANGUAGE HOME="$root/home-two" TZ='<+1345>-13:45' \
    LANG=de_DE.UTF-8 faketime -f '+400d' bash -c "$show && bash '$two/scripts/release.sh'") > "$root/two.log" 2>&1 ||
    { cat "$root/two.log"; exit 1; }
head -1 "$root/two.log"
echo "both built in $((SECONDS - start)) s"

same=1
for kind in tar.xz deb; do
    a=$(ls "$one"/dist/*."$kind")
    b=$(ls "$two"/dist/*."$kind")
    echo "$(sha256sum "$a" | cut -d' ' -f1)  first  $(basename "$a")"
    echo "$(sha256sum "$b" | cut -d' ' -f1)  second $(basename "$b")"
    cmp -s "$a" "$b" && continue
    same=0
    echo "DIFFERENT: $(basename "$a")" >&2
    if command -v diffoscope > /dev/null; then
        diffoscope "$a" "$b" >&2 || true
        continue
    fi
    cmp "$a" "$b" >&2 || true
    for run in "$a" "$b"; do
        mkdir -p "$run.x"
        if [ "$kind" = deb ]; then
            dpkg-deb -R "$run" "$run.x"
            ar tv "$run" > "$run.list"
            TZ=UTC dpkg-deb -c "$run" >> "$run.list"
        else
            tar -xf "$run" -C "$run.x"
            TZ=UTC tar -tvf "$run" > "$run.list"
        fi
    done
    diff "$a.list" "$b.list" >&2 || true
    diff -r "$a.x" "$b.x" >&2 || true
    # A differing program most often differs in a string, such as a path.
    diff -rq "$a.x" "$b.x" | sed -n 's/^Files \(.*\) and \(.*\) differ$/\1 \2/p' |
        while read -r x y; do diff <(strings "$x") <(strings "$y") | head -20 >&2; done || true
done
[ "$same" = 1 ] || { echo "not reproducible" >&2; exit 1; }
echo "tarball and package identical"

# The program names its source files relative to the project, never by a
# build folder.
deb=$(ls "$one"/dist/*.deb)
dpkg-deb -x "$deb" "$root/installed"
if strings "$root/installed/usr/bin/acht-damen" | grep -F -e "$root" -e /tmp/; then
    echo "build folder in the program" >&2
    exit 1
fi
echo "program without build folder; its file names: $(strings "$root/installed/usr/bin/acht-damen" |
    grep -E '\.(cpp|h)$' | sort -u | tr '\n' ' ')"

# One date everywhere: every file in the package, the changelog, both
# manual pages and the metainfo.
epoch=$(git log -1 --format=%ct "$commit")
day=$(date -u -d "@$epoch" +%F)
stamp=$(date -u -d "@$epoch" '+%F %T')
others=$(dpkg-deb --fsys-tarfile "$deb" | TZ=UTC tar -tv --full-time | awk '{print $4" "$5}' |
    grep -v -c -x "$stamp" || true)
changelog=$(zcat "$root/installed/usr/share/doc/acht-damen/changelog.gz" | grep -m1 '^ -- ')
dates="$(date -u -d "${changelog##*>  }" +%F)
$(zcat "$root"/installed/usr/share/man/man1/acht-damen.1.gz "$root"/installed/usr/share/man/de/man1/acht-damen.1.gz |
    awk '/^\.TH/ {print $4}')
$(grep -o 'release version="[^"]*" date="[^"]*"' "$root"/installed/usr/share/metainfo/*.xml | head -1 | sed 's/.*date="//; s/"//')"
if [ "$others" != 0 ] || [ "$(sort -u <<< "$dates")" != "$day" ]; then
    echo "dates disagree with $stamp: $others files dated otherwise; changelog, manual pages, metainfo:" $dates >&2
    exit 1
fi
echo "all dates $stamp UTC (changelog, manual pages, metainfo: $day)"
echo "reproducible in $((SECONDS - start)) s"
