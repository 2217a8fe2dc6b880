# SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
#
# SPDX-License-Identifier: GPL-3.0-or-later
"""What the AT-SPI drivers in this folder share: waiting for the program,
finding its controls by role and name, reading and pressing them."""

import time

import pyatspi

SPALTEN = "abcdefgh"


def log(text):
    print(text, flush=True)


def warte(bedingung, sekunden=10.0, takt=0.02):
    """The first true answer of `bedingung` within the time, else None."""
    ende = time.monotonic() + sekunden
    while time.monotonic() < ende:
        try:
            wert = bedingung()
        except Exception:  # the program may be gone, or not yet on the bus
            wert = None
        if wert:
            return wert
        time.sleep(takt)
    return None


def anwendung(pid):
    return next((a for a in pyatspi.Registry.getDesktop(0) if a is not None and a.get_process_id() == pid), None)


def suche(wurzel, rolle, name):
    return pyatspi.findDescendant(wurzel, lambda a: a is not None and a.getRole() == rolle and a.name == name)


def text(feld):
    return feld.queryText().getText(0, -1)


def druecke(ziel, namen=("Press", "Toggle")):
    """Carries out the control's first action named in `namen`."""
    act = ziel.queryAction()
    for i in range(act.nActions):
        if act.getName(i) in namen:
            return act.doAction(i)
    raise RuntimeError(f"{ziel.name!r} hat keine Aktion aus {namen}")


def frage(app):
    """The question at a solution: a top-level window of the program."""
    return next((f for f in app if f is not None and f.name == "hurra!"), None)
