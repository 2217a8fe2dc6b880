#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the Debian package from ./build, checks it as Debian's own tools
# would (lintian, hardening-check), checks what it holds and depends on,
# installs it, starts the installed program (offscreen) and ends it the way
# a desktop session does. Needs root for the install.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-missing.sh dpkg-dev lintian devscripts
cd build

rm -f acht-damen_*.deb
cpack -G DEB > /dev/null
deb=$(ls acht-damen_*.deb)
echo "built $deb"

# Any error or warning fails; the remaining tags are listed for the log.
lintian --pedantic --info --fail-on error,warning "$deb" 2> >(grep -v 'root privileges' >&2)
echo "lintian: no errors, no warnings"

contents=$(dpkg-deb -c "$deb")
for f in ./usr/bin/acht-damen \
         ./usr/share/applications/de.achtdamen.AchtDamen.desktop \
         ./usr/share/icons/hicolor/scalable/apps/de.achtdamen.AchtDamen.svg \
         ./usr/share/icons/hicolor/{48x48,64x64,128x128,256x256}/apps/de.achtdamen.AchtDamen.png \
         ./usr/share/metainfo/de.achtdamen.AchtDamen.metainfo.xml \
         ./usr/share/man/man1/acht-damen.1.gz ./usr/share/man/de/man1/acht-damen.1.gz \
         ./usr/share/doc/acht-damen/copyright ./usr/share/doc/acht-damen/changelog.gz; do
    grep -q " $f\$" <<< "$contents" || { echo "missing in package: $f" >&2; exit 1; }
done

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for d in libqt6widgets6 fonts-liberation; do
    grep -q "\b$d\b" <<< "$depends" || { echo "missing dependency: $d" >&2; exit 1; }
done

DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "./$deb" > /dev/null
trap 'DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq acht-damen > /dev/null' EXIT

# Control-flow protection cannot show in any Debian 12 program (the C
# start-up files lack it); the hardening test checks it in our objects.
hardening-check --nocfprotection /usr/bin/acht-damen
bash ../scripts/check-hardening.sh /usr/bin/acht-damen

QT_QPA_PLATFORM=offscreen /usr/bin/acht-damen &
pid=$!
sleep 2
kill -0 "$pid" || { echo "installed program did not stay up" >&2; exit 1; }
kill -TERM "$pid"
wait "$pid"
echo "installed program started and exited cleanly"
