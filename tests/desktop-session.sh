#!/bin/bash

# SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs a test as on a desktop with a screen reader: on an X server of its
# own, with a D-Bus session and the accessibility bus, so that Qt's bridge
# to assistive technology is active.
# Usage: desktop-session.sh COMMAND [ARG...]
set -eu
export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
dbus-run-session -- bash -c '
    /usr/libexec/at-spi-bus-launcher --launch-immediately > /dev/null 2>&1 &
    bus=$!
    xvfb-run -a "$@"
    rc=$?
    kill $bus 2> /dev/null
    exit $rc' _ "$@" 2> >(grep -v "Failed to set fd limit" >&2)
