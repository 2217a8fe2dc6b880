#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
#
# SPDX-License-Identifier: GPL-3.0-or-later
"""A lesson with the real program, as a screen reader finds it.

Checks: the window's menu offers "Von vorn", "Gehe zu Schritt …",
"Vorhersage üben" and the pace "1 pro Sekunde"; "Gehe zu Schritt" 218
shows a1 b5 c8 d6 e3 f7 g2 h4 and step 218, then 37 shows the board of
step 37; "Von vorn" and one step show step 1 with a1; with "Vorhersage
üben" on, a step answered with the key 1 from the start is called right,
the next, answered with 2, is called wrong naming a1 as the attacker of
b2, and the score reads "1 von 2 richtig"; the protocol's line of step 6
begins with its outcome. With a folder as second argument it leaves a
screenshot of the screen there after the second guess.

Run inside a desktop session with the accessibility bus and a window manager:
    tests/desktop-session.sh bash -c 'openbox & sleep 1; /usr/bin/python3 tools/atspi-lehrstunde.py PROGRAM [FOLDER]'
Exit status 0 when everything held, 1 otherwise.
"""

import sys
import time

import pyatspi
from gi.repository import GLib

from atspi_hilfe import (SPALTEN, anwendung, ausmass, auf_dem_schirm, bildschirm, druecke, fenster,
                         fenster_auf_dem_schirm, log, menuepunkt, pruefe, suche, text, warte, xdo)


def pumpe(sekunden):
    """Lets the events of the accessibility bus arrive meanwhile."""
    ende = time.monotonic() + sekunden
    kontext = GLib.MainContext.default()
    while time.monotonic() < ende:
        while kontext.pending():
            kontext.iteration(False)
        time.sleep(0.02)


def menuepunkte():
    """The names of the menu's items as the keys walk through them, the
    pace submenu's too: what a screen reader is told as each gets the focus."""
    gesehen = []

    def hoere(ereignis):
        if ereignis.detail1 == 1 and ereignis.source is not None:
            gesehen.append(ereignis.source.name)

    pyatspi.Registry.registerEventListener(hoere, "object:state-changed:focused")
    xdo("key", "shift+F10")
    pumpe(0.5)
    for taste in ["Down"] * 10 + ["Right"] + ["Down"] * 6:
        xdo("key", taste)
        pumpe(0.15)
    xdo("key", "Escape")
    xdo("key", "Escape")
    pumpe(0.3)
    pyatspi.Registry.deregisterEventListener(hoere, "object:state-changed:focused")
    return gesehen


def hauptfenster_aktiv(haupt):
    """A click on the main window's empty corner, wherever it stands now."""
    e = haupt.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    xdo("mousemove", e.x + e.width - 4, e.y + e.height - 4, "click", 1)
    time.sleep(0.3)


def label(wurzel, anfang):
    return pyatspi.findDescendant(
        wurzel, lambda a: a is not None and a.getRole() == pyatspi.ROLE_LABEL and a.name.startswith(anfang))


def lehrstunde(proc, fehler, ordner):
    app = warte(lambda: anwendung(proc.pid), 15)
    haupt = warte(lambda: fenster(app, "Acht Damen"))
    hauptfenster_aktiv(haupt)
    werte = [suche(haupt, pyatspi.ROLE_TEXT, f"Reihe der Dame in Spalte {s}") for s in SPALTEN]
    schritte = suche(haupt, pyatspi.ROLE_TEXT, "Such- bzw. Rechenschritte")

    def brett():
        return " ".join(text(w) for w in werte)

    punkte = menuepunkte()
    log(f"Menüpunkte: {punkte}")
    for gesucht in ("Von vorn", "Gehe zu Schritt …", "Vorhersage üben", "1 pro Sekunde"):
        if gesucht not in punkte:
            fehler.append(f"kein Menüpunkt {gesucht!r}")

    def gehe_zu(nummer):
        xdo("key", "ctrl+g")
        dialog = warte(lambda: fenster(app, "Gehe zu Schritt"))
        if not dialog:
            raise RuntimeError("kein Dialog \"Gehe zu Schritt\"")
        xdo("key", "ctrl+a")
        xdo("type", str(nummer))
        xdo("key", "Return")
        warte(lambda: text(schritte) == str(nummer), 10)
        time.sleep(0.3)

    gehe_zu(218)
    log(f"Gehe zu 218: Schritt {text(schritte)}, Brett {brett()}")
    if text(schritte) != "218" or brett() != "1 5 8 6 3 7 2 4":
        fehler.append(f"nach \"Gehe zu\" 218: {text(schritte)}, {brett()}")
    gehe_zu(37)
    log(f"Gehe zu 37: Schritt {text(schritte)}, Brett {brett()}")
    if text(schritte) != "37" or brett() != "1 3 6 2 0 0 0 0":
        fehler.append(f"nach \"Gehe zu\" 37: {text(schritte)}, {brett()}")

    einzeln = suche(haupt, pyatspi.ROLE_PUSH_BUTTON, "Einzelschritt")
    xdo("key", "ctrl+n")
    warte(lambda: text(schritte) == "")
    druecke(einzeln)
    warte(lambda: text(schritte) == "1")
    log(f"Von vorn, ein Schritt: Schritt {text(schritte)}, Brett {brett()}")
    if text(schritte) != "1" or brett() != "1 0 0 0 0 0 0 0":
        fehler.append(f"nach \"Von vorn\" und einem Schritt: {text(schritte)}, {brett()}")

    # The protocol's line of step 6.
    menuepunkt("Suchprotokoll")
    ueber = warte(lambda: fenster(app, "Suche im Überblick"))
    for n in range(2, 7):
        druecke(einzeln)
        warte(lambda n=n: text(schritte) == str(n))
    liste = suche(ueber, pyatspi.ROLE_LIST, "Suchprotokoll")
    zeile = warte(lambda: next((z.name for z in liste if z is not None and "Schritt 6," in z.name), None), 5)
    log(f"Zeile von Schritt 6: {zeile!r}")
    if not zeile or not zeile.strip().startswith("Schritt 6, f: keine Reihe frei, zurück zu e"):
        fehler.append(f"Zeile von Schritt 6: {zeile!r}")

    # Practice: from the start, 1 is right, then 2 is wrong.
    xdo("key", "ctrl+n")
    warte(lambda: text(schritte) == "")
    menuepunkt("Vorhersage üben")
    warte(lambda: suche(ueber, pyatspi.ROLE_PUSH_BUTTON, "Stand ansagen"))
    for taste in ("1", "2"):
        hauptfenster_aktiv(haupt)
        druecke(einzeln)
        warte(lambda: label(ueber, "Wohin setzt"))
        time.sleep(0.3)
        if taste == "2":
            bildschirm(ordner, "frage")
        xdo("key", taste)
        time.sleep(0.5)
    urteil = label(ueber, "Nicht ganz") or label(ueber, "Richtig")
    stand = label(ueber, "1 von") or label(ueber, "0 von") or label(ueber, "2 von")
    log(f"Vorhersage: {urteil.name if urteil else None!r}, {stand.name if stand else None!r}")
    if not urteil or not urteil.name.startswith("Nicht ganz: b2 ist bedroht von a1"):
        fehler.append(f"Urteil nach 2: {urteil.name if urteil else None!r}")
    if not stand or stand.name != "1 von 2 richtig":
        fehler.append(f"Stand: {stand.name if stand else None!r}")
    # Both windows whole on the screen, side by side.
    ausmasse = {name: ausmass(f) for name, f in (("Hauptfenster", haupt), ("Überblick", ueber))}
    for name, r in ausmasse.items():
        fenster_auf_dem_schirm(name, r, fehler)
    log(f"Fenster: {ausmasse}")
    for name in ("Stand ansagen", "Überspringen"):
        knopf = suche(ueber, pyatspi.ROLE_PUSH_BUTTON, name)
        if not knopf:
            fehler.append(f"kein Knopf {name!r}")
        else:
            auf_dem_schirm(f"Knopf {name!r}", ausmass(knopf), fehler)


if __name__ == "__main__":
    sys.exit(pruefe(sys.argv, lehrstunde, "lehrstunde"))
