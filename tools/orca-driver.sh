#!/bin/bash

# SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Drives the program for a screen reader session (Orca, headless, speech to a
# file): PROGRAM [hand|run|protokoll|vorhersage]. "hand" moves queens by
# keyboard, makes single steps, stops a run at the first solution and reads
# two cells; "run" makes one full run and writes how long it took until the
# "fertig" box appeared; "protokoll" turns the marks on, makes six single
# steps, opens the protocol and reads its last lines; "vorhersage" turns
# the practice on, answers two questions with the keys 1 and 2, and asks
# for the score.
set -u
prog=${1:?usage: orca-driver.sh PROGRAM [hand|run|protokoll|vorhersage]}
mode=${2:-hand}

note() { [ -n "${SPOKEN_TXT:-}" ] && echo "$(date +%T.%3N) >> $*" >> "$SPOKEN_TXT"; return 0; }
key() { note "key $*"; xdotool key "$@"; sleep 1.2; }
click() { note "click $1"; xdotool mousemove --window "$win" "$2" "$3" click 1; sleep 1.2; }
windows() { xdotool search --onlyvisible --pid "$pid" 2>/dev/null | wc -l; }

"$prog" &
pid=$!
win=
for _ in $(seq 200); do
    win=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -n 1)
    [ -n "$win" ] && break
    sleep 0.1
done
[ -n "$win" ] || { echo "orca-driver: no window" >&2; kill "$pid"; exit 1; }
xdotool windowmove "$win" 0 0
sleep 2
click "into the window" 810 540

if [ "$mode" = protokoll ]; then
    # The context menu: its second item shows the marks, its fifth opens
    # the protocol.
    key shift+F10
    key Down Down Return
    for n in 1 2 3 4 5 6; do click "Einzelschritt $n" 549 80; done
    key shift+F10
    key Down Down Down Down Down Return
    sleep 1
    key Up
    key Up
    key Down
    key Escape
elif [ "$mode" = vorhersage ]; then
    # The context menu's sixth item: "Vorhersage üben".
    key shift+F10
    key Down Down Down Down Down Down Return
    sleep 1
    for answer in 1 2; do
        click "into the window" 810 540
        click "Einzelschritt" 549 80
        sleep 1
        key "$answer"
        sleep 2
    done
    # "Stand ansagen" in the pane beside the window, by its key.
    beside=$(xdotool search --onlyvisible --name "Suche im" | head -n 1)
    note "activate the window beside"
    xdotool windowactivate "$beside"
    sleep 2
    key alt+s
elif [ "$mode" = run ]; then
    note "click Durchlauf"
    start=$(date +%s%N)
    xdotool mousemove --window "$win" 690 80 click 1
    while [ "$(windows)" -lt 2 ]; do sleep 0.01; done
    echo "run until the fertig box: $(( ($(date +%s%N) - start) / 1000000 )) ms"
    note "fertig box is up"
    sleep 5
    key Return
else
    # Queen sliders c and d (a click on the thumb only takes the focus).
    click "thumb of the slider in column c" 181 464
    key Up
    key Up
    key Tab
    key Up
    key Up
    key Down
    key Down
    click "Einzelschritt" 549 80
    key space
    key space
    click "Stop bei Lösung" 635 120
    key shift+Tab
    key shift+Tab
    key space
    sleep 2
    key n
    sleep 2
    click "cell a1" 80 360
    key Tab
    key Tab
fi
sleep 2
note "end the program"
kill "$pid" 2>/dev/null
wait "$pid" 2>/dev/null
exit 0
