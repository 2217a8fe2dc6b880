#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
#
# SPDX-License-Identifier: GPL-3.0-or-later
"""The companion window "Suche im Überblick" in the real program, as a screen reader finds it.

Opens "Suchbaum" and "Ablauf" from the window's menu (Shift+F10 and the
arrow keys), and checks: the whole search's counts per column
before any step; after five single steps the path "a1 b3 c5 d2 e4" and a
current line of the Ablauf that sets a queen ("setze"); after the sixth a
line that goes back ("zurück"); and that both windows lie on the screen
without covering each other, also when it is opened again after the main
window was moved to where it stood. With a folder as second argument it leaves a
screenshot of the screen there after step 6.

Run inside a desktop session with the accessibility bus and a window manager:
    tests/desktop-session.sh bash -c 'openbox & sleep 1; /usr/bin/python3 tools/atspi-ueberblick.py PROGRAM [FOLDER]'
Exit status 0 when everything held, 1 otherwise.
"""

import subprocess
import sys
import time

import pyatspi

from atspi_hilfe import (anwendung, ausmass, druecke, fenster, fenster_auf_dem_schirm, log, menuepunkt, pruefe, suche,
                         warte, xdo)

GANZ = [8, 42, 140, 344, 568, 550, 312, 92]


def aktuelle_zeile(liste):
    """The line the list has selected, as its current one."""
    return next((z.name for z in liste if z is not None and z.getState().contains(pyatspi.STATE_SELECTED)), "")


def ueberblick(proc, fehler, _ordner):
    app = warte(lambda: anwendung(proc.pid), 15)
    haupt = warte(lambda: fenster(app, "Acht Damen"))
    e = ausmass(haupt)
    xdo("mousemove", e[0] + e[2] - 4, e[1] + e[3] - 4, "click", 1)
    time.sleep(0.5)
    for name in ("Suchbaum", "Ablauf"):
        menuepunkt(name)
    ueber = warte(lambda: fenster(app, "Suche im Überblick"))
    if not ueber:
        raise RuntimeError("kein Fenster \"Suche im Überblick\"")
    # The picture's words: the path, then per column the queens set of
    # those of the whole search.
    bild = warte(lambda: pyatspi.findDescendant(
        ueber, lambda a: a is not None and a.name == "Bild des ganzen Suchbaums"))
    if not bild:
        raise RuntimeError("kein Bild des Suchbaums")
    worte = warte(lambda: bild.description if "Spalte a:" in bild.description else None)
    log(f"vor dem ersten Schritt: {worte!r}")
    for spalte, ganz in zip("abcdefgh", GANZ):
        if f"Spalte {spalte}: 0 von {ganz} gesetzt" not in (worte or ""):
            fehler.append(f"vor dem ersten Schritt: {worte!r}")
            break
    schritt = suche(haupt, pyatspi.ROLE_PUSH_BUTTON, "Einzelschritt")
    zeilen = suche(ueber, pyatspi.ROLE_LIST, "Ablauf eines Schritts")
    for n in range(1, 7):
        druecke(schritt)
        warte(lambda: suche(haupt, pyatspi.ROLE_TEXT, "Such- bzw. Rechenschritte").queryText().getText(0, -1)
              == str(n))
        time.sleep(0.3)
        weg = bild.description.split("; ")[0]
        zeile = aktuelle_zeile(zeilen)
        log(f"Schritt {n}: {weg!r}, Ablauf {zeile!r}")
        if n == 5 and (weg != "Weg: a1 b3 c5 d2 e4" or "setze" not in zeile):
            fehler.append(f"nach fünf Schritten: {weg!r}, {zeile!r}")
        if n == 6 and "zurück" not in zeile:
            fehler.append(f"nach Schritt 6: {zeile!r}")
    nebeneinander(haupt, ueber, fehler)

    # Closed, the main window moved to where the window beside it stood,
    # and opened again: on the other side now.
    e = ausmass(haupt)
    xdo("mousemove", e[0] + e[2] - 4, e[1] + e[3] - 4, "click", 1)
    time.sleep(0.5)
    for name in ("Suchbaum", "Ablauf"):
        menuepunkt(name)
    if not warte(lambda: not ueber.getState().contains(pyatspi.STATE_SHOWING)):
        fehler.append("nach dem Abhaken noch zu sehen")
    kennung = subprocess.run(["xdotool", "search", "--name", "^Acht Damen$"], capture_output=True,
                             text=True, check=False).stdout.split()
    xdo("windowmove", "--sync", kennung[-1], 463, 200)
    time.sleep(0.5)
    xdo("mousemove", 463 + e[2] - 4, 200 + e[3] - 4, "click", 1)
    time.sleep(0.5)
    menuepunkt("Suchbaum")
    warte(lambda: ueber.getState().contains(pyatspi.STATE_SHOWING))
    time.sleep(0.5)
    nebeneinander(haupt, ueber, fehler)


def nebeneinander(haupt, ueber, fehler):
    """Both windows on the screen, their title bars too, neither over the other."""
    a, b = ausmass(haupt), ausmass(ueber)
    log(f"Hauptfenster {a}, Überblick {b}")
    fenster_auf_dem_schirm("Hauptfenster", a, fehler)
    fenster_auf_dem_schirm("Überblick", b, fehler)
    if a[0] < b[0] + b[2] and b[0] < a[0] + a[2] and a[1] < b[1] + b[3] and b[1] < a[1] + a[3]:
        fehler.append(f"die Fenster überdecken sich: {a}, {b}")


if __name__ == "__main__":
    sys.exit(pruefe(sys.argv, ueberblick, "ueberblick"))
