#!/usr/bin/env bash
# Builds the Debian package from ./build, checks what it holds and depends
# on, installs it, starts the installed program (offscreen) and ends it the
# way a desktop session does. Needs root for the install.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-missing.sh dpkg-dev
cd build

rm -f acht-damen_*.deb
cpack -G DEB > /dev/null
deb=$(ls acht-damen_*.deb)
echo "built $deb"

contents=$(dpkg-deb -c "$deb")
for f in ./usr/bin/acht-damen \
         ./usr/share/applications/de.achtdamen.AchtDamen.desktop \
         ./usr/share/icons/hicolor/scalable/apps/de.achtdamen.AchtDamen.svg \
         ./usr/share/metainfo/de.achtdamen.AchtDamen.metainfo.xml; do
    grep -q " $f\$" <<< "$contents" || { echo "missing in package: $f" >&2; exit 1; }
done

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for d in libqt6widgets6 fonts-liberation libqt6svg6; do
    grep -q "\b$d\b" <<< "$depends" || { echo "missing dependency: $d" >&2; exit 1; }
done

DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "./$deb" > /dev/null
trap 'DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq acht-damen > /dev/null' EXIT

QT_QPA_PLATFORM=offscreen /usr/bin/acht-damen &
pid=$!
sleep 2
kill -0 "$pid" || { echo "installed program did not stay up" >&2; exit 1; }
kill -TERM "$pid"
wait "$pid"
echo "installed program started and exited cleanly"
