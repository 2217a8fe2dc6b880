#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs those of the named Debian packages that are not installed yet.
# "a|b" stands for the first of a and b that apt offers, for what moved
# from one package to another between releases.
set -euo pipefail

updated=
update() {
    [ -n "$updated" ] && return 0
    apt-get update -qq
    updated=1
}
offered() {
    apt-cache show --no-all-versions "$1" 2> /dev/null | grep '^Package:' > /dev/null
}
first_offered() {
    local p
    for p in ${1//|/ }; do
        offered "$p" && { echo "$p"; return 0; }
    done
    return 1
}

missing=()
for p in "$@"; do
    if [[ $p == *'|'* ]]; then
        # The lists may be missing or stale (a fresh system): ask apt again.
        choice=$(first_offered "$p") || { update; choice=$(first_offered "$p"); } ||
            { echo "none of $p is offered by apt" >&2; exit 1; }
        p=$choice
    fi
    dpkg-query -W -f='${Status}' "$p" 2> /dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "installing: ${missing[*]}"
    update
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
