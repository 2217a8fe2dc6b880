#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs whatever is missing (Debian 12 or 13, as root), builds, then
# either starts the program ("run") or runs the whole test suite ("test").
set -euo pipefail

mode=${1:-}
case "$mode" in
    run|test) ;;
    *) echo "usage: $0 run|test" >&2; exit 2 ;;
esac

cd "$(dirname "$0")/.."

# Qt's SVG image plug-in, which renders the PNG icons, comes with libqt6svg6
# on Debian 12 and has a package of its own from Debian 13 on. reuse needs
# git to leave out what .gitignore names.
packages=(g++ cmake make qt6-base-dev qt6-translations-l10n fonts-liberation 'qt6-svg-plugins|libqt6svg6'
    libbenchmark-dev xvfb xauth x11-utils)
[ "$mode" = test ] && packages+=(desktop-file-utils appstream reuse git dpkg-dev lintian devscripts dbus-daemon
    at-spi2-core)
bash scripts/install-missing.sh "${packages[@]}"

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"

if [ "$mode" = test ]; then
    ctest --test-dir build --output-on-failure -j"$(nproc)" -LE soak
else
    exec ./build/acht-damen
fi
